#pragma once
// Sizes in inches as the sheet shows them: the whole inches, a fraction with a
// one-digit numerator and denominator, and the inch mark, "2 1/2”".
#include <string>

namespace fluvan::designaid {

// A fraction that a one-digit denominator cannot hold exactly is written with
// the smallest denominator that holds it ("1/10”" for 0.1) instead of being
// moved to the nearest one-digit fraction; only a fraction that no denominator
// up to 1000 holds is shown as the nearest one-digit fraction.
std::string zollText(double zoll);

}  // namespace fluvan::designaid
