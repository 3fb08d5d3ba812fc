#pragma once
// A text in the four languages, picked by the language code.
#include <string_view>

namespace fluvan::base {

struct Texte {
    std::string_view D, GB, F, E;

    // "D", "GB", "F" or "E"; any other code (none chosen yet) gives German.
    constexpr std::string_view operator[](std::string_view sprache) const {
        if (sprache == "GB") return GB;
        if (sprache == "F") return F;
        if (sprache == "E") return E;
        return D;
    }
};

inline constexpr std::string_view CRLF = "\r\n";

}  // namespace fluvan::base
