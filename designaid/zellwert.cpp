#include "designaid/zellwert.h"

#include <cmath>
#include <string>

#include "base/zahlen.h"

namespace fluvan::designaid {

namespace {

bool istZiffer(char c) { return c >= '0' && c <= '9'; }

// The text as a number with "." as its decimal point, or empty when the text
// is not a number as a whole.
std::string alsZahlText(std::string_view text, std::string_view dezimaltrenner) {
    std::size_t anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return {};
    const std::string_view kern = text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);

    std::string zahl;
    std::size_t i = 0;
    if (i < kern.size() && (kern[i] == '+' || kern[i] == '-')) zahl += kern[i++];
    std::size_t ziffern = 0;
    bool punkt = false;
    while (i < kern.size()) {
        if (istZiffer(kern[i])) {
            zahl += kern[i++];
            ++ziffern;
        } else if (!punkt && kern[i] == '.') {
            zahl += '.';
            punkt = true;
            ++i;
        } else if (!punkt && !dezimaltrenner.empty() && kern.substr(i).starts_with(dezimaltrenner)) {
            zahl += '.';
            punkt = true;
            i += dezimaltrenner.size();
        } else {
            break;
        }
    }
    if (ziffern == 0) return {};
    if (i < kern.size() && (kern[i] == 'e' || kern[i] == 'E')) {
        zahl += 'e';
        ++i;
        if (i < kern.size() && (kern[i] == '+' || kern[i] == '-')) zahl += kern[i++];
        const std::size_t exponentAnfang = i;
        while (i < kern.size() && istZiffer(kern[i])) zahl += kern[i++];
        if (i == exponentAnfang) return {};
    }
    if (i != kern.size()) return {};
    return zahl;
}

}  // namespace

Zellwert leseEingabezelle(std::string_view text, std::string_view dezimaltrenner) {
    if (text.empty()) return {};
    const std::string zahl = alsZahlText(text, dezimaltrenner);
    if (zahl.empty()) return {Zellwert::Art::Text, 0};
    const double wert = base::leseZahl(zahl);
    // A number beyond the range of the sheet stays a text, as the sheet keeps it.
    if (!std::isfinite(wert)) return {Zellwert::Art::Text, 0};
    return {Zellwert::Art::Zahl, wert};
}

bool groesser(const Zellwert& links, double rechts) {
    switch (links.art) {
        case Zellwert::Art::Leer: return 0.0 > rechts;
        case Zellwert::Art::Zahl: return links.zahl > rechts;
        case Zellwert::Art::Text: return true;
    }
    return false;
}

bool kleiner(const Zellwert& links, double rechts) {
    switch (links.art) {
        case Zellwert::Art::Leer: return 0.0 < rechts;
        case Zellwert::Art::Zahl: return links.zahl < rechts;
        case Zellwert::Art::Text: return false;
    }
    return false;
}

}  // namespace fluvan::designaid
