#pragma once
// The services behind the windows: the Qt ones in the program, fakes in tests.
#include "base/ports.h"
#include "platform/programmende.h"

namespace fluvan::platform {

struct Dienste {
    base::Meldungen* meldungen;
    base::Regionaleinstellungen* region;
    Programmende* ende;
    base::Ergebnisanzeige* ergebnis;
};

// The program's services; a test replaces entries and puts them back.
Dienste& dienste();

}  // namespace fluvan::platform
