#include "parameters/geschwindigkeitspruefung.h"

#include <string>

#include "engine/rechenlauf.h"
#include "base/sprache.h"
#include "base/zahlen.h"

namespace fluvan {
namespace {

constexpr base::Texte MeldungZuHoch{"Endwert zu hoch!", "Max. value too high!", "Valeur fin d'échelle trop élevée!",
                              "Valor final muy alto!"};
constexpr base::Texte MeldungZuKlein{"Endwert zu klein!", "Max. value too low!", "Valeur fin d'échelle trop faible!",
                               "Valor final muy pequeño!"};

void warnen(Rechenlauf& lauf, const base::Texte& meldung) {
    const base::Variable& v = lauf.Zustand();
    std::string text(meldung[v.Sprache]);
    text += base::CRLF;
    text += "v =";
    text += base::zahlText(v.EndgeschwindigkeitGerundet, lauf.Dezimaltrenner());
    text += "m/sec";
    lauf.MsgBox(text, base::MeldungsStil::Ausruf);
}

}  // namespace

bool Geschwindigkeitspruefung(Rechenlauf& lauf, const Parametersatzzeile& satz) {
    // The unrounded velocity decides; only the text shows the rounded one.
    const float geschwindigkeit = lauf.Zustand().Endgeschwindigkeit;
    if (geschwindigkeit > satz.GeschwindigkeitMax) {
        warnen(lauf, MeldungZuHoch);
        return false;
    }
    if (satz.GeschwindigkeitMin > geschwindigkeit) {
        warnen(lauf, MeldungZuKlein);
        return false;
    }
    return true;
}

}  // namespace fluvan
