#include "engine/rechenlauf.h"

#include "base/sprache.h"
#include "base/zahlen.h"
#include "catalogue/laengentabelle.h"
#include "catalogue/modelle.h"

namespace fluvan::engine {
namespace {

constexpr base::Texte PromptEndwert{"Endwert ?", "Max. Value ?", "Valeur max. ?", "Valor?"};
constexpr base::Texte PromptDichte{"Dichte ?", "Density ?", "Densité ?", "Densidad ?"};
constexpr base::Texte PromptViskositaet{"Viskosität ?", "Viskosity ?", "Viskosité ?", "Viscosidad ?"};

constexpr base::Texte MeldungNichtMoeglich{
    "Berechnung mit diesen Werten nicht möglich!", "Calculation not possible with these values!",
    "Calcul impossible avec ces valeurs!", "¡Cálculo imposible con estos valores!"};

constexpr base::Texte MeldungKeineBaulaenge{"Keine Baulänge für diese Nennweite: bitte eigene Baulänge eingeben!",
                                            "No installation length for this size: please enter own length!",
                                            "Pas de longueur pour ce diamètre: entrez votre longueur!",
                                            "¡No hay longitud para este diámetro: introduzca su longitud!"};

// Stores a typed value into its cell and tells whether the cell now holds a
// value greater than 0: the test is made on what the cell holds, so a value
// too small for a float is the 0 it is stored as. A value beyond the float
// range is not stored and counts as not greater than 0, so that its field's
// prompt shows.
bool speichereGroesserNull(float& zelle, double gelesen) {
    if (!base::imFloatBereich(gelesen)) return false;
    zelle = base::speichern(gelesen);
    return zelle > 0;
}

}  // namespace

double Rechenlauf::NennweiteZahl() const { return base::leseNennweite(v.Nennweite, region.Dezimaltrennzeichen()); }

void Rechenlauf::cmdFehlerkurve_Click() {
    try {
        Berechnung();
    } catch (const base::Rechenfehler&) {
        meldungen.MsgBox(std::string(MeldungNichtMoeglich[v.Sprache]), base::MeldungsStil::Ausruf);
    }
}

void Rechenlauf::Berechnung() {
    baulaengeFehlt = false;
    const auto frage = [&](const base::Texte& prompt) {
        meldungen.MsgBox(std::string(prompt[v.Sprache]), base::MeldungsStil::Frage);
    };

    const bool endwert = speichereGroesserNull(v.Endwert, base::leseZahl(formular.txtVolumen()));
    if (endwert) v.Durchfluss(1) = v.Endwert;
    if (!endwert) return frage(PromptEndwert);

    if (!speichereGroesserNull(v.Dichte, base::leseZahl(formular.txtDichte()))) return frage(PromptDichte);

    if (v.VolumenEinheit == "kg" || v.VolumenEinheit == "t")
        v.Durchfluss(1) = base::speichern(base::pruefe(static_cast<double>(v.Durchfluss(1)) * 1000) / v.Dichte);

    if (!speichereGroesserNull(v.Viskositaet, base::leseZahl(formular.txtVisco()))) return frage(PromptViskositaet);

    BaulaengeBestimmen();

    v.EinheitText = v.VolumenEinheit + "/" + v.ZeitEinheit;
    v.Umrechnungsfaktor = base::speichern(static_cast<double>(v.VolumenFaktor) / v.ZeitFaktor);
    const double n = NennweiteZahl();
    v.Querschnitt = base::speichern(base::pruefe(n * n * 3.141592654) / 4000);
    v.Endgeschwindigkeit =
        base::speichern(base::pruefe(static_cast<double>(v.Durchfluss(1)) / v.Querschnitt) * v.Umrechnungsfaktor);
    v.EndgeschwindigkeitGerundet = base::runden(v.Endgeschwindigkeit, 3);

    if (const catalogue::Modell* modell = catalogue::modellFuer(v.Geraetetyp)) Groessenpruefung(modell->pruefung);
}

void Rechenlauf::BaulaengeBestimmen() {
    baulaengeFehlt = false;
    if (const auto reihe = catalogue::Baureihenzuordnung(v.Geraetetyp)) v.Baureihe = static_cast<float>(*reihe);
    const double nennweite = NennweiteZahl();
    const int baureihe = static_cast<int>(v.Baureihe);
    const auto tabelle = catalogue::Laengentabelle(baureihe, nennweite);
    const base::Flanschart art = formular.gewaehlteFlanschart();

    // DIN and ANSI without a table length: nothing to write; the run stops
    // before the parameter set instead of using a length of an earlier run.
    if (art != base::Flanschart::EigeneLaenge && !tabelle) {
        baulaengeFehlt = true;
        return;
    }
    if (tabelle) v.Baulaenge = base::speichern(*tabelle);
    if (art == base::Flanschart::DIN) formular.setzeTxtLaenge(base::zahlText(v.Baulaenge, "."));
    if (art == base::Flanschart::ANSI)
        formular.setzeTxtLaenge(
            base::zahlText(base::speichern(v.Baulaenge + catalogue::ANSIZuschlag(baureihe, nennweite)), "."));
    // The box is the one source of the length; "." is the point it is read with.
    v.Baulaenge = base::speichern(base::leseZahl(formular.txtLaenge()));
}

void Rechenlauf::SatzAufrufen(Satzname satz) {
    if (baulaengeFehlt)
        return meldungen.MsgBox(std::string(MeldungKeineBaulaenge[v.Sprache]), base::MeldungsStil::Ausruf);
    Parametersatz(satz);
}

}  // namespace fluvan::engine
