#include <gtest/gtest.h>

#include <string>

#include "output/ergebnisstand.h"

namespace fluvan::output {
namespace {

// Only the header cells are read as they are at the load; an emptied one
// shows empty, not the old text.
TEST(Ladestand, KopfzellenLebendAllesAndereAusDemErgebnis) {
    // Strings moved in, not literals copied: GCC 12 at -O3 takes the copy of
    // a short literal into a fresh cell for a read of its uninitialised bytes.
    using namespace std::string_literals;
    base::Variable ergebnis;
    ergebnis.Kunde = "alt"s;
    ergebnis.TAGNummer = "T0"s;
    ergebnis.VKNummer = "V0"s;
    ergebnis.Geraetetyp = "Veltrum 220"s;
    ergebnis.Endwert = 12.5f;
    ergebnis.EinheitText = "m3/Stunde"s;
    ergebnis.Druckabfall(1) = 0.57f;

    base::Variable jetzt;
    jetzt.Kunde = "neu"s;
    jetzt.TAGNummer = "T"s;
    jetzt.VKNummer = ""s;
    jetzt.Geraetetyp = "TKD 21"s;
    jetzt.Endwert = 99;
    jetzt.EinheitText = "kg/hour"s;
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
