#pragma once
// A colour by its red, green and blue parts, 0 to 255.
#include <cstdint>

namespace fluvan::base {

struct Farbe {
    std::uint8_t rot, gruen, blau;
    bool operator==(const Farbe&) const = default;
};

}  // namespace fluvan::base
