#pragma once
// Runs a parameter set on a prepared state and compares the curve arrays.
#include <gtest/gtest.h>

#include <string>

#include "fakes/fakes.h"
#include "referenz.h"

namespace fluvan::test {

using namespace fakes;

using namespace parameters;

inline Satzname satzname(std::string_view text) {
    for (std::size_t i = 0; i < Satznamen.size(); ++i)
        if (Satznamen[i] == text) return static_cast<Satzname>(i);
    ADD_FAILURE() << "no parameter set " << text;
    return Satzname::BerechnenVeltrum220;
}

// A state as the calculation run leaves it before the size check: 10 m3/h,
// DN 50, 200 mm, water, and the given full-scale velocity.
struct Satzlauf {
    explicit Satzlauf(float endgeschwindigkeit, std::string trenner = ",") : k(std::move(trenner)) {
        k.v.Endwert = 10;
        k.v.Durchfluss(1) = 10;
        k.v.Endgeschwindigkeit = endgeschwindigkeit;
        k.v.EndgeschwindigkeitGerundet = gerundet(endgeschwindigkeit, 3);
        k.v.Dichte = 1000;
        k.v.Viskositaet = 1;
        k.v.Nennweite = "50";
        k.v.Baulaenge = 200;
    }
    Kurveneingabe eingabe() const { return {10, k.v.Endgeschwindigkeit, 50, 1000, 1, 200}; }
    void rechne(Satzname satz) { k.lauf.Parametersatz(satz); }
    Kette k;
};

inline void erwarteKurven(const base::Variable& v, const Kurven& e) {
    for (int p = 1; p <= 20; ++p) {
        SCOPED_TRACE("point " + std::to_string(p));
        const auto i = static_cast<std::size_t>(p - 1);
        EXPECT_EQ(v.Durchfluss(p), e.Durchfluss[i]);
        EXPECT_EQ(v.Geschwindigkeit(p), e.Geschwindigkeit[i]);
        EXPECT_EQ(v.Fehler(p), e.Fehler[i]);
        EXPECT_EQ(v.Druckabfall(p), e.Druckabfall[i]);
    }
}

inline void erwarteRecord(const base::Variable& v, const Satzerwartung& e) {
    EXPECT_EQ(v.FehlerOben, e.FehlerOben);
    EXPECT_EQ(v.FehlerUnten, e.FehlerUnten);
    EXPECT_EQ(v.Nullpunkt, e.Nullpunkt);
    EXPECT_EQ(v.Grenzgeschwindigkeit, e.Grenzgeschwindigkeit);
}

}  // namespace fluvan::test
