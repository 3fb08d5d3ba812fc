#pragma once
// How a window picture is fitted to the printable area of one page.
#include <cstdint>
#include <optional>

namespace fluvan::output {

enum class Ausrichtung { Hochformat, Querformat };

// What differs between the print of the result sheet and of the diagram.
struct Druckregel {
    bool immerQuerformat;       // the sheet; the diagram follows the picture
    bool zwischenablageLeeren;  // cleared before the capture
    double k;                   // width factor of the tall case
};

inline constexpr Druckregel DruckBild1{true, false, 1.06};
inline constexpr Druckregel DruckBild2{false, true, 1.091};

// A picture's size in HIMETRIC (0.01 mm), whole numbers.
struct Bildgroesse {
    std::int32_t breite, hoehe;
};

// Twips (1/1440 inch) to HIMETRIC and back, as the printer converts: 32-bit.
float himetric(float twips);
float twips(float himetric);

// A picture of so many pixels at 96 pixels per inch, in HIMETRIC.
Bildgroesse bildgroesse(int breitePixel, int hoehePixel);

// Landscape when the rule says so or the picture is wider than high.
Ausrichtung ausrichtung(const Druckregel& regel, Bildgroesse bild);

// Where the picture goes, in twips from the printable area's top-left.
struct Druckgroesse {
    double breite, hoehe;
};

// Fits the picture to a printable area of breite × hoehe twips (read in the
// orientation set for it). The tall case takes the full height and the width
// from the picture's aspect times k, but never beyond the printable width; the
// wide case takes the full width and keeps the aspect. No result for a picture
// or page without width or height, or an arithmetic fault.
std::optional<Druckgroesse> druckmass(const Druckregel& regel, Bildgroesse bild, float breite, float hoehe);

}  // namespace fluvan::output
