#pragma once
// The one message of the output commands: a print, save, capture or hand-over
// that failed for a reason other than a cancel.
#include "base/sprache.h"

namespace fluvan::output {

inline constexpr base::Texte VorgangNichtMoeglich{"Vorgang nicht möglich!", "Operation not possible!",
                                                  "Opération impossible!", "¡Operación imposible!"};

}  // namespace fluvan::output
