#include "parameters/geschwindigkeitspruefung.h"

#include "base/sprache.h"
#include "base/zahlen.h"

namespace fluvan::parameters {
namespace {

constexpr base::Texte MeldungZuHoch{"Endwert zu hoch!", "Max. value too high!", "Valeur fin d'échelle trop élevée!",
                                    "Valor final muy alto!"};
constexpr base::Texte MeldungZuKlein{"Endwert zu klein!", "Max. value too low!", "Valeur fin d'échelle trop faible!",
                                     "Valor final muy pequeño!"};

}  // namespace

std::string Geschwindigkeitswarnung(Geschwindigkeitsurteil urteil, std::string_view sprache, float gerundet,
                                    std::string_view dezimaltrenner) {
    if (urteil == Geschwindigkeitsurteil::ImBereich) return {};
    const base::Texte& meldung = urteil == Geschwindigkeitsurteil::ZuHoch ? MeldungZuHoch : MeldungZuKlein;
    std::string text(meldung[sprache]);
    text += base::CRLF;
    text += "v =";
    text += base::zahlText(gerundet, dezimaltrenner);
    text += "m/sec";
    return text;
}

}  // namespace fluvan::parameters
