#include <string>

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

// The German layout and what each language changes in it.
TEST_F(Ergebnisblatt, LageJeSprache) {
    struct Fall {
        const char* sprache;
        platform::Twips chart;
        int knopf, picture1, h38, h39, h4, breite5, hoehe5;
        const char* kopfwert;  // family of Label1(36)
        double kopfwertPunkte, label9Punkte;
        const char* label7;
        const char* zelle;
        double zellePunkte;
        bool line26;
    };
    // clang-format off
    const Fall faelle[] = {
        {"D", {120, 120, 7932, 8292}, 852, 9840, 252, 252, 456, 1212, 252, "Liberation Sans", 10.2, 10.2,
         "Liberation Sans", "Liberation Sans", 7.8, false},
        {"GB", {240, 120, 7812, 8172}, 732, 9960, 492, 492, 492, 1212, 252, "Liberation Sans", 10.2, 10.2,
         "Liberation Sans", "Liberation Sans", 7.8, true},
        {"F", {240, 120, 7812, 8172}, 852, 9960, 492, 252, 372, 1188, 216, "DejaVu Sans", 9.6, 10.8, "DejaVu Sans",
         "Liberation Sans", 7.8, false},
        {"E", {120, 120, 7932, 8172}, 732, 9960, 492, 492, 456, 1188, 216, "DejaVu Sans", 9.6, 10.8,
         "Liberation Sans", "DejaVu Sans", 8, false},
    };
    // clang-format on
    const auto r = [](int l, int o, int b, int h) { return QRect(pixel(l), pixel(o), pixel(b), pixel(h)); };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.sprache);
        neuerFall();
        app::Bild1* b = rechne(fall.sprache, "12.5");
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->centralWidget()->size(), QSize(pixel(12192), pixel(8460)));
        EXPECT_EQ(b->MSChart1->geometry(), r(fall.chart.links, fall.chart.oben, fall.chart.breite, fall.chart.hoehe));
        EXPECT_EQ(b->cmdNeueBerechnung->geometry(), r(8160, 7560, 1692, fall.knopf));
        EXPECT_EQ(b->cmdEnde->geometry(), r(10320, 7560, 1692, fall.knopf));
        EXPECT_EQ(b->Picture1->geometry(), r(fall.picture1, 8040, 372, 372));
        EXPECT_EQ(b->Label1[38]->geometry(), r(8160, 3360, 1212, fall.h38));
        EXPECT_EQ(b->Label1[39]->geometry(), r(9480, 3360, 1212, fall.h39));
        EXPECT_EQ(b->Label4->geometry(), r(10800, 3360, 1212, fall.h4));
        EXPECT_EQ(b->Label5->geometry(), r(8160, 3000, fall.breite5, fall.hoehe5));
        EXPECT_EQ(b->Label1[36]->font().family(), fall.kopfwert);
        EXPECT_EQ(b->Label1[36]->font().pointSizeF(), fall.kopfwertPunkte);
        EXPECT_TRUE(b->Label1[37]->font().bold());
        EXPECT_EQ(b->Label9->font().pointSizeF(), fall.label9Punkte);
        EXPECT_EQ(b->Label7->font().family(), fall.label7);
        EXPECT_EQ(b->Label1[3]->font().family(), fall.zelle);
        EXPECT_EQ(b->Label1[54]->font().pointSizeF(), fall.zellePunkte);
        EXPECT_EQ(b->Line26 != nullptr, fall.line26);
        // The same in every language: table rows 240 twips apart, frames round the columns.
        EXPECT_EQ(b->Label1[17]->geometry(), r(8160, 7200, 1212, 252));
        EXPECT_EQ(b->Label1[35]->geometry(), r(9480, 7200, 1212, 252));
        EXPECT_EQ(b->Label1[54]->geometry(), r(10800, 7200, 1212, 252));
        EXPECT_EQ(b->Shape6->geometry(), r(9480, 3840, 1212, 3612));
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
