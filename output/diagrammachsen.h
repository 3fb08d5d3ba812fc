#pragma once
// The arithmetic of the chart's axes, apart from any drawing: a readable value
// scale that follows the values, and how many category labels fit.
#include <span>

namespace fluvan::output {

// A value axis with division lines at k * teilung for k = unten .. oben.
// 0 is always on the scale (unten <= 0 <= oben, unten < oben); teilung is
// 1, 2 or 5 times a power of ten unless the values reach the double range's end.
struct Wertachse {
    double teilung;
    int unten;
    int oben;

    double strichwert(int k) const { return k * teilung; }
    // Where a value lies: 0 at the lowest division line, 1 at the highest.
    // Works in divisions, so it cannot overflow for huge values.
    double anteil(double wert) const { return (wert / teilung - unten) / (oben - unten); }
};

// The scale for the finite ones of `werte` (NaN and infinities are ignored),
// with about `hoechstensTeile` divisions at most (taken as 2 .. 100). No finite
// value, or only zeros, gives 0 .. 1.
Wertachse wertachse(std::span<const double> werte, int hoechstensTeile);

// Every n-th category label is shown, from the first; n divides the number of
// gaps, so the last label (the unit) is shown as well. `breiten` are the
// labels' widths, `abstand` the distance of neighbouring categories, `luecke`
// the least free space between two shown labels. Returns the smallest n at
// which no two shown labels overlap; the number of labels when not even the
// first and the last fit beside each other (then only the first is shown).
int beschriftungsschritt(std::span<const double> breiten, double abstand, double luecke);

}  // namespace fluvan::output
