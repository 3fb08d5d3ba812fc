#include "app/auslegungshilfe/frmEXCELBlatt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/fensterregister.h"

namespace fluvan::app {
namespace {

using namespace designaid;
using platform::offenesFenster;
using platform::zeigeFenster;

void loescheGeschlossene() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class Auslegungshilfe : public ::testing::Test {
protected:
    void SetUp() override { fenster = zeigeFenster<frmEXCELBlatt>(); }
    void TearDown() override {
        platform::schliesseFenster<frmEXCELBlatt>();
        loescheGeschlossene();
    }

    QString zelle(const char* name) const { return fenster->OLE1->zellText(QString::fromUtf8(name)); }

    // Types into the cell as a user does: the new text replaces the old one.
    void tippe(const char* name, const QString& text) const {
        QLineEdit* feld = fenster->OLE1->eingabezelle(QString::fromUtf8(name));
        ASSERT_NE(feld, nullptr) << name;
        feld->selectAll();
        if (text.isEmpty()) QTest::keyClick(feld, Qt::Key_Backspace);
        else QTest::keyClicks(feld, text);
        ASSERT_EQ(feld->text(), text);
    }

    frmEXCELBlatt* fenster = nullptr;
};

TEST_F(Auslegungshilfe, OeffnetMitDenAnfangstexten) {
    EXPECT_EQ(fenster->windowTitle(), QString("Auslegungshilfe"));
    EXPECT_EQ(fenster->Command1->text(), QString("Ende"));
    EXPECT_EQ(fenster->findChild<QPushButton*>("Command1"), fenster->Command1);
    EXPECT_EQ(zelle("B9"), QString("bitte ausfüllen"));
    EXPECT_EQ(zelle("B14"), QString("bitte ausfüllen"));
    EXPECT_EQ(zelle("B24"), QString("please fill in"));
    EXPECT_EQ(zelle("B29"), QString("please fill in"));
    for (const char* ergebnis : {"C9", "D9", "C14", "D14"}) EXPECT_EQ(zelle(ergebnis), QString("MB wählen")) << ergebnis;
    for (const char* ergebnis : {"C24", "D24", "C29", "D29"}) EXPECT_EQ(zelle(ergebnis), QString("choose range")) << ergebnis;
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
    for (const char* zelle : {"B9", "B14", "B24", "B29"}) EXPECT_EQ(naechstes(), fenster->OLE1->eingabezelle(zelle)) << zelle;
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
    const Eingabefall faelle[] = {
        {"B9", "10", "40", "50"},          {"B14", "3.6", "40", "65"},
        {"B24", "100", "2 1/2”", "3”"}, {"B29", "1000", "8”", "12”"},
    };
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
