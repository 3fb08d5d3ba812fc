// The numeric boxes of the main form as a user types into them.
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>

#include "tests/app/fenster.h"

namespace fluvan::test {
namespace {

class Zahlenfelder : public Fenstertest {
protected:
    std::vector<QLineEdit*> felder(frmHauptForm* form) {
        return {form->txtVolumen, form->txtDichte, form->txtVisco, form->txtLaenge};
    }
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

TEST_F(Zahlenfelder, NehmenNichtsGezogenesAn) {
    frmHauptForm* form = hauptform("D");
    for (QLineEdit* feld : felder(form)) EXPECT_FALSE(feld->acceptDrops()) << feld->objectName().toStdString();
    EXPECT_TRUE(form->txtKunde->acceptDrops());
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

// A paste through the context menu is not filtered; the one number reader
// reads the box, and "1,5" is read as 1, never as 15.
TEST_F(Zahlenfelder, EingefuegterTextGehtDurchDenZahlenleser) {
    frmHauptForm* form = hauptform("D");
    form->txtVolumen->setText("");
    QApplication::clipboard()->setText("1,5");
    form->txtVolumen->paste();
    EXPECT_EQ(form->txtVolumen->text(), "1,5");
    form->cmdFehlerkurve->click();
    EXPECT_EQ(v().Endwert, 1.0f);
}

}  // namespace
}  // namespace fluvan::test
