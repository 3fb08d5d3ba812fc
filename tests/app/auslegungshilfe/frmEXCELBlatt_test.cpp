#include "app/auslegungshilfe/frmEXCELBlatt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "fakes/fakes.h"
#include "platform/dienste.h"
#include "platform/fensterregister.h"

namespace fluvan::app {
namespace {

using namespace designaid;
using platform::offenesFenster;
using platform::zeigeFenster;

void loescheGeschlossene() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class Auslegungshilfe : public ::testing::Test {
protected:
    void SetUp() override {
        gesichert = platform::dienste();
        platform::dienste().region = &region;
        fenster = zeigeFenster<frmEXCELBlatt>();
    }
    void TearDown() override {
        platform::schliesseFenster<frmEXCELBlatt>();
        loescheGeschlossene();
        platform::dienste() = gesichert;
    }

    // A new window under the given regional separator.
    void neuOeffnen(const char* trenner) {
        platform::schliesseFenster<frmEXCELBlatt>();
        loescheGeschlossene();
        region.trenner = trenner;
        fenster = zeigeFenster<frmEXCELBlatt>();
    }

    // The window active, as on the desktop: its focus cell gets the focus.
    void aktiviere() const {
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    }

    // A click into the middle of the cell, as a user chooses it.
    void klicke(const char* name) const {
        QLineEdit* feld = fenster->OLE1->eingabezelle(QString::fromUtf8(name));
        ASSERT_NE(feld, nullptr) << name;
        QTest::mouseClick(feld, Qt::LeftButton, {}, feld->rect().center());
    }

    QString zelle(const char* name) const { return fenster->OLE1->zellText(QString::fromUtf8(name)); }
    QString zelle(const QString& name) const { return fenster->OLE1->zellText(name); }

    // Types into the cell as a user does: the new text replaces the old one.
    void tippe(const char* name, const QString& text) const {
        QLineEdit* feld = fenster->OLE1->eingabezelle(QString::fromUtf8(name));
        ASSERT_NE(feld, nullptr) << name;
        feld->selectAll();
        if (text.isEmpty())
            QTest::keyClick(feld, Qt::Key_Backspace);
        else
            QTest::keyClicks(feld, text);
        ASSERT_EQ(feld->text(), text);
    }

    frmEXCELBlatt* fenster = nullptr;
    fakes::FesteRegion region{"."};

private:
    platform::Dienste gesichert{};
};

TEST_F(Auslegungshilfe, OeffnetMitDenAnfangstexten) {
    EXPECT_EQ(fenster->windowTitle(), QString("Auslegungshilfe"));
    EXPECT_EQ(fenster->Command1->text(), QString("Ende"));
    EXPECT_EQ(fenster->findChild<QPushButton*>("Command1"), fenster->Command1);
    EXPECT_EQ(zelle("B9"), QString("bitte ausfüllen"));
    EXPECT_EQ(zelle("B14"), QString("bitte ausfüllen"));
    EXPECT_EQ(zelle("B24"), QString("please fill in"));
    EXPECT_EQ(zelle("B29"), QString("please fill in"));
    for (const char* ergebnis : {"C9", "D9", "C14", "D14"})
        EXPECT_EQ(zelle(ergebnis), QString("MB wählen")) << ergebnis;
    for (const char* ergebnis : {"C24", "D24", "C29", "D29"})
        EXPECT_EQ(zelle(ergebnis), QString("choose range")) << ergebnis;
    EXPECT_EQ(zelle("A1"), QString("       Auslegungshilfe für magnetisch - induktive Durchflussmessgeräte"));
    EXPECT_EQ(zelle("B6"), QString("Durchfluss [m³/h] (Messbereichsendwert)"));
}

// The frame at 15 twips a pixel, the button before the sheet in the focus
// order, and the sheet ready for input in B9.
TEST_F(Auslegungshilfe, RahmenKnopfUndFokusfolge) {
    EXPECT_EQ(fenster->size(), QSize(982, 689));
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize());
    EXPECT_FALSE(fenster->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(fenster->Command1->geometry(), QRect(848, 632, 121, 41));
    EXPECT_EQ(fenster->OLE1->geometry(), QRect(22, 6, 949, 618));

    EXPECT_EQ(fenster->focusWidget(), fenster->OLE1->eingabezelle("B9"));
    QWidget* w = fenster;
    const auto naechstes = [&w] {
        do w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus);
        return w;
    };
    EXPECT_EQ(naechstes(), fenster->Command1);
    for (const char* zelle : {"B9", "B14", "B24", "B29"})
        EXPECT_EQ(naechstes(), fenster->OLE1->eingabezelle(zelle)) << zelle;
}

// The sheet as drawn: the grounds of the title bands and the "from" cells,
// and the line under row 19.
TEST_F(Auslegungshilfe, ZeichnetBaenderGruendeUndLinie) {
    using designaid::bereich;
    const QImage bild = fenster->OLE1->grab().toImage();
    const auto farbe = [&](const char* zelle) {
        const QRect r = fenster->OLE1->rechteck(bereich(zelle));
        return bild.pixelColor(r.right() - 2, r.bottom() - 2);  // a corner the text leaves free
    };
    EXPECT_EQ(farbe("E2"), QColor(192, 192, 192));
    EXPECT_EQ(farbe("E4"), QColor(192, 192, 192));
    EXPECT_EQ(farbe("E6"), QColor(Qt::white));
    for (const char* von : {"C9", "C14", "C24", "C29"}) EXPECT_EQ(farbe(von), QColor(255, 153, 0)) << von;
    for (const char* bis : {"D9", "D14", "D24", "D29"}) EXPECT_EQ(farbe(bis), QColor(Qt::white)) << bis;
    const QRect zeile19 = fenster->OLE1->rechteck(bereich("E19"));
    EXPECT_EQ(bild.pixelColor(zeile19.center().x(), zeile19.bottom()), QColor(Qt::black));
    EXPECT_EQ(bild.pixelColor(zeile19.center().x(), zeile19.bottom() - 3), QColor(Qt::white));
}

struct Eingabefall {
    const char* eingabe;
    const char* text;
    const char* von;
    const char* bis;

    // The result cells of the block: C and D of the input's row.
    QString vonZelle() const { return QString("C") + (eingabe + 1); }
    QString bisZelle() const { return QString("D") + (eingabe + 1); }
};

// Each input cell answers in its own result cells and leaves the other blocks alone.
TEST_F(Auslegungshilfe, JedeEingabezelleRechnetBeiJederAenderungNeu) {
    const struct {
        const char* eingabe;
        const char* vonZelle;
        const char* bisZelle;
        const char* ersatz;
    } bloecke[] = {{"B9", "C9", "D9", "MB wählen"},
                   {"B14", "C14", "D14", "MB wählen"},
                   {"B24", "C24", "D24", "choose range"},
                   {"B29", "C29", "D29", "choose range"}};
    // clang-format off
    const Eingabefall faelle[] = {
        {"B9", "10", "40", "50"},          {"B14", "3.6", "40", "65"},
        {"B24", "100", "2 1/2”", "3”"}, {"B29", "1000", "8”", "12”"},
    };
    // clang-format on
    for (const Eingabefall& f : faelle) {
        SCOPED_TRACE(f.eingabe);
        tippe(f.eingabe, QString::fromUtf8(f.text));
        for (const auto& b : bloecke) {
            const bool dieser = QString(b.eingabe) == f.eingabe;
            EXPECT_EQ(zelle(b.vonZelle), QString::fromUtf8(dieser ? f.von : b.ersatz)) << b.vonZelle;
            EXPECT_EQ(zelle(b.bisZelle), QString::fromUtf8(dieser ? f.bis : b.ersatz)) << b.bisZelle;
        }
        tippe(f.eingabe, QString());
        EXPECT_EQ(zelle(bloecke[0].vonZelle), QString("MB wählen"));
    }
    // Each keystroke counts: "1" alone is a flow of its own.
    tippe("B14", "1");
    EXPECT_EQ(zelle("C14"), QString("25"));
    EXPECT_EQ(zelle("D14"), QString("32"));
    QTest::keyClicks(fenster->OLE1->eingabezelle("B14"), "000");
    EXPECT_EQ(zelle("C14"), QString("700"));
    EXPECT_EQ(zelle("D14"), QString("1000"));
}

// Typing into a chosen cell replaces what it holds: B9, chosen at opening,
// whether clicked first or not, and each of the four cells when clicked.
TEST_F(Auslegungshilfe, TippenErsetztDenInhaltDerGewaehltenZelle) {
    aktiviere();
    QTest::keyClicks(fenster->OLE1->eingabezelle("B9"), "10");
    EXPECT_EQ(zelle("B9"), QString("10"));
    EXPECT_EQ(zelle("C9"), QString("40"));

    // Each cell chosen twice, each time holding an earlier text.
    // clang-format off
    const Eingabefall faelle[] = {
        {"B14", "3.6", "40", "65"},
        {"B24", "100", "2 1/2”", "3”"},
        {"B29", "1000", "8”", "12”"},
        {"B9", "1", "15", "15"},
    };
    // clang-format on
    for (int runde = 0; runde < 2; ++runde) {
        for (const Eingabefall& f : faelle) {
            SCOPED_TRACE(f.eingabe);
            klicke(f.eingabe);
            QWidget* feld = fenster->OLE1->eingabezelle(f.eingabe);
            EXPECT_EQ(QApplication::focusWidget(), feld);
            QTest::keyClicks(feld, QString::fromUtf8(f.text));
            EXPECT_EQ(zelle(f.eingabe), QString::fromUtf8(f.text));
            EXPECT_EQ(zelle(f.vonZelle()), QString::fromUtf8(f.von));
            EXPECT_EQ(zelle(f.bisZelle()), QString::fromUtf8(f.bis));
        }
    }
}

// Once typing has begun, the cell is being edited: a click places the cursor.
TEST_F(Auslegungshilfe, WaehrendDerEingabeSetztEinKlickDieSchreibmarke) {
    aktiviere();
    klicke("B9");
    QLineEdit* b9 = fenster->OLE1->eingabezelle("B9");
    QTest::keyClicks(b9, "10");
    QTest::mouseClick(b9, Qt::LeftButton, {}, QPoint(1, b9->height() / 2));
    QTest::keyClicks(b9, "2");
    EXPECT_EQ(zelle("B9"), QString("210"));
}

// The results take the separator of the regional settings; a typed number
// may use it or ".".
TEST_F(Auslegungshilfe, ErgebnisseMitDemRegionalenTrenner) {
    neuOeffnen(",");
    tippe("B9", "0,03");
    EXPECT_EQ(zelle("C9"), QString("2,5"));
    EXPECT_EQ(zelle("D9"), QString("2,5"));
    tippe("B9", "0.03");
    EXPECT_EQ(zelle("C9"), QString("2,5"));

    neuOeffnen(".");
    tippe("B9", "0.03");
    EXPECT_EQ(zelle("C9"), QString("2.5"));
}

TEST_F(Auslegungshilfe, ZweitesOeffnenHoltDasOffeneFensterUnveraendertNachVorn) {
    tippe("B9", "10");
    EXPECT_EQ(zeigeFenster<frmEXCELBlatt>(), fenster);
    EXPECT_EQ(zelle("B9"), QString("10"));
    EXPECT_EQ(zelle("C9"), QString("40"));
}

TEST_F(Auslegungshilfe, EndeSchliesstNurDieseFensterUndDasNaechsteBeginntVonVorn) {
    QWidget anderes;
    anderes.show();
    tippe("B9", "10");
    tippe("B24", "100");

    QTest::mouseClick(fenster->Command1, Qt::LeftButton);
    loescheGeschlossene();
    EXPECT_EQ(offenesFenster<frmEXCELBlatt>(), nullptr);
    EXPECT_TRUE(anderes.isVisible());

    fenster = zeigeFenster<frmEXCELBlatt>();
    EXPECT_EQ(zelle("B9"), QString("bitte ausfüllen"));
    EXPECT_EQ(zelle("C9"), QString("MB wählen"));
    EXPECT_EQ(zelle("B24"), QString("please fill in"));
    EXPECT_EQ(zelle("D24"), QString("choose range"));
}

}  // namespace
}  // namespace fluvan::app
