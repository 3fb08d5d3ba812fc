#include "conductivity/rtf.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/conductivity/stueckquelle.h"

namespace fluvan::conductivity {
namespace {

struct Fall {
    const char* was;
    std::string_view rtf;
    std::u16string_view text;
};

void pruefe(const Fall& f) {
    const std::optional<std::u16string> text = rtfText(f.rtf);
    ASSERT_TRUE(text.has_value()) << f.was;
    EXPECT_EQ(*text, f.text) << f.was;
}

// One small document per construct.
const std::vector<Fall> Konstrukte = {
    Fall{"plain text", "{\\rtf1 Aaa 20}", u"Aaa 20"},
    Fall{"groups", "{\\rtf1 a{\\b b{\\i c}}d}", u"abcd"},
    Fall{"parameter and its blank", "{\\rtf1\\fs20 x\\li-720 y\\sa0z}", u"xyz"},
    Fall{"par", "{\\rtf1 a\\par b}", u"a\nb"},
    Fall{"line", "{\\rtf1 a\\line b}", u"a\nb"},
    Fall{"tab", "{\\rtf1 10\\tab 20}", u"10\t20"},
    Fall{"table row",
         "{\\rtf1\\trowd\\cellx1200\\cellx2280\\cellx3492\\pard\\intbl 10\\cell 20\\cell 300\\cell\\row x}",
         u"10\t20\t300\nx"},
    Fall{"empty table row", "{\\rtf1\\trowd\\cellx1\\cellx2\\cellx3\\pard\\intbl\\cell\\cell\\cell\\row}", u"\t\t\n"},
    Fall{"\\'hh in Windows-1252", "{\\rtf1\\ansi\\ansicpg1252 20 \\'b0C, \\'b5S, \\'a9, \\'80}", u"20 °C, µS, ©, €"},
    Fall{"\\'hh in upper-case hex", "{\\rtf1 \\'B0\\'B5}", u"°µ"},
    Fall{"\\'hh in a code page without a table", "{\\rtf1\\ansi\\ansicpg1251 \\'c0b}", u"\uFFFDb"},
    Fall{"\\u with its fallback", "{\\rtf1 \\u176?C \\u181?S \\u169?}", u"°C µS ©"},
    Fall{"\\u negative", "{\\rtf1 \\u-10179?\\u-8704?}", u"\U0001F600"},
    Fall{"\\u fallback as \\'hh", "{\\rtf1 \\u181\\'b5S}", u"µS"},
    Fall{"\\uc2", "{\\rtf1\\uc2\\u176 ab c}", u"° c"},
    Fall{"\\uc0", "{\\rtf1\\uc0\\u176 C}", u"°C"},
    Fall{"\\uc ends with its group", "{\\rtf1{\\uc3 \\u176 a}bcd}", u"°bcd"},
    Fall{"fallback ends with a group", "{\\rtf1{\\u176}x}", u"°x"},
    Fall{"escaped characters", "{\\rtf1 \\\\\\{\\}}", u"\\{}"},
    Fall{"special symbols", "{\\rtf1 a\\~b\\-c\\_d}", u"a\u00A0bc\u2011d"},
    Fall{"named characters", "{\\rtf1 \\lquote a\\rquote \\endash\\emdash\\bullet}",
         u"\u2018a\u2019\u2013\u2014\u2022"},
    Fall{"line ends of the file", "{\\rtf1 a\r\nb\nc}", u"abc"},
    Fall{"backslash before a line end", "{\\rtf1 a\\\nb}", u"a\nb"},
    Fall{"font table", "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Aab;}}x}", u"x"},
    Fall{"colour table", "{\\rtf1{\\colortbl;\\red0\\green0\\blue0;}x}", u"x"},
    Fall{"style sheet", "{\\rtf1{\\stylesheet{\\s0 Normal;}{\\s1 Heading 1;}}x}", u"x"},
    Fall{"info", "{\\rtf1{\\info{\\title Aaa}{\\author Aab}}x}", u"x"},
    Fall{"picture", "{\\rtf1{\\pict\\pngblip\\picw10 89504e470d0a}x}", u"x"},
    Fall{"\\* destination", "{\\rtf1{\\*\\generator Aab 1.0;}{\\*\\bkmkstart Aaa}x}", u"x"},
    Fall{"field shows its result", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt Aaa}}}", u"Aaa"},
    Fall{"\\bin data", "{\\rtf1{\\pict\\bin4 }{{{}x}", u"x"},
    Fall{"the document ends with its group", "{\\rtf1 a}b", u"a"},
    Fall{"the longest word that hides a group", "{\\rtf1{\\colorschememapping Aab}x}", u"x"},
    Fall{"a word longer than any known", "{\\rtf1 a\\parparparparparparparparparparparparparpar b}", u"ab"},
};

const std::string Tief = "{\\rtf1 " + std::string(MaxGruppentiefe - 1, '{') + "x";
const std::string ZuTief = "{\\rtf1 " + std::string(MaxGruppentiefe, '{') + "x";

// Broken input: read to its end, never a crash, and a text where one can be told.
const std::vector<Fall> KaputteFaelle = {
    Fall{"closing braces missing", "{\\rtf1 a{\\b b", u"ab"},
    Fall{"too many closing braces", "{\\rtf1 a}}}}b{", u"a"},
    Fall{"control word cut short", "{\\rtf1 a\\pa", u"a"},
    Fall{"backslash at the end", "{\\rtf1 a\\", u"a"},
    Fall{"\\' cut short", "{\\rtf1 a\\'4", u"a4"},
    Fall{"\\' without hex", "{\\rtf1 a\\'zz}", u"azz"},
    Fall{"\\u without a number", "{\\rtf1 a\\u b}", u"ab"},
    Fall{"unpaired surrogate", "{\\rtf1 \\u-10179?x\\u-8704?}", u"\uFFFDx\uFFFD"},
    Fall{"huge parameter", "{\\rtf1\\fs999999999999999999999999 x\\li-99999999999999999999 y}", u"xy"},
    Fall{"huge \\u", "{\\rtf1 \\u99999999999999999999?x}", u"\uFFFDx"},
    Fall{"huge \\uc", "{\\rtf1{\\uc99999999999999999999\\u176 abc}x}", u"°x"},
    Fall{"huge \\bin", "{\\rtf1 a\\bin99999999999999999999 bcd}", u"a"},
    Fall{"negative \\bin", "{\\rtf1 a\\bin-5 b}", u"ab"},
    Fall{"nested as deep as allowed", Tief, u"x"},
};

TEST(RtfText, EinDokumentJeKonstrukt) {
    for (const Fall& f : Konstrukte) pruefe(f);
}

TEST(RtfText, KaputteDokumente) {
    for (const Fall& f : KaputteFaelle) pruefe(f);
    EXPECT_FALSE(rtfText(ZuTief).has_value()) << "nested deeper than allowed";
    EXPECT_FALSE(rtfText("").has_value());
    EXPECT_FALSE(rtfText("Aaa\n1\t20\nAab\n").has_value()) << "plain text is no RTF document";
    EXPECT_FALSE(rtfText("{\\rt").has_value());
}

// A large hostile document costs no more than its length.
TEST(RtfText, GrosseKaputteDokumenteSchnell) {
    const auto beginn = std::chrono::steady_clock::now();
    std::string klammern = "{\\rtf1 " + std::string(20'000'000, '{');
    EXPECT_FALSE(rtfText(klammern).has_value());
    std::string woerter = "{\\rtf1 ";
    for (int i = 0; i < 1'000'000; ++i) woerter += "\\u-1\\uc9\\";
    EXPECT_TRUE(rtfText(woerter).has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(20));
}

// However the bytes come in pieces, the text is the same: a control word, its
// parameter, a \' escape or \bin data may be cut between two pieces.
TEST(RtfText, StueckweiseGelesenWieAmStueck) {
    for (const std::vector<Fall>* tabelle : {&Konstrukte, &KaputteFaelle})
        for (const Fall& f : *tabelle)
            for (const std::size_t stueck : {1, 2, 3}) {
                test::Stueckquelle quelle(f.rtf, stueck);
                const std::optional<std::u16string> text = rtfText(quelle, SIZE_MAX);
                ASSERT_TRUE(text.has_value()) << f.was << ", pieces of " << stueck;
                EXPECT_EQ(*text, f.text) << f.was << ", pieces of " << stueck;
            }
}

// A text exactly as long as the limit is read; one character more and the
// document is refused.
TEST(RtfText, TextHoechstensSoLangWieErlaubt) {
    struct Grenzfall {
        const char* was;
        std::string_view rtf;
        std::size_t zeichen;
    };
    for (const Grenzfall& f : {
             Grenzfall{"plain text", "{\\rtf1 Aaa 20}", 6},
             Grenzfall{"a row's end takes its last cell's place", "{\\rtf1\\intbl 10\\cell 20\\cell\\row}", 6},
             Grenzfall{"a row's end after text", "{\\rtf1 a\\row}", 2},
             Grenzfall{"fallback and hidden groups count nothing", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\u176?C}", 2},
             Grenzfall{"bytes after the document", "{\\rtf1 ab}cdef", 2},
         }) {
        const std::optional<std::u16string> ganz = rtfText(f.rtf);
        ASSERT_EQ(ganz.value_or(u"").size(), f.zeichen) << f.was;
        for (const std::size_t stueck : {std::size_t{1}, Stueckgroesse}) {
            test::Stueckquelle genau(f.rtf, stueck), knapp(f.rtf, stueck);
            EXPECT_EQ(rtfText(genau, f.zeichen), ganz) << f.was << ", pieces of " << stueck;
            EXPECT_FALSE(rtfText(knapp, f.zeichen - 1).has_value()) << f.was << ", pieces of " << stueck;
        }
    }
}

// Once the outcome is known, no further bytes are pulled from the source.
TEST(RtfText, LiestNurBisZurEntscheidung) {
    const std::string rest(8 * Stueckgroesse, 'x');
    struct Entscheidung {
        const char* was;
        std::string rtf;
        std::size_t maxZeichen;
        std::size_t bytes;  // read when the outcome is known
        std::optional<std::u16string> text;
    };
    for (const Entscheidung& f : {
             Entscheidung{"no RTF at its start", "Aaa\n1\t20\n" + rest, SIZE_MAX, 5, std::nullopt},
             Entscheidung{"text past the limit", "{\\rtf1 " + rest, 100, 7 + 101, std::nullopt},
             Entscheidung{"the outermost group closed", "{\\rtf1 a}" + rest, SIZE_MAX, 9, u"a"},
         }) {
        test::Stueckquelle quelle(f.rtf, 1000);
        EXPECT_EQ(rtfText(quelle, f.maxZeichen), f.text) << f.was;
        EXPECT_LE(quelle.gezogen, f.bytes + Stueckgroesse) << f.was;
    }
}

}  // namespace
}  // namespace fluvan::conductivity
