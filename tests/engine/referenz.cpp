#include "referenz.h"

#include <charconv>
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

}  // namespace fluvan::test
