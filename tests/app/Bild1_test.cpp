#include <string>

#include "app/bild1_lage.h"
#include "app/fensterrahmen.h"
#include "output/ergebnisstand.h"
#include "platform/twips.h"
#include "tests/app/ergebnisfenster.h"

namespace fluvan::test {
namespace {

using platform::pixel;

class Ergebnisblatt : public Ergebnisfenstertest {};

QString u(const char* text) { return QString::fromUtf8(text); }

// Every caption of the sheet and its chart, by language.
TEST_F(Ergebnisblatt, BeschriftungenJeSprache) {
    struct Fall {
        const char* sprache;
        std::vector<std::pair<const char*, const char*>> labels;
        const char *neu, *ende;
        std::vector<const char*> menue;  // bar, entries in order
        const char *titel, *fussnote;
    };
    // clang-format off
    const Fall faelle[] = {
        {"D",
         {{"Label2", " Firma"}, {"Label3", " TAG- Nr."}, {"Label8", " VK- Nr."}, {"Label1_0", " Type"},
          {"Label1_1", " Nennweite"}, {"Label1_2", " Messbereich"}, {"Label5", " Druckverlust"}, {"Label7", "mbar"},
          {"Label1_38", "Messfehler"}, {"Label4", "Geschwin- digkeit"}},
         "&Neue Berechnung", "&Ende",
         {"&Diagramm", "Drucken", "in Word einbinden", "&Berechnung", "Speichern", "Neu", "&Druckverlust", "&Ende"},
         "Genauigkeit unter Referenzbedingung", "± F = Messfehler in % vom Durchfluss (Messwert)"},
        {"GB",
         {{"Label2", " Company"}, {"Label3", " TAG- No."}, {"Label8", " VK- No."}, {"Label1_0", " Type:"},
          {"Label1_1", " Size:"}, {"Label1_2", " Range:"}, {"Label5", " Pressureloss"}, {"Label7", "mbar"},
          {"Label1_38", "Measuring error"}, {"Label4", "Velocity"}},
         "&New calculation", "&End",
         {"&Diagram", "Print", "export to Word", "&Calculation", "Save", "New", "Pressure loss", "&End"},
         "Accuracy under reference conditions", "± F = Error as % of flowrate (measured value)"},
        {"F",
         {{"Label2", " Client"}, {"Label3", " TAG- No."}, {"Label8", " VK- No."}, {"Label1_0", " Type:"},
          {"Label1_1", " Dimension:"}, {"Label1_2", " Echelle:"}, {"Label5", " Delta P:"}, {"Label7", "mbar"},
          {"Label1_38", "Erreur de mesure"}, {"Label4", "Vélocité"}},
         "&Nouvelle calculation", "&Fin",
         {"&Diagramme", "Imprimer", "Exporter to WORD", "&Calculation", "Mémoriser", "Nouvelle", "&Perte de charge",
          "&Fin"},
         "Précision au condition de référence", "± F = Erreur maxi en % du débit (valeur de mesure)"},
        {"E",
         {{"Label2", " Compañia"}, {"Label3", " N°.- Tag"}, {"Label8", " N°.- VK"}, {"Label1_0", " Modelo:"},
          {"Label1_1", " Tamaño:"}, {"Label1_2", " Rango:"}, {"Label5", " Delta P:"}, {"Label7", "mbar"},
          {"Label1_38", "Error de medida"}, {"Label4", "Velocidad"}},
         "&Nuevo cálculo", "&Salir",
         {"&Diagrama", "Imprimir", "Incluir en WORD", "&Cálculo", "Archivar", "Nuevo", "&Pérdida de carga", "&Fin"},
         "Precisión en condiciones de referencia", "± F = Error en % del caudal instantáneo (valor real)"},
    };
    // clang-format on
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.sprache);
        neuerFall();
        app::Bild1* b = rechne(fall.sprache, "12.5");
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->windowTitle(), "Fluvan II");
        for (const auto& [name, caption] : fall.labels) EXPECT_EQ(text(b, name), u(caption)) << name;
        EXPECT_EQ(b->cmdNeueBerechnung->text(), u(fall.neu));
        EXPECT_EQ(b->cmdEnde->text(), u(fall.ende));
        EXPECT_EQ(menuetexte(b), texte(fall.menue));
        const platform::Diagrammgestaltung& g = b->MSChart1->gestaltung();
        EXPECT_EQ(g.titel, u(fall.titel));
        EXPECT_EQ(g.fussnote, u(fall.fussnote));
        EXPECT_EQ(g.titelPunkte, 10);
        EXPECT_EQ(g.wertachsentitel, u("± F [%]"));
        EXPECT_EQ(b->MSChart1->columnLabel(), "Fehlerkurve");
    }
}

// What the load writes, after a real calculation, with both separators.
TEST_F(Ergebnisblatt, LadenSchreibtDieRechnung) {
    struct Fall {
        const char* sprache;
        const char* trenner;
        const char* einheit;
    };
    for (const Fall& fall : {Fall{"D", ",", "m3/Stunde"}, Fall{"GB", ".", "m3/hour"}}) {
        SCOPED_TRACE(fall.sprache);
        neuerFall();
        region.trenner = fall.trenner;
        frmHauptForm* form = hauptform(fall.sprache);
        form->txtKunde->setText(u("Müller & Söhne <b>"));
        app::Bild1* b = rechne(fall.sprache, "12.5");
        ASSERT_NE(b, nullptr);
        const auto t = [&](const char* mitPunkt) {
            QString s = u(mitPunkt);
            return s.replace('.', QString::fromLatin1(fall.trenner));
        };
        EXPECT_EQ(text(b, "Label1_3"), t(" F = ±0.457 %"));
        EXPECT_EQ(text(b, "Label1_4"), t(" F = ±0.463 %"));
        EXPECT_EQ(text(b, "Label1_5"), t(" F = ±0.471 % "));
        EXPECT_EQ(text(b, "Label1_17"), t(" F = ±1.53 % "));
        EXPECT_EQ(text(b, "Label1_21"), t(" 12.5"));
        EXPECT_EQ(text(b, "Label1_27"), t(" 5.62"));
        EXPECT_EQ(text(b, "Label1_35"), t(" 0.62"));
        EXPECT_EQ(text(b, "Label1_40"), t(" 1.77 m/sec"));
        EXPECT_EQ(text(b, "Label1_54"), t(" 0.09 m/sec"));
        EXPECT_EQ(text(b, "Label1_18"), " Veltrum 220");
        EXPECT_EQ(text(b, "Label1_19"), " DN 50 - 2\"");
        EXPECT_EQ(text(b, "Label1_20"), t(" 0 -12.5 ") + fall.einheit);
        EXPECT_EQ(text(b, "Label1_36"), u(" Müller & Söhne <b>")) << "plain text";
        EXPECT_EQ(b->Label1[36]->textFormat(), Qt::PlainText);
        EXPECT_EQ(text(b, "Label1_37"), " ");
        EXPECT_EQ(text(b, "Label1_39"), fall.einheit);
        EXPECT_EQ(text(b, "Label6"), t(" 0.57"));
        EXPECT_EQ(text(b, "Label9"), " ");

        // The chart: 5 % point left, 100 % point right, then the unit text.
        const platform::MSChart* c = b->MSChart1;
        EXPECT_EQ(c->rowLabel(1), t("0.62"));
        EXPECT_EQ(c->value(1), static_cast<double>(1.53f));
        EXPECT_EQ(c->rowLabel(20), t("12.5"));
        EXPECT_EQ(c->value(20), static_cast<double>(0.457f));
        EXPECT_EQ(c->rowLabel(8), "5") << "the 40 % flow, without decimals";
        for (int r = 1; r <= 20; ++r) EXPECT_FALSE(c->isNull(r)) << r;
        EXPECT_EQ(c->rowLabel(21), fall.einheit);
        EXPECT_TRUE(c->isNull(21));
    }
}

// Every control of the sheet is found by its name.
TEST_F(Ergebnisblatt, SteuerelementeMitIhrenNamen) {
    app::Bild1* b = rechne("D", "12.5");
    ASSERT_NE(b, nullptr);
    QStringList namen;
    for (int i = 0; i <= 54; ++i) namen << QStringLiteral("Label1_%1").arg(i);
    for (int i = 2; i <= 9; ++i) namen << QStringLiteral("Label%1").arg(i);
    for (int i = 1; i <= 7; ++i) namen << QStringLiteral("Shape%1").arg(i);
    // clang-format off
    namen << "Image1" << "MSChart1" << "cmdNeueBerechnung" << "cmdEnde" << "Picture1" << "mnuDiagrammdrucken"
          << "mnuDrucken" << "mnuWord" << "mnuNeueBerechnung" << "mnuSpeichern" << "mnuNeu" << "mnuDruckverlust"
          << "mnuEnde";
    // clang-format on
    for (const QString& name : namen) EXPECT_NE(b->findChild<QObject*>(name), nullptr) << name.toStdString();
    EXPECT_EQ(b->findChild<QObject*>("Line26"), nullptr) << "only the English sheet has the line";
    EXPECT_EQ(b->objectName(), "Bild1");
}

QRect pixelrechteck(platform::Twips t) { return QRect(pixel(t.links), pixel(t.oben), pixel(t.breite), pixel(t.hoehe)); }

// Family, size and weight of a control's font against a font of the table.
void erwarteSchrift(const QWidget* w, const app::Schriftwahl& wahl) {
    const QFont soll = app::schrift(wahl);
    EXPECT_EQ(w->font().family(), soll.family()) << w->objectName().toStdString();
    EXPECT_EQ(w->font().pointSizeF(), soll.pointSizeF()) << w->objectName().toStdString();
    EXPECT_EQ(w->font().bold(), soll.bold()) << w->objectName().toStdString();
}

// Every control stands where the layout table of the language puts it; the
// rows below the first follow their step.
TEST_F(Ergebnisblatt, LageNachDerTabelleJeSprache) {
    for (const char* sprache : {"D", "GB", "F", "E"}) {
        SCOPED_TRACE(sprache);
        neuerFall();
        app::Bild1* b = rechne(sprache, "12.5");
        ASSERT_NE(b, nullptr);
        const app::bild1::Lage& lage = app::bild1::lage(sprache);
        EXPECT_EQ(b->centralWidget()->size(), QSize(pixel(lage.rahmen.innenBreite), pixel(lage.rahmen.innenHoehe)));
        EXPECT_EQ(b->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint),
                  lage.rahmen.art == app::Rahmenart::FestDialog);
        const std::pair<const QWidget*, platform::Twips> orte[] = {
            {b->MSChart1, lage.MSChart1},
            {b->Image1, lage.Image1},
            {b->Label2, lage.Label2},
            {b->Label1[36], lage.Label1_36},
            {b->Label3, lage.Label3},
            {b->Label1[37], lage.Label1_37},
            {b->Label8, lage.Label8},
            {b->Label9, lage.Label9},
            {b->Label1[0], lage.Label1_0},
            {b->Label1[18], lage.Label1_18},
            {b->Label5, lage.Label5},
            {b->Label6, lage.Label6},
            {b->Label7, lage.Label7},
            {b->Label1[38], lage.Label1_38},
            {b->Label1[39], lage.Label1_39},
            {b->Label4, lage.Label4},
            {b->Label1[3], lage.Label1_3},
            {b->Label1[21], lage.Label1_21},
            {b->Label1[40], lage.Label1_40},
            {b->Shape1, lage.Shape1},
            {b->Shape2, lage.Shape2},
            {b->Shape3, lage.Shape3},
            {b->Shape4, lage.Shape4},
            {b->Shape5, lage.Shape5},
            {b->Shape6, lage.Shape6},
            {b->Shape7, lage.Shape7},
            {b->cmdNeueBerechnung, lage.cmdNeueBerechnung},
            {b->cmdEnde, lage.cmdEnde},
            {b->Picture1, lage.Picture1},
        };
        for (const auto& [w, ort] : orte) EXPECT_EQ(w->geometry(), pixelrechteck(ort)) << w->objectName().toStdString();
        // The last header row and the last table row of each column.
        const auto darunter = [](platform::Twips erste, int schritte) {
            erste.oben += schritte;
            return pixelrechteck(erste);
        };
        EXPECT_EQ(b->Label1[2]->geometry(), darunter(lage.Label1_0, 2 * lage.kopfzeilenSchritt));
        EXPECT_EQ(b->Label1[20]->geometry(), darunter(lage.Label1_18, 2 * lage.kopfzeilenSchritt));
        EXPECT_EQ(b->Label1[17]->geometry(), darunter(lage.Label1_3, 14 * lage.tabellenSchritt));
        EXPECT_EQ(b->Label1[35]->geometry(), darunter(lage.Label1_21, 14 * lage.tabellenSchritt));
        EXPECT_EQ(b->Label1[54]->geometry(), darunter(lage.Label1_40, 14 * lage.tabellenSchritt));

        erwarteSchrift(b->Label1[36], lage.Label1_36Schrift);
        erwarteSchrift(b->Label1[37], lage.Label1_36Schrift);
        erwarteSchrift(b->Label9, lage.Label9Schrift);
        erwarteSchrift(b->Label7, lage.Label7Schrift);
        erwarteSchrift(b->Label1[3], lage.fensterschrift);
        erwarteSchrift(b->Label1[54], lage.fensterschrift);
        EXPECT_EQ(b->Line26 != nullptr, lage.Line26.has_value());
    }
}

// Places and fonts worked out by hand, so that a wrong value in the table
// shows: 15 twips a pixel, rounded.
TEST_F(Ergebnisblatt, LageVonHandGerechnet) {
    struct Fall {
        const char* sprache;
        QRect chart;
        int knopfHoehe;
        const char* kopfwert;  // family of Label1(36)
        double kopfwertPunkte;
        const char* zelle;  // the table cells
        double zellePunkte;
        bool line26;
    };
    const Fall faelle[] = {
        {"D", {8, 8, 529, 553}, 57, "Liberation Sans", 10.2, "Liberation Sans", 7.8, false},
        {"GB", {16, 8, 521, 545}, 49, "Liberation Sans", 10.2, "Liberation Sans", 7.8, true},
        {"F", {16, 8, 521, 545}, 57, "DejaVu Sans", 9.6, "Liberation Sans", 7.8, false},
        {"E", {8, 8, 529, 545}, 49, "DejaVu Sans", 9.6, "DejaVu Sans", 8, false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.sprache);
        neuerFall();
        app::Bild1* b = rechne(fall.sprache, "12.5");
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->centralWidget()->size(), QSize(813, 564));
        EXPECT_EQ(b->MSChart1->geometry(), fall.chart);
        EXPECT_EQ(b->cmdEnde->geometry(), QRect(688, 504, 113, fall.knopfHoehe));
        EXPECT_EQ(b->Label1[36]->font().family(), fall.kopfwert);
        EXPECT_EQ(b->Label1[36]->font().pointSizeF(), fall.kopfwertPunkte);
        EXPECT_EQ(b->Label1[54]->font().family(), fall.zelle);
        EXPECT_EQ(b->Label1[54]->font().pointSizeF(), fall.zellePunkte);
        EXPECT_EQ(b->Line26 != nullptr, fall.line26);
        if (b->Line26) {
            EXPECT_EQ(b->Line26->geometry(), QRect(552, 112, 73, 1));
        }
        // Row 15 of the error and velocity columns: 3840 + 14 * 240 = 7200 twips down.
        EXPECT_EQ(b->Label1[17]->geometry(), QRect(544, 480, 81, 17));
        EXPECT_EQ(b->Label1[54]->geometry(), QRect(720, 480, 81, 17));
        EXPECT_EQ(b->Label1[21]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        EXPECT_EQ(b->Label1[40]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        EXPECT_EQ(b->Label1[3]->palette().color(b->Label1[3]->backgroundRole()), QColor(255, 255, 255));
        EXPECT_EQ(b->Label1[38]->palette().color(b->Label1[38]->backgroundRole()), QColor(240, 240, 240));
    }
}

// The first row of ink below a label's first line, or -1 when the rest of
// the label shows only its background.
int tintenzeileUnterDerErsten(QLabel* label) {
    const QImage bild = label->grab().toImage();
    const QRgb grund = label->palette().color(label->backgroundRole()).rgb();
    for (int y = QFontMetrics(label->font()).height(); y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) != grund) return y;
    return -1;
}

// Captions wrap at blanks only: a unit or a TAG number with "/" or "-" stays
// one line and is clipped at the box rather than cut in two.
TEST_F(Ergebnisblatt, UeberschriftenUndWerteBrechenNurAnBlanks) {
    struct Fall {
        const char* name;
        const char* sprache;
        int volumen, zeit;  // list indexes of the units
        const char* endwert;
        const char* tag;
        int label;
        const char* text;
    };
    const Fall faelle[] = {
        {"Durchflusskopf USGallon/Sekunde", "D", 3, 0, "1", "", 39, "USGallon/Sekunde"},
        {"Durchflusskopf USBarrel/Seconde", "F", 6, 0, "0.03", "", 39, "USBarrel/Seconde"},
        {"TAG mit Bindestrichen", "D", 2, 2, "12.5", "TAG-1234567890-ABCDEFGHIJ", 37, " TAG-1234567890-ABCDEFGHIJ"},
        {"TAG mit Bindestrichen, spanisch", "E", 2, 2, "12.5", "TAG-1234567890-ABCDEFGHIJ", 37,
         " TAG-1234567890-ABCDEFGHIJ"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        neuerFall();
        frmHauptForm* form = hauptform(fall.sprache);
        form->cboEinheiten->setCurrentIndex(fall.volumen);
        form->cboZeitEinheiten->setCurrentIndex(fall.zeit);
        form->txtTAG->setText(u(fall.tag));
        app::Bild1* b = rechne(fall.sprache, fall.endwert);
        ASSERT_NE(b, nullptr);
        QLabel* label = b->Label1[static_cast<std::size_t>(fall.label)];
        EXPECT_EQ(label->text(), u(fall.text));
        EXPECT_EQ(tintenzeileUnterDerErsten(label), -1) << "a second line shows";
    }
}

// Tab runs through the order of the language; the German sheet opens on the
// new-calculation button, so Space starts a new calculation.
TEST_F(Ergebnisblatt, FokusfolgeJeSprache) {
    const QStringList deutsch{"cmdNeueBerechnung", "cmdEnde", "Picture1", "MSChart1", "cmdNeueBerechnung"};
    const QStringList andere{"Picture1", "cmdEnde", "cmdNeueBerechnung", "MSChart1", "Picture1"};
    for (const char* sprache : {"D", "GB", "F", "E"}) {
        SCOPED_TRACE(sprache);
        neuerFall();
        app::Bild1* b = rechne(sprache, "12.5");
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(b));
        EXPECT_EQ(tabfolge(5), std::string_view(sprache) == "D" ? deutsch : andere);
    }
    neuerFall();
    app::Bild1* b = rechne("D", "12.5");
    ASSERT_TRUE(QTest::qWaitForWindowActive(b));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    loescheGeschlosseneFenster();
    EXPECT_EQ(blatt(), nullptr);
    EXPECT_NE(platform::offenesFenster<frmHauptForm>(), nullptr);
}

}  // namespace
}  // namespace fluvan::test
