#include <gtest/gtest.h>

#include <cmath>

#include "parameters/geschwindigkeitspruefung.h"
#include "parameters/parametersaetze.h"

namespace fluvan::parameters {
namespace {

// The verdict alone, without the chain: both limits belong to the range, the
// upper one is tested first.
TEST(Geschwindigkeitsurteil, GrenzenGehoerenZumBereich) {
    const Parametersatzzeile& satz = zeile(Satzname::BerechnenVeltrum220);
    EXPECT_EQ(Geschwindigkeitspruefung(12.0f, satz), Geschwindigkeitsurteil::ImBereich);
    EXPECT_EQ(Geschwindigkeitspruefung(0.3f, satz), Geschwindigkeitsurteil::ImBereich);
    EXPECT_EQ(Geschwindigkeitspruefung(std::nextafter(12.0f, 13.0f), satz), Geschwindigkeitsurteil::ZuHoch);
    EXPECT_EQ(Geschwindigkeitspruefung(std::nextafter(0.3f, 0.0f), satz), Geschwindigkeitsurteil::ZuKlein);
    Parametersatzzeile verkehrt = satz;
    verkehrt.GeschwindigkeitMin = 20;
    verkehrt.GeschwindigkeitMax = 10;
    EXPECT_EQ(Geschwindigkeitspruefung(15.0f, verkehrt), Geschwindigkeitsurteil::ZuHoch);
}

TEST(Geschwindigkeitsurteil, WarntextNurAusserhalb) {
    EXPECT_EQ(Geschwindigkeitswarnung(Geschwindigkeitsurteil::ImBereich, "D", 5.0f, ","), "");
    EXPECT_EQ(Geschwindigkeitswarnung(Geschwindigkeitsurteil::ZuHoch, "GB", 12.346f, "."),
              "Max. value too high!\r\nv =12.346m/sec");
    EXPECT_EQ(Geschwindigkeitswarnung(Geschwindigkeitsurteil::ZuKlein, "D", 0.25f, ","),
              "Endwert zu klein!\r\nv =0,25m/sec");
}

}  // namespace
}  // namespace fluvan::parameters
