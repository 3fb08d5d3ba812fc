#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "output/ergebnisstand.h"

namespace fluvan::output {
namespace {

struct Ergebnisstand : ::testing::Test {
    void SetUp() override { vergesseErgebnis(); }
    void TearDown() override { vergesseErgebnis(); }

    // DN 50 at 12.5 m3 per hour, a complete calculation.
    void rechne(fakes::Kette& k, const char* endwert) {
        k.v.Nennweite = "50";
        k.v.NennweiteZoll = "2";
        k.formular.volumen = endwert;
        k.lauf.cmdFehlerkurve_Click();
    }
};

TEST_F(Ergebnisstand, ErstNachEinerVollstaendigenRechnung) {
    fakes::Kette k;
    EXPECT_EQ(letztesErgebnis(), nullptr);
    rechne(k, "0");
    EXPECT_EQ(letztesErgebnis(), nullptr) << "a prompt completes nothing";
    rechne(k, "12.5");
    ASSERT_NE(letztesErgebnis(), nullptr);
    EXPECT_EQ(letztesErgebnis()->Endwert, 12.5f);
    EXPECT_EQ(letztesErgebnis()->Druckabfall.punkt, k.v.Druckabfall.punkt);
    EXPECT_EQ(letztesErgebnis()->EinheitText, "m3/Stunde");
}

// A run that stops early writes Endwert, point 1 of Durchfluss and the unit
// text; the shown result keeps the last complete calculation whole.
TEST_F(Ergebnisstand, AbgebrocheneLaeufeErreichenIhnNicht) {
    fakes::Kette k;
    rechne(k, "12.5");
    const base::Variable vorher = *letztesErgebnis();

    k.v.ZeitEinheit = "Sekunde";
    k.v.ZeitFaktor = 1;
    rechne(k, "20");  // 10 m/s: the velocity check warns
    ASSERT_EQ(k.meldungen.gezeigt.size(), 1u);
    EXPECT_EQ(k.v.Durchfluss(1), 20.0f);
    EXPECT_EQ(k.v.EinheitText, "m3/Sekunde");

    k.v.Geraetetyp = "Veltrum 210";
    k.v.Nennweite = "3000";  // a size the model rejects
    k.formular.volumen = "5";
    k.lauf.cmdFehlerkurve_Click();
    EXPECT_EQ(k.meldungen.gezeigt.size(), 2u);

    EXPECT_EQ(k.anzeige.gezeigt, 1);
    const base::Variable& jetzt = *letztesErgebnis();
    EXPECT_EQ(jetzt.Endwert, vorher.Endwert);
    EXPECT_EQ(jetzt.Durchfluss.punkt, vorher.Durchfluss.punkt);
    EXPECT_EQ(jetzt.EinheitText, "m3/Stunde");
    EXPECT_EQ(jetzt.Geraetetyp, "Veltrum 220");
    EXPECT_EQ(jetzt.Nennweite, "50");
}

// Only the header cells are read as they are at the load.
TEST_F(Ergebnisstand, KopfzellenLebend) {
    fakes::Kette k;
    k.v.Kunde = "alt";
    rechne(k, "12.5");
    k.v.Kunde = "neu";
    k.v.TAGNummer = "T";
    k.v.VKNummer = "V";
    k.v.Geraetetyp = "TKD 21";
    k.v.Endwert = 99;
    const base::Variable stand = ladestand(k.v);
    EXPECT_EQ(stand.Kunde, "neu");
    EXPECT_EQ(stand.TAGNummer, "T");
    EXPECT_EQ(stand.VKNummer, "V");
    EXPECT_EQ(stand.Geraetetyp, "Veltrum 220");
    EXPECT_EQ(stand.Endwert, 12.5f);
}

}  // namespace
}  // namespace fluvan::output
