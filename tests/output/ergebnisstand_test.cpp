#include <gtest/gtest.h>

#include "output/ergebnisstand.h"

namespace fluvan::output {
namespace {

// Only the header cells are read as they are at the load; an emptied one
// shows empty, not the old text.
TEST(Ladestand, KopfzellenLebendAllesAndereAusDemErgebnis) {
    base::Variable ergebnis;
    ergebnis.Kunde = "alt";
    ergebnis.TAGNummer = "T0";
    ergebnis.VKNummer = "V0";
    ergebnis.Geraetetyp = "Veltrum 220";
    ergebnis.Endwert = 12.5f;
    ergebnis.EinheitText = "m3/Stunde";
    ergebnis.Druckabfall(1) = 0.57f;

    base::Variable jetzt;
    jetzt.Kunde = "neu";
    jetzt.TAGNummer = "T";
    jetzt.VKNummer = "";
    jetzt.Geraetetyp = "TKD 21";
    jetzt.Endwert = 99;
    jetzt.EinheitText = "kg/hour";
    jetzt.Druckabfall(1) = 3;

    const base::Variable stand = ladestand(ergebnis, jetzt);
    EXPECT_EQ(stand.Kunde, "neu");
    EXPECT_EQ(stand.TAGNummer, "T");
    EXPECT_EQ(stand.VKNummer, "");
    EXPECT_EQ(stand.Geraetetyp, "Veltrum 220");
    EXPECT_EQ(stand.Endwert, 12.5f);
    EXPECT_EQ(stand.EinheitText, "m3/Stunde");
    EXPECT_EQ(stand.Druckabfall(1), 0.57f);
}

}  // namespace
}  // namespace fluvan::output
