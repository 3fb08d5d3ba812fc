#include "designaid/durchflusswerte.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fluvan::designaid {
namespace {

double fuenfStellen(double wert) {
    const double skala = std::pow(10.0, 4 - std::floor(std::log10(wert)));
    return std::round(wert * skala) / skala;
}

// A mistyped stored value shows against the formula it was rounded from.
TEST(Durchflusswerte, SpalteBIstDieGerundeteDurchflussmengeBeiEinemMeterJeSekunde) {
    const double pi = 3.14159265358979323846;
    for (const Nennweite& n : nennweiten) {
        SCOPED_TRACE(::testing::Message() << "DN " << n.DN);
        const double dn = n.DN / 1000;
        EXPECT_DOUBLE_EQ(n.B, fuenfStellen(pi / 4 * dn * dn * 3600));
    }
}

TEST(Durchflusswerte, DreiunddreissigGroessenAufsteigendMitZollAbDN250AlsDNDurch25) {
    ASSERT_EQ(durchflusswerte().size(), 33u);
    for (std::size_t i = 1; i < nennweiten.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "DN " << nennweiten[i].DN);
        EXPECT_LT(nennweiten[i - 1].DN, nennweiten[i].DN);
    }
    for (const Nennweite& n : nennweiten) {
        SCOPED_TRACE(::testing::Message() << "DN " << n.DN);
        if (n.DN >= 250) {
            EXPECT_EQ(n.Zoll, n.DN / 25);
        }
    }
    EXPECT_EQ(durchflusswerte().front().B, 0.017671);
    EXPECT_EQ(durchflusswerte().back().B, 25447);
}

// The 3 m/s flow of DN 3000 is exactly the number a user types for it.
TEST(Durchflusswerte, AbgeleiteteSpaltenAusSpalteB) {
    const Durchflusszeile& dn3000 = durchflusswerte().back();
    EXPECT_EQ(dn3000.C, 76341.0);
    const Durchflusszeile& dn100 = durchflusswerte()[12];
    EXPECT_EQ(dn100.A, 100);
    EXPECT_DOUBLE_EQ(dn100.G, 28.274 / 3.6);
    EXPECT_DOUBLE_EQ(dn100.M, 28274 / 227.1);
    EXPECT_DOUBLE_EQ(dn100.U, 28274 / 272.8 * 3);
    EXPECT_EQ(dn100.L, 4);
    EXPECT_EQ(dn100.S, 4);
}

}  // namespace
}  // namespace fluvan::designaid
