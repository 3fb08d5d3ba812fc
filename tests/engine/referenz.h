#pragma once
// Expected values for the parameter-set tests: the sets as their tables give
// them, and decimal helpers, independent of the code under test.
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

}  // namespace fluvan::test
