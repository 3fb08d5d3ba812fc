#include "output/ergebnisstand.h"

#include <optional>

namespace fluvan::output {
namespace {

std::optional<base::Variable>& stand() {
    static std::optional<base::Variable> ergebnis;
    return ergebnis;
}

}  // namespace

void merkeErgebnis(const base::Variable& v) { stand() = v; }

const base::Variable* letztesErgebnis() { return stand() ? &*stand() : nullptr; }

void vergesseErgebnis() { stand().reset(); }

base::Variable ladestand(const base::Variable& jetzt) {
    base::Variable v = stand() ? *stand() : base::Variable{};
    v.Kunde = jetzt.Kunde;
    v.TAGNummer = jetzt.TAGNummer;
    v.VKNummer = jetzt.VKNummer;
    return v;
}

}  // namespace fluvan::output
