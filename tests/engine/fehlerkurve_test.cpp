#include <gtest/gtest.h>

#include "fakes/fakes.h"

namespace fluvan::engine {
namespace {

using fakes::Kette;

// A chain ready for the error curve: inputs stored, a record loaded.
struct Fehlerkurve : ::testing::Test {
    Kette k;
    void SetUp() override {
        k.v.Nennweite = "10";
        k.v.Dichte = 1000;
        k.v.Viskositaet = 1;
        k.v.Baulaenge = 68;
        k.v.Endwert = 10;
        k.v.Endgeschwindigkeit = 1;
    }
    void lade(float oben, float unten, float nullpunkt, float grenze) {
        k.v.FehlerOben = oben;
        k.v.FehlerUnten = unten;
        k.v.Nullpunkt = nullpunkt;
        k.v.Grenzgeschwindigkeit = grenze;
    }
};

struct Punkt {
    int k;
    float durchfluss, geschwindigkeit, schwelle, summe;
};

TEST_F(Fehlerkurve, RechenbeispielBeiderModelle) {
    // Point 13: 1 x 0.40 stores as the threshold 0.4 itself and takes FehlerOben.
    // clang-format off
    const Punkt punkte[] = {
        {1, 10, 1, 0.5f, 0.5f},       {11, 5, 0.5f, 0.5f, 0.7f},  {13, 4, 0.4f, 0.5f, 0.8f},
        {16, 2.5f, 0.25f, 0.8f, 1.1f}, {17, 2, 0.2f, 1, 1.3f},     {19, 1, 0.1f, 2, 2.3f},
        {20, 0.5f, 0.05f, 4, 4.3f},
    };
    // clang-format on
    lade(0.5f, 0, 2, 0.4f);
    k.lauf.FehlerBerechnen();
    const base::Variable schwelle = k.v;
    lade(0.3f, 0, 2, 0.4f);
    k.lauf.FehlerBerechnenVeltrum();
    for (const auto& p : punkte) {
        SCOPED_TRACE(::testing::Message() << "point " << p.k);
        EXPECT_EQ(schwelle.Durchfluss(p.k), p.durchfluss);
        EXPECT_EQ(schwelle.Geschwindigkeit(p.k), p.geschwindigkeit);
        EXPECT_EQ(schwelle.Fehler(p.k), p.schwelle);
        EXPECT_EQ(k.v.Fehler(p.k), p.summe);
    }
}

TEST_F(Fehlerkurve, SchwelleUeberAllenPunkten) {
    k.v.Endgeschwindigkeit = 0.5f;
    lade(1, 0, 10, 1);
    k.lauf.FehlerBerechnen();
    EXPECT_EQ(k.v.Fehler(1), 2);
    EXPECT_EQ(k.v.Fehler(20), 40);
    EXPECT_EQ(k.v.Geschwindigkeit(20), 0.03f);
}

TEST_F(Fehlerkurve, KleinsteZugelasseneGeschwindigkeit) {
    k.v.Endgeschwindigkeit = 0.3f;
    lade(0.5f, 0, 2, 0.4f);
    k.lauf.FehlerBerechnen();
    EXPECT_EQ(k.v.Geschwindigkeit(20), 0.02f);
    EXPECT_EQ(k.v.Fehler(20), 13.33f);
    EXPECT_EQ(k.v.Fehler(1), 0.667f);
    EXPECT_EQ(k.v.Geschwindigkeit(1), 0.3f);
}

TEST_F(Fehlerkurve, SummenmodellLiestUntenUndGrenzeNicht) {
    lade(0.3f, 0, 2, 0.4f);
    k.lauf.FehlerBerechnenVeltrum();
    const base::Variable vorher = k.v;
    lade(0.3f, 7, 2, 0);
    k.lauf.FehlerBerechnenVeltrum();
    EXPECT_EQ(k.v.Fehler.punkt, vorher.Fehler.punkt);
}

TEST_F(Fehlerkurve, DreiDezimalenBisPunkt18ZweiDanach) {
    lade(0, 0, 1, 0);
    k.v.Endgeschwindigkeit = 1;
    k.lauf.FehlerBerechnenVeltrum();  // 1 / v x 0.1 with v(18) = 0.15, v(19) = 0.1
    EXPECT_EQ(k.v.Fehler(18), 0.667f);
    EXPECT_EQ(k.v.Fehler(19), 1);
    k.v.Endgeschwindigkeit = 0.5f;
    lade(0, 0, 10, 0);
    k.lauf.FehlerBerechnenVeltrum();  // 10 / v x 0.1 with v(18) = 0.075, v(19) = 0.05
    EXPECT_EQ(k.v.Fehler(18), 13.333f);
    EXPECT_EQ(k.v.Fehler(19), 20);
    EXPECT_EQ(k.v.Fehler(20), 40);
}

TEST_F(Fehlerkurve, DurchflussGerundetEndwertNicht) {
    k.v.Endwert = 12.345f;  // 2469/200
    lade(0.5f, 0, 2, 0.4f);
    k.lauf.FehlerBerechnen();
    EXPECT_EQ(k.v.Durchfluss(1), 12.35f);
    EXPECT_EQ(k.v.Endwert, 12.345f);
    k.v.Endwert = 0.05f;
    k.lauf.FehlerBerechnen();
    EXPECT_EQ(k.v.Durchfluss(20), 0);
    EXPECT_EQ(k.v.Durchfluss(1), 0.05f);
}

TEST_F(Fehlerkurve, KurvenanteilAlsKonstante) {
    // 1 - 0.05 x 7 misses the double nearest 0.65; the curve must use 0.65.
    k.v.Endwert = 1;
    k.v.Endgeschwindigkeit = 1;
    lade(0.5f, 0, 2, 0.4f);
    k.lauf.FehlerBerechnen();
    const double anteile[] = {1.00, 0.95, 0.90, 0.85, 0.80, 0.75, 0.70, 0.65, 0.60, 0.55,
                              0.50, 0.45, 0.40, 0.35, 0.30, 0.25, 0.20, 0.15, 0.10, 0.05};
    for (int p = 1; p <= 20; ++p) {
        SCOPED_TRACE(::testing::Message() << "point " << p);
        EXPECT_EQ(k.v.Durchfluss(p), base::runden(static_cast<float>(anteile[p - 1]), 2));
    }
}

TEST_F(Fehlerkurve, FehlerHaeltTeilschreibungen) {
    // A velocity of 0 divides by zero in the error formula: the flows and
    // velocities are written, the errors and the pressure loss are not.
    k.v.Endgeschwindigkeit = 0;
    k.v.Fehler(1) = 9;
    k.v.Druckabfall(1) = 9;
    lade(0.3f, 0, 2, 0.4f);
    EXPECT_THROW(k.lauf.FehlerBerechnenVeltrum(), base::Rechenfehler);
    EXPECT_EQ(k.v.Durchfluss(20), 0.5f);
    EXPECT_EQ(k.v.Fehler(1), 9);
    EXPECT_EQ(k.v.Druckabfall(1), 9);
}

}  // namespace
}  // namespace fluvan::engine
