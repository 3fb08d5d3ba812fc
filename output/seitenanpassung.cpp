#include "output/seitenanpassung.h"

#include <algorithm>
#include <cmath>

#include "base/masseinheiten.h"
#include "base/zahlen.h"

namespace fluvan::output {

using base::HimetricProZoll, base::PixelProZoll, base::TwipsProZoll;

// Worked in double: a float times the whole-number units would round on the way.
float himetric(float twips) { return base::speichern(static_cast<double>(twips) * HimetricProZoll / TwipsProZoll); }

float twips(float himetric) { return base::speichern(static_cast<double>(himetric) * TwipsProZoll / HimetricProZoll); }

Bildgroesse bildgroesse(int breitePixel, int hoehePixel) {
    auto umrechnen = [](int pixel) {
        return static_cast<std::int32_t>(std::lround(static_cast<double>(pixel) * HimetricProZoll / PixelProZoll));
    };
    return {umrechnen(breitePixel), umrechnen(hoehePixel)};
}

Ausrichtung ausrichtung(const Druckregel& regel, Bildgroesse bild) {
    if (regel.immerQuerformat || bild.breite > bild.hoehe) return Ausrichtung::Querformat;
    return Ausrichtung::Hochformat;
}

std::optional<Druckgroesse> druckmass(const Druckregel& regel, Bildgroesse bild, float breite, float hoehe) {
    if (bild.breite <= 0 || bild.hoehe <= 0) return std::nullopt;
    if (!(breite > 0 && hoehe > 0)) return std::nullopt;
    try {
        const double a = static_cast<double>(bild.breite) / bild.hoehe;
        const float Pw = himetric(breite);
        const float Ph = himetric(hoehe);
        const double p = base::pruefe(static_cast<double>(Pw) / Ph);
        if (a < p) {
            const double H = twips(Ph);
            const double W = base::pruefe(twips(base::speichern(Ph * a)) * regel.k);
            // Never beyond the printable width: the right edge would be lost.
            return Druckgroesse{std::min(W, static_cast<double>(breite)), H};
        }
        const double W = twips(Pw);
        const double H = twips(base::speichern(Pw / a));
        return Druckgroesse{W, H};
    } catch (const base::Rechenfehler&) {
        return std::nullopt;
    }
}

}  // namespace fluvan::output
