// The sheet's texts of whole calculations run through the chain, as the
// result display is handed them.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "catalogue/listen.h"
#include "fakes/fakes.h"
#include "output/blattinhalt.h"

namespace fluvan::engine {
namespace {

using namespace catalogue;
using namespace output;

// Expected texts are written with "."; the separator of a case replaces it.
std::string mit(std::string text, const std::string& trenner) {
    std::string aus;
    for (char c : text) aus += c == '.' ? trenner : std::string(1, c);
    return aus;
}

struct Sprachfall {
    const char* sprache;
    int zeiteinheit;  // index in Zeiteinheiten: the hour
    const char* einheitText;
};
// clang-format off
constexpr Sprachfall Stunde[] = {
    {"D", 2, "m3/Stunde"}, {"GB", 2, "m3/hour"}, {"F", 2, "m3/Heure"}, {"E", 2, "m3/Hora"}};

// A calculation as the main form would run it: Veltrum 220, DN 50, per hour.
struct Rechnung : fakes::Kette {
    Rechnung(const Sprachfall& fall, const std::string& trenner, const char* einheit, int einheitIndex)
        : Kette(trenner) {
        v.Sprache = fall.sprache;
        NennweiteWaehlen(v, 9, trenner);
        VolumeneinheitWaehlen(v, einheit, einheitIndex);
        ZeiteinheitWaehlen(v, Zeiteinheiten[static_cast<std::size_t>(fall.zeiteinheit)].name[fall.sprache],
                           fall.zeiteinheit);
    }
    // The sheet's texts of the calculation the display was handed.
    Blattinhalt rechne(const char* endwert) {
        formular.volumen = endwert;
        lauf.cmdFehlerkurve_Click();
        EXPECT_TRUE(meldungen.gezeigt.empty());
        EXPECT_EQ(anzeige.gezeigt, 1);
        return anzeige.ergebnis ? blattinhalt(*anzeige.ergebnis, region.trenner) : Blattinhalt{};
    }
};
// clang-format on

// Veltrum 220 at 1.77 m/s: error 0.4 % plus 1 mm/s over the point velocity.
const std::vector<std::string> Fehler = {" F = ±0.457 %",  " F = ±0.463 %",  " F = ±0.471 % ", " F = ±0.481 % ",
                                         " F = ±0.494 % ", " F = ±0.513 % ", " F = ±0.526 % ", " F = ±0.541 % ",
                                         " F = ±0.562 % ", " F = ±0.588 % ", " F = ±0.626 % ", " F = ±0.683 % ",
                                         " F = ±0.777 % ", " F = ±0.97 % ",  " F = ±1.53 % "};
const std::vector<std::string> Geschwindigkeit = {" 1.77 m/sec", " 1.59 m/sec", " 1.41 m/sec", " 1.24 m/sec",
                                                  " 1.06 m/sec", " 0.88 m/sec", " 0.8 m/sec",  " 0.71 m/sec",
                                                  " 0.62 m/sec", " 0.53 m/sec", " 0.44 m/sec", " 0.35 m/sec",
                                                  " 0.27 m/sec", " 0.18 m/sec", " 0.09 m/sec"};

std::vector<std::string> alle(const std::array<std::string, 15>& spalte) { return {spalte.begin(), spalte.end()}; }
std::vector<std::string> alle(const std::vector<std::string>& spalte, const std::string& trenner) {
    std::vector<std::string> aus;
    for (const std::string& s : spalte) aus.push_back(mit(s, trenner));
    return aus;
}

TEST(Blattrechnung, MetrischeRechnungInVierSprachenMitBeidenTrennern) {
    for (const Sprachfall& fall : Stunde)
        for (const std::string trenner : {",", "."}) {
            SCOPED_TRACE(std::string(fall.sprache) + " " + trenner);
            Rechnung r(fall, trenner, "m3", 2);
            r.v.Kunde = "Muster GmbH";
            r.v.TAGNummer = "FT-101";
            r.v.VKNummer = "4711";
            const Blattinhalt b = r.rechne("12.5");
            EXPECT_EQ(alle(b.fehler), alle(Fehler, trenner));
            EXPECT_EQ(alle(b.durchfluss), alle({" 12.5", " 11.25", " 10", " 8.75", " 7.5", " 6.25", " 5.62", " 5",
                                                " 4.38", " 3.75", " 3.12", " 2.5", " 1.88", " 1.25", " 0.62"},
                                               trenner));
            EXPECT_EQ(alle(b.geschwindigkeit), alle(Geschwindigkeit, trenner));
            EXPECT_EQ(b.typ, " Veltrum 220");
            EXPECT_EQ(b.nennweite, " DN 50 - 2\"");
            EXPECT_EQ(b.messbereich, mit(" 0 -12.5 ", trenner) + fall.einheitText);
            EXPECT_EQ(b.einheit, fall.einheitText);
            EXPECT_EQ(b.druckverlust, mit(" 0.57", trenner));
            EXPECT_EQ(b.kunde, " Muster GmbH");
            EXPECT_EQ(b.tag, " FT-101");
            EXPECT_EQ(b.vkNummer, " 4711");
        }
}

// A mass flow: the table shows kg, the velocity follows the volume flow.
TEST(Blattrechnung, MassenstromInVierSprachenMitBeidenTrennern) {
    for (const Sprachfall& fall : Stunde)
        for (const std::string trenner : {",", "."}) {
            SCOPED_TRACE(std::string(fall.sprache) + " " + trenner);
            Rechnung r(fall, trenner, "kg", 9);
            const Blattinhalt b = r.rechne("12500");
            const std::string einheit = "kg/" + std::string(Zeiteinheiten[2].name[fall.sprache]);
            EXPECT_EQ(alle(b.fehler), alle(Fehler, trenner));
            EXPECT_EQ(alle(b.durchfluss), alle({" 12500", " 11250", " 10000", " 8750", " 7500", " 6250", " 5625",
                                                " 5000", " 4375", " 3750", " 3125", " 2500", " 1875", " 1250", " 625"},
                                               trenner));
            EXPECT_EQ(alle(b.geschwindigkeit), alle(Geschwindigkeit, trenner));
            EXPECT_EQ(b.messbereich, " 0 -12500 " + einheit);
            EXPECT_EQ(b.einheit, einheit);
            EXPECT_EQ(b.druckverlust, mit(" 0.57", trenner));
            EXPECT_EQ(b.kunde, " ") << "an empty header cell is one blank";
            EXPECT_EQ(b.tag, " ");
            EXPECT_EQ(b.vkNummer, " ");
        }
}

// The range shows the full-scale value as typed; the table its rounded flows.
TEST(Blattrechnung, DreiNachkommastellenImMessbereich) {
    for (const std::string trenner : {",", "."}) {
        SCOPED_TRACE(trenner);
        Rechnung r(Stunde[1], trenner, "m3", 2);
        const Blattinhalt b = r.rechne("12.345");
        EXPECT_EQ(b.messbereich, mit(" 0 -12.345 m3/hour", trenner));
        EXPECT_EQ(b.durchfluss[0], mit(" 12.35", trenner));
    }
}

}  // namespace
}  // namespace fluvan::engine
