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
    const Bildgroesse bild = bildgroesse(96, 48);
    EXPECT_EQ(bild.breite, 2540);
    EXPECT_EQ(bild.hoehe, 1270);
}

TEST(Seitenanpassung, HochesBildNimmtDieVolleHoehe) {
    struct Fall {
        const char* name;
        Druckregel regel;
        Bildgroesse bild;
        double breite, hoehe;
    };
    // The tall case: 10,800 twips high, the width from the aspect times k.
    for (const Fall& fall : {Fall{"Blatt", DruckBild1, {21600, 16000}, 14580 * 1.06, 10800},
                             Fall{"Diagramm", DruckBild2, {18000, 14400}, 13500 * 1.091, 10800}}) {
        SCOPED_TRACE(fall.name);
        const auto groesse = Ausdruck(fall.regel, fall.bild, Sw, Sh);
        ASSERT_TRUE(groesse);
        EXPECT_DOUBLE_EQ(groesse->breite, fall.breite);
        EXPECT_DOUBLE_EQ(groesse->hoehe, fall.hoehe);
        EXPECT_EQ(ausrichtung(fall.regel, fall.bild), Ausrichtung::Querformat);
    }
}

TEST(Seitenanpassung, GleichesSeitenverhaeltnisNimmtDieVolleBreite) {
    // a = p exactly: the wide case, the full printable width.
    const auto groesse = Ausdruck(DruckBild1, {27940, 19050}, Sw, Sh);
    ASSERT_TRUE(groesse);
    EXPECT_DOUBLE_EQ(groesse->breite, 15840);
    EXPECT_DOUBLE_EQ(groesse->hoehe, 10800);
}

TEST(Seitenanpassung, BreitesBildBehaeltSeinSeitenverhaeltnis) {
    const auto groesse = Ausdruck(DruckBild2, {30000, 10000}, Sw, Sh);
    ASSERT_TRUE(groesse);
    EXPECT_DOUBLE_EQ(groesse->breite, 15840);
    EXPECT_NEAR(groesse->hoehe, 5280, 0.01);
}

TEST(Seitenanpassung, DiagrammQuadratischHochEineEinheitBreiterQuer) {
    EXPECT_EQ(ausrichtung(DruckBild2, {10000, 10000}), Ausrichtung::Hochformat);
    EXPECT_EQ(ausrichtung(DruckBild2, {10001, 10000}), Ausrichtung::Querformat);
    EXPECT_EQ(ausrichtung(DruckBild2, {9000, 10000}), Ausrichtung::Hochformat);
    // The sheet prints landscape whatever its picture.
    EXPECT_EQ(ausrichtung(DruckBild1, {9000, 10000}), Ausrichtung::Querformat);

    // The square picture on a portrait A4-like area: full width, square.
    const auto groesse = Ausdruck(DruckBild2, {10000, 10000}, 10800, 15840);
    ASSERT_TRUE(groesse);
    EXPECT_DOUBLE_EQ(groesse->breite, 10800);
    EXPECT_DOUBLE_EQ(groesse->hoehe, 10800);
}

TEST(Seitenanpassung, BreiteNieUeberDieDruckbareBreite) {
    // a = 1.45 lies between p / 1.06 and p: times k the width would be
    // 15,660 × 1.06 = 16,599.6 twips, beyond the page's 15,840.
    const auto groesse = Ausdruck(DruckBild1, {29000, 20000}, Sw, Sh);
    ASSERT_TRUE(groesse);
    EXPECT_DOUBLE_EQ(groesse->breite, 15840);
    EXPECT_DOUBLE_EQ(groesse->hoehe, 10800);
}

TEST(Seitenanpassung, OhneBreiteOderHoeheKeinDruck) {
    struct Fall {
        Bildgroesse bild;
        float breite, hoehe;
    };
    for (const Fall& fall : {Fall{{0, 16000}, Sw, Sh}, Fall{{21600, 0}, Sw, Sh}, Fall{{0, 0}, Sw, Sh},
                             Fall{{-5, 100}, Sw, Sh}, Fall{{21600, 16000}, 0, Sh},
                             Fall{{21600, 16000}, Sw, 0}}) {
        EXPECT_FALSE(Ausdruck(DruckBild1, fall.bild, fall.breite, fall.hoehe))
            << fall.bild.breite << " x " << fall.bild.hoehe << " on " << fall.breite << " x " << fall.hoehe;
    }
}

}  // namespace
}  // namespace fluvan::output
