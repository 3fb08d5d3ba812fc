#pragma once
// The language codes, and a text in the four languages picked by the code.
#include <optional>
#include <string_view>

namespace fluvan::base {

// The title of every window and box of the program.
inline constexpr std::string_view Programmtitel = "Fluvan II";

enum class Sprachcode { D, GB, F, E };

// "D", "GB", "F" or "E"; any other code (none chosen yet) is none.
constexpr std::optional<Sprachcode> sprachcode(std::string_view code) {
    if (code == "D") return Sprachcode::D;
    if (code == "GB") return Sprachcode::GB;
    if (code == "F") return Sprachcode::F;
    if (code == "E") return Sprachcode::E;
    return std::nullopt;
}

// The language a window shows: a code that is none shows German.
constexpr Sprachcode angezeigteSprache(std::string_view code) { return sprachcode(code).value_or(Sprachcode::D); }

struct Texte {
    std::string_view D, GB, F, E;

    constexpr std::string_view operator[](Sprachcode sprache) const {
        switch (sprache) {
            case Sprachcode::D: return D;
            case Sprachcode::GB: return GB;
            case Sprachcode::F: return F;
            case Sprachcode::E: return E;
        }
        return D;
    }
    constexpr std::string_view operator[](std::string_view sprache) const {
        return (*this)[angezeigteSprache(sprache)];
    }
};

inline constexpr std::string_view CRLF = "\r\n";

}  // namespace fluvan::base
