#pragma once
// The layout of the design-aid window frmEXCELBlatt (twips; fonts by their
// designed names).
#include "app/fensterlage.h"

namespace fluvan::app::excelblatt {

using platform::Twips;

struct Lage {
    Rahmen rahmen;
    Twips OLE1;  // the sheet takes this size itself
    Twips Command1;
    Schriftwahl Command1Schrift;
};

inline constexpr Lage LageAlle{
    .rahmen = {Rahmenart::FestDialog, 14724, 10332},
    .OLE1 = {336, 96, 14232, 9276},
    .Command1 = {12720, 9480, 1812, 612},
    .Command1Schrift = {"MS Sans Serif", 8},
};

}  // namespace fluvan::app::excelblatt
