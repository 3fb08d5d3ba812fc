#include <gtest/gtest.h>

#include "output/diagrammgitter.h"

namespace fluvan::output {
namespace {

// Row r shows curve point 21 - r: the 5 % point left, the 100 % point right,
// then the unit text as a last category without a value.
TEST(Diagrammgitter, ZeilenInUmgekehrterPunktfolge) {
    base::Variable v;
    for (int k = 1; k <= 20; ++k) {
        v.Durchfluss(k) = 12.5f * static_cast<float>(21 - k) / 20;
        v.Fehler(k) = static_cast<float>(k) / 10;
    }
    v.Fehler(7) = 0;  // a 0 is a value, not a gap
    v.EinheitText = "m3/Stunde";

    for (const auto& [trenner, erste, letzte] : {std::tuple{",", "0,625", "12,5"}, std::tuple{".", "0.625", "12.5"}}) {
        SCOPED_TRACE(trenner);
        const Diagrammgitter g = diagrammgitter(v.Fehler, v, trenner);
        EXPECT_EQ(g[0].beschriftung, erste);
        EXPECT_EQ(g[19].beschriftung, letzte);
        EXPECT_EQ(g[7].beschriftung, "5") << "no decimals on a whole flow";
        EXPECT_EQ(g[20].beschriftung, "m3/Stunde");
        EXPECT_TRUE(g[20].leer);
        for (int r = 1; r <= 20; ++r) {
            const Diagrammzeile& z = g[static_cast<std::size_t>(r - 1)];
            EXPECT_FALSE(z.leer) << r;
            EXPECT_EQ(z.wert, static_cast<double>(v.Fehler(21 - r))) << r;
        }
        EXPECT_EQ(g[13].wert, 0.0) << "row 14 holds point 7";
    }
}

// The 32-bit value is widened unchanged; the diagram takes Druckabfall.
TEST(Diagrammgitter, WerteUnveraendertAusDerKurve) {
    base::Variable v;
    v.Druckabfall(1) = 0.57f;
    v.Druckabfall(20) = 123456.7f;
    const Diagrammgitter g = diagrammgitter(v.Druckabfall, v, ",");
    EXPECT_EQ(g[19].wert, static_cast<double>(0.57f));
    EXPECT_EQ(g[0].wert, static_cast<double>(123456.7f));
    EXPECT_EQ(g[20].beschriftung, "") << "no unit text yet";
}

}  // namespace
}  // namespace fluvan::output
