#pragma once
// The layout of the result sheet Bild1: the German window, and what each
// language changes in it (twips; fonts by their designed names).
#include <array>
#include <cstddef>
#include <string_view>

#include "base/sprache.h"
#include "platform/twips.h"

namespace fluvan::app::bild1 {

struct Schriftwahl {
    std::string_view name;
    double punkte;
    bool fett;
};

struct Sprachlage {
    bool festerDialog;  // the window border: fixed dialog, otherwise fixed single
    platform::Twips MSChart1;
    int knopfHoehe;  // cmdNeueBerechnung and cmdEnde
    int picture1Links;
    int hoeheLabel1_38, hoeheLabel1_39, hoeheLabel4;
    int breiteLabel5, hoeheLabel5;
    Schriftwahl kopfwerte;  // Label1(36), (37)
    Schriftwahl label9;
    Schriftwahl label7;
    Schriftwahl fensterschrift;  // the table cells
    bool deutscheFokusfolge;     // cmdNeueBerechnung first, else Picture1 first
    bool line26;
};

inline constexpr Schriftwahl Arial10_2Fett{"Arial", 10.2, true};
inline constexpr Schriftwahl Arial10_8Fett{"Arial", 10.8, true};
inline constexpr Schriftwahl Arial9Fett{"Arial", 9, true};
inline constexpr Schriftwahl SansSerif9_6Fett{"MS Sans Serif", 9.6, true};
inline constexpr Schriftwahl SansSerif7_8Fett{"MS Sans Serif", 7.8, true};
inline constexpr Schriftwahl Arial7_8{"Arial", 7.8, false};
inline constexpr Schriftwahl SansSerif8{"MS Sans Serif", 8, false};

inline constexpr Sprachlage LageD{false, {120, 120, 7932, 8292}, 852,           9840,       252,      252,  456,  1212,
                                  252,   Arial10_2Fett,          Arial10_2Fett, Arial9Fett, Arial7_8, true, false};
inline constexpr Sprachlage LageGB{true, {240, 120, 7812, 8172}, 732,           9960,       492,      492,   492, 1212,
                                   252,  Arial10_2Fett,          Arial10_2Fett, Arial9Fett, Arial7_8, false, true};
inline constexpr Sprachlage LageF{
    true,          {240, 120, 7812, 8172}, 852,      9960,  492,  252, 372, 1188, 216, SansSerif9_6Fett,
    Arial10_8Fett, SansSerif7_8Fett,       Arial7_8, false, false};
inline constexpr Sprachlage LageE{
    false, {120, 120, 7932, 8172}, 732,           9960,       492,        492,   456,  1188,
    216,   SansSerif9_6Fett,       Arial10_8Fett, Arial9Fett, SansSerif8, false, false};

// In the order of the language codes; a code that is none shows German.
inline constexpr std::array Lagen = {LageD, LageGB, LageF, LageE};
constexpr const Sprachlage& sprachlage(std::string_view sprache) {
    return Lagen[static_cast<std::size_t>(base::angezeigteSprache(sprache))];
}

// The same in every language.
inline constexpr int InnenBreite = 12192, InnenHoehe = 8460;
inline constexpr platform::Twips Image1{8160, 120, 3852, 924};
inline constexpr int KopfLinks = 8160, WertLinks = 9480;  // captions, values
inline constexpr int KopfBreite = 1212, WertBreite = 2532;
inline constexpr int Label6Links = 9480, Label6Breite = 972;
inline constexpr int Label7Links = 10440, Label7Breite = 1572;
inline constexpr int ZeilenOben = 3000;  // Label5, Label6, Label7
inline constexpr int SpaltenkopfOben = 3360;
inline constexpr int FehlerLinks = 8160, DurchflussLinks = 9480, GeschwindigkeitLinks = 10800;
inline constexpr int SpaltenBreite = 1212;
inline constexpr int TabelleOben = 3840, TabellenSchritt = 240, ZellenHoehe = 252;
inline constexpr platform::Twips cmdNeueBerechnung{8160, 7560, 1692, 0};  // height per language
inline constexpr platform::Twips cmdEnde{10320, 7560, 1692, 0};
inline constexpr int Picture1Oben = 8040, Picture1Seite = 372;
inline constexpr platform::Twips Shape1{8160, 1200, 1212, 972};
inline constexpr platform::Twips Shape2{9480, 1200, 2532, 972};
inline constexpr platform::Twips Shape3{9480, 2280, 2532, 972};
inline constexpr platform::Twips Shape4{8160, 2280, 1212, 972};
inline constexpr platform::Twips Shape5{10800, 3840, 1212, 3612};
inline constexpr platform::Twips Shape6{9480, 3840, 1212, 3612};
inline constexpr platform::Twips Shape7{8160, 3840, 1212, 3612};
// Line26 of the English window, from (8280, 1680) to (9360, 1680).
inline constexpr int Line26X1 = 8280, Line26X2 = 9360, Line26Y = 1680;

}  // namespace fluvan::app::bild1
