#include "designaid/tabelle1.h"

#include <gtest/gtest.h>

#include <string>

namespace fluvan::designaid {
namespace {

std::string blanks(std::size_t n) { return std::string(n, ' '); }

// The fixed texts of the sheet, blanks counted out, compared with what each
// cell holds (its text runs joined).
TEST(Tabelle1, FesteTexteMitIhrenLeerzeichen) {
    const struct {
        const char* zelle;
        std::string text;
    } faelle[] = {
        {"A1", blanks(7) + "Auslegungshilfe für magnetisch - induktive Durchflussmessgeräte"},
        {"A3", blanks(7) + "Dimensioning for EMF - electro - magnetic flowmeter"},
        {"A5", blanks(3) + "national"},
        {"B6", "Durchfluss [m³/h] (Messbereichsendwert)"},
        {"C6", "Nennweite DN"},
        {"C7", "von" + blanks(2)},
        {"D7", "bis" + blanks(46)},
        {"C8", "empfohlene DN"},
        {"B9", "bitte ausfüllen"},
        {"B11", "Durchfluss [l/s] (Messbereichsendwert)"},
        {"C11", "Nennweite DN"},
        {"C12", "von" + blanks(2)},
        {"D12", "bis" + blanks(46)},
        {"C13", "empfohlene DN"},
        {"B14", "bitte ausfüllen"},
        {"B16", "Die angegebenen Nennweiten werden aufgrund einer Fließgeschwindigkeit von 1-3 m/s empfohlen. "},
        {"B17", "Jede Nennweite kann jedoch einen Messbereich von 0,3-12 m/s Fließgeschwindigkeit abdecken."},
        {"A20", "international"},
        {"B21", "US" + blanks(4) + "flow rate [gpm] (upper range value)"},
        {"C21", "nominal diameter [ANSI]"},
        {"C22", "from" + blanks(2)},
        {"D22", "to"},
        {"C23", "recommended DN"},
        {"B24", "please fill in"},
        {"B26", "UK" + blanks(4) + "flow rate [gpm] (upper range value)"},
        {"C26", "nominal diameter [ANSI]"},
        {"C27", "from" + blanks(2)},
        {"D27", "to"},
        {"C28", "recommended DN"},
        {"B29", "please fill in"},
        {"B31", "The recommended nominal diameter are based on a flow rate of 1-3 m/s. "},
        {"B32", "However each nominal diameter can cover a measuring range of 0,3-12 m/s."},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.zelle);
        const Blattzelle* zelle = blattzelle(fall.zelle);
        ASSERT_NE(zelle, nullptr);
        std::string text;
        for (const Textlauf& lauf : zelle->laeufe) text += lauf.text;
        EXPECT_EQ(text, fall.text);
    }
}

}  // namespace
}  // namespace fluvan::designaid
