#pragma once
// The calculation chain of the main form: from the calculate button to the
// filled curve. Every step passes its values through Variable.
#include "base/ports.h"
#include "base/variable.h"
#include "catalogue/pruefname.h"
#include "parameters/genauigkeitsdaten.h"
#include "parameters/satzname.h"

namespace fluvan::engine {

using catalogue::Pruefname;
using parameters::Satzname;

class Rechenlauf {
public:
    Rechenlauf(base::Variable& variable, base::Meldungen& meldungen, base::Regionaleinstellungen& region,
               base::Hauptformular& formular, base::Ergebnisanzeige& anzeige)
        : v(variable), meldungen(meldungen), region(region), formular(formular), anzeige(anzeige) {}

    // The calculate button: the whole chain; a calculation fault ends in a box.
    void cmdFehlerkurve_Click();

    void BaulaengeBestimmen();
    void FehlerBerechnen();
    void FehlerBerechnenVeltrum();
    void Druckverlust();

    // The size check of a model: its rule from catalogue/, evaluated and shown.
    void Groessenpruefung(Pruefname pruefung);
    // A size check hands an accepted size to a parameter set through here.
    void SatzAufrufen(Satzname satz);
    // The parameter set: its row from parameters/, the velocity check, the curve.
    void Parametersatz(Satzname satz);

    // Nennweite as a number, read afresh with the regional settings.
    double NennweiteZahl() const;

private:
    void Berechnung();
    // Out of the row's range: the warning box, and false.
    bool Geschwindigkeitspruefung(const parameters::Parametersatzzeile& satz);
    void Fehlerkurve(bool summenmodell);

    base::Variable& v;
    base::Meldungen& meldungen;
    base::Regionaleinstellungen& region;
    base::Hauptformular& formular;
    base::Ergebnisanzeige& anzeige;
    // Set by BaulaengeBestimmen when DIN or ANSI found no table length this run.
    bool baulaengeFehlt = false;
};

}  // namespace fluvan::engine
