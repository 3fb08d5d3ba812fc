#pragma once
// The velocity check of every parameter set.
#include "parameters/genauigkeitsdaten.h"

namespace fluvan {

class Rechenlauf;

// Tests the stored Endgeschwindigkeit against the row's range, the upper limit
// first; out of range it shows the warning box and returns false.
bool Geschwindigkeitspruefung(Rechenlauf& lauf, const Parametersatzzeile& satz);

}  // namespace fluvan
