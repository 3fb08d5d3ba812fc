#pragma once
// The layout of the pressure-loss diagram Bild2 per language (twips).
#include <array>
#include <cstddef>
#include <string_view>

#include "base/sprache.h"
#include "platform/twips.h"

namespace fluvan::app::bild2 {

struct Sprachlage {
    bool festerDialog;  // the window border: fixed dialog, otherwise fixed single
    int innenBreite, innenHoehe;
    bool zentriert;  // otherwise the platform's default place for a new window
    platform::Twips MSChart2;
    int picture2Links;
    bool deutscheFokusfolge;  // MSChart2 first, else Picture2 first
};

inline constexpr Sprachlage LageD{true, 10104, 7452, true, {240, 360, 9612, 6852}, 7080, true};
inline constexpr Sprachlage LageGB{false, 10104, 7452, true, {360, 360, 9612, 6852}, 6840, false};
inline constexpr Sprachlage LageF{true, 9996, 7800, true, {240, 360, 9492, 6972}, 6840, false};
inline constexpr Sprachlage LageE{true, 10068, 7452, false, {240, 360, 9612, 6852}, 6840, false};

// In the order of the language codes; a code that is none shows German.
inline constexpr std::array Lagen = {LageD, LageGB, LageF, LageE};
constexpr const Sprachlage& sprachlage(std::string_view sprache) {
    return Lagen[static_cast<std::size_t>(base::angezeigteSprache(sprache))];
}

inline constexpr int Picture2Oben = 0, Picture2Breite = 612, Picture2Hoehe = 372;

}  // namespace fluvan::app::bild2
