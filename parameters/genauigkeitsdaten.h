#pragma once
// The accuracy record of one meter variant and the row of a parameter set.
#include "parameters/satzname.h"

namespace fluvan::parameters {

// Genauigkeitsdaten: loaded into the cells of the same names in Variable.
struct Genauigkeitsdaten {
    float FehlerOben;            // % of measured value
    float FehlerUnten;           // % of measured value
    float Nullpunkt;             // mm/s
    float Grenzgeschwindigkeit;  // m/s
};

// Schwellenmodell: FehlerBerechnen; Summenmodell: FehlerBerechnenVeltrum.
enum class Fehlermodell { Schwellenmodell, Summenmodell };

// One parameter set: its name, its record, its error model and the velocity
// range (m/s, both limits included) that its check lets pass.
struct Parametersatzzeile {
    Satzname name;
    Genauigkeitsdaten daten;
    Fehlermodell modell;
    float GeschwindigkeitMin;
    float GeschwindigkeitMax;
};

}  // namespace fluvan::parameters
