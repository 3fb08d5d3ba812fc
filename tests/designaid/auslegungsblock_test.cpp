#include "designaid/auslegungsblock.h"

#include <gtest/gtest.h>

#include <string>

namespace fluvan::designaid {
namespace {

enum Block { m3h, ls, USgpm, UKgpm };

struct Fall {
    Block block;
    std::string eingabe;
    std::string von;
    std::string bis;
    std::string trenner = ".";
};

std::string ergebnis(const Fall& f, bool bis) {
    const Auslegungsblock& block = auslegungsbloecke[f.block];
    const Blockergebnis e = berechne(block, leseEingabezelle(f.eingabe, f.trenner));
    return anzeigeText(block, bis ? e.bis : e.von, f.trenner);
}

void pruefeFaelle(std::initializer_list<Fall> faelle) {
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(auslegungsbloecke[f.block].name) + " \"" + f.eingabe + "\"");
        EXPECT_EQ(ergebnis(f, false), f.von);
        EXPECT_EQ(ergebnis(f, true), f.bis);
    }
}

TEST(Auslegungsblock, AnfangstexteZeigenDenErsatztext) {
    pruefeFaelle({
        {m3h, "bitte ausfüllen", "MB wählen", "MB wählen"},
        {ls, "bitte ausfüllen", "MB wählen", "MB wählen"},
        {USgpm, "please fill in", "choose range", "choose range"},
        {UKgpm, "please fill in", "choose range", "choose range"},
    });
}

TEST(Auslegungsblock, KleinsteUndGroessteNennweiteZwischenEinUndDreiMeterJeSekunde) {
    pruefeFaelle({
        {m3h, "10", "40", "50"},
        {ls, "1", "25", "32"},
        {ls, "3.6", "40", "65"},
        {ls, "3,6", "40", "65", ","},
        {USgpm, "100", "2 1/2”", "3”"},
        {UKgpm, "100", "2 1/2”", "3”"},
        {m3h, "0.03", "2,5", "2,5", ","},
        {USgpm, "0.1", "1/10”", "1/10”"},
    });
}

// Each block reads its own columns: the same number gives four answers.
TEST(Auslegungsblock, JederBlockRechnetInSeinerEinheit) {
    pruefeFaelle({
        {m3h, "1000", "350", "500"},
        {ls, "1000", "700", "1000"},
        {USgpm, "1000", "8”", "10”"},
        {UKgpm, "1000", "8”", "12”"},
    });
}

// Both tests are strict: a flow equal to a size's 1 m/s or 3 m/s flow leaves it out.
TEST(Auslegungsblock, GrenzenGehoerenNichtDazu) {
    pruefeFaelle({
        {m3h, "0.28274", "6", "6"},    // the 1 m/s flow of DN 10
        {m3h, "0.84822", "15", "15"},  // the 3 m/s flow of DN 10
        {m3h, "0.848", "10", "15"},
        {m3h, "76341", "MB wählen", "MB wählen"},  // the 3 m/s flow of DN 3000
        {m3h, "76340.99", "3000", "3000"},
    });
}

TEST(Auslegungsblock, WasKeineNennweiteTrifftZeigtDenErsatztext) {
    pruefeFaelle({
        {m3h, "0.01", "MB wählen", "MB wählen"},
        {m3h, "100000", "MB wählen", "MB wählen"},
        {m3h, "0", "MB wählen", "MB wählen"},
        {m3h, "-10", "MB wählen", "MB wählen"},
        {m3h, "", "MB wählen", "MB wählen"},
        {ls, "", "MB wählen", "MB wählen"},
        {USgpm, "", "choose range", "choose range"},
        {UKgpm, "-100", "choose range", "choose range"},
        {UKgpm, "100 gpm", "choose range", "choose range"},
    });
}

}  // namespace
}  // namespace fluvan::designaid
