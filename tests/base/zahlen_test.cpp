#include "base/zahlen.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace fluvan::base {
namespace {

struct RundungsFall {
    float wert;
    int dezimalen;
    float erwartet;
};

// Halfway is judged on the stored float, not on the decimal the user thinks of.
TEST(Runden, HalbZurGeradenAufDemGespeichertenWert) {
    // clang-format off
    const RundungsFall faelle[] = {
        {0.125f, 2, 0.12f},           // exactly halfway: to even
        {0.375f, 2, 0.38f},           // exactly halfway: to even
        {9.0f / 8, 2, 1.12f},         // 1.125 exact
        {1.0f / 8, 2, 0.12f},
        {57.0f / 40, 2, 1.42f},       // float of 1.425 lies below it
        {3.0f / 40, 2, 0.08f},        // float of 0.075 lies above it
        {2469.0f / 200, 2, 12.35f},   // float of 12.345 lies above it
        {4.0f / 3, 3, 1.333f},
        {4.0f / 3, 2, 1.33f},
        {2.0f / 3, 3, 0.667f},
        {40.0f / 3, 2, 13.33f},
        {0.0025f, 2, 0.0f},
        {-0.125f, 2, -0.12f},
        {-2.0f / 3, 3, -0.667f},
        {3.5f, 0, 4.0f},
        {2.5f, 0, 2.0f},
        {1e30f, 2, 1e30f},            // whole numbers stay as they are
        {12.0f, 3, 12.0f},
        {1e-40f, 3, 0.0f},            // subnormal
    };
    // clang-format on
    for (const auto& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << fall.wert << " to " << fall.dezimalen << " decimals");
        EXPECT_EQ(runden(fall.wert, fall.dezimalen), fall.erwartet);
    }
}

TEST(Runden, ErgebnisIstDerNaechsteFloatZurDezimalzahl) {
    // 0.3 has no exact float: the result must be the float nearest to 0.3.
    EXPECT_EQ(runden(0.2999999f, 3), 0.3f);
    EXPECT_EQ(runden(0.30049f, 3), 0.3f);
    EXPECT_EQ(runden(3.5368f, 3), 3.537f);
}

struct LeseFall {
    const char* text;
    double erwartet;
};

TEST(LeseZahl, FuehrendeZahlMitPunktRestWirdIgnoriert) {
    // clang-format off
    const LeseFall faelle[] = {
        {"0.0", 0},       {"1000", 1000},   {"1.5.3", 1.5},  {"12abc", 12},  {"", 0},
        {"abc", 0},       {"  7", 7},       {".5", 0.5},     {"5.", 5},      {"1,5", 1},
        {"1e3", 1000},    {"1E-2", 0.01},   {"1e", 1},       {"2e+", 2},     {"-2", -2},
        {"+3.25x", 3.25}, {".", 0},         {"-", 0},        {"12 34", 12},  {"68.5", 68.5},
        {"1e+3", 1000},   {"1E+3", 1000},   {"2.5e+2x", 250}, {"-1e+1", -10}, {"5e-1", 0.5},
    };
    // clang-format on
    for (const auto& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << '"' << fall.text << '"');
        EXPECT_EQ(leseZahl(fall.text), fall.erwartet);
    }
}

TEST(LeseZahl, HaengtNichtVomProzessLocaleAb) {
    const char* alt = std::setlocale(LC_ALL, nullptr);
    const std::string vorher = alt ? alt : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 not generated";
    EXPECT_EQ(leseZahl("1.5"), 1.5);
    EXPECT_EQ(leseZahl("1,5"), 1.0);
    EXPECT_EQ(zahlText(1.5f, "."), "1.5");
    std::setlocale(LC_ALL, vorher.c_str());
}

TEST(LeseZahl, JenseitsDesFloatBereichs) {
    EXPECT_FALSE(imFloatBereich(leseZahl("1e39")));
    EXPECT_FALSE(imFloatBereich(leseZahl("1e400")));
    EXPECT_FALSE(imFloatBereich(leseZahl("-1e39")));
    EXPECT_EQ(leseZahl("1e-400"), 0.0);
    EXPECT_TRUE(imFloatBereich(leseZahl("3.4e38")));
    EXPECT_TRUE(imFloatBereich(FLT_MAX));
}

// Beyond the range of a double a number is too large or too small by where
// its first digit stands, whether written with an exponent or in full.
TEST(LeseZahl, JenseitsDesDoubleBereichsNachDerStelleDerErstenZiffer) {
    const std::string nullen(400, '0');
    const double unendlich = std::numeric_limits<double>::infinity();
    const struct {
        std::string text;
        double erwartet;
    } faelle[] = {
        {"0." + nullen + "1", 0},
        {"-0." + nullen + "1", 0},
        {"0." + nullen + "1e+5", 0},
        {"0." + nullen + "1e500", 1e99},
        {"1" + nullen, unendlich},
        {"-1" + nullen + ".5", -unendlich},
        {"0001" + nullen + "x", unendlich},
        {"1" + nullen + "e-800", 0},
        {"1e-400", 0},
        {".1e-330", 0},
        {"10e308", unendlich},
        {"1e99999999999999999999", unendlich},
        {"1e-99999999999999999999", 0},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.text.substr(0, 12) + "... (" + std::to_string(fall.text.size()) + " characters)");
        EXPECT_EQ(leseZahl(fall.text), fall.erwartet);
    }
}

TEST(Speichern, FehlerBeimAblegenInDieZelle) {
    EXPECT_EQ(speichern(0.1), 0.1f);
    EXPECT_EQ(speichern(FLT_MAX), FLT_MAX);
    EXPECT_THROW(speichern(1e39), Rechenfehler);
    EXPECT_THROW(speichern(-1e39), Rechenfehler);
    EXPECT_THROW(speichern(std::numeric_limits<double>::infinity()), Rechenfehler);
    EXPECT_THROW(speichern(std::nan("")), Rechenfehler);
    EXPECT_EQ(speichern(1e-50), 0.0f);  // underflow is no fault
}

// Half a step above FLT_MAX rounds to infinity: a fault, like every value
// beyond; just below it the value still rounds to FLT_MAX.
TEST(Speichern, HalbeStufeUeberDemGroesstenFloatIstEinFehler) {
    const double halbeStufe = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
    EXPECT_THROW(speichern(halbeStufe), Rechenfehler);
    EXPECT_THROW(speichern(-halbeStufe), Rechenfehler);
    EXPECT_FALSE(imFloatBereich(halbeStufe));
    const double knappDarunter = std::nextafter(halbeStufe, 0.0);
    EXPECT_EQ(speichern(knappDarunter), FLT_MAX);
    EXPECT_EQ(speichern(-knappDarunter), -FLT_MAX);
}

struct NennweitenFall {
    const char* text;
    const char* trenner;
    double erwartet;
};

TEST(LeseNennweite, MitDemRegionalenTrenner) {
    const NennweitenFall faelle[] = {
        {"2,5", ",", 2.5}, {"2.5", ".", 2.5}, {"10", ",", 10}, {"3000", ".", 3000}, {"4", ",", 4}, {" 65 ", ".", 65},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << '"' << fall.text << "\" with " << fall.trenner);
        EXPECT_EQ(leseNennweite(fall.text, fall.trenner), fall.erwartet);
    }
}

TEST(LeseNennweite, KeineZahlIstEinFehler) {
    for (const char* text : {"", "abc", "DN 10", "2,5,5", "10x", ","}) {
        SCOPED_TRACE(::testing::Message() << '"' << text << '"');
        EXPECT_THROW(leseNennweite(text, ","), Rechenfehler);
    }
}

struct TextFall {
    float wert;
    const char* trenner;
    const char* erwartet;
};

TEST(ZahlText, SiebenStellenOhneNachnullenMitRegionalemTrenner) {
    // clang-format off
    const TextFall faelle[] = {
        {1.5f, ",", "1,5"},
        {1.5f, ".", "1.5"},
        {68, ".", "68"},
        {2700, ",", "2700"},
        {1234567, ",", "1234567"},
        {12345678, ".", "1.234568E+07"},
        {12345678, ",", "1,234568E+07"},
        {1e7f, ".", "1E+07"},
        {0.1f, ",", "0,1"},
        {0.3f, ".", "0.3"},
        {3.537f, ",", "3,537"},
        {12, ",", "12"},
        {0.0001f, ".", "0.0001"},
        {0.00001f, ".", "1E-05"},
        {-2.5f, ",", "-2,5"},
        {0, ",", "0"},
        {-0.0f, ",", "0"},
        {FLT_MAX, ".", "3.402823E+38"},
        {1.0f / 3, ".", "0.3333333"},
        {123.4567f, ".", "123.4567"},
    };
    // clang-format on
    for (const auto& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << fall.wert << " with " << fall.trenner);
        EXPECT_EQ(zahlText(fall.wert, fall.trenner), fall.erwartet);
    }
}

}  // namespace
}  // namespace fluvan::base

namespace fluvan::base {
namespace {

// Against an independent reference: the exact decimal expansion of the float
// rounded half to even by to_chars, read back as the nearest float.
float rundenReferenz(float wert, int dezimalen) {
    char text[128];
    const auto ende =
        std::to_chars(text, text + sizeof text, static_cast<double>(wert), std::chars_format::fixed, dezimalen).ptr;
    float ergebnis = 0;
    std::from_chars(text, ende, ergebnis);
    return ergebnis == 0 ? 0.0f : ergebnis;
}

TEST(Runden, StimmtMitExakterDezimalrundungUeberein) {
    std::mt19937 zufall(20261210);
    std::uniform_int_distribution<std::uint32_t> bits(0, 0x7f7fffffu);  // every finite positive float
    std::uniform_real_distribution<float> kurve(0, 100);                // the values a curve holds
    for (int i = 0; i < 100000; ++i) {
        for (float wert : {std::bit_cast<float>(bits(zufall)), kurve(zufall), -kurve(zufall)}) {
            if (std::fabs(wert) > 1e15f) continue;  // fixed notation gets long; whole numbers anyway
            for (int d = 0; d <= 3; ++d) ASSERT_EQ(runden(wert, d), rundenReferenz(wert, d)) << wert << " to " << d;
        }
    }
}

}  // namespace
}  // namespace fluvan::base
