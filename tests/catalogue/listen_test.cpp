#include "catalogue/listen.h"

#include <gtest/gtest.h>

#include <string>

namespace fluvan::catalogue {
namespace {

TEST(Listen, HabenIhreStandards) {
    EXPECT_EQ(Geraeteliste[StandardGeraet], "Veltrum 220");
    EXPECT_EQ(Nennweitenliste[StandardNennweite].eintrag, "DN 10 - 3/8\"");
    EXPECT_EQ(Volumeneinheiten[StandardVolumeneinheit].text, "m3");
    EXPECT_EQ(Zeiteinheiten[StandardZeiteinheit].name["GB"], "hour");
    // Not sorted: the order of the list is its own.
    EXPECT_EQ(Geraeteliste[12], "TKD 56");
    EXPECT_EQ(Geraeteliste[44], "RSN 70 HT/LT");
}

// Each size entry stores the size and the inch text its own list text shows.
TEST(Nennweitenliste, JederEintragSpeichertWasErZeigt) {
    for (int i = 0; i < static_cast<int>(Nennweitenliste.size()); ++i) {
        const std::string eintrag(Nennweitenliste[static_cast<std::size_t>(i)].eintrag);
        SCOPED_TRACE(eintrag);
        ASSERT_EQ(eintrag.rfind("DN ", 0), 0u);
        ASSERT_EQ(eintrag.back(), '"');
        const std::size_t strich = eintrag.find(" -");
        ASSERT_NE(strich, std::string::npos);
        std::string zoll = eintrag.substr(strich + 2, eintrag.size() - strich - 3);
        if (!zoll.empty() && zoll.front() == ' ') zoll.erase(0, 1);

        base::Variable v;
        NennweiteWaehlen(v, i, ".");
        EXPECT_EQ(v.Nennweite, eintrag.substr(3, strich - 3));
        EXPECT_EQ(v.NennweiteZoll, zoll);
    }
}

TEST(Nennweitenliste, DN25MitDemRegionalenTrenner) {
    base::Variable komma, punkt;
    NennweiteWaehlen(komma, 0, ",");
    NennweiteWaehlen(punkt, 0, ".");
    EXPECT_EQ(komma.Nennweite, "2,5");
    EXPECT_EQ(punkt.Nennweite, "2.5");
    EXPECT_EQ(komma.NennweiteZoll, "1/10");
    // Whole sizes never show a separator.
    NennweiteWaehlen(komma, 56, ",");
    EXPECT_EQ(komma.Nennweite, "3000");
}

TEST(Auswahl, OhneAuswahlBleibenDieZellen) {
    base::Variable v;
    GeraetWaehlen(v, 38);
    NennweiteWaehlen(v, 3, ",");
    VolumeneinheitWaehlen(v, "m3", 2);
    ZeiteinheitWaehlen(v, "Stunde", 2);
    for (int index : {-1, 57, 100}) {
        GeraetWaehlen(v, index);
        NennweiteWaehlen(v, index, ",");
        ZeiteinheitWaehlen(v, "", index);
    }
    EXPECT_EQ(v.Geraetetyp, "Veltrum 220");
    EXPECT_EQ(v.Nennweite, "10");
    EXPECT_EQ(v.NennweiteZoll, "3/8");
    EXPECT_EQ(v.ZeitFaktor, 3600.0f);
    // The unit text follows the list's text even without a selection; the factor stays.
    VolumeneinheitWaehlen(v, "", -1);
    EXPECT_EQ(v.VolumenEinheit, "");
    EXPECT_EQ(v.VolumenFaktor, 1000.0f);
}

TEST(Volumeneinheiten, MassenTragenDieFaktorenVonLiterUndKubikmeter) {
    struct Fall {
        int index;
        const char* text;
        float faktor;
    };
    for (const Fall& fall : {Fall{9, "kg", 1.0f}, Fall{10, "t", 1000.0f}, Fall{0, "l", 1.0f},
                             Fall{3, "USGallon", 3.7854345f}, Fall{5, "Inch3", 0.016387064f}}) {
        SCOPED_TRACE(fall.text);
        base::Variable v;
        VolumeneinheitWaehlen(v, Volumeneinheiten[static_cast<std::size_t>(fall.index)].text, fall.index);
        EXPECT_EQ(v.VolumenEinheit, fall.text);
        EXPECT_EQ(v.VolumenFaktor, fall.faktor);
    }
}

TEST(Zeiteinheiten, NamenJeSpracheUndSekunden) {
    base::Variable v;
    ZeiteinheitWaehlen(v, Zeiteinheiten[1].name["GB"], 1);
    EXPECT_EQ(v.ZeitEinheit, "min");
    EXPECT_EQ(v.ZeitFaktor, 60.0f);
    EXPECT_EQ(Zeiteinheiten[4].sekunden, 2678400.0f);
    EXPECT_EQ(Zeiteinheiten[5].sekunden, 31536000.0f);
    EXPECT_EQ(Zeiteinheiten[5].name["F"], "Année");
    EXPECT_EQ(Zeiteinheiten[5].name["E"], "Año");
}

}  // namespace
}  // namespace fluvan::catalogue
