#include "output/worddokument.h"

#include <algorithm>
#include <cmath>

namespace fluvan::output {

std::string rtfSeite() {
    const std::string rand = std::to_string(Seitenrand);
    return "\\paperw" + std::to_string(base::A4Breite) + "\\paperh" + std::to_string(base::A4Hoehe) + "\\margl" + rand +
           "\\margr" + rand + "\\margt" + rand + "\\margb" + rand + "\n";
}

Bildmass bildmassAufSeite(int breitePixel, int hoehePixel) {
    const double breite = static_cast<double>(breitePixel) * base::TwipsProPixel;
    const double hoehe = static_cast<double>(hoehePixel) * base::TwipsProPixel;
    if (breite <= 0 || hoehe <= 0) return {0, 0};
    const double faktor = std::min({1.0, Textbreite / breite, Texthoehe / hoehe});
    return {static_cast<int>(std::lround(breite * faktor)), static_cast<int>(std::lround(hoehe * faktor))};
}

std::string hexText(std::span<const unsigned char> bytes) {
    constexpr char ziffern[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2 + bytes.size() / 64 + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % 64 == 0) text += '\n';
        text += ziffern[bytes[i] >> 4];
        text += ziffern[bytes[i] & 0x0f];
    }
    return text;
}

std::string wordDokument(std::span<const unsigned char> png, int breitePixel, int hoehePixel) {
    const Bildmass mass = bildmassAufSeite(breitePixel, hoehePixel);
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\n";
    text += rtfSeite();
    text += "{\\pict\\pngblip\\picw" + std::to_string(breitePixel) + "\\pich" + std::to_string(hoehePixel) +
            "\\picwgoal" + std::to_string(mass.breite) + "\\pichgoal" + std::to_string(mass.hoehe) + "\n";
    text += hexText(png);
    text += "\n}\\par\n}\n";
    return text;
}

}  // namespace fluvan::output
