#include "tools/markenpruefung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fluvan::tools {
namespace {

using conductivity::Marke;

constexpr Marke marke(const char (&zeichen)[4]) { return {{zeichen[0], zeichen[1], zeichen[2]}}; }

TEST(Markenpruefung, JedeMarkeZuerstAnIhremPlatz) {
    struct Fall {
        const char* was;
        const char* rtf;
        std::vector<Marke> folge;
        const char* meldung;  // nullptr: the markers stand where the program finds them
    };
    for (const Fall& f : {
             Fall{"markers and values",
                  "{\\rtf1 Aaa\\par 100\\tab 25\\par Aab\\par Axx\\par}",
                  {marke("Aaa"), marke("Aab"), marke("Axx")},
                  nullptr},
             Fall{"a word holding a marker after it",
                  "{\\rtf1 Han\\par Hao\\par Lange's Handbook\\par}",
                  {marke("Han"), marke("Hao")},
                  nullptr},
             Fall{"a word in the document information, which holds no text",
                  "{\\rtf1{\\info{\\title Handbook}}Han\\par}",
                  {marke("Han")},
                  nullptr},
             Fall{"a word holding a marker before it",
                  "{\\rtf1 Lange's Handbook\\par Han\\par Hao\\par}",
                  {marke("Han"), marke("Hao")},
                  "Han is found earlier, in \"Lange's Handbook"},
             Fall{"its letters in upper case", "{\\rtf1 HAN\\par Han\\par}", {marke("Han")}, "Han is found earlier"},
             Fall{"the next marker's letters in a passage",
                  "{\\rtf1 Aaa\\par xaAbx\\par Aab\\par}",
                  {marke("Aaa"), marke("Aab")},
                  "Aab is found earlier, in \"Aaa|xaAbx"},
             Fall{"a marker missing",
                  "{\\rtf1 Aaa\\par 1\\par}",
                  {marke("Aaa"), marke("Aab")},
                  "Aab does not stand on a line of its own"},
             Fall{"a marker only inside a word",
                  "{\\rtf1 Aaab\\par}",
                  {marke("Aaa")},
                  "Aaa does not stand on a line of its own"},
             Fall{"two markers in the wrong order",
                  "{\\rtf1 Aaa\\par Aab\\par}",
                  {marke("Aab"), marke("Aaa")},
                  "Aaa does not stand on a line of its own"},
             Fall{"no RTF", "Aaa\n", {marke("Aaa")}, "no RTF"},
         }) {
        SCOPED_TRACE(f.was);
        const std::optional<std::string> fehler = markeNichtAnIhremPlatz(f.rtf, f.folge);
        if (!f.meldung) {
            EXPECT_FALSE(fehler.has_value()) << *fehler;
        } else {
            ASSERT_TRUE(fehler.has_value());
            EXPECT_NE(fehler->find(f.meldung), std::string::npos) << *fehler;
        }
    }
}

}  // namespace
}  // namespace fluvan::tools
