#pragma once
// Tabellenpunkte: the curve point that each of the sheet's 15 table rows shows
// (100 % to 50 % in steps of 10, then 45 % to 5 % in steps of 5).
#include <array>

namespace fluvan::output {

inline constexpr std::array<int, 15> Tabellenpunkte = {1, 3, 5, 7, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};

// The curve point of table row i (1..15).
constexpr int tabellenpunkt(int zeile) { return Tabellenpunkte.at(static_cast<std::size_t>(zeile - 1)); }

}  // namespace fluvan::output
