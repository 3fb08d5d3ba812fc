#pragma once
// Twips to pixels: 1440 twips are one inch at the screen's logical resolution.
#include <cmath>

namespace fluvan::auslegung {

inline int twipsZuPixel(int twips, int punkteProZoll) {
    return static_cast<int>(std::lround(twips * static_cast<double>(punkteProZoll) / 1440.0));
}

}  // namespace fluvan::auslegung
