// What the chain hands to the result display: complete calculations only, each
// as the state stands once its curve and pressure loss are complete.
#include <gtest/gtest.h>

#include "fakes/fakes.h"

namespace fluvan::engine {
namespace {

using fakes::Kette;

// Veltrum 220 at DN 50, per hour.
void rechne(Kette& k, const char* endwert) {
    k.v.Nennweite = "50";
    k.v.NennweiteZoll = "2";
    k.formular.volumen = endwert;
    k.lauf.cmdFehlerkurve_Click();
}

TEST(Ergebnisuebergabe, ErstNachEinerVollstaendigenRechnung) {
    Kette k;
    rechne(k, "0");
    EXPECT_EQ(k.anzeige.gezeigt, 0) << "a prompt completes nothing";
    EXPECT_FALSE(k.anzeige.ergebnis.has_value());

    rechne(k, "12.5");
    ASSERT_EQ(k.anzeige.gezeigt, 1);
    ASSERT_TRUE(k.anzeige.ergebnis.has_value());
    const base::Variable& ergebnis = *k.anzeige.ergebnis;
    EXPECT_EQ(ergebnis.Endwert, 12.5f);
    EXPECT_EQ(ergebnis.EinheitText, "m3/Stunde");
    EXPECT_EQ(ergebnis.Durchfluss.punkt, k.v.Durchfluss.punkt);
    EXPECT_EQ(ergebnis.Fehler.punkt, k.v.Fehler.punkt);
    EXPECT_EQ(ergebnis.Druckabfall.punkt, k.v.Druckabfall.punkt) << "handed over after the pressure loss";
    EXPECT_EQ(ergebnis.Druckabfall(1), 0.57f);
}

// A run that stops early writes Endwert, point 1 of Durchfluss and, past the
// prompts, the unit text; the display keeps the last complete calculation.
TEST(Ergebnisuebergabe, AbgebrocheneLaeufeErreichenDieAnzeigeNicht) {
    struct Abbruch {
        const char* name;
        void (*aendere)(Kette&);  // what the user changes before the run
    };
    const Abbruch faelle[] = {
        {"density prompt",
         [](Kette& k) {
             k.formular.volumen = "20";
             k.formular.dichte = "0";
         }},
        {"velocity check, 20 m3 per second",
         [](Kette& k) {
             k.v.ZeitEinheit = "Sekunde";
             k.v.ZeitFaktor = 1;
             k.formular.volumen = "20";
         }},
        {"size check, DN 3000 for Veltrum 210",
         [](Kette& k) {
             k.v.Geraetetyp = "Veltrum 210";
             k.v.Nennweite = "3000";
             k.formular.volumen = "20";
         }},
    };
    for (const Abbruch& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Kette k;
        rechne(k, "12.5");
        ASSERT_TRUE(k.anzeige.ergebnis.has_value());
        const base::Variable vorher = *k.anzeige.ergebnis;

        fall.aendere(k);
        k.lauf.cmdFehlerkurve_Click();
        ASSERT_EQ(k.meldungen.gezeigt.size(), 1u);
        EXPECT_EQ(k.v.Durchfluss(1), 20.0f) << "the run did start";

        EXPECT_EQ(k.anzeige.gezeigt, 1);
        const base::Variable& gezeigt = *k.anzeige.ergebnis;
        EXPECT_EQ(gezeigt.Endwert, 12.5f);
        EXPECT_EQ(gezeigt.Durchfluss.punkt, vorher.Durchfluss.punkt);
        EXPECT_EQ(gezeigt.EinheitText, "m3/Stunde");
        EXPECT_EQ(gezeigt.Geraetetyp, "Veltrum 220");
        EXPECT_EQ(gezeigt.Nennweite, "50");
    }
}

}  // namespace
}  // namespace fluvan::engine
