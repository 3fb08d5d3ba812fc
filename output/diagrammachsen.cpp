#include "output/diagrammachsen.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace fluvan::output {
namespace {

// The smallest of 1, 2, 5 and 10 times a power of ten that is at least `roh`.
double runderSchritt(double roh) {
    const double zehnerpotenz = std::pow(10.0, std::floor(std::log10(roh)));
    if (!(zehnerpotenz > 0) || !std::isfinite(zehnerpotenz)) return roh;
    // The tolerance absorbs the rounding of pow and of the division.
    const double mantisse = roh / zehnerpotenz * (1 - 1e-9);
    const double faktor = mantisse <= 1 ? 1 : mantisse <= 2 ? 2 : mantisse <= 5 ? 5 : 10;
    const double schritt = faktor * zehnerpotenz;
    return std::isfinite(schritt) ? schritt : roh;
}

}  // namespace

Wertachse wertachse(std::span<const double> werte, int hoechstensTeile) {
    double tief = 0, hoch = 0;  // 0 always belongs to the scale
    for (double wert : werte) {
        if (!std::isfinite(wert)) continue;
        tief = std::min(tief, wert);
        hoch = std::max(hoch, wert);
    }
    // Only zeros, or values too close to 0 for a division: the plain 0 .. 1.
    if (std::max(-tief, hoch) < DBL_MIN) return {0.2, 0, 5};

    const int teile = std::clamp(hoechstensTeile, 2, 100);
    // Divided before subtracting, so that the span cannot overflow.
    const double schritt = runderSchritt(hoch / teile - tief / teile);
    // A hair of tolerance keeps 0.3 / 0.1 from adding a whole division.
    constexpr double toleranz = 1e-9;
    const int unten = static_cast<int>(std::floor(tief / schritt + toleranz));
    const int oben = std::max(unten + 1, static_cast<int>(std::ceil(hoch / schritt - toleranz)));
    return {schritt, unten, oben};
}

int beschriftungsschritt(std::span<const double> breiten, double abstand, double luecke) {
    const int anzahl = static_cast<int>(breiten.size());
    if (anzahl <= 1) return 1;
    for (int schritt = 1; schritt < anzahl; ++schritt) {
        if ((anzahl - 1) % schritt != 0) continue;
        bool passt = true;
        for (int i = 0; passt && i + schritt < anzahl; i += schritt)
            passt = (breiten[i] + breiten[i + schritt]) / 2 + luecke <= schritt * abstand;
        if (passt) return schritt;
    }
    return anzahl;
}

}  // namespace fluvan::output
