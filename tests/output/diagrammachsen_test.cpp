#include "output/diagrammachsen.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fluvan::output {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

struct AchsenFall {
    const char* name;
    std::vector<double> werte;
    int teile;
    double teilung;
    int unten, oben;
};

// Readable divisions that just cover the values, with 0 on the scale.
TEST(Wertachse, FolgtDenWertenMitLesbarerTeilung) {
    // clang-format off
    const AchsenFall faelle[] = {
        {"Fehlerkurve", {0.25, 0.3, 0.5, 1.2, 2.5}, 8, 0.5, 0, 5},
        {"alle gleich", std::vector<double>(20, 7.5), 8, 1, 0, 8},
        {"alle null", std::vector<double>(20, 0.0), 8, 0.2, 0, 5},
        {"mit null", {0, 4, 9}, 5, 2, 0, 5},
        {"negativ und positiv", {-3, 4}, 8, 1, -3, 4},
        {"nur negativ", {-1, -5}, 8, 1, -5, 0},
        {"sehr gross", {1e30, 3e29}, 5, 2e29, 0, 5},
        {"sehr klein", {1e-30, 3e-31}, 5, 2e-31, 0, 5},
        {"0.3 in Zehnteln ohne Extrateil", {0.3}, 3, 0.1, 0, 3},
        {"nicht endliche Werte fallen weg", {nan, inf, -inf, 3}, 6, 0.5, 0, 6},
        {"nur nicht endliche Werte", {nan, inf, -inf}, 8, 0.2, 0, 5},
        {"keine Werte", {}, 8, 0.2, 0, 5},
        {"subnormal wie null", {4.9e-324, -1e-310}, 8, 0.2, 0, 5},
    };
    // clang-format on
    for (const AchsenFall& fall : faelle) {
        const Wertachse achse = wertachse(fall.werte, fall.teile);
        EXPECT_DOUBLE_EQ(achse.teilung, fall.teilung) << fall.name;
        EXPECT_EQ(achse.unten, fall.unten) << fall.name;
        EXPECT_EQ(achse.oben, fall.oben) << fall.name;
    }
}

// Whatever the values, the scale is usable: finite, bounded in divisions,
// every finite value inside it; never a division by zero or an endless axis.
TEST(Wertachse, BleibtBeiExtremenWertenBrauchbar) {
    struct Fall {
        const char* name;
        std::vector<double> werte;
    };
    // clang-format off
    const Fall faelle[] = {
        {"groesste beider Vorzeichen", {DBL_MAX, -DBL_MAX}},
        {"groesste allein",            {DBL_MAX}},
        {"tiefste mit 1",              {-DBL_MAX, 1}},
        {"kleinste normale Zahl",      {DBL_MIN}},
        {"600 Dekaden auseinander",    {1e-300, 1e300}},
        {"groesster float mit -1",     {3.4028235e38, -1}},
        {"fast gleich",                {1, 1 + 1e-12}},
        {"alle gleich negativ",        {-7, -7, -7}},
        {"gross und fast gleich",      {123456.789, 123456.79}},
    };
    // clang-format on
    for (int teile : {-5, 0, 1, 8, 1000000}) {
        for (const auto& [name, werte] : faelle) {
            SCOPED_TRACE(std::string(name) + ", " + std::to_string(teile) + " Teile");
            const Wertachse achse = wertachse(werte, teile);
            ASSERT_TRUE(std::isfinite(achse.teilung) && achse.teilung > 0);
            EXPECT_LE(achse.unten, 0);
            EXPECT_GE(achse.oben, 0);
            EXPECT_LT(achse.unten, achse.oben);
            EXPECT_LE(achse.oben - achse.unten, 102);
            for (double wert : werte) {
                const double anteil = achse.anteil(wert);
                EXPECT_GE(anteil, -1e-9) << wert;
                EXPECT_LE(anteil, 1 + 1e-9) << wert;
            }
            EXPECT_DOUBLE_EQ(achse.anteil(0), -achse.unten / double(achse.oben - achse.unten));
        }
    }
}

struct SchrittFall {
    const char* name;
    std::vector<double> breiten;
    double abstand;
    int schritt;
};

TEST(Beschriftungsschritt, ZeigtSovielePassenOhneUeberlappung) {
    std::vector<double> breiteEinheit(21, 10.0);
    breiteEinheit.back() = 80;  // a long unit text at the end
    // clang-format off
    const SchrittFall faelle[] = {
        {"alle passen", std::vector<double>(21, 10.0), 20, 1},
        {"jede zweite", std::vector<double>(21, 30.0), 20, 2},
        {"drei teilt 20 nicht: jede vierte", std::vector<double>(21, 50.0), 20, 4},
        {"lange Einheit am Ende", breiteEinheit, 20, 4},
        {"gar kein Platz: nur die erste", std::vector<double>(21, 10.0), 0, 21},
        {"Abstand NaN: nur die erste", std::vector<double>(21, 10.0), nan, 21},
        {"eine Beschriftung", {500}, 1, 1},
        {"keine Beschriftung", {}, 1, 1},
    };
    // clang-format on
    for (const SchrittFall& fall : faelle)
        EXPECT_EQ(beschriftungsschritt(fall.breiten, fall.abstand, 4), fall.schritt) << fall.name;
}

// For any widths the shown labels keep the gap, and the last one is shown.
TEST(Beschriftungsschritt, GezeigteUeberlappenNie) {
    std::vector<double> breiten(21);
    for (int versuch = 0; versuch < 50; ++versuch) {
        for (int i = 0; i < 21; ++i) breiten[i] = 5 + (i * 37 + versuch * 11) % (3 * versuch + 7);
        const double abstand = 19;
        SCOPED_TRACE("Versuch " + std::to_string(versuch));
        const int schritt = beschriftungsschritt(breiten, abstand, 4);
        if (schritt == 21) continue;
        EXPECT_EQ(20 % schritt, 0);
        for (int i = 0; i + schritt < 21; i += schritt)
            EXPECT_LE((breiten[i] + breiten[i + schritt]) / 2 + 4, schritt * abstand) << "ab Beschriftung " << i + 1;
    }
}

}  // namespace
}  // namespace fluvan::output
