#pragma once
// Expected values for the parameter-set tests, worked out here from the
// formulas of the curve and the pressure loss, not by the code under test.
#include <array>
#include <ostream>
#include <string_view>
#include <vector>

#include "parameters/satzname.h"

namespace fluvan::test {

using namespace parameters;

// The float nearest to the decimal text.
float dezimal(std::string_view text);

// The stored float rounded half to even to `dezimalen` decimals, as the
// nearest float to the rounded decimal.
float gerundet(float wert, int dezimalen);

// One parameter set as its table gives it.
struct Satzerwartung {
    std::string_view name;
    float FehlerOben, FehlerUnten, Nullpunkt, Grenzgeschwindigkeit;
    bool summenmodell;
    float GeschwindigkeitMin, GeschwindigkeitMax;
};

inline void PrintTo(const Satzerwartung& e, std::ostream* os) { *os << e.name; }

const std::vector<Satzerwartung>& Satzerwartungen();
const Satzerwartung& erwartung(Satzname satz);

struct Kurven {
    std::array<float, 20> Durchfluss{}, Geschwindigkeit{}, Fehler{}, Druckabfall{};
};

struct Kurveneingabe {
    float Endwert;
    float Endgeschwindigkeit;
    double Nennweite;
    float Dichte;
    float Viskositaet;
    float Baulaenge;
};

// The rounded curve arrays of a passed run of the set; the friction factor
// starts at 0 as in a fresh program.
Kurven erwarteteKurven(const Satzerwartung& satz, const Kurveneingabe& ein);

}  // namespace fluvan::test
