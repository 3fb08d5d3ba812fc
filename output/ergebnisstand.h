#pragma once
// The state as the last complete calculation left it. The sheet and the
// diagram show only this copy, so a run that stops early, or a selection
// changed since, never mixes into a shown result.
#include "base/variable.h"

namespace fluvan::output {

// Called where a calculation's curve and pressure loss are complete.
void merkeErgebnis(const base::Variable& v);

// The last complete calculation; nullptr before the first one.
const base::Variable* letztesErgebnis();

// Back to the program's start, for tests.
void vergesseErgebnis();

// What a load reads: the last complete calculation, but the header cells
// Kunde, TAGNummer and VKNummer as they are now.
base::Variable ladestand(const base::Variable& jetzt);

}  // namespace fluvan::output
