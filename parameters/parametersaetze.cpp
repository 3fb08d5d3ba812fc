// Checks of the parameter table at compile time.
#include "parameters/parametersaetze.h"

namespace fluvan::parameters {
namespace {

// The table is indexed by Satzname.
constexpr bool inReihenfolge() {
    for (std::size_t i = 0; i < Parametersaetze.size(); ++i)
        if (static_cast<std::size_t>(Parametersaetze[i].name) != i) return false;
    return true;
}
static_assert(Parametersaetze.size() == Satznamen.size());
static_assert(inReihenfolge());

// Both branches of the threshold model meet at Grenzgeschwindigkeit, and the
// sum model never reads FehlerUnten: a typo in a row breaks one of these.
constexpr bool stimmig(const Parametersatzzeile& z) {
    const Genauigkeitsdaten& d = z.daten;
    if (!(d.FehlerOben > 0 && d.Nullpunkt > 0 && z.GeschwindigkeitMin < z.GeschwindigkeitMax)) return false;
    if (z.modell == Fehlermodell::Summenmodell) return d.FehlerUnten == 0;
    if (!(d.Grenzgeschwindigkeit > 0)) return false;
    const double abstand =
        static_cast<double>(d.FehlerUnten) + d.Nullpunkt / (10.0 * d.Grenzgeschwindigkeit) - d.FehlerOben;
    return abstand < 1e-6 && abstand > -1e-6;
}
constexpr bool alleStimmig() {
    for (const Parametersatzzeile& z : Parametersaetze)
        if (!stimmig(z)) return false;
    return true;
}
static_assert(alleStimmig());

}  // namespace

}  // namespace fluvan::parameters
