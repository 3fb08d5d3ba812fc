// The numeric boxes of the main form as a user types, pastes or drops into them.
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <memory>

#include "tests/app/fenster.h"
#include "tests/platform/echteanzeige.h"

namespace fluvan::test {
namespace {

class Zahlenfelder : public Fenstertest {
protected:
    std::vector<QLineEdit*> felder(frmHauptForm* form) {
        return {form->txtVolumen, form->txtDichte, form->txtVisco, form->txtLaenge};
    }
};

// The ways a text reaches a box without being typed.
struct Einfuegeweg {
    const char* name;
    void (*fuege)(QLineEdit* feld, const QString& text);
};

// The context menu's Paste, found by the shortcut its text shows.
void ausDemKontextmenue(QLineEdit* feld, const QString& text) {
    QApplication::clipboard()->setText(text);
    const std::unique_ptr<QMenu> menue(feld->createStandardContextMenu());
    const QString kuerzel = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    QAction* einfuegen = nullptr;
    for (QAction* aktion : menue->actions())
        if (aktion->text().section(QLatin1Char('\t'), 1) == kuerzel) einfuegen = aktion;
    ASSERT_NE(einfuegen, nullptr);
    ASSERT_TRUE(einfuegen->isEnabled());
    einfuegen->trigger();
}

void mitUmschaltEinfg(QLineEdit* feld, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(feld, Qt::Key_Insert, Qt::ShiftModifier);
}

// A drag that carries the text across the box and lets it go there.
void gezogen(QLineEdit* feld, const QString& text) {
    ASSERT_TRUE(feld->acceptDrops()) << "without it no drag reaches the box";
    QMimeData daten;
    daten.setText(text);
    const QPoint stelle = feld->rect().center();
    QDragEnterEvent hinein(stelle, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(feld, &hinein);
    ASSERT_TRUE(hinein.isAccepted());
    QDragMoveEvent darueber(stelle, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(feld, &darueber);
    QDropEvent fallen(QPointF(stelle), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(feld, &fallen);
}

constexpr Einfuegeweg einfuegewege[] = {
    {"context menu paste", ausDemKontextmenue},
    {"Shift+Insert", mitUmschaltEinfg},
    {"drop", gezogen},
};

struct Eingefuegt {
    const char* text;
    const char* steht;
};

constexpr Eingefuegt eingefuegte[] = {
    {"12,5", "12.5"}, {"998,2", "998.2"}, {"0,75", "0.75"}, {"1 000,5", "1000.5"},
    {"-5", "5"},      {"abc", ""},        {"1e3", "13"},    {"7\b8", "78"},
};

TEST_F(Zahlenfelder, GetippteZeichen) {
    struct Fall {
        const char* getippt;
        const char* steht;
    };
    frmHauptForm* form = hauptform("D");
    for (QLineEdit* feld : felder(form)) {
        for (const Fall& fall : {Fall{"1,5", "1.5"}, Fall{"-5", "5"}, Fall{"2e3", "23"}, Fall{"1.2.3", "1.2.3"},
                                 Fall{"+ 0x7", "07"}, Fall{"007", "007"}}) {
            feld->clear();
            QTest::keyClicks(feld, fall.getippt);
            EXPECT_EQ(feld->text(), fall.steht) << feld->objectName().toStdString() << " " << fall.getippt;
        }
    }
}

// What an input method composes (a dead key, a compose sequence) is typed as
// well and passes the same filter, character by character.
TEST_F(Zahlenfelder, ZeichenEinerEingabemethode) {
    struct Fall {
        const char* komponiert;
        const char* steht;
    };
    frmHauptForm* form = hauptform("D");
    for (QLineEdit* feld : felder(form)) {
        for (const Fall& fall : {Fall{"é", ""}, Fall{"^1", "1"}, Fall{"2,5", "2.5"}, Fall{"42", "42"}}) {
            feld->clear();
            QInputMethodEvent eingabe;
            eingabe.setCommitString(QString::fromUtf8(fall.komponiert));
            QCoreApplication::sendEvent(feld, &eingabe);
            EXPECT_EQ(feld->text(), QString::fromUtf8(fall.steht))
                << feld->objectName().toStdString() << " " << fall.komponiert;
        }
    }
    QInputMethodEvent eingabe;
    eingabe.setCommitString(QString::fromUtf8("é"));
    QCoreApplication::sendEvent(form->txtKunde, &eingabe);
    EXPECT_EQ(v().Kunde, "é");
}

TEST_F(Zahlenfelder, BearbeitungstastenWirkenWeiter) {
    frmHauptForm* form = hauptform("D");
    QLineEdit* feld = form->txtDichte;
    feld->setText("1234");
    feld->setCursorPosition(4);
    QTest::keyClick(feld, Qt::Key_Backspace);
    EXPECT_EQ(feld->text(), "123");
    QTest::keyClick(feld, Qt::Key_Left);
    QTest::keyClick(feld, Qt::Key_Left);
    QTest::keyClick(feld, Qt::Key_Delete);
    EXPECT_EQ(feld->text(), "13");
    QTest::keyClick(feld, Qt::Key_Home);
    QTest::keyClicks(feld, "9");
    QTest::keyClick(feld, Qt::Key_End);
    QTest::keyClicks(feld, "0");
    EXPECT_EQ(feld->text(), "9130");
}

TEST_F(Zahlenfelder, TabVerlaesstDasFeld) {
    frmHauptForm* form = hauptform("D");
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->txtVisco->setFocus();
    QTest::keyClick(form->txtVisco, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->txtDichte);
}

TEST_F(Zahlenfelder, StrgTastenTunNichts) {
    frmHauptForm* form = hauptform("D");
    QApplication::clipboard()->setText("42");
    for (QLineEdit* feld : felder(form)) {
        const QString vorher = feld->text();
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(feld->text(), vorher) << feld->objectName().toStdString();
    }
    // The customer box is no numeric box: there the paste works.
    QTest::keyClick(form->txtKunde, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->txtKunde->text(), "42");
}

// A number too small for a 32-bit cell is the 0 it is stored as, whether it
// is short enough for a double or not: the full-scale value, the density and
// the viscosity show their prompts, and the own length is 0.
TEST_F(Zahlenfelder, ZuKleinFuerDieZelleIstNull) {
    const std::string unterFloat = "0." + std::string(45, '0') + "1";
    const std::string unterDouble = "0." + std::string(400, '0') + "1";
    struct Fall {
        QLineEdit* frmHauptForm::*feld;
        const char* prompt;  // nullptr: the run goes through
    };
    const Fall faelle[] = {
        {&frmHauptForm::txtVolumen, "Endwert ?"},
        {&frmHauptForm::txtDichte, "Dichte ?"},
        {&frmHauptForm::txtVisco, "Viskosität ?"},
        {&frmHauptForm::txtLaenge, nullptr},
    };
    for (const Fall& fall : faelle) {
        for (const std::string& text : {unterFloat, unterDouble}) {
            neuerFall();
            frmHauptForm* form = hauptform("D");
            QTest::mouseClick(form->Option3, Qt::LeftButton);
            form->txtVolumen->setText("1");
            QLineEdit* feld = form->*fall.feld;
            SCOPED_TRACE(feld->objectName().toStdString() + " with " + std::to_string(text.size()) + " characters");
            feld->clear();
            QTest::keyClicks(feld, QString::fromStdString(text));
            ASSERT_EQ(feld->text().toStdString(), text);
            form->cmdFehlerkurve->click();
            if (fall.prompt) {
                EXPECT_EQ(meldungen.gezeigt, (std::vector<Meldung>{{fall.prompt, base::MeldungsStil::Frage}}));
                EXPECT_EQ(anzeige.gezeigt, 0);
            } else {
                EXPECT_EQ(meldungen.gezeigt, std::vector<Meldung>{});
                EXPECT_EQ(anzeige.gezeigt, 1);
                EXPECT_EQ(v().Baulaenge, 0.0f);
            }
        }
    }
}

// Pasted or dropped text passes the same filter as typed text, character by
// character: the box holds only what typing could have given.
TEST_F(Zahlenfelder, EingefuegterTextGehtDurchDenFilter) {
    frmHauptForm* form = hauptform("D");
    for (const Einfuegeweg& weg : einfuegewege) {
        for (QLineEdit* feld : felder(form)) {
            for (const Eingefuegt& fall : eingefuegte) {
                SCOPED_TRACE(std::string(weg.name) + " into " + feld->objectName().toStdString() + ": " + fall.text);
                feld->setText("");
                weg.fuege(feld, fall.text);
                EXPECT_EQ(feld->text(), fall.steht);
            }
        }
    }
    // The customer box is no number box: it takes the text as it comes.
    mitUmschaltEinfg(form->txtKunde, "1 000,5");
    EXPECT_EQ(v().Kunde, "1 000,5");
}

// A file dragged from a file manager carries its address as text as well; a
// number box refuses it whole and keeps what it held, while a drop of text
// still lands.
TEST_F(Zahlenfelder, GezogeneDateiWirdAbgelehnt) {
    frmHauptForm* form = hauptform("D");
    for (QLineEdit* feld : felder(form)) {
        SCOPED_TRACE(feld->objectName().toStdString());
        feld->setText("12");
        QMimeData daten;
        daten.setUrls({QUrl(QStringLiteral("file:///srv/messung/lauf3.txt"))});
        daten.setText(QStringLiteral("file:///srv/messung/lauf3.txt"));
        const QPoint stelle = feld->rect().center();
        QDragEnterEvent hinein(stelle, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(feld, &hinein);
        EXPECT_FALSE(hinein.isAccepted());
        QDropEvent fallen(QPointF(stelle), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(feld, &fallen);
        EXPECT_FALSE(fallen.isAccepted());
        EXPECT_EQ(feld->text(), "12");
        feld->setText("");
        gezogen(feld, "3,5");
        EXPECT_EQ(feld->text(), "3.5");
    }
}

// Inserted between characters, the filtered text lands at the cursor and the
// cursor stays behind it, where the next typed digit goes.
TEST_F(Zahlenfelder, EinfuegenZwischenZiffern) {
    frmHauptForm* form = hauptform("D");
    QLineEdit* feld = form->txtDichte;
    feld->setText("15");
    feld->setCursorPosition(1);
    ausDemKontextmenue(feld, "2,5 kg");
    EXPECT_EQ(feld->text(), "12.55");
    EXPECT_EQ(feld->cursorPosition(), 4);
    QTest::keyClicks(feld, "9");
    EXPECT_EQ(feld->text(), "12.595");
}

// The calculation reads what the box shows: a pasted comma is the decimal
// point it shows as.
TEST_F(Zahlenfelder, RechnungLiestDenEingefuegtenText) {
    struct Fall {
        QLineEdit* frmHauptForm::*feld;
        const char* text;
        float base::Variable::*zelle;
        float wert;
    };
    const Fall faelle[] = {
        {&frmHauptForm::txtVolumen, "12,5", &base::Variable::Endwert, 12.5f},
        {&frmHauptForm::txtDichte, "998,2", &base::Variable::Dichte, 998.2f},
        {&frmHauptForm::txtVisco, "0,75", &base::Variable::Viskositaet, 0.75f},
        {&frmHauptForm::txtLaenge, "1 000,5", &base::Variable::Baulaenge, 1000.5f},
    };
    for (const Einfuegeweg& weg : einfuegewege) {
        for (const Fall& fall : faelle) {
            neuerFall();
            frmHauptForm* form = hauptform("D");
            QLineEdit* feld = form->*fall.feld;
            SCOPED_TRACE(std::string(weg.name) + " into " + feld->objectName().toStdString() + ": " + fall.text);
            form->cboMIDDN->setCurrentIndex(9);  // DN 50, where 12.5 m3/hour runs through
            QTest::mouseClick(form->Option3, Qt::LeftButton);
            form->txtVolumen->setText("12.5");
            feld->setText("");
            weg.fuege(feld, fall.text);
            form->cmdFehlerkurve->click();
            EXPECT_EQ(meldungen.gezeigt, std::vector<Meldung>{});
            EXPECT_EQ(anzeige.gezeigt, 1);
            EXPECT_EQ(v().*fall.zelle, fall.wert);
        }
    }
}

// A middle click pastes the X11 selection; where the platform has none, there
// is no such route.
// The X11 selection exists only on a real X server: the test runs there.
TEST_F(Zahlenfelder, MittelklickFuegtGefiltertEin) {
    if (!aufX()) {
        laufeAufX({.fenstermanager = false});
        return;
    }
    ASSERT_TRUE(QApplication::clipboard()->supportsSelection());
    frmHauptForm* form = hauptform("D");
    for (QLineEdit* feld : felder(form)) {
        for (const Eingefuegt& fall : eingefuegte) {
            SCOPED_TRACE(feld->objectName().toStdString() + ": " + fall.text);
            feld->setText("");
            QApplication::clipboard()->setText(fall.text, QClipboard::Selection);
            QTest::mouseClick(feld, Qt::MiddleButton);
            EXPECT_EQ(feld->text(), fall.steht);
        }
    }
}

}  // namespace
}  // namespace fluvan::test
