#include "engine/rechenlauf.h"

namespace fluvan {

// The size checks of the models are filled in with the catalogue.
void Rechenlauf::Groessenpruefung(Pruefname) {}

}  // namespace fluvan
