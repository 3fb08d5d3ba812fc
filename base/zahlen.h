#pragma once
// The one place where numbers are stored, rounded, read and written as text.
#include <stdexcept>
#include <string>
#include <string_view>

namespace fluvan::base {

// A calculation that cannot go on: a floating-point fault (invalid operation,
// division by zero, overflow, a value beyond the 32-bit range at a store) or a
// size text that is not a number. Only the calculate handler catches it.
class Rechenfehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Checks one arithmetic step: a fault shows as an infinite or NaN result.
double pruefe(double ergebnis);

// Stores a result into a 32-bit cell; a value beyond the float range is a fault.
float speichern(double wert);

// Rounds the exact stored value to `dezimalen` decimals, half to even, and
// returns the nearest float to the result.
float runden(float wert, int dezimalen);

// A typed number: leading blanks skipped, optional sign, digits with "." as the
// only decimal point, optional exponent; the rest is ignored; no number gives 0.
// Returns a double so that the caller can tell a value beyond the float range.
double leseZahl(std::string_view text);

// True when the value fits a 32-bit cell.
bool imFloatBereich(double wert);

// A nominal size text with the regional decimal separator ("2,5" or "2.5").
// A text that is not a number throws Rechenfehler.
double leseNennweite(std::string_view text, std::string_view dezimaltrenner);

// The one conversion of a 32-bit float to text: at most 7 significant digits,
// no trailing zeros, the given decimal separator, no grouping, exponent form
// "1.234568E+07" for large and small values.
std::string zahlText(float wert, std::string_view dezimaltrenner);

}  // namespace fluvan::base
