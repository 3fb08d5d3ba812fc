#include "designaid/zollbruch.h"

#include <gtest/gtest.h>

namespace fluvan::designaid {
namespace {

struct Zollfall {
    double zoll;
    const char* text;
};

TEST(Zollbruch, GanzeZollBruchMitEinstelligemNennerUndZollzeichen) {
    // clang-format off
    const Zollfall faelle[] = {
        {0.125, "1/8”"}, {0.25, "1/4”"},    {0.375, "3/8”"},   {0.5, "1/2”"}, {0.75, "3/4”"},
        {1, "1”"},       {1.25, "1 1/4”"}, {1.5, "1 1/2”"},   {2.5, "2 1/2”"}, {3, "3”"},
        {120, "120”"},   {1.0 / 3, "1/3”"},
    };
    // clang-format on
    for (const Zollfall& f : faelle) {
        SCOPED_TRACE(::testing::Message() << f.zoll << " inch");
        EXPECT_EQ(zollText(f.zoll), f.text);
    }
}

// 0.1 has no one-digit denominator; the nearest one-digit fraction would be 1/9.
TEST(Zollbruch, EinZehntelWirdNichtZumNaechstenEinstelligenBruch) { EXPECT_EQ(zollText(0.1), "1/10”"); }

TEST(Zollbruch, OhneGenauenBruchDerNaechsteEinstellige) {
    EXPECT_EQ(zollText(0.1234), "1/8”");
    EXPECT_EQ(zollText(2.99951), "3”");
}

}  // namespace
}  // namespace fluvan::designaid
