#pragma once
// The layout of the start screen frmSplashscreen and the info screen
// frmSplashscreen1: what both place, each screen's row, and the controls only
// one of them has (twips; fonts by their designed names).
#include "app/fensterlage.h"

namespace fluvan::app::startbild {

using platform::Twips;

inline constexpr Rahmen rahmen{Rahmenart::Ohne, 5748, 5736};
inline constexpr Twips Image1{0, 0, 5760, 5736};
inline constexpr Schriftwahl Titelschrift{"Arial", 36, true};         // Label4, Label7
inline constexpr Schriftwahl Untertitelschrift{"Arial", 10.2, true};  // Label1, Label5, Label3, Label6

// The framing outline, the product name and the four subtitles.
struct Lage {
    Twips Shape1, Label4, Label7, Label1, Label5, Label3, Label6;
};

inline constexpr Lage LageStart{
    .Shape1 = {0, 0, 5772, 5772},
    .Label4 = {840, 360, 3252, 732},
    .Label7 = {3960, 360, 732, 732},
    .Label1 = {720, 1200, 4332, 492},
    .Label5 = {1080, 1680, 3372, 492},
    .Label3 = {960, 2160, 3492, 492},
    .Label6 = {840, 2640, 3732, 612},
};

inline constexpr Lage LageInfo{
    .Shape1 = {0, 0, 5736, 5736},
    .Label4 = {840, 240, 3372, 732},
    .Label7 = {3960, 240, 732, 732},
    .Label1 = {600, 1080, 4332, 492},
    .Label5 = {1080, 1560, 3372, 492},
    .Label3 = {960, 2040, 3492, 492},
    .Label6 = {960, 2520, 3852, 492},
};

// The start screen's flag buttons.
struct Flaggen {
    Twips cmdDeutsch, cmdEnglisch, cmdFranz, cmdSpan;
    Fokusfolge<4> fokusfolge;
};

inline constexpr Flaggen Flaggenknoepfe{
    .cmdDeutsch = {480, 4200, 732, 492},
    .cmdEnglisch = {1800, 4200, 732, 492},
    .cmdFranz = {3120, 4200, 732, 492},
    .cmdSpan = {4560, 4200, 732, 492},
    .fokusfolge = {"cmdDeutsch", "cmdEnglisch", "cmdFranz", "cmdSpan"},
};

// The info screen's version line.
inline constexpr Twips Label2{480, 5040, 1212, 492};
inline constexpr Schriftwahl Label2Schrift{"Arial", 9, true};

}  // namespace fluvan::app::startbild
