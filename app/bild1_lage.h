#pragma once
// The layout of the result sheet Bild1: the German window, and what each
// language changes in it (twips; fonts by their designed names).
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "app/fensterlage.h"
#include "base/sprache.h"

namespace fluvan::app::bild1 {

using platform::Twips;

// A line from (x1, y) to (x2, y).
struct Linie {
    int x1, x2, y;
};

// The fonts that are the same in every language.
inline constexpr Schriftwahl Kopfschrift{"Arial", 10.8, true};               // Label2, Label3, Label8
inline constexpr Schriftwahl Zeilenschrift{"Arial", 9, true};                // captions of the rows and columns
inline constexpr Schriftwahl Zeilenwertschrift{"MS Sans Serif", 7.8, true};  // their values
inline constexpr Schriftwahl Knopfschrift{"Arial", 10.2, true};

struct Lage {
    Rahmen rahmen;
    Schriftwahl fensterschrift;  // also the table cells'
    Twips MSChart1, Image1;
    // The header: captions left, values right.
    Twips Label2, Label1_36, Label3, Label1_37, Label8, Label9;
    Schriftwahl Label1_36Schrift;  // also Label1_37's
    Schriftwahl Label9Schrift;
    // Model, size and range: Label1_0 .. 2 and their values Label1_18 .. 20,
    // each row kopfzeilenSchritt below the one before.
    Twips Label1_0, Label1_18;
    int kopfzeilenSchritt;
    Twips Label5, Label6, Label7;
    Schriftwahl Label7Schrift;
    // The column headings, and the first of the 15 table rows of each column;
    // row i stands tabellenSchritt (i - 1) below the first.
    Twips Label1_38, Label1_39, Label4;
    Twips Label1_3, Label1_21, Label1_40;
    int tabellenSchritt;
    Twips Shape1, Shape2, Shape3, Shape4, Shape5, Shape6, Shape7;
    std::optional<Linie> Line26;
    Twips cmdNeueBerechnung, cmdEnde, Picture1;
    Fokusfolge<4> fokusfolge;
};

inline constexpr Lage LageD{
    .rahmen = {Rahmenart::FestEinfach, 12192, 8460},
    .fensterschrift = {"Arial", 7.8},
    .MSChart1 = {120, 120, 7932, 8292},
    .Image1 = {8160, 120, 3852, 924},
    .Label2 = {8160, 1200, 1212, 372},
    .Label1_36 = {9480, 1200, 2532, 372},
    .Label3 = {8160, 1560, 1212, 372},
    .Label1_37 = {9480, 1560, 2532, 372},
    .Label8 = {8160, 1920, 1212, 252},
    .Label9 = {9480, 1920, 2532, 252},
    .Label1_36Schrift = {"Arial", 10.2, true},
    .Label9Schrift = {"Arial", 10.2, true},
    .Label1_0 = {8160, 2280, 1212, 252},
    .Label1_18 = {9480, 2280, 2532, 252},
    .kopfzeilenSchritt = 240,
    .Label5 = {8160, 3000, 1212, 252},
    .Label6 = {9480, 3000, 972, 252},
    .Label7 = {10440, 3000, 1572, 252},
    .Label7Schrift = {"Arial", 9, true},
    .Label1_38 = {8160, 3360, 1212, 252},
    .Label1_39 = {9480, 3360, 1212, 252},
    .Label4 = {10800, 3360, 1212, 456},
    .Label1_3 = {8160, 3840, 1212, 252},
    .Label1_21 = {9480, 3840, 1212, 252},
    .Label1_40 = {10800, 3840, 1212, 252},
    .tabellenSchritt = 240,
    .Shape1 = {8160, 1200, 1212, 972},
    .Shape2 = {9480, 1200, 2532, 972},
    .Shape3 = {9480, 2280, 2532, 972},
    .Shape4 = {8160, 2280, 1212, 972},
    .Shape5 = {10800, 3840, 1212, 3612},
    .Shape6 = {9480, 3840, 1212, 3612},
    .Shape7 = {8160, 3840, 1212, 3612},
    .Line26 = std::nullopt,
    .cmdNeueBerechnung = {8160, 7560, 1692, 852},
    .cmdEnde = {10320, 7560, 1692, 852},
    .Picture1 = {9840, 8040, 372, 372},
    .fokusfolge = {"cmdNeueBerechnung", "cmdEnde", "Picture1", "MSChart1"},
};

// The other languages start with the picture holder, and place it further right.
inline constexpr Lage Andere = [] {
    Lage l = LageD;
    l.Picture1.links = 9960;
    l.fokusfolge = {"Picture1", "cmdEnde", "cmdNeueBerechnung", "MSChart1"};
    return l;
}();

// The English and the French chart.
inline constexpr Twips MSChart1Eingerueckt{240, 120, 7812, 8172};

// What the French and the Spanish window share.
constexpr Lage franzoesischSpanisch(Lage l) {
    l.Label1_36Schrift = {"MS Sans Serif", 9.6, true};
    l.Label9Schrift = {"Arial", 10.8, true};
    l.Label5.breite = 1188;
    l.Label5.hoehe = 216;
    return l;
}

inline constexpr Lage LageGB = [] {
    Lage l = Andere;
    l.rahmen.art = Rahmenart::FestDialog;
    l.MSChart1 = MSChart1Eingerueckt;
    l.Label1_38.hoehe = l.Label1_39.hoehe = l.Label4.hoehe = 492;
    l.Line26 = Linie{8280, 9360, 1680};
    l.cmdNeueBerechnung.hoehe = l.cmdEnde.hoehe = 732;
    return l;
}();

inline constexpr Lage LageF = [] {
    Lage l = franzoesischSpanisch(Andere);
    l.rahmen.art = Rahmenart::FestDialog;
    l.MSChart1 = MSChart1Eingerueckt;
    l.Label7Schrift = {"MS Sans Serif", 7.8, true};
    l.Label1_38.hoehe = 492;
    l.Label4.hoehe = 372;
    return l;
}();

inline constexpr Lage LageE = [] {
    Lage l = franzoesischSpanisch(Andere);
    l.fensterschrift = {"MS Sans Serif", 8};
    l.MSChart1.hoehe = 8172;
    l.Label1_38.hoehe = l.Label1_39.hoehe = 492;
    l.cmdNeueBerechnung.hoehe = l.cmdEnde.hoehe = 732;
    return l;
}();

// In the order of the language codes; a code that is none shows German.
inline constexpr std::array Lagen = {LageD, LageGB, LageF, LageE};
constexpr const Lage& lage(std::string_view sprache) {
    return Lagen[static_cast<std::size_t>(base::angezeigteSprache(sprache))];
}

}  // namespace fluvan::app::bild1
