#pragma once
// Showing the result sheet and the diagram. Both show only the last complete
// calculation: before the first one there is nothing to show and neither opens.
#include "base/ports.h"
#include "output/ergebnisstand.h"
#include "platform/fensterregister.h"

namespace fluvan::app {

// Creates and loads the window when it is not open, else brings it to the
// front unchanged; nullptr before any complete calculation.
template <class Fenster>
Fenster* zeigeErgebnisfenster() {
    if (!output::letztesErgebnis()) return nullptr;
    return platform::zeigeFenster<Fenster>();
}

// The chain's result display: a complete calculation shows Bild1 of the
// language; an open sheet and an open diagram read the new result again and
// come to the front, so no window keeps showing an older calculation.
class Ergebnisfenster : public base::Ergebnisanzeige {
public:
    void zeigeBild1() override;
};

// The program's one result display.
Ergebnisfenster& ergebnisanzeige();

}  // namespace fluvan::app
