#pragma once
// The layout of the pressure-loss diagram Bild2: the German window, and what
// each language changes in it (twips).
#include <array>
#include <cstddef>
#include <string_view>

#include "app/fensterlage.h"
#include "base/sprache.h"

namespace fluvan::app::bild2 {

using platform::Twips;

struct Lage {
    Rahmen rahmen;
    Twips MSChart2, Picture2;
    Fokusfolge<2> fokusfolge;
    // The English window names its first menu and entry apart; nothing visible depends on it.
    const char* mnuDruck;
    const char* mnuDiagrammDruck;
};

inline constexpr Lage LageD{
    .rahmen = {Rahmenart::FestDialog, 10104, 7452},
    .MSChart2 = {240, 360, 9612, 6852},
    .Picture2 = {7080, 0, 612, 372},
    .fokusfolge = {"MSChart2", "Picture2"},
    .mnuDruck = "mnuDruck",
    .mnuDiagrammDruck = "mnuDiagrammDruck",
};

// The other languages start with the picture holder, and place it further left.
inline constexpr Lage Andere = [] {
    Lage l = LageD;
    l.Picture2.links = 6840;
    l.fokusfolge = {"Picture2", "MSChart2"};
    return l;
}();

inline constexpr Lage LageGB = [] {
    Lage l = Andere;
    l.rahmen.art = Rahmenart::FestEinfach;
    l.MSChart2.links = 360;
    l.mnuDruck = "mnuDiagramm";
    l.mnuDiagrammDruck = "mnuDiagrammdruck";
    return l;
}();

inline constexpr Lage LageF = [] {
    Lage l = Andere;
    l.rahmen.innenBreite = 9996;
    l.rahmen.innenHoehe = 7800;
    l.MSChart2 = {240, 360, 9492, 6972};
    return l;
}();

inline constexpr Lage LageE = [] {
    Lage l = Andere;
    l.rahmen.innenBreite = 10068;
    l.rahmen.zentriert = false;
    return l;
}();

// In the order of the language codes; a code that is none shows German.
inline constexpr std::array Lagen = {LageD, LageGB, LageF, LageE};
constexpr const Lage& lage(std::string_view sprache) {
    return Lagen[static_cast<std::size_t>(base::angezeigteSprache(sprache))];
}

}  // namespace fluvan::app::bild2
