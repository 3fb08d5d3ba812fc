#include "app/frmHauptForm.h"
#include "app/auslegungshilfe/frmEXCELBlatt.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyleOption>

#include "catalogue/listen.h"
#include "platform/systemfarben.h"
#include "tests/app/fenster.h"

namespace fluvan::test {
namespace {

class Hauptform : public Fenstertest {};

TEST_F(Hauptform, NeuErstelltMitSeinenEntwurfstextenUndDenStandards) {
    frmHauptForm* form = hauptform("D");
    EXPECT_EQ(form->windowTitle(), "Fluvan II");
    EXPECT_EQ(form->txtDichte->text(), "1000");
    EXPECT_EQ(form->txtVisco->text(), "1");
    EXPECT_EQ(form->txtLaenge->text(), "68");
    EXPECT_EQ(form->txtVolumen->text(), "0.0");
    EXPECT_TRUE(form->Option1->isChecked());
    EXPECT_FALSE(form->Option2->isChecked());
    EXPECT_FALSE(form->Option3->isChecked());
    EXPECT_EQ(form->txtKunde->text(), "");
    EXPECT_EQ(form->cboMIDDaten->count(), 47);
    EXPECT_EQ(form->cboMIDDN->count(), 57);
    EXPECT_EQ(form->cboEinheiten->count(), 11);
    EXPECT_EQ(form->cboZeitEinheiten->count(), 6);
    EXPECT_EQ(form->cboMIDDN->itemText(0), "DN 2.5 - 1/10\"");
    EXPECT_EQ(form->cboMIDDN->itemText(8), "DN 40 -1 1/2\"");
    EXPECT_EQ(form->cboMIDDaten->itemText(46), "RSN 90");
    EXPECT_EQ(form->cboZeitEinheiten->itemText(0), "Sekunde");
}

// An opened drop-down list shows 8 rows and a scroll bar, as the platform's
// lists do, whatever the height of the screen.
TEST_F(Hauptform, GeoeffneteListeZeigtAchtZeilenMitRollbalken) {
    frmHauptForm* form = hauptform("D");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    for (QComboBox* liste : {form->cboMIDDN, form->cboMIDDaten}) {
        SCOPED_TRACE(liste->objectName().toStdString());
        liste->showPopup();
        QAbstractItemView* ansicht = liste->view();
        ASSERT_TRUE(ansicht->isVisible());
        EXPECT_TRUE(ansicht->verticalScrollBar()->isVisible());
        const int zeile = ansicht->sizeHintForRow(0);
        ASSERT_GT(zeile, 0);
        EXPECT_EQ(ansicht->viewport()->height() / zeile, 8) << ansicht->viewport()->height() << " px";
        EXPECT_LT(ansicht->window()->height(), 12 * zeile);
        liste->hidePopup();
    }
}

// The control that holds the focus at opening shows it at once: the style
// is told of a keyboard focus without a Tab pressed first.
TEST_F(Hauptform, FokusIstBeimOeffnenSichtbar) {
    for (const char* sprache : {"D", "GB"}) {
        SCOPED_TRACE(sprache);
        neuerFall();
        frmHauptForm* form = hauptform(sprache);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_NE(fokus, nullptr);
        QStyleOption option;
        option.initFrom(fokus);
        EXPECT_TRUE(option.state & QStyle::State_HasFocus) << fokus->objectName().toStdString();
        EXPECT_TRUE(option.state & QStyle::State_KeyboardFocusChange) << fokus->objectName().toStdString();
    }
}

TEST_F(Hauptform, TexteDerSprache) {
    struct Fall {
        const char* sprache;
        const char* kunde;
        const char* rahmen;
        const char* rechnen;
        const char* laenge;
        const char* leitfaehigkeit;
    };
    for (const Fall& fall :
         {Fall{"D", "Firma", "Druckverlust", "&Berechnung", "Baulänge", "&Leitfähigkeit"},
          Fall{"GB", "Company", "Pressure loss", "&Calculation", "Length", "&Conductivity"},
          Fall{"F", "Client", "Perte de charge", "&Calculation", "Longeuer", "&Conductivité"},
          Fall{"E", "Compania", "Pérdida de la presión", "&Calculatión", "Dimension", "&Coductividad"}}) {
        SCOPED_TRACE(fall.sprache);
        neuerFall();
        frmHauptForm* form = hauptform(fall.sprache);
        EXPECT_EQ(form->Label1->text(), QString::fromUtf8(fall.kunde));
        EXPECT_EQ(form->Frame1->title(), QString::fromUtf8(fall.rahmen));
        EXPECT_EQ(form->cmdFehlerkurve->text(), QString::fromUtf8(fall.rechnen));
        EXPECT_EQ(form->lblLaenge->text(), QString::fromUtf8(fall.laenge));
        EXPECT_EQ(form->mnuLeitfaehigkeit->text(), QString::fromUtf8(fall.leitfaehigkeit));
        EXPECT_EQ(form->windowTitle(), "Fluvan II");
        // A caption is never narrower than its text.
        for (QLabel* label : form->findChildren<QLabel*>()) {
            if (label == form->Image1) continue;
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            if (label != form->Image1 && (label->alignment() & Qt::AlignLeft)) {
                EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                    << label->objectName().toStdString();
            }
        }
    }
}

TEST_F(Hauptform, RahmenUndInnengroesseJeSprache) {
    struct Fall {
        const char* sprache;
        QSize innen;
        bool groesseVeraenderbar;
    };
    for (const Fall& fall : {Fall{"D", {384, 504}, false}, Fall{"GB", {384, 504}, false}, Fall{"F", {384, 505}, false},
                             Fall{"E", {383, 504}, true}}) {
        SCOPED_TRACE(fall.sprache);
        neuerFall();
        frmHauptForm* form = hauptform(fall.sprache);
        EXPECT_EQ(form->centralWidget()->size(), fall.innen);
        EXPECT_EQ(form->minimumSize() != form->maximumSize(), fall.groesseVeraenderbar);
        EXPECT_EQ(bool(form->windowFlags() & Qt::WindowMaximizeButtonHint), fall.groesseVeraenderbar);
    }
}

// The colours as the window is drawn: a corner of each control away from its
// text or indicator.
TEST_F(Hauptform, HintergrundfarbenImGezeichnetenFenster) {
    using namespace platform;
    frmHauptForm* form = hauptform("D");
    const QImage bild = form->grab().toImage();
    const std::vector<std::pair<QWidget*, base::Farbe>> faelle{
        {form->Option1, Bildlaufleiste},    {form->Option2, Bildlaufleiste}, {form->Option3, Bildlaufleiste},
        {form->lblFlasch, Bildlaufleiste},  {form->Label9, Bildlaufleiste},  {form->Label10, Bildlaufleiste},
        {form->lblLaenge, InaktiverRahmen}, {form->Label7, InaktiverRahmen}, {form->Label4, AktiverRahmen},
        {form->lblMIDDaten, AktiverRahmen}};
    for (const auto& [w, farbe] : faelle) {
        // Right-aligned captions have their text at the right, the rest at the left.
        const auto* label = qobject_cast<QLabel*>(w);
        const bool rechts = label && (label->alignment() & Qt::AlignRight);
        const QPoint ecke = w->mapTo(form, QPoint(rechts ? 0 : w->width() - 1, 1));
        EXPECT_EQ(bild.pixelColor(ecke), qfarbe(farbe)) << w->objectName().toStdString();
    }
}

TEST_F(Hauptform, SteuerelementeTragenIhreNamen) {
    frmHauptForm* form = hauptform("D");
    for (const char* name : {"Image1",
                             "Label1",
                             "txtKunde",
                             "Label2",
                             "txtTAG",
                             "Label11",
                             "txtVKNummer",
                             "lblMIDDaten",
                             "cboMIDDaten",
                             "lblDN",
                             "cboMIDDN",
                             "lblEinheiten",
                             "cboEinheiten",
                             "lblEinheitZeit",
                             "cboZeitEinheiten",
                             "lblVolumen",
                             "txtVolumen",
                             "Frame1",
                             "lblFlasch",
                             "Label9",
                             "Option1",
                             "Label10",
                             "Option2",
                             "Label3",
                             "Label4",
                             "txtDichte",
                             "Label5",
                             "Label6",
                             "txtVisco",
                             "lblLaenge",
                             "Label7",
                             "txtLaenge",
                             "Option3",
                             "cmdEnde",
                             "cmdFehlerkurve",
                             "mnuAuswahl",
                             "mnuMID",
                             "mnuMIDNeu",
                             "mnuVeltrum20",
                             "mnuVeltrum30",
                             "mnuMIDalt",
                             "mnuBrisal",
                             "mnuUL",
                             "mnuULneu",
                             "mnuULalt",
                             "mnuLeitfaehigkeit",
                             "mnuEXCEL",
                             "mnuInfo",
                             "mnuEnde"})
        EXPECT_NE(form->findChild<QObject*>(name), nullptr) << name;
    // The frame's controls are measured from the frame.
    EXPECT_EQ(form->txtDichte->parentWidget(), form->Frame1);
    EXPECT_EQ(form->txtDichte->geometry(), QRect(8, 96, 113, 19));
    EXPECT_EQ(form->cmdFehlerkurve->geometry(), QRect(248, 424, 113, 57));
}

TEST_F(Hauptform, AuswahlSchreibtDieZellen) {
    frmHauptForm* form = hauptform("GB");
    form->cboMIDDaten->setCurrentIndex(44);
    EXPECT_EQ(v().Geraetetyp, "RSN 70 HT/LT");
    form->cboMIDDN->setCurrentIndex(0);
    EXPECT_EQ(v().Nennweite, "2,5");
    EXPECT_EQ(v().NennweiteZoll, "1/10");
    region.trenner = ".";
    form->cboMIDDN->setCurrentIndex(1);
    form->cboMIDDN->setCurrentIndex(0);
    EXPECT_EQ(v().Nennweite, "2.5");
    form->cboMIDDN->setCurrentIndex(7);
    EXPECT_EQ(v().NennweiteZoll, "(1 1/4)");
    form->cboEinheiten->setCurrentIndex(10);
    EXPECT_EQ(v().VolumenEinheit, "t");
    EXPECT_EQ(v().VolumenFaktor, 1000.0f);
    form->cboEinheiten->setCurrentIndex(9);
    EXPECT_EQ(v().VolumenEinheit, "kg");
    EXPECT_EQ(v().VolumenFaktor, 1.0f);
    form->cboZeitEinheiten->setCurrentIndex(1);
    EXPECT_EQ(v().ZeitEinheit, "min");
    EXPECT_EQ(v().ZeitFaktor, 60.0f);
}

TEST_F(Hauptform, TypmenueWaehltNurDasModell) {
    struct Fall {
        QAction* frmHauptForm::*eintrag;
        int index;
        const char* modell;
    };
    frmHauptForm* form = hauptform("E");
    form->cboMIDDN->setCurrentIndex(0);
    form->cboEinheiten->setCurrentIndex(0);
    form->txtVolumen->setText("5");
    for (const Fall& fall :
         {Fall{&frmHauptForm::mnuMIDNeu, 25, "Veltrum 210"}, Fall{&frmHauptForm::mnuVeltrum20, 38, "Veltrum 220"},
          Fall{&frmHauptForm::mnuVeltrum30, 30, "Veltrum 230"}, Fall{&frmHauptForm::mnuMIDalt, 4, "TKD 21"},
          Fall{&frmHauptForm::mnuBrisal, 0, "Brisal 11"}, Fall{&frmHauptForm::mnuULneu, 46, "RSN 90"},
          Fall{&frmHauptForm::mnuULalt, 43, "RSN 70"}}) {
        (form->*fall.eintrag)->trigger();
        EXPECT_EQ(form->cboMIDDaten->currentIndex(), fall.index) << fall.modell;
        EXPECT_EQ(v().Geraetetyp, fall.modell);
    }
    EXPECT_EQ(form->cboMIDDN->currentIndex(), 0);
    EXPECT_EQ(v().Nennweite, "2,5");
    EXPECT_EQ(v().VolumenEinheit, "l");
    EXPECT_EQ(form->txtVolumen->text(), "5");
    EXPECT_TRUE(meldungen.gezeigt.empty()) << "no calculation starts";
    // Menu titles and entries in the order of the menu bar.
    QStringList oben;
    for (QAction* a : form->menuBar()->actions()) oben << a->text();
    EXPECT_EQ(oben, (QStringList{"&Tipo", "&Coductividad", "&Dimensioning", "&Info", "&Terminar"}));
    QStringList mid;
    for (QAction* a : form->mnuMID->actions()) mid << a->text();
    EXPECT_EQ(mid, (QStringList{"Veltrum x10", "Veltrum x20", "Veltrum x30", "TKD", "Brisal"}));
}

TEST_F(Hauptform, KopfzellenFolgenJederAenderung) {
    frmHauptForm* form = hauptform("D");
    QTest::keyClicks(form->txtKunde, "Muster AG  ");
    EXPECT_EQ(v().Kunde, "Muster AG  ");
    form->txtKunde->clear();
    EXPECT_EQ(v().Kunde, "");
    QTest::keyClicks(form->txtTAG, "<b>FT</b>");
    EXPECT_EQ(v().TAGNummer, "<b>FT</b>");
    QTest::keyClicks(form->txtVKNummer, "Ä-1");
    EXPECT_EQ(v().VKNummer, "Ä-1");
}

// A text box takes a text of any length; a header cell holds all of it.
TEST_F(Hauptform, TextfelderOhneLaengengrenze) {
    frmHauptForm* form = hauptform("D");
    const QString lang(40000, QLatin1Char('7'));
    QApplication::clipboard()->setText(lang);
    for (QLineEdit* box : {form->txtKunde, form->txtTAG, form->txtVKNummer, form->txtVolumen, form->txtDichte,
                           form->txtVisco, form->txtLaenge}) {
        box->clear();
        box->paste();
        EXPECT_EQ(box->text().size(), lang.size()) << box->objectName().toStdString();
    }
    EXPECT_EQ(v().Kunde.size(), 40000u);
    EXPECT_EQ(v().VKNummer.size(), 40000u);
}

TEST_F(Hauptform, EndeBeendetDasProgramm) {
    frmHauptForm* form = hauptform("GB");
    QTest::mouseClick(form->cmdEnde, Qt::LeftButton);
    EXPECT_EQ(ende.beendet, 1);
    form->mnuEnde->trigger();
    EXPECT_EQ(ende.beendet, 2);
}

TEST_F(Hauptform, LeitfaehigkeitUndAuslegungshilfeLassenDieHauptformOffen) {
    frmHauptForm* form = hauptform("D");
    form->mnuLeitfaehigkeit->trigger();
    form->mnuEXCEL->trigger();
    frmEXCELBlatt* hilfe = platform::offenesFenster<frmEXCELBlatt>();
    ASSERT_NE(hilfe, nullptr) << "the design-aid entry opens the design aid";
    EXPECT_TRUE(hilfe->isVisible());
    EXPECT_EQ(hilfe->parentWidget(), nullptr) << "beside the main form, without an owner";
    EXPECT_EQ(platform::offenesFenster<frmHauptForm>(), form);
    EXPECT_EQ(ende.beendet, 0);
    hilfe->close();
}

// The calculate button runs the engine's chain on this window's fields.
TEST_F(Hauptform, BerechnungMitDenFeldernDerForm) {
    struct Fall {
        const char* sprache;
        const char* endwert;
        std::vector<Meldung> gezeigt;
    };
    for (const Fall& fall : {Fall{"D", "0.0", {{"Endwert ?", base::MeldungsStil::Frage}}},
                             Fall{"GB", "0.0", {{"Max. Value ?", base::MeldungsStil::Frage}}},
                             Fall{"E", "", {{"Valor?", base::MeldungsStil::Frage}}},
                             Fall{"D", "1e39", {{"Endwert ?", base::MeldungsStil::Frage}}}, Fall{"D", "1", {}}}) {
        SCOPED_TRACE(std::string(fall.sprache) + " " + fall.endwert);
        neuerFall();
        frmHauptForm* form = hauptform(fall.sprache);
        form->txtVolumen->setText(fall.endwert);
        form->txtLaenge->setText("1");
        QTest::mouseClick(form->cmdFehlerkurve, Qt::LeftButton);
        EXPECT_EQ(meldungen.gezeigt, fall.gezeigt);
        if (fall.gezeigt.empty()) {
            EXPECT_EQ(v().Endwert, 1.0f);
            EXPECT_EQ(v().Dichte, 1000.0f);
            EXPECT_EQ(v().EinheitText, "m3/Stunde");
            EXPECT_EQ(form->txtLaenge->text(), "68") << "DIN writes the table length";
            EXPECT_EQ(v().Baulaenge, 68.0f);
        } else {
            EXPECT_EQ(form->txtLaenge->text(), "1") << "a stopped run leaves the length box";
        }
    }
}

TEST_F(Hauptform, EigeneBaulaengeBleibtStehen) {
    frmHauptForm* form = hauptform("D");
    form->txtVolumen->setText("10");
    QTest::mouseClick(form->Option3, Qt::LeftButton);
    ASSERT_TRUE(form->Option3->isChecked());
    form->txtLaenge->setText("250.5");
    form->cmdFehlerkurve->click();
    EXPECT_EQ(form->txtLaenge->text(), "250.5");
    EXPECT_EQ(v().Baulaenge, 250.5f);
}

// Tab from the first control runs through the form's focus order and back.
TEST_F(Hauptform, FokusfolgeJeSprache) {
    const QStringList deutsch{"cboMIDDaten", "cboMIDDN",  "cmdFehlerkurve", "cboEinheiten",     "txtVolumen",
                              "cmdEnde",     "txtKunde",  "txtTAG",         "cboZeitEinheiten", "txtVKNummer",
                              "Option1",     "txtLaenge", "txtVisco",       "txtDichte",        "cboMIDDaten"};
    const QStringList andere{"cboZeitEinheiten", "txtTAG",         "txtKunde",  "cmdEnde",     "txtVolumen",
                             "cboEinheiten",     "cmdFehlerkurve", "cboMIDDN",  "cboMIDDaten", "txtVKNummer",
                             "txtDichte",        "txtVisco",       "txtLaenge", "Option1",     "cboZeitEinheiten"};
    for (const char* sprache : {"D", "GB", "F", "E"}) {
        SCOPED_TRACE(sprache);
        neuerFall();
        frmHauptForm* form = hauptform(sprache);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        EXPECT_EQ(tabfolge(15), std::string_view(sprache) == "D" ? deutsch : andere);
    }
}

TEST_F(Hauptform, NurDieGewaehlteOptionNimmtDenFokus) {
    frmHauptForm* form = hauptform("D");
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::mouseClick(form->Option2, Qt::LeftButton);
    form->txtVKNummer->setFocus();
    QTest::keyClick(form->txtVKNummer, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Option2);
    QTest::keyClick(form->Option2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->txtLaenge);
}

TEST_F(Hauptform, EnterDruecktKeinenKnopf) {
    frmHauptForm* form = hauptform("D");
    form->txtVolumen->setText("10");
    for (QWidget* feld : std::initializer_list<QWidget*>{form->txtVolumen, form->txtKunde, form->cboMIDDaten}) {
        QTest::keyClick(feld, Qt::Key_Return);
        QTest::keyClick(feld, Qt::Key_Escape);
    }
    EXPECT_TRUE(meldungen.gezeigt.empty());
    EXPECT_EQ(form->txtLaenge->text(), "68");
    EXPECT_EQ(v().Endwert, 0.0f) << "no calculation ran";
    EXPECT_EQ(ende.beendet, 0);
}

// Showing the open form brings it to the front unchanged: its load does not run again.
TEST_F(Hauptform, ZeigenLaedtNurBeimErstellen) {
    frmHauptForm* form = hauptform("D");
    form->cboMIDDaten->setCurrentIndex(0);
    form->txtDichte->setText("998");
    EXPECT_EQ(platform::zeigeFenster<frmHauptForm>(), form);
    EXPECT_EQ(form->cboMIDDaten->count(), 47);
    EXPECT_EQ(v().Geraetetyp, "Brisal 11");
    EXPECT_EQ(form->txtDichte->text(), "998");
}

TEST_F(Hauptform, SchliessenZerstoertUndDasNaechsteZeigenErstelltNeu) {
    frmHauptForm* form = hauptform("D");
    QPointer<frmHauptForm> alt = form;
    form->cboMIDDaten->setCurrentIndex(0);
    form->close();
    frmHauptForm* neu = platform::zeigeFenster<frmHauptForm>();
    loescheGeschlosseneFenster();
    EXPECT_TRUE(alt.isNull());
    ASSERT_NE(platform::offenesFenster<frmHauptForm>(), nullptr);
    EXPECT_EQ(platform::offenesFenster<frmHauptForm>(), neu);
    EXPECT_EQ(neu->cboMIDDaten->currentText(), "Veltrum 220");
    EXPECT_EQ(v().Geraetetyp, "Veltrum 220");
}

}  // namespace
}  // namespace fluvan::test
