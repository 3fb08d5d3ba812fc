#pragma once
// Showing the result sheet and the diagram. Both show only the last complete
// calculation that the result display was handed: before the first one there
// is nothing to show and neither opens.
#include <optional>

#include "base/ports.h"
#include "base/variable.h"
#include "platform/fensterregister.h"

namespace fluvan::app {

// The chain's result display: a complete calculation shows Bild1 of the
// language; an open sheet and an open diagram read the new result again and
// come to the front, so no window keeps showing an older calculation.
class Ergebnisfenster : public base::Ergebnisanzeige {
public:
    void zeigeBild1(const base::Variable& ergebnis) override;
    // The last complete calculation; nullptr before the first one.
    const base::Variable* ergebnis() const { return ergebnis_ ? &*ergebnis_ : nullptr; }

private:
    std::optional<base::Variable> ergebnis_;
};

// The program's one result display.
Ergebnisfenster& ergebnisanzeige();

// The calculation the windows show: the one the result display among the
// program's services keeps; nullptr before its first, or when a stand-in
// takes the display's place.
const base::Variable* gezeigtesErgebnis();

// What a load reads: the shown calculation, the header cells as they are now.
base::Variable ladestand();

// Creates and loads the window when it is not open, else brings it to the
// front unchanged; nullptr before any complete calculation.
template <class Fenster>
Fenster* zeigeErgebnisfenster() {
    if (!gezeigtesErgebnis()) return nullptr;
    return platform::zeigeFenster<Fenster>();
}

}  // namespace fluvan::app
