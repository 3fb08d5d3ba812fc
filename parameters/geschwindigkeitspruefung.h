#pragma once
// The velocity check of every parameter set: which warning, if any, and its text.
#include <string>
#include <string_view>

#include "parameters/genauigkeitsdaten.h"

namespace fluvan::parameters {

enum class Geschwindigkeitsurteil { ImBereich, ZuHoch, ZuKlein };

// Tests the stored Endgeschwindigkeit against the row's range (both limits
// included), the upper limit first.
constexpr Geschwindigkeitsurteil Geschwindigkeitspruefung(float endgeschwindigkeit, const Parametersatzzeile& satz) {
    if (endgeschwindigkeit > satz.GeschwindigkeitMax) return Geschwindigkeitsurteil::ZuHoch;
    if (satz.GeschwindigkeitMin > endgeschwindigkeit) return Geschwindigkeitsurteil::ZuKlein;
    return Geschwindigkeitsurteil::ImBereich;
}

// The warning box text: the verdict's line in the language, CR LF, "v =", the
// rounded velocity with the regional separator, "m/sec". Empty when in range.
std::string Geschwindigkeitswarnung(Geschwindigkeitsurteil urteil, std::string_view sprache, float gerundet,
                                    std::string_view dezimaltrenner);

}  // namespace fluvan::parameters
