#include <string>

#include "engine/rechenlauf.h"
#include "parameters/geschwindigkeitspruefung.h"
#include "parameters/parametersaetze.h"

namespace fluvan::engine {

using namespace parameters;

void Rechenlauf::Parametersatz(Satzname name) {
    const Parametersatzzeile& satz = zeile(name);

    // The record is loaded first, whether the check then passes or not.
    v.FehlerOben = satz.daten.FehlerOben;
    v.FehlerUnten = satz.daten.FehlerUnten;
    v.Nullpunkt = satz.daten.Nullpunkt;
    v.Grenzgeschwindigkeit = satz.daten.Grenzgeschwindigkeit;

    if (!Geschwindigkeitspruefung(satz)) return;

    if (satz.modell == Fehlermodell::Schwellenmodell)
        FehlerBerechnen();
    else
        FehlerBerechnenVeltrum();
    // Curve and pressure loss are complete: the sheet shows this calculation.
    anzeige.zeigeBild1(v);
}

// The unrounded velocity decides; only the text shows the rounded one.
bool Rechenlauf::Geschwindigkeitspruefung(const Parametersatzzeile& satz) {
    const Geschwindigkeitsurteil urteil = parameters::Geschwindigkeitspruefung(v.Endgeschwindigkeit, satz);
    if (urteil == Geschwindigkeitsurteil::ImBereich) return true;
    meldungen.MsgBox(
        Geschwindigkeitswarnung(urteil, v.Sprache, v.EndgeschwindigkeitGerundet, region.Dezimaltrennzeichen()),
        base::MeldungsStil::Ausruf);
    return false;
}

}  // namespace fluvan::engine
