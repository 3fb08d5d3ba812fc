#include <cmath>

#include "base/zahlen.h"
#include "engine/rechenlauf.h"

namespace fluvan::engine {
namespace {

double teile(double zaehler, double nenner) {
    if (nenner == 0) throw base::Rechenfehler("Division durch Null");
    return base::pruefe(zaehler / nenner);
}

}  // namespace

// The meter as a smooth straight pipe of the nominal size and the installation
// length: Reynolds number, friction factor by regime, Darcy-Weisbach in mbar.
void Rechenlauf::Druckverlust() {
    const double dichte = v.Dichte;
    const double viskositaet = v.Viskositaet;
    for (int k = 1; k <= 20; ++k) {
        const double geschwindigkeit = v.Geschwindigkeit(k);
        v.Reynoldszahl(k) =
            base::speichern(teile(base::pruefe(NennweiteZahl() * geschwindigkeit * dichte), viskositaet));
        const double re = v.Reynoldszahl(k);
        if (re > 0 && re <= 2320)
            v.Rohrreibungszahl = base::speichern(teile(64, re));
        else if (re > 2320 && re <= 1e5)
            v.Rohrreibungszahl = base::speichern(0.3164 * base::pruefe(std::pow(re, -0.25)));
        else if (re > 1e5)
            // Nikuradse holds beyond 10^8 as well: no point borrows a factor.
            v.Rohrreibungszahl = base::speichern(0.221 * base::pruefe(std::pow(re, -0.237)) + 0.0032);
        // Re <= 0 only with v = 0, where the loss is 0 whatever the factor.

        const double produkt = base::pruefe(
            base::pruefe(base::pruefe(std::pow(geschwindigkeit, 2)) * (dichte / 2 * v.Rohrreibungszahl)) * v.Baulaenge);
        v.Druckabfall(k) = base::speichern(teile(teile(produkt, NennweiteZahl()), 100));
        v.Druckabfall(k) = base::runden(v.Druckabfall(k), 2);
    }
}

}  // namespace fluvan::engine
