#pragma once
// A size rule: the ordered tests of one model's size check, the outcome when
// none holds, and the model's rejection texts in the four languages.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "base/sprache.h"
#include "catalogue/pruefname.h"
#include "parameters/satzname.h"

namespace fluvan::catalogue {

// A size rule hands an accepted size to a parameter set by its name.
using parameters::Satzname;

// A fixed-capacity sequence for constexpr rows; too many elements does not compile.
template <class T, std::size_t N>
struct Folge {
    std::array<T, N> elemente{};
    std::size_t anzahl = 0;

    constexpr Folge() = default;
    constexpr Folge(std::initializer_list<T> liste) {
        for (const T& e : liste) anhaengen(e);
    }
    constexpr void anhaengen(const T& e) {
        if (anzahl == N) throw "Folge: Kapazitaet zu klein";
        elemente[anzahl++] = e;
    }
    constexpr const T* begin() const { return elemente.data(); }
    constexpr const T* end() const { return elemente.data() + anzahl; }
};

enum class Operator { Gleich, Kleiner, KleinerGleich, Groesser, GroesserGleich };

// One comparison of DN with a constant.
struct Vergleich {
    Operator op = Operator::Gleich;
    double wert = 0;
};

// One or two comparisons that must all hold (two make a range).
using Glied = Folge<Vergleich, 2>;

// Glieder joined by "or": a list of sizes, a range, the outside of a range.
struct Bedingung {
    Folge<Glied, 14> glieder;
};

constexpr Bedingung einzeln(Operator op, double wert) {
    Bedingung b;
    b.glieder.anhaengen(Glied{{op, wert}});
    return b;
}
constexpr Bedingung kleiner(double wert) { return einzeln(Operator::Kleiner, wert); }
constexpr Bedingung groesser(double wert) { return einzeln(Operator::Groesser, wert); }

// a < DN <= b and the like: both comparisons of the range in one Glied.
constexpr Bedingung bereich(Operator unten, double a, Operator oben, double b) {
    Bedingung r;
    r.glieder.anhaengen(Glied{{unten, a}, {oben, b}});
    return r;
}
// a <= DN <= b.
constexpr Bedingung zwischen(double a, double b) {
    return bereich(Operator::GroesserGleich, a, Operator::KleinerGleich, b);
}

constexpr Bedingung operator|(Bedingung links, const Bedingung& rechts) {
    for (const Glied& g : rechts.glieder) links.glieder.anhaengen(g);
    return links;
}

// DN = one of the sizes.
constexpr Bedingung dn(std::initializer_list<double> groessen) {
    Bedingung b;
    for (double g : groessen) b.glieder.anhaengen(Glied{{Operator::Gleich, g}});
    return b;
}
// DN < a or DN > b.
constexpr Bedingung ausserhalb(double a, double b) { return kleiner(a) | groesser(b); }

// Which rejection text a test shows.
enum class Ablehnung { Bereichsmeldung, Ausschlussmeldung, Kombimeldung };

// What a size check does: nothing, call a parameter set, or show a text.
using Ausgang = std::variant<std::monostate, Satzname, Ablehnung>;
inline constexpr Ausgang nichts{};

struct Test {
    Bedingung bedingung;
    Ausgang ausgang;
};

struct Groessenregel {
    Pruefname name;
    Folge<Test, 4> tests;
    Ausgang sonst;  // when no test holds
    base::Texte Bereichsmeldung;
    base::Texte Ausschlussmeldung{};  // empty where the model has none
    base::Texte Ausschlusszeile{};    // empty where the model has none
};

// The first test that holds decides; each comparison reads the size text afresh.
// A text that is not a number throws Rechenfehler.
Ausgang auswerten(const Groessenregel& regel, std::string_view nennweite, std::string_view dezimaltrenner);

// The text of a rejection in the language; the Kombimeldung joins
// Bereichsmeldung and Ausschlusszeile with CR LF.
std::string meldungstext(const Groessenregel& regel, Ablehnung ablehnung, std::string_view sprache);

}  // namespace fluvan::catalogue
