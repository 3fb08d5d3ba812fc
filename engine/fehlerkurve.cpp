#include <array>

#include "base/zahlen.h"
#include "engine/rechenlauf.h"

namespace fluvan::engine {
namespace {

// Kurvenanteil of points 1..20 as constants: computing 1 - 0.05 (k - 1) at run
// time misses the nearest double for several points.
constexpr std::array<double, 20> Kurvenanteil = {1.00, 0.95, 0.90, 0.85, 0.80, 0.75, 0.70, 0.65, 0.60, 0.55,
                                                 0.50, 0.45, 0.40, 0.35, 0.30, 0.25, 0.20, 0.15, 0.10, 0.05};

// Nullpunkt / v x 0.001 x 100 + the constant term, in this order.
float fehlerMitNullpunkt(float nullpunkt, float geschwindigkeit, float konstante) {
    if (geschwindigkeit == 0) throw base::Rechenfehler("Division durch Null");
    return base::speichern(base::pruefe(static_cast<double>(nullpunkt) / geschwindigkeit) * 0.001 * 100 + konstante);
}

}  // namespace

void Rechenlauf::FehlerBerechnen() { Fehlerkurve(false); }
void Rechenlauf::FehlerBerechnenVeltrum() { Fehlerkurve(true); }

void Rechenlauf::Fehlerkurve(bool summenmodell) {
    v.Durchfluss(1) = v.Endwert;
    for (int k = 2; k <= 20; ++k) v.Durchfluss(k) = base::speichern(v.Endwert * Kurvenanteil[k - 1]);
    v.Geschwindigkeit(1) = v.Endgeschwindigkeit;
    for (int k = 2; k <= 20; ++k) v.Geschwindigkeit(k) = base::speichern(v.Endgeschwindigkeit * Kurvenanteil[k - 1]);

    for (int k = 1; k <= 20; ++k) {
        const float geschwindigkeit = v.Geschwindigkeit(k);
        if (summenmodell)
            v.Fehler(k) = fehlerMitNullpunkt(v.Nullpunkt, geschwindigkeit, v.FehlerOben);
        else if (geschwindigkeit >= v.Grenzgeschwindigkeit)
            v.Fehler(k) = v.FehlerOben;
        else
            v.Fehler(k) = fehlerMitNullpunkt(v.Nullpunkt, geschwindigkeit, v.FehlerUnten);
    }

    for (int k = 1; k <= 20; ++k) v.Durchfluss(k) = base::runden(v.Durchfluss(k), 2);
    for (int k = 1; k <= 20; ++k) v.Fehler(k) = base::runden(v.Fehler(k), k <= 18 ? 3 : 2);
    for (int k = 1; k <= 20; ++k) v.Geschwindigkeit(k) = base::runden(v.Geschwindigkeit(k), 2);

    Druckverlust();
}

}  // namespace fluvan::engine
