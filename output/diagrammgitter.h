#pragma once
// The chart fill of both windows as a grid: rows 1 to 20 carry curve point
// 21 - r (the 5 % point left, the 100 % point right), row 21 only the unit text.
#include <array>
#include <string>
#include <string_view>

#include "base/variable.h"

namespace fluvan::output {

inline constexpr int Diagrammzeilen = 21;

struct Diagrammzeile {
    double wert = 0;
    bool leer = true;  // a null cell: no value shown
    std::string beschriftung;
};

// Rows 1..21 at index 0..20.
using Diagrammgitter = std::array<Diagrammzeile, Diagrammzeilen>;

// The fill with curve array `kurve` (Fehler or Druckabfall), labelled with the
// flows Durchfluss and, in row 21, EinheitText.
Diagrammgitter diagrammgitter(const base::Kurve& kurve, const base::Variable& v, std::string_view trenner);

}  // namespace fluvan::output
