#pragma once
// The services behind the windows: the Qt ones in the program, fakes in tests.
#include "base/ports.h"
#include "platform/ausgabedienste.h"
#include "platform/programmende.h"

namespace fluvan::platform {

struct Dienste {
    base::Meldungen* meldungen;
    base::Regionaleinstellungen* region;
    Programmende* ende;
    base::Ergebnisanzeige* ergebnis;
    // Print, save and hand-over of a window picture.
    Zwischenablage* zwischenablage = nullptr;
    Druckdialog* druckdialog = nullptr;
    Speicherdialog* speicherdialog = nullptr;
    Starter* starter = nullptr;
};

// The program's services; a test replaces entries and puts them back.
Dienste& dienste();

}  // namespace fluvan::platform
