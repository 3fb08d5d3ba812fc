#include "output/ergebnisstand.h"

namespace fluvan::output {

base::Variable ladestand(const base::Variable& ergebnis, const base::Variable& jetzt) {
    base::Variable v = ergebnis;
    v.Kunde = jetzt.Kunde;
    v.TAGNummer = jetzt.TAGNummer;
    v.VKNummer = jetzt.VKNummer;
    return v;
}

}  // namespace fluvan::output
