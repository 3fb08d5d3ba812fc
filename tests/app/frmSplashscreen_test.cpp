#include "app/frmSplashscreen.h"

#include <QLabel>

#include "tests/app/fenster.h"

namespace fluvan::test {
namespace {

struct Sprachknopf {
    QPushButton* frmSplashscreen::*knopf;
    const char* code;
    const char* stunde;
};

class Startbild : public Fenstertest {};

TEST_F(Startbild, SprachknopfSpeichertDieSpracheUndOeffnetDieHauptform) {
    for (const Sprachknopf& fall :
         {Sprachknopf{&frmSplashscreen::cmdDeutsch, "D", "Stunde"},
          Sprachknopf{&frmSplashscreen::cmdEnglisch, "GB", "hour"},
          Sprachknopf{&frmSplashscreen::cmdFranz, "F", "Heure"}, Sprachknopf{&frmSplashscreen::cmdSpan, "E", "Hora"}}) {
        SCOPED_TRACE(fall.code);
        neuerFall();
        frmSplashscreen* start = platform::zeigeFenster<frmSplashscreen>();
        QTest::mouseClick(start->*fall.knopf, Qt::LeftButton);
        loescheGeschlosseneFenster();

        EXPECT_EQ(v().Sprache, fall.code);
        EXPECT_EQ(platform::fensterZeiger<frmSplashscreen>().data(), nullptr) << "the start screen is destroyed";
        frmHauptForm* form = platform::offenesFenster<frmHauptForm>();
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->cboMIDDaten->currentText(), "Veltrum 220");
        EXPECT_EQ(form->cboMIDDN->currentText(), "DN 10 - 3/8\"");
        EXPECT_EQ(form->cboEinheiten->currentText(), "m3");
        EXPECT_EQ(form->cboZeitEinheiten->currentText(), QString::fromUtf8(fall.stunde));
        EXPECT_EQ(v().Geraetetyp, "Veltrum 220");
        EXPECT_EQ(v().Nennweite, "10");
        EXPECT_EQ(v().NennweiteZoll, "3/8");
        EXPECT_EQ(v().VolumenEinheit, "m3");
        EXPECT_EQ(v().VolumenFaktor, 1000.0f);
        EXPECT_EQ(v().ZeitEinheit, fall.stunde);
        EXPECT_EQ(v().ZeitFaktor, 3600.0f);
    }
}

TEST_F(Startbild, LeertasteNachDemStartWaehltDeutsch) {
    frmSplashscreen* start = platform::zeigeFenster<frmSplashscreen>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));
    ASSERT_EQ(QApplication::focusWidget(), start->cmdDeutsch);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(v().Sprache, "D");
    EXPECT_NE(platform::offenesFenster<frmHauptForm>(), nullptr);
}

TEST_F(Startbild, NurDieFlaggenNehmenDenFokusInDieserFolge) {
    frmSplashscreen* start = platform::zeigeFenster<frmSplashscreen>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));
    QStringList folge;
    for (int i = 0; i < 5; ++i) {
        folge << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(folge, (QStringList{"cmdDeutsch", "cmdEnglisch", "cmdFranz", "cmdSpan", "cmdDeutsch"}));
    EXPECT_EQ(start->cmdEnglisch->toolTip(), "English");
    EXPECT_EQ(start->cmdFranz->toolTip(), QString::fromUtf8("Français"));
    EXPECT_EQ(start->cmdSpan->toolTip(), QString::fromUtf8("Español"));
}

TEST_F(Startbild, ZeigtDieTexteUnveraendertAlsKlartext) {
    frmSplashscreen* start = platform::zeigeFenster<frmSplashscreen>();
    EXPECT_EQ(start->Label4->text(), "Fluvan");
    EXPECT_EQ(start->Label7->text(), "II");
    EXPECT_EQ(start->Label1->text(),
              QString::fromUtf8("Genauigkeitskurve für  Magnetisch- Induktive und Ultraschall- Durchflussmesser "));
    EXPECT_EQ(start->Label6->text(),
              QString::fromUtf8("Curva de exactitud para caudalimetros electromagnéticos y ultrasonicos "));
    for (QLabel* label : start->findChildren<QLabel*>()) {
        if (label == start->Image1) continue;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
        // Every subtitle fits its box with the substitute font.
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->objectName().toStdString();
        }
    }
    EXPECT_TRUE(start->windowFlags() & Qt::FramelessWindowHint);
}

// The product name keeps its colours on a desktop with light text on dark ground.
TEST_F(Startbild, ProduktnameSchwarzUndGrauAufJedemDesktop) {
    const QPalette vorher = QApplication::palette();
    QPalette dunkel = vorher;
    dunkel.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dunkel);
    for (fluvan::app::Startbild* bild : std::initializer_list<fluvan::app::Startbild*>{
             platform::zeigeFenster<frmSplashscreen>(), platform::zeigeFenster<frmSplashscreen1>()}) {
        SCOPED_TRACE(bild->objectName().toStdString());
        EXPECT_EQ(bild->Label4->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_EQ(bild->Label7->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    }
    QApplication::setPalette(vorher);
}

}  // namespace
}  // namespace fluvan::test
