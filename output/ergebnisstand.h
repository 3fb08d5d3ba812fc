#pragma once
// What the sheet and the diagram read at their load.
#include "base/variable.h"

namespace fluvan::output {

// The shown calculation, but the header cells Kunde, TAGNummer and VKNummer
// as they are now.
base::Variable ladestand(const base::Variable& ergebnis, const base::Variable& jetzt);

}  // namespace fluvan::output
