#include "designaid/auslegungsblock.h"

#include <algorithm>

#include "base/zahlen.h"
#include "designaid/zollbruch.h"

namespace fluvan::designaid {

namespace {
// The auxiliary constants of each block ("Durchflusswerte" E43 and E44): the
// failed test gives 0, an unmarked size the text "-", shown here as no value.
constexpr double keinTreffer = 0;
}  // namespace

Blockergebnis berechne(const Auslegungsblock& block, const Zellwert& eingabe) {
    // MIN and MAX of the marks that are numbers; of none they give 0.
    std::optional<double> kleinste;
    std::optional<double> groesste;
    for (const Durchflusszeile& zeile : durchflusswerte()) {
        const double s = zeile.*block.groesse;
        const double untererTest = groesser(eingabe, zeile.*block.grenze1) ? s : keinTreffer;
        const double obererTest = kleiner(eingabe, zeile.*block.grenze3) ? s : keinTreffer;
        if (untererTest - obererTest != 0) continue;  // marked "-"
        kleinste = kleinste ? std::min(*kleinste, s) : s;
        groesste = groesste ? std::max(*groesste, s) : s;
    }
    const double von = kleinste.value_or(0);
    const double bis = groesste.value_or(0);
    return {von == 0 ? Ergebniszelle{} : Ergebniszelle{von}, bis == 0 ? Ergebniszelle{} : Ergebniszelle{bis}};
}

std::string anzeigeText(const Auslegungsblock& block, const Ergebniszelle& zelle, std::string_view dezimaltrenner) {
    if (!zelle) return std::string(block.Ersatztext);
    if (block.anzeige == Groessenanzeige::Zoll) return zollText(*zelle);
    return base::zahlText(static_cast<float>(*zelle), dezimaltrenner);
}

}  // namespace fluvan::designaid
