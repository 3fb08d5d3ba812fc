#pragma once
// What every window's layout table is made of: places in twips, fonts by their
// designed names, the frame, and the focus order by the controls' names.
#include <array>
#include <cstddef>
#include <string_view>

#include "platform/twips.h"

namespace fluvan::app {

struct Schriftwahl {
    std::string_view name;
    double punkte;
    bool fett = false;
};

enum class Rahmenart {
    Ohne,           // no border and no caption bar
    Veraenderlich,  // sizeable, with minimise and maximise
    FestEinfach,    // fixed single: a close box only, no resizing
    FestDialog,     // fixed dialog: the same in the dialog frame
};

// The window's border and the size of its inside in twips.
struct Rahmen {
    Rahmenart art;
    int innenBreite, innenHoehe;
    bool zentriert = true;  // otherwise the platform's default place for a new window
};

// Tab runs through the controls in this order; the first has the focus when the window opens.
template <std::size_t N>
using Fokusfolge = std::array<std::string_view, N>;

}  // namespace fluvan::app
