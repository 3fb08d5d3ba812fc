#include "engine/rechenlauf.h"

namespace fluvan {

// The rows of the parameter sets are filled in with the parameter sets.
void Rechenlauf::Parametersatz(Satzname) {}

}  // namespace fluvan
