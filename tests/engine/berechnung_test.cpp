// The whole chain from the calculate button: size check, parameter set, curve.
#include <gtest/gtest.h>

#include <charconv>
#include <ostream>
#include <string>

#include "vergleich.h"

namespace fluvan::test {
namespace {

using enum Satzname;

std::string mitTrenner(std::string text, const std::string& trenner) {
    if (const auto punkt = text.find('.'); punkt != std::string::npos) text.replace(punkt, 1, trenner);
    return text;
}

// The run's own arithmetic, m3 per hour: cross-section and velocity.
float endgeschwindigkeit(const std::string& endwert, const std::string& nennweite) {
    const float wert = dezimal(endwert);
    const double dn = dezimal(nennweite);
    const float querschnitt = static_cast<float>(dn * dn * 3.141592654 / 4000);
    const float faktor = static_cast<float>(1000.0 / 3600.0);
    return static_cast<float>(static_cast<double>(wert) / querschnitt * faktor);
}

// The number as the program writes it: 7 significant digits, the separator.
std::string alsText(float wert, const std::string& trenner) {
    char text[32];
    const auto ende =
        std::to_chars(text, text + sizeof text, static_cast<double>(wert), std::chars_format::general, 7).ptr;
    return mitTrenner(std::string(text, ende), trenner);
}

struct Fall {
    std::string modell;
    std::string nennweite;  // "." for DN 2.5, written with the region's separator
    std::string endwert;    // m3/h
    Satzname satz;
    float baulaenge;
    std::string eigeneLaenge = "";  // own length instead of DIN
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.modell << " DN " << f.nennweite << ", " << f.endwert << " m3/h";
}

class Berechnung : public ::testing::TestWithParam<Fall> {};

TEST_P(Berechnung, FuelltDieKurveDesModells) {
    const Fall& f = GetParam();
    Kette k;
    k.v.Geraetetyp = f.modell;
    k.v.Nennweite = mitTrenner(f.nennweite, k.region.trenner);
    k.formular.volumen = f.endwert;
    if (!f.eigeneLaenge.empty()) {
        k.formular.flansch = base::Flanschart::EigeneLaenge;
        k.formular.laenge = f.eigeneLaenge;
    }
    k.lauf.cmdFehlerkurve_Click();

    const float geschwindigkeit = endgeschwindigkeit(f.endwert, f.nennweite);
    for (const Meldung& m : k.meldungen.gezeigt) ADD_FAILURE() << "box: " << m.prompt;
    EXPECT_EQ(k.anzeige.gezeigt, 1);
    EXPECT_EQ(k.v.Baulaenge, f.baulaenge);
    EXPECT_EQ(k.v.Endgeschwindigkeit, geschwindigkeit);
    EXPECT_EQ(k.v.EndgeschwindigkeitGerundet, gerundet(geschwindigkeit, 3));
    erwarteRecord(k.v, erwartung(f.satz));
    erwarteKurvenform(k.v, erwartung(f.satz), dezimal(f.endwert), geschwindigkeit);
}

std::string fallname(const ::testing::TestParamInfo<Fall>& info) {
    std::string text(name(info.param.satz));
    return text.substr(std::string_view("Berechnen").size());
}

// Every model at one accepted size with a table length, and every further
// variant of a model at a size of its own; the velocities spread over the range.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AlleModelle, Berechnung,
    ::testing::Values(
        Fall{"Brisal 11", "50", "5.65", BerechnenBris11klein, 200},
        Fall{"Brisal 11", "800", "2710", BerechnenBris11gross, 800},
        Fall{"Brisal 12", "100", "70.7", BerechnenBris12, 250},
        Fall{"Brisal 13", "1600", "26800", BerechnenBris13, 1600},
        Fall{"Brisal 14", "3000", "153000", BerechnenBris14, 3000},
        Fall{"TKD 21", "40", "43", BerechnenTKD21, 78},
        Fall{"TKD 22", "10", "0.127", BerechnenTKD22, 68},
        Fall{"TKD 23", "150", "70", BerechnenTKD23, 200},
        Fall{"TKD 24", "25", "7.78", BerechnenTKD24, 54},
        Fall{"TKD 34", "150", "700", BerechnenTKD34, 265},
        Fall{"TKD 35", "250", "61.9", BerechnenTKD35, 365},
        Fall{"TKD 51", "10", "0.226", BerechnenTKD51klein, 150},
        Fall{"TKD 51", "1000", "4240", BerechnenTKD51gross, 1000},
        Fall{"TKD 52", "32", "7.24", BerechnenTKD52, 150},
        Fall{"TKD 56", "80", "67", BerechnenTKD56, 200},
        Fall{"TKD 53", "1600", "43400", BerechnenTKD53, 1600},
        Fall{"TKD 54", "2000", "107000", BerechnenTKD54, 2000},
        Fall{"TKD 55", "50", "3.18", BerechnenTKD55klein, 200},
        // Series 4 has no length for DN 2100: own length.
        Fall{"TKD 55", "2100", "13700", BerechnenTKD55gross, 2100, "2100"},
        Fall{"TKD 61", "2.5", "0.0778", BerechnenTKD61klein, 65},
        Fall{"TKD 61", "100", "311", BerechnenTKD61gross, 203},
        Fall{"TKD 62", "4", "0.0158", BerechnenTKD62klein, 65},
        Fall{"TKD 62", "80", "14.5", BerechnenTKD62gross, 153},
        Fall{"TKD 63", "6", "0.153", BerechnenTKD63klein, 65},
        Fall{"TKD 63", "50", "17.7", BerechnenTKD63gross, 103},
        Fall{"TKD 63CAP", "25", "6.54", BerechnenTKD63CAP, 58},
        Fall{"TKD 64", "6", "0.611", BerechnenTKD64klein, 65},
        Fall{"TKD 64", "40", "43", BerechnenTKD64gross, 83},
        Fall{"TKD 71", "125", "19.9", BerechnenTKD71, 319},
        Fall{"TKD 72", "4", "0.0498", BerechnenTKD72klein, 180},
        Fall{"TKD 72", "6", "0.448", BerechnenTKD72mittel, 180},
        Fall{"TKD 72", "65", "131", BerechnenTKD72gross, 220},
        Fall{"TKD 73", "2.5", "0.00619", BerechnenTKD73klein, 180},
        Fall{"TKD 73", "6", "0.0814", BerechnenTKD73mittel, 180},
        Fall{"TKD 73", "150", "95.4", BerechnenTKD73gross, 325},
        Fall{"TKD 74", "2.5", "0.0442", BerechnenTKD74klein, 180},
        Fall{"TKD 74", "100", "105", BerechnenTKD74gross, 280},
        Fall{"Veltrum 210", "50", "42.4", BerechnenVelt210, 100},
        Fall{"Veltrum 310", "1000", "26900", BerechnenVelt310, 1000},
        Fall{"Veltrum 510", "10", "0.127", BerechnenVelt510, 150},
        Fall{"Veltrum 610", "15", "0.7", BerechnenVelt610, 65},
        Fall{"Veltrum 610", "4", "0.199", BerechnenVelt610klein, 65},
        Fall{"Veltrum 710", "125", "486", BerechnenVelt710, 319},
        Fall{"Veltrum 230", "80", "6.33", BerechnenVelt230, 150},
        Fall{"Veltrum 330", "25", "1.41", BerechnenVelt330, 150},
        Fall{"Veltrum 330", "2500", "26500", BerechnenVelt330gross, 2500},
        Fall{"Veltrum 550C", "20", "2.83", BerechnenVelt550C, 150},
        Fall{"Veltrum 530", "1200", "15100", BerechnenVelt530, 1200},
        Fall{"Veltrum 530", "2.5", "0.106", BerechnenVelt530gross, 150},
        Fall{"Veltrum 630", "2.5", "0.168", BerechnenVelt630klein, 65},
        Fall{"Veltrum 630", "200", "50.9", BerechnenVelt630, 315},
        Fall{"Veltrum 730", "6", "0.112", BerechnenVelt730klein, 180},
        Fall{"Veltrum 730", "40", "19.9", BerechnenVelt730, 220},
        Fall{"Veltrum 830C", "100", "311", BerechnenVelt830C, 203},
        Fall{"Veltrum 340", "600", "356", BerechnenVeltrum340, 600},
        Fall{"RSN 70", "3000", "30500", BerechnenRSN70, 3000},
        Fall{"RSN 70 HT/LT", "300", "573", BerechnenRSN70HT, 500},
        Fall{"RSN 70 HP", "80", "67.9", BerechnenRSN70HP, 300},
        Fall{"RSN 90", "400", "2510", BerechnenRSN90, 600},
        Fall{"Veltrum 220", "10", "1.7", BerechnenVeltrum220, 68},
        Fall{"Veltrum 320", "1200", "38700", BerechnenVeltrum320, 1200},
        Fall{"Veltrum 520", "1600", "3260", BerechnenVeltrum520, 1600},
        Fall{"Veltrum 620", "6", "0.112", BerechnenVeltrum620klein, 65},
        Fall{"Veltrum 620", "250", "778", BerechnenVeltrum620, 365},
        Fall{"Veltrum 720", "65", "131", BerechnenVeltrum720, 220}),
    fallname);
// clang-format on

// DN 2.5 with the decimal point as the regional separator: the same run as
// with the comma.
TEST(BerechnungMitPunkt, DN2Komma5RechnetWieMitKomma) {
    const auto rechne = [](const char* trenner, const char* nennweite) {
        SCOPED_TRACE(nennweite);
        Kette k(trenner);
        k.v.Geraetetyp = "TKD 61";
        k.v.Nennweite = nennweite;
        k.formular.volumen = "0.0778";
        k.lauf.cmdFehlerkurve_Click();
        EXPECT_TRUE(k.meldungen.gezeigt.empty());
        EXPECT_EQ(k.anzeige.gezeigt, 1);
        return k.v;
    };
    const base::Variable punkt = rechne(".", "2.5");
    const base::Variable komma = rechne(",", "2,5");
    EXPECT_EQ(punkt.Endgeschwindigkeit, endgeschwindigkeit("0.0778", "2.5"));
    EXPECT_EQ(punkt.Durchfluss.punkt, komma.Durchfluss.punkt);
    EXPECT_EQ(punkt.Geschwindigkeit.punkt, komma.Geschwindigkeit.punkt);
    EXPECT_EQ(punkt.Fehler.punkt, komma.Fehler.punkt);
    EXPECT_EQ(punkt.Reynoldszahl.punkt, komma.Reynoldszahl.punkt);
    EXPECT_EQ(punkt.Druckabfall.punkt, komma.Druckabfall.punkt);
    erwarteKurvenform(punkt, erwartung(BerechnenTKD61klein), 0.0778f, punkt.Endgeschwindigkeit);
}

// A run that ends with a box: exactly one box, no sheet, no curve written.
struct Abbruch {
    std::string name;
    std::string modell;
    std::string nennweite;
    std::string endwert;
    base::MeldungsStil stil;
    std::string anfang;  // the box's text begins with this
};

void PrintTo(const Abbruch& f, std::ostream* os) {
    *os << f.modell << " DN " << f.nennweite << ", " << f.endwert << " m3/h";
}

class BerechnungMitAbbruch : public ::testing::TestWithParam<Abbruch> {};

TEST_P(BerechnungMitAbbruch, ZeigtEineBoxUndKeinErgebnis) {
    const Abbruch& f = GetParam();
    Kette k;
    k.v.Sprache = "E";
    k.v.Geraetetyp = f.modell;
    k.v.Nennweite = f.nennweite;
    k.formular.volumen = f.endwert;
    k.v.Fehler(1) = -1;
    k.v.Druckabfall(20) = -1;
    k.lauf.cmdFehlerkurve_Click();
    ASSERT_EQ(k.meldungen.gezeigt.size(), 1u);
    EXPECT_EQ(k.meldungen.gezeigt[0].stil, f.stil);
    EXPECT_EQ(k.meldungen.gezeigt[0].prompt.rfind(f.anfang, 0), 0u) << k.meldungen.gezeigt[0].prompt;
    EXPECT_EQ(k.anzeige.gezeigt, 0);
    EXPECT_EQ(k.v.Fehler(1), -1);
    EXPECT_EQ(k.v.Druckabfall(20), -1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Faelle, BerechnungMitAbbruch,
    ::testing::Values(
        Abbruch{"Bereichsmeldung", "TKD 34", "100", "10", base::MeldungsStil::Kritisch,
                "TKD 34 sólo DN 150 ... DN 250!"},
        Abbruch{"Kombimeldung", "Veltrum 220", "65", "1", base::MeldungsStil::Kritisch,
                "Veltrum 220 sólo DN 10 ... DN 150!\r\nNo en DN 20, 32, 65 und DN 125!"},
        Abbruch{"ZuHoch", "Veltrum 220", "10", "4", base::MeldungsStil::Ausruf, "Valor final muy alto!\r\n"},
        Abbruch{"ZuKlein", "RSN 70", "3000", "1", base::MeldungsStil::Ausruf, "Valor final muy pequeño!\r\n"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// The warning of a whole run shows the velocity the run worked out.
TEST(BerechnungMitWarnung, ZeigtDieGerundeteEndgeschwindigkeit) {
    Kette k;
    k.formular.volumen = "4";  // Veltrum 220 at DN 10: about 14.1 m/s
    k.lauf.cmdFehlerkurve_Click();
    const float v = endgeschwindigkeit("4", "10");
    ASSERT_EQ(k.meldungen.gezeigt.size(), 1u);
    EXPECT_EQ(k.meldungen.gezeigt[0], (Meldung{"Endwert zu hoch!\r\nv =" + alsText(gerundet(v, 3), ",") + "m/sec",
                                               base::MeldungsStil::Ausruf}));
    erwarteRecord(k.v, erwartung(BerechnenVeltrum220));
    EXPECT_EQ(k.anzeige.gezeigt, 0);
}

}  // namespace
}  // namespace fluvan::test
