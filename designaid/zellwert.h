#pragma once
// What an input cell of the sheet holds, and how the sheet compares it with a
// number: an empty cell counts as 0, a text counts as greater than every number.
#include <string_view>

namespace fluvan::designaid {

struct Zellwert {
    enum class Art { Leer, Zahl, Text };
    Art art = Art::Leer;
    double zahl = 0;  // only for Art::Zahl
};

// The typed text of an input cell. A number is the whole text (blanks around
// it allowed): optional sign, digits with "." or the regional separator as the
// decimal point, optional exponent. An empty text leaves the cell empty; any
// other text stays a text.
Zellwert leseEingabezelle(std::string_view text, std::string_view dezimaltrenner);

bool groesser(const Zellwert& links, double rechts);
bool kleiner(const Zellwert& links, double rechts);

}  // namespace fluvan::designaid
