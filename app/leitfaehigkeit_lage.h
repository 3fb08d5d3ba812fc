#pragma once
// The layout of the conductivity window frmLeitfaehigkeit, the same in every
// language (twips; fonts by their designed names).
#include "app/fensterlage.h"

namespace fluvan::app::leitfaehigkeit {

using platform::Twips;

struct Lage {
    Rahmen rahmen;
    Schriftwahl fensterschrift;
    Twips List1, Label1, Label3, Label4, Label5, Label18, Label17, Label16, RichTextBox1, cmdEnde;
    Schriftwahl List1Schrift, Label1Schrift, RichTextBox1Schrift;
    Schriftwahl Kopfschrift;  // the column headings Label3 .. Label16
    Fokusfolge<3> fokusfolge;
};

inline constexpr Lage LageAlle{
    // A sizeable window that the system places.
    .rahmen = {Rahmenart::Veraenderlich, 8052, 5004, false},
    .fensterschrift = {"MS Sans Serif", 8},
    .List1 = {360, 480, 3372, 3468},
    .Label1 = {4200, 480, 3492, 372},
    .Label3 = {4200, 840, 1092, 216},
    .Label4 = {5400, 840, 1092, 252},
    .Label5 = {6480, 840, 1212, 252},
    .Label18 = {4080, 1080, 1212, 252},
    .Label17 = {5640, 1080, 612, 252},
    .Label16 = {6480, 1080, 1212, 252},
    .RichTextBox1 = {4200, 1320, 3492, 2652},
    .cmdEnde = {6360, 4320, 1212, 372},
    .List1Schrift = {"Arial", 10.2, true},
    .Label1Schrift = {"Arial", 12, true},
    .RichTextBox1Schrift = {"Arial", 7.8},
    .Kopfschrift = {"Arial", 7.8, true},
    .fokusfolge = {"RichTextBox1", "List1", "cmdEnde"},
};

}  // namespace fluvan::app::leitfaehigkeit
