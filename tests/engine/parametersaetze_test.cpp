#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/zahlen.h"
#include "vergleich.h"

namespace fluvan::test {
namespace {

constexpr float unendlich = std::numeric_limits<float>::infinity();

// Every row: its record, its range (limits pass, the next float beyond warns)
// and its error model, seen in the curve at both limits.
class Satzzeile : public ::testing::TestWithParam<Satzerwartung> {};

TEST_P(Satzzeile, LaedtDatenPrueftBereichUndRechnetMitSeinemModell) {
    const Satzerwartung& e = GetParam();
    const Satzname satz = satzname(e.name);

    struct Warnung {
        float geschwindigkeit;
        std::string anfang;
    };
    for (const Warnung& w : {Warnung{std::nextafter(e.GeschwindigkeitMax, unendlich), "Endwert zu hoch!\r\n"},
                             Warnung{std::nextafter(e.GeschwindigkeitMin, 0.0f), "Endwert zu klein!\r\n"}}) {
        SCOPED_TRACE(w.anfang);
        Satzlauf lauf(w.geschwindigkeit);
        lauf.k.v.Fehler(1) = -1;
        lauf.rechne(satz);
        ASSERT_EQ(lauf.k.meldungen.gezeigt.size(), 1u);
        EXPECT_EQ(lauf.k.meldungen.gezeigt[0].stil, base::MeldungsStil::Ausruf);
        EXPECT_EQ(lauf.k.meldungen.gezeigt[0].prompt.rfind(w.anfang, 0), 0u) << lauf.k.meldungen.gezeigt[0].prompt;
        erwarteRecord(lauf.k.v, e);
        EXPECT_EQ(lauf.k.v.Fehler(1), -1);
        EXPECT_EQ(lauf.k.anzeige.gezeigt, 0);
    }

    for (const float grenze : {e.GeschwindigkeitMin, e.GeschwindigkeitMax}) {
        SCOPED_TRACE(grenze);
        Satzlauf lauf(grenze);
        lauf.rechne(satz);
        EXPECT_TRUE(lauf.k.meldungen.gezeigt.empty());
        EXPECT_EQ(lauf.k.anzeige.gezeigt, 1);
        erwarteRecord(lauf.k.v, e);
        erwarteKurvenform(lauf.k.v, e, 10, grenze);
    }
}

// The threshold model's two branches meet at Grenzgeschwindigkeit: exactly
// there FehlerOben, a hair below it the zero-point branch, equal to three
// decimals.
class Schwellensatz : public ::testing::TestWithParam<Satzerwartung> {};

std::vector<Satzerwartung> schwellensaetze() {
    std::vector<Satzerwartung> saetze;
    for (const Satzerwartung& e : Satzerwartungen())
        if (!e.summenmodell) saetze.push_back(e);
    return saetze;
}

TEST_P(Schwellensatz, SchwelleOhneSprung) {
    const Satzerwartung& e = GetParam();
    for (const float v : {e.Grenzgeschwindigkeit, std::nextafter(e.Grenzgeschwindigkeit, 0.0f)}) {
        SCOPED_TRACE(::testing::Message() << v << " m/s");
        Satzlauf lauf(v);
        lauf.k.v.FehlerOben = e.FehlerOben;
        lauf.k.v.FehlerUnten = e.FehlerUnten;
        lauf.k.v.Nullpunkt = e.Nullpunkt;
        lauf.k.v.Grenzgeschwindigkeit = e.Grenzgeschwindigkeit;
        lauf.k.lauf.FehlerBerechnen();
        EXPECT_NEAR(lauf.k.v.Fehler(1), e.FehlerOben, 0.0011);
        if (v == e.Grenzgeschwindigkeit) {
            EXPECT_EQ(lauf.k.v.Fehler(1), gerundet(e.FehlerOben, 3));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Alle, Satzzeile, ::testing::ValuesIn(Satzerwartungen()),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Alle, Schwellensatz, ::testing::ValuesIn(schwellensaetze()),
                         [](const auto& info) { return std::string(info.param.name); });

// Figures of single points, worked out by hand.
struct Punkt {
    Satzname satz;
    float endgeschwindigkeit;
    int punkt;
    float fehler;
};

void PrintTo(const Punkt& p, std::ostream* os) {
    *os << name(p.satz) << " at " << p.endgeschwindigkeit << " m/s, point " << p.punkt;
}

class Kurvenpunkt : public ::testing::TestWithParam<Punkt> {};

TEST_P(Kurvenpunkt, HatDenAusgerechnetenFehler) {
    const Punkt& p = GetParam();
    Satzlauf lauf(p.endgeschwindigkeit);
    lauf.rechne(p.satz);
    EXPECT_EQ(lauf.k.anzeige.gezeigt, 1);
    EXPECT_EQ(lauf.k.v.Fehler(p.punkt), p.fehler);
}

std::string punktname(const ::testing::TestParamInfo<Punkt>& info) {
    const Punkt& p = info.param;
    return namensteil(p.satz) + "_" + namensteil(p.endgeschwindigkeit) + "_Punkt" + std::to_string(p.punkt);
}

using enum Satzname;
INSTANTIATE_TEST_SUITE_P(Werte, Kurvenpunkt,
                         ::testing::Values(
                             // Veltrum 220 at 1 m/s: 0.4 + 1 / v x 0.1.
                             Punkt{BerechnenVeltrum220, 1.0f, 1, 0.5f}, Punkt{BerechnenVeltrum220, 1.0f, 11, 0.6f},
                             Punkt{BerechnenVeltrum220, 1.0f, 16, 0.8f}, Punkt{BerechnenVeltrum220, 1.0f, 20, 2.4f},
                             // Same four values, threshold against sum model, at 2 m/s.
                             Punkt{BerechnenVelt550C, 2.0f, 1, 0.5f}, Punkt{BerechnenVelt550C, 2.0f, 16, 1.0f},
                             Punkt{BerechnenVelt550C, 2.0f, 20, 5.0f}, Punkt{BerechnenVelt830C, 2.0f, 1, 0.75f},
                             Punkt{BerechnenVelt830C, 2.0f, 16, 1.5f}, Punkt{BerechnenVelt830C, 2.0f, 20, 5.5f},
                             // Veltrum 340: threshold 0, sum model at every point.
                             Punkt{BerechnenVeltrum340, 1.0f, 1, 0.7f}, Punkt{BerechnenVeltrum340, 1.0f, 20, 4.5f},
                             Punkt{BerechnenRSN70, 1.0f, 1, 0.5f}, Punkt{BerechnenRSN70, 1.0f, 16, 1.0f},
                             Punkt{BerechnenRSN70, 1.0f, 20, 5.0f},
                             // TKD 72 klein: 0.8 from 1 m/s up, 0.7 + 0.1 / v below.
                             Punkt{BerechnenTKD72klein, 2.0f, 1, 0.8f}, Punkt{BerechnenTKD72klein, 2.0f, 16, 0.9f},
                             // Brisal 11 klein exactly at its threshold 0.4 m/s, as full scale and as point 13.
                             Punkt{BerechnenBris11klein, 0.4f, 1, 0.5f}, Punkt{BerechnenBris11klein, 1.0f, 13, 0.5f},
                             Punkt{BerechnenBris11klein, 1.0f, 12, 0.5f}, Punkt{BerechnenBris11klein, 1.0f, 14, 0.571f},
                             Punkt{BerechnenTKD21, 1.0f, 17, 1.0f}),
                         punktname);

TEST(Parametersatz, VeltrumDreihundertvierzigLaesstGrenzgeschwindigkeitNull) {
    Satzlauf lauf(1.0f);
    lauf.k.v.Grenzgeschwindigkeit = 0.4f;
    lauf.rechne(BerechnenVeltrum340);
    EXPECT_EQ(lauf.k.v.Grenzgeschwindigkeit, 0.0f);
    EXPECT_EQ(lauf.k.v.FehlerOben, 0.5f);
}

// The record of an earlier row never reaches a later curve.
TEST(Parametersatz, SummenmodellNachSchwellenmodellHaengtNurVomZweitenSatzAb) {
    Satzlauf frisch(2.0f);
    frisch.rechne(BerechnenVeltrum220);

    Satzlauf folge(2.0f);
    folge.rechne(BerechnenTKD72klein);
    folge.rechne(BerechnenVeltrum220);
    EXPECT_EQ(folge.k.anzeige.gezeigt, 2);
    EXPECT_EQ(folge.k.v.FehlerUnten, 0.0f);
    EXPECT_EQ(folge.k.v.Fehler.punkt, frisch.k.v.Fehler.punkt);
    EXPECT_EQ(folge.k.v.Druckabfall.punkt, frisch.k.v.Druckabfall.punkt);
}

// A fault in the curve passes on unchanged, and no sheet is shown.
TEST(Parametersatz, FehlerDerKurveGehtDurchOhneErgebnisanzeige) {
    Satzlauf lauf(2.0f);
    lauf.k.v.Viskositaet = 0;
    EXPECT_THROW(lauf.rechne(BerechnenRSN70), base::Rechenfehler);
    EXPECT_EQ(lauf.k.anzeige.gezeigt, 0);
    EXPECT_TRUE(lauf.k.meldungen.gezeigt.empty());
    EXPECT_EQ(lauf.k.v.FehlerOben, 0.5f);
}

}  // namespace
}  // namespace fluvan::test
