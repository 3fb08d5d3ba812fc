#include <gtest/gtest.h>

#include <string>

#include "catalogue/listen.h"
#include "output/blattinhalt.h"

namespace fluvan::output {
namespace {

using namespace catalogue;

// Expected texts are written with "."; the separator of a case replaces it.
std::string mit(std::string text, const std::string& trenner) {
    std::string aus;
    for (char c : text) aus += c == '.' ? trenner : std::string(1, c);
    return aus;
}

TEST(Blattinhalt, NennweiteZweiKommaFuenf) {
    for (const auto& [trenner, text] : {std::pair{",", " DN 2,5 - 1/10\""}, std::pair{".", " DN 2.5 - 1/10\""}}) {
        SCOPED_TRACE(trenner);
        base::Variable v;
        NennweiteWaehlen(v, 0, trenner);
        EXPECT_EQ(Nennweitentext(v), text);
    }
}

// The edge cases of single cells, on cells set by hand.
TEST(Blattinhalt, Einzelzellen) {
    base::Variable v;
    v.Fehler(1) = 0.5f;  // table row 1
    v.Fehler(3) = 0.5f;  // row 2
    v.Fehler(5) = 0.5f;  // row 3
    v.Geschwindigkeit(20) = 2.5f;
    v.Durchfluss(20) = 0;
    v.Endwert = 12.5f;
    v.EinheitText = "m3/Stunde";
    for (const std::string trenner : {",", "."}) {
        SCOPED_TRACE(trenner);
        EXPECT_EQ(Fehlerzelle(v, 1, trenner), mit(" F = ±0.5 %", trenner));
        EXPECT_EQ(Fehlerzelle(v, 2, trenner), mit(" F = ±0.5 %", trenner));
        EXPECT_EQ(Fehlerzelle(v, 3, trenner), mit(" F = ±0.5 % ", trenner)) << "from row 3 on a trailing blank";
        EXPECT_EQ(Fehlerzelle(v, 15, trenner), " F = ±0 % ");
        EXPECT_EQ(Geschwindigkeitszelle(v, 15, trenner), mit(" 2.5 m/sec", trenner));
        EXPECT_EQ(Durchflusszelle(v, 15, trenner), " 0");
        EXPECT_EQ(Messbereichtext(v, trenner), mit(" 0 -12.5 m3/Stunde", trenner));
        EXPECT_EQ(Druckverlusttext(v, trenner), " 0");
    }
    EXPECT_EQ(Typtext(v), " ");
    EXPECT_EQ(Kopftext(""), " ");
    // The load shortens no text.
    const std::string lang(300, 'x');
    EXPECT_EQ(Kopftext(lang), " " + lang);
}

}  // namespace
}  // namespace fluvan::output
