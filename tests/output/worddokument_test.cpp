#include "output/worddokument.h"

#include <gtest/gtest.h>

#include <vector>

namespace fluvan::output {
namespace {

std::vector<unsigned char> ausHex(const std::string& text) {
    std::vector<unsigned char> bytes;
    int haelfte = -1;
    for (char c : text) {
        int wert;
        if (c >= '0' && c <= '9')
            wert = c - '0';
        else if (c >= 'a' && c <= 'f')
            wert = c - 'a' + 10;
        else
            continue;
        if (haelfte < 0)
            haelfte = wert;
        else {
            bytes.push_back(static_cast<unsigned char>(haelfte * 16 + wert));
            haelfte = -1;
        }
    }
    return bytes;
}

TEST(Worddokument, BildAlsPngMitSeinerGroesse) {
    std::vector<unsigned char> png(200);
    for (std::size_t i = 0; i < png.size(); ++i) png[i] = static_cast<unsigned char>(i * 7);
    const std::string dokument = wordDokument(png, 300, 200);

    EXPECT_EQ(dokument.rfind("{\\rtf1", 0), 0u);
    const std::string kopf = "{\\pict\\pngblip\\picw300\\pich200\\picwgoal4500\\pichgoal3000\n";
    const auto anfang = dokument.find(kopf);
    ASSERT_NE(anfang, std::string::npos);
    const auto ende = dokument.find('}', anfang + kopf.size());
    ASSERT_NE(ende, std::string::npos);
    EXPECT_EQ(ausHex(dokument.substr(anfang + kopf.size(), ende - anfang - kopf.size())), png);
    // Braces balance: one group for the document.
    int tiefe = 0;
    for (char c : dokument) {
        if (c == '{') ++tiefe;
        if (c == '}') --tiefe;
        ASSERT_GE(tiefe, 0);
    }
    EXPECT_EQ(tiefe, 0);
}

TEST(Worddokument, GrossesBildPasstAufDieSeite) {
    struct Fall {
        const char* name;
        int breite, hoehe;
        Bildmass mass;
    };
    // clang-format off
    const Fall faelle[] = {
        {"passt: 15 Twips je Pixel",          100,  50,   {1500, 750}},
        {"zu breit: volle Textbreite",        1000, 500,  {9638, 4819}},
        {"zu hoch: volle Texthoehe",          100,  2000, {729, 14570}},
        {"ohne Breite: nichts",               0,    10,   {0, 0}},
    };
    // clang-format on
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Bildmass mass = bildmassAufSeite(fall.breite, fall.hoehe);
        EXPECT_EQ(mass.breite, fall.mass.breite);
        EXPECT_EQ(mass.hoehe, fall.mass.hoehe);
    }
}

// A4 (21 × 29.7 cm) with 2 cm margins, in the document's own words.
TEST(Worddokument, SeiteA4MitZweiZentimeterRand) {
    const std::string seite = "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\n";
    EXPECT_EQ(rtfSeite(), seite);
    const std::string dokument = wordDokument({}, 1, 1);
    EXPECT_NE(dokument.find("}\n" + seite + "{\\pict"), std::string::npos) << dokument;
}

TEST(Worddokument, HexZeilen) {
    const std::vector<unsigned char> bytes(130, 0xab);
    const std::string text = hexText(bytes);
    EXPECT_EQ(text.substr(0, 4), "abab");
    EXPECT_EQ(text.find('\n'), 128u);
    EXPECT_EQ(text.size(), 130u * 2 + 2);
}

}  // namespace
}  // namespace fluvan::output
