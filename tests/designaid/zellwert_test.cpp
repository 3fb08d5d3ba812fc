#include "designaid/zellwert.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace fluvan::designaid {
namespace {

using Art = Zellwert::Art;

struct Lesefall {
    std::string text;
    std::string trenner;
    Art art;
    double zahl;
};

TEST(Eingabezelle, WasEinGetippterTextIst) {
    // clang-format off
    const Lesefall faelle[] = {
        {"", ",", Art::Leer, 0},
        {"bitte ausfüllen", ",", Art::Text, 0},
        {"please fill in", ".", Art::Text, 0},
        {"10", ",", Art::Zahl, 10},
        {"3.6", ",", Art::Zahl, 3.6},   // "." always reads as the decimal point
        {"3,6", ",", Art::Zahl, 3.6},   // and so does the regional separator
        {"3,6", ".", Art::Text, 0},
        {" 76340.99 ", ",", Art::Zahl, 76340.99},
        {"-5", ",", Art::Zahl, -5},
        {"+.5", ",", Art::Zahl, 0.5},
        {"1e3", ",", Art::Zahl, 1000},
        {"1,5E-1", ",", Art::Zahl, 0.15},
        {"10 m3", ",", Art::Text, 0},  // a leading number is not enough
        {"1.2.3", ",", Art::Text, 0},
        {"1.2,3", ",", Art::Text, 0},
        {".", ",", Art::Text, 0},
        {"1e", ",", Art::Text, 0},
        {"   ", ",", Art::Text, 0},
        {"1e400", ",", Art::Text, 0},
    };
    // clang-format on
    for (const Lesefall& f : faelle) {
        SCOPED_TRACE('"' + f.text + "\" with " + f.trenner);
        const Zellwert w = leseEingabezelle(f.text, f.trenner);
        EXPECT_EQ(w.art, f.art);
        if (f.art == Art::Zahl) {
            EXPECT_DOUBLE_EQ(w.zahl, f.zahl);
        }
    }
}

TEST(Eingabezelle, LeerZaehltAlsNullTextAlsGroesserAlsJedeZahl) {
    const double groesste = std::numeric_limits<double>::max();
    const Zellwert leer{};
    const Zellwert text{Art::Text, 0};
    const Zellwert zehn{Art::Zahl, 10};

    EXPECT_TRUE(groesser(leer, -1));
    EXPECT_FALSE(groesser(leer, 0));
    EXPECT_TRUE(kleiner(leer, 0.017671));
    EXPECT_FALSE(kleiner(leer, 0));

    EXPECT_TRUE(groesser(text, groesste));
    EXPECT_FALSE(kleiner(text, groesste));

    EXPECT_TRUE(groesser(zehn, 7.0686));
    EXPECT_FALSE(groesser(zehn, 10));
    EXPECT_FALSE(kleiner(zehn, 10));
}

}  // namespace
}  // namespace fluvan::designaid
