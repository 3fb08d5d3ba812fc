#include <gtest/gtest.h>

#include <cmath>

#include "fakes/fakes.h"

namespace fluvan::engine {
namespace {

using fakes::Kette;

struct Druckverlust : ::testing::Test {
    Kette k{","};
    // Every point at the same velocity, so point 1 and point 20 agree.
    void setze(const char* nennweite, float v, float eta, float laenge, float rho = 1000) {
        k.v.Nennweite = nennweite;
        for (int p = 1; p <= 20; ++p) k.v.Geschwindigkeit(p) = v;
        k.v.Viskositaet = eta;
        k.v.Baulaenge = laenge;
        k.v.Dichte = rho;
    }
};

struct Arbeitspunkt {
    const char* name;
    const char* nennweite;
    float v, eta, laenge;
    float reynolds;
    float druckabfall;
};

TEST_F(Druckverlust, Arbeitspunkte) {
    // clang-format off
    const Arbeitspunkt punkte[] = {
        {"laminar, lambda 1.28",                      "10", 0.5f, 100, 68, 50, 10.88f},
        {"Blasius, lambda 0.03164",                   "10", 1.0f, 1, 68, 1e4f, 1.08f},
        {"Blasius at its upper bound",                "50", 2.0f, 1, 200, 1e5f, 1.42f},
        {"Nikuradse",                                 "100", 3.0f, 1, 200, 3e5f, 1.29f},
        {"just above 10^5: Nikuradse",                "50", 2.01f, 1, 200, 100500, 1.42f},
        {"Nikuradse far above 10^8, lambda 0.004827", "1000", 10.0f, 0.01f, 1000, 1e9f, 2.41f},
        {"no flow, no loss",                          "10", 0, 1, 68, 0, 0},
        {"length 0",                                  "10", 1, 1, 0, 10000, 0},
    };
    // clang-format on
    for (const auto& p : punkte) {
        SCOPED_TRACE(p.name);
        setze(p.nennweite, p.v, p.eta, p.laenge);
        k.lauf.Druckverlust();
        EXPECT_FLOAT_EQ(k.v.Reynoldszahl(1), p.reynolds);
        EXPECT_EQ(k.v.Druckabfall(1), p.druckabfall);
        EXPECT_EQ(k.v.Druckabfall(20), p.druckabfall);
    }
}

TEST_F(Druckverlust, Re2320IstLaminar) {
    setze("10", 2.32f, 10, 68);
    k.lauf.Druckverlust();
    EXPECT_EQ(k.v.Reynoldszahl(1), 2320);
    EXPECT_EQ(k.v.Rohrreibungszahl, static_cast<float>(64.0 / 2320));
    setze("10", 2.33f, 10, 68);
    k.lauf.Druckverlust();
    EXPECT_EQ(k.v.Rohrreibungszahl, static_cast<float>(0.3164 * std::pow(2330.0f, -0.25)));
    EXPECT_GT(k.v.Rohrreibungszahl / (64.0 / 2320), 1.6);
}

TEST_F(Druckverlust, Re100000IstBlasiusDarueberNikuradse) {
    setze("50", 2.0f, 1, 200);
    k.lauf.Druckverlust();
    EXPECT_EQ(k.v.Reynoldszahl(1), 1e5f);
    EXPECT_EQ(k.v.Rohrreibungszahl, static_cast<float>(0.3164 * std::pow(1e5, -0.25)));
    setze("50", 2.01f, 1, 200);
    k.lauf.Druckverlust();
    const double re = k.v.Reynoldszahl(1);
    EXPECT_EQ(k.v.Rohrreibungszahl, static_cast<float>(0.221 * std::pow(re, -0.237) + 0.0032));
    // The two turbulent branches nearly meet at 10^5 (0.01779 and 0.01767).
    const float blasius = static_cast<float>(0.3164 * std::pow(1e5, -0.25));
    EXPECT_NEAR(k.v.Rohrreibungszahl / blasius, 0.99, 0.005);
}

// Beyond 10^8 the factor still comes from the point itself, never from an
// earlier point or calculation.
TEST_F(Druckverlust, UeberHundertMillionenKeinGeerbterBeiwert) {
    float ergebnis[2];
    const float amAnfang[2] = {0, 0.01f};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(::testing::Message() << "friction factor " << amAnfang[i] << " before");
        k.v.Rohrreibungszahl = amAnfang[i];
        setze("3000", 12.0f, 0.3f, 3000);
        k.lauf.Druckverlust();
        EXPECT_FLOAT_EQ(k.v.Reynoldszahl(1), 1.2e8f);
        ergebnis[i] = k.v.Druckabfall(1);
    }
    EXPECT_EQ(ergebnis[0], ergebnis[1]);
    EXPECT_EQ(ergebnis[0], 4.24f);  // 0.221 x Re^-0.237 + 0.0032 = 0.00589
}

TEST_F(Druckverlust, NennweiteMitKommaUndPunkt) {
    setze("2,5", 1, 1, 65);
    k.lauf.Druckverlust();
    const base::Variable komma = k.v;
    Kette punkt(".");
    punkt.v = komma;
    punkt.v.Nennweite = "2.5";
    punkt.lauf.Druckverlust();
    EXPECT_EQ(komma.Reynoldszahl(1), 2500);
    EXPECT_EQ(punkt.v.Druckabfall.punkt, komma.Druckabfall.punkt);
}

TEST_F(Druckverlust, JederPunktNachSeinerGeschwindigkeit) {
    setze("50", 0, 1, 200);
    const float v[] = {2.01f, 2.0f, 0.04f};
    for (int p = 1; p <= 3; ++p) k.v.Geschwindigkeit(p) = v[p - 1];
    k.lauf.Druckverlust();
    EXPECT_EQ(k.v.Druckabfall(1), 1.42f);
    EXPECT_EQ(k.v.Druckabfall(2), 1.42f);
    EXPECT_EQ(k.v.Reynoldszahl(3), 2000);  // laminar
    EXPECT_EQ(k.v.Druckabfall(4), 0);
}

TEST_F(Druckverlust, FehlerEndenVorDemSchreiben) {
    setze("x", 1, 1, 68);
    k.v.Reynoldszahl(1) = 5;
    EXPECT_THROW(k.lauf.Druckverlust(), base::Rechenfehler);
    EXPECT_EQ(k.v.Reynoldszahl(1), 5);

    setze("3000", 12, 1e-30f, 3000, 3e38f);  // Re beyond the float range
    k.v.Druckabfall(1) = 5;
    EXPECT_THROW(k.lauf.Druckverlust(), base::Rechenfehler);
    EXPECT_EQ(k.v.Reynoldszahl(1), 5);
    EXPECT_EQ(k.v.Druckabfall(1), 5);
}

}  // namespace
}  // namespace fluvan::engine
