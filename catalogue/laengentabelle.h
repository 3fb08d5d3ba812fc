#pragma once
// Installation lengths: model to length series, series and size to length,
// and the ANSI surcharge.
#include <optional>
#include <string_view>

namespace fluvan::catalogue {

// Baureihenzuordnung: the series 1..7 of a model display text (from the
// model table), or none.
std::optional<int> Baureihenzuordnung(std::string_view geraetetyp);

// Laengentabelle: the length in mm of (series, nominal size), or none.
std::optional<int> Laengentabelle(int baureihe, double nennweite);

// ANSIZuschlag: the ANSI surcharge in mm (0, 50 or 200).
int ANSIZuschlag(int baureihe, double nennweite);

}  // namespace fluvan::catalogue
