// The parameter sets as their tables give them, decimals as text.
#include <array>
#include <stdexcept>
#include <string>

#include "referenz.h"

namespace fluvan::test {
namespace {

struct Zeile {
    std::string_view name, oben, unten, nullpunkt, grenze, modell, min, max;
};

constexpr std::array<Zeile, 65> Tabelle = {{
    {"BerechnenBris11klein", "0.5", "0", "2", "0.4", "Schwellenmodell", "0.3", "12"},
    {"BerechnenBris11gross", "0.8", "0", "2", "0.25", "Schwellenmodell", "0.3", "12"},
    {"BerechnenBris12", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenBris13", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenBris14", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD21", "0.5", "0", "2", "0.4", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD22", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD23", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD24", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD34", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD35", "0.4", "0.3", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD51klein", "0.5", "0", "2", "0.4", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD51gross", "0.8", "0", "2", "0.25", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD52", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD56", "0.5", "0", "5", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD53", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD54", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD55klein", "0.4", "0.3", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD55gross", "0.5", "0.4", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD61klein", "0.8", "0", "2", "0.25", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD61gross", "0.5", "0", "2", "0.4", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD62klein", "0.5", "0.4", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD62gross", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD63klein", "0.5", "0.4", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD63gross", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD63CAP", "0.5", "0", "5", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD64klein", "0.5", "0.4", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD64gross", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD71", "0.5", "0", "2", "0.4", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD72klein", "0.8", "0.7", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD72gross", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD72mittel", "0.5", "0.4", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD73klein", "0.8", "0.7", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD73gross", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD73mittel", "0.5", "0.4", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD74klein", "0.5", "0.4", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenTKD74gross", "0.3", "0.2", "1", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenVelt210", "0.3", "0", "2", "0.4", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt310", "0.3", "0", "2", "0.4", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt510", "0.3", "0", "2", "0.4", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt610", "0.3", "0", "2", "0.4", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt610klein", "0.5", "0", "2", "0.4", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt710", "0.5", "0", "2", "0.4", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt230", "0.3", "0", "2", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt330", "0.2", "0", "1", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt330gross", "0.3", "0", "2", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt550C", "0.5", "0", "5", "1", "Schwellenmodell", "0.3", "12"},
    {"BerechnenVelt530", "0.2", "0", "1", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt530gross", "0.3", "0", "2", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt630klein", "0.3", "0", "2", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt630", "0.15", "0", "1", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt730", "0.2", "0", "1", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt730klein", "0.3", "0", "2", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVelt830C", "0.5", "0", "5", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVeltrum340", "0.5", "0", "2", "0", "Summenmodell", "0.3", "12"},
    {"BerechnenVeltrum220", "0.4", "0", "1", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVeltrum320", "0.3", "0", "1", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVeltrum520", "0.3", "0", "1", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVeltrum620", "0.3", "0", "1", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVeltrum620klein", "0.4", "0", "1", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenVeltrum720", "0.3", "0", "1", "1", "Summenmodell", "0.3", "12"},
    {"BerechnenRSN70", "0.5", "0", "2.5", "0.5", "Schwellenmodell", "0.5", "20"},
    {"BerechnenRSN70HT", "1", "0", "10", "1", "Schwellenmodell", "0.5", "20"},
    {"BerechnenRSN70HP", "1", "0", "10", "1", "Schwellenmodell", "0.5", "20"},
    {"BerechnenRSN90", "0.5", "0", "2.5", "0.5", "Schwellenmodell", "0.5", "20"},
}};

}  // namespace

const std::vector<Satzerwartung>& Satzerwartungen() {
    static const std::vector<Satzerwartung> liste = [] {
        std::vector<Satzerwartung> l;
        for (const Zeile& z : Tabelle)
            l.push_back({z.name, dezimal(z.oben), dezimal(z.unten), dezimal(z.nullpunkt), dezimal(z.grenze),
                         z.modell == "Summenmodell", dezimal(z.min), dezimal(z.max)});
        return l;
    }();
    return liste;
}

const Satzerwartung& erwartung(Satzname satz) {
    for (const Satzerwartung& e : Satzerwartungen())
        if (e.name == name(satz)) return e;
    throw std::invalid_argument(std::string(name(satz)));
}

}  // namespace fluvan::test
