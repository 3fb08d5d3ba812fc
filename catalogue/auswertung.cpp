#include <string>

#include "base/sprache.h"
#include "base/zahlen.h"
#include "catalogue/groessenregel.h"

namespace fluvan::catalogue {
namespace {

// Each comparison reads the size text anew.
bool gilt(const Vergleich& v, std::string_view nennweite, std::string_view trenner) {
    const double dn = base::leseNennweite(nennweite, trenner);
    switch (v.op) {
        case Operator::Gleich: return dn == v.wert;
        case Operator::Kleiner: return dn < v.wert;
        case Operator::KleinerGleich: return dn <= v.wert;
        case Operator::Groesser: return dn > v.wert;
        case Operator::GroesserGleich: return dn >= v.wert;
    }
    return false;
}

// No short cut: every comparison of a test is evaluated.
bool gilt(const Bedingung& b, std::string_view nennweite, std::string_view trenner) {
    bool oder = false;
    for (const Glied& g : b.glieder) {
        bool und = true;
        for (const Vergleich& v : g) und = gilt(v, nennweite, trenner) && und;
        oder = und || oder;
    }
    return oder;
}

}  // namespace

Ausgang auswerten(const Groessenregel& regel, std::string_view nennweite, std::string_view dezimaltrenner) {
    for (const Test& t : regel.tests)
        if (gilt(t.bedingung, nennweite, dezimaltrenner)) return t.ausgang;
    return regel.sonst;
}

std::string meldungstext(const Groessenregel& regel, Ablehnung ablehnung, std::string_view sprache) {
    switch (ablehnung) {
        case Ablehnung::Bereichsmeldung: return std::string(regel.Bereichsmeldung[sprache]);
        case Ablehnung::Ausschlussmeldung: return std::string(regel.Ausschlussmeldung[sprache]);
        case Ablehnung::Kombimeldung:
            return std::string(regel.Bereichsmeldung[sprache]) + std::string(base::CRLF) +
                   std::string(regel.Ausschlusszeile[sprache]);
    }
    return {};
}

}  // namespace fluvan::catalogue
