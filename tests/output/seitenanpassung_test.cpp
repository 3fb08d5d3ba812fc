#include "output/seitenanpassung.h"

#include <gtest/gtest.h>

namespace fluvan::output {
namespace {

// A landscape page with a printable area of 15,840 × 10,800 twips:
// 27,940 × 19,050 HIMETRIC, page aspect about 1.47.
constexpr float Sw = 15840;
constexpr float Sh = 10800;

TEST(Seitenanpassung, UmrechnungDesDruckers) {
    EXPECT_EQ(himetric(Sw), 27940.0f);
    EXPECT_EQ(himetric(Sh), 19050.0f);
    EXPECT_EQ(twips(19050.0f), 10800.0f);
    // A wide page, where 26,421 × 2,540 is past a float's whole numbers: the
    // product is taken in double (in float it would give 46,603.711).
    EXPECT_EQ(himetric(26421), 46603.707f);
    const Bildgroesse bild = bildgroesse(96, 48);
    EXPECT_EQ(bild.breite, 2540);
    EXPECT_EQ(bild.hoehe, 1270);
}

TEST(Seitenanpassung, DruckgroesseAufDerSeite) {
    struct Fall {
        const char* name;
        Druckregel regel;
        Bildgroesse bild;
        float seitenbreite, seitenhoehe;
        double breite, hoehe;
    };
    // clang-format off
    const Fall faelle[] = {
        // The tall case: the full height, the width from the aspect times k.
        {"Blatt", DruckBild1, {21600, 16000}, Sw, Sh, 14580 * 1.06, 10800},
        {"Diagramm", DruckBild2, {18000, 14400}, Sw, Sh, 13500 * 1.091, 10800},
        // a = 1.45 lies between p / 1.06 and p: times k the width would be
        // 15,660 × 1.06 = 16,599.6 twips, beyond the page's 15,840.
        {"Blatt bis an den Rand", DruckBild1, {29000, 20000}, Sw, Sh, 15840, 10800},
        // a = p exactly: the wide case, the full printable width.
        {"gleiches Seitenverhaeltnis", DruckBild1, {27940, 19050}, Sw, Sh, 15840, 10800},
        // The wide case keeps the picture's aspect.
        {"breites Bild", DruckBild2, {30000, 10000}, Sw, Sh, 15840, 5280},
        {"quadratisch hochkant", DruckBild2, {10000, 10000}, 10800, 15840, 10800, 10800},
    };
    // clang-format on
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const auto groesse = druckmass(fall.regel, fall.bild, fall.seitenbreite, fall.seitenhoehe);
        ASSERT_TRUE(groesse);
        // Exact: the final sizes are doubles, so 15,454.8 is not the float 15,454.7998.
        EXPECT_DOUBLE_EQ(groesse->breite, fall.breite);
        EXPECT_DOUBLE_EQ(groesse->hoehe, fall.hoehe);
    }
}

TEST(Seitenanpassung, Ausrichtung) {
    // The diagram: a square picture portrait, one unit wider landscape.
    EXPECT_EQ(ausrichtung(DruckBild2, {10000, 10000}), Ausrichtung::Hochformat);
    EXPECT_EQ(ausrichtung(DruckBild2, {10001, 10000}), Ausrichtung::Querformat);
    EXPECT_EQ(ausrichtung(DruckBild2, {9000, 10000}), Ausrichtung::Hochformat);
    // The sheet prints landscape whatever its picture.
    EXPECT_EQ(ausrichtung(DruckBild1, {9000, 10000}), Ausrichtung::Querformat);
    EXPECT_EQ(ausrichtung(DruckBild1, {21600, 16000}), Ausrichtung::Querformat);
}

TEST(Seitenanpassung, OhneBreiteOderHoeheKeinDruck) {
    struct Fall {
        const char* name;
        Bildgroesse bild;
        float breite, hoehe;
    };
    // clang-format off
    const Fall faelle[] = {
        {"Bild ohne Breite",          {0, 16000},     Sw, Sh},
        {"Bild ohne Hoehe",           {21600, 0},     Sw, Sh},
        {"leeres Bild",               {0, 0},         Sw, Sh},
        {"Bild mit negativer Breite", {-5, 100},      Sw, Sh},
        {"Seite ohne Breite",         {21600, 16000}, 0,  Sh},
        {"Seite ohne Hoehe",          {21600, 16000}, Sw, 0},
    };
    // clang-format on
    for (const Fall& fall : faelle)
        EXPECT_FALSE(druckmass(DruckBild1, fall.bild, fall.breite, fall.hoehe)) << fall.name;
}

}  // namespace
}  // namespace fluvan::output
