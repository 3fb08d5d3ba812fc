#include "referenz.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace fluvan::test {

float dezimal(std::string_view text) {
    float wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size()) throw std::invalid_argument(std::string(text));
    return wert;
}

float gerundet(float wert, int dezimalen) {
    // to_chars rounds the exact binary value, ties to even.
    char text[64];
    const auto [ende, fehler] =
        std::to_chars(text, text + sizeof text, static_cast<double>(wert), std::chars_format::fixed, dezimalen);
    if (fehler != std::errc()) throw std::invalid_argument("gerundet");
    return dezimal(std::string_view(text, static_cast<std::size_t>(ende - text)));
}

Kurven erwarteteKurven(const Satzerwartung& satz, const Kurveneingabe& ein) {
    static constexpr std::array<double, 20> anteil = {1.00, 0.95, 0.90, 0.85, 0.80, 0.75, 0.70,
                                                      0.65, 0.60, 0.55, 0.50, 0.45, 0.40, 0.35,
                                                      0.30, 0.25, 0.20, 0.15, 0.10, 0.05};
    Kurven k;
    for (std::size_t i = 0; i < 20; ++i) {
        k.Durchfluss[i] = static_cast<float>(static_cast<double>(ein.Endwert) * anteil[i]);
        k.Geschwindigkeit[i] = static_cast<float>(static_cast<double>(ein.Endgeschwindigkeit) * anteil[i]);
        const double v = k.Geschwindigkeit[i];
        const double nullpunktanteil = satz.Nullpunkt / v * 0.001 * 100;
        if (satz.summenmodell)
            k.Fehler[i] = static_cast<float>(nullpunktanteil + satz.FehlerOben);
        else if (k.Geschwindigkeit[i] >= satz.Grenzgeschwindigkeit)
            k.Fehler[i] = satz.FehlerOben;
        else
            k.Fehler[i] = static_cast<float>(nullpunktanteil + satz.FehlerUnten);
    }
    for (std::size_t i = 0; i < 20; ++i) {
        k.Durchfluss[i] = gerundet(k.Durchfluss[i], 2);
        k.Fehler[i] = gerundet(k.Fehler[i], i < 18 ? 3 : 2);
        k.Geschwindigkeit[i] = gerundet(k.Geschwindigkeit[i], 2);
    }

    // Smooth pipe of the nominal size and the installation length.
    const double dn = ein.Nennweite, rho = ein.Dichte, eta = ein.Viskositaet;
    float lambda = 0;
    for (std::size_t i = 0; i < 20; ++i) {
        const double v = k.Geschwindigkeit[i];
        const float re = static_cast<float>(dn * v * rho / eta);
        if (re > 0 && re <= 2320)
            lambda = static_cast<float>(64 / static_cast<double>(re));
        else if (re > 2320 && re <= 1e5)
            lambda = static_cast<float>(0.3164 * std::pow(static_cast<double>(re), -0.25));
        else if (re > 1e5 && re < 1e8)
            lambda = static_cast<float>(0.221 * std::pow(static_cast<double>(re), -0.237) + 0.0032);
        const double verlust = std::pow(v, 2) * (rho / 2 * lambda) * ein.Baulaenge / dn / 100;
        k.Druckabfall[i] = gerundet(static_cast<float>(verlust), 2);
    }
    return k;
}

}  // namespace fluvan::test
