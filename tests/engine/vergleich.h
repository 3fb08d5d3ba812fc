#pragma once
// Runs a parameter set on a prepared state and checks the shape of the curve.
#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <string>
#include <string_view>

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

// Parts of a table row's test name: letters and digits kept, the rest "_";
// a set without its "Berechnen"; a float as its shortest decimal.
inline std::string namensteil(std::string_view text) {
    std::string teil(text);
    for (char& c : teil)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return teil;
}
inline std::string namensteil(Satzname satz) {
    return std::string(name(satz).substr(std::string_view("Berechnen").size()));
}
inline std::string namensteil(float wert) {
    char text[32];
    const auto ende = std::to_chars(text, text + sizeof text, wert).ptr;
    return namensteil(std::string_view(text, static_cast<std::size_t>(ende - text)));
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
    void rechne(Satzname satz) { k.lauf.Parametersatz(satz); }
    Kette k;
};

// What every passed curve shows, whatever the set: point 1 is the full scale;
// from point 1 to 20 flow, velocity and pressure loss fall or stay and the
// error grows or stays; no error lies below FehlerOben; the threshold model
// gives FehlerOben itself above its threshold, the sum model always more.
inline void erwarteKurvenform(const base::Variable& v, const Satzerwartung& e, float endwert,
                              float endgeschwindigkeit) {
    EXPECT_EQ(v.Durchfluss(1), gerundet(endwert, 2));
    EXPECT_EQ(v.Geschwindigkeit(1), gerundet(endgeschwindigkeit, 2));
    const float oben = gerundet(e.FehlerOben, 3);
    for (int p = 1; p <= 20; ++p) {
        SCOPED_TRACE("point " + std::to_string(p));
        if (p > 1) {
            EXPECT_LE(v.Durchfluss(p), v.Durchfluss(p - 1));
            EXPECT_LE(v.Geschwindigkeit(p), v.Geschwindigkeit(p - 1));
            EXPECT_LE(v.Druckabfall(p), v.Druckabfall(p - 1));
            EXPECT_GE(v.Fehler(p), v.Fehler(p - 1));
        }
        EXPECT_GE(v.Druckabfall(p), 0.0f);
        EXPECT_GE(v.Fehler(p), oben);
        if (e.summenmodell) {
            EXPECT_GT(v.Fehler(p), oben);
        } else if (v.Geschwindigkeit(p) > e.Grenzgeschwindigkeit + 0.005f) {
            EXPECT_EQ(v.Fehler(p), oben);
        }
    }
}

inline void erwarteRecord(const base::Variable& v, const Satzerwartung& e) {
    EXPECT_EQ(v.FehlerOben, e.FehlerOben);
    EXPECT_EQ(v.FehlerUnten, e.FehlerUnten);
    EXPECT_EQ(v.Nullpunkt, e.Nullpunkt);
    EXPECT_EQ(v.Grenzgeschwindigkeit, e.Grenzgeschwindigkeit);
}

}  // namespace fluvan::test
