#include "engine/rechenlauf.h"

#include "engine/laengentabelle.h"
#include "engine/sprache.h"
#include "engine/typzuordnung.h"
#include "engine/zahlen.h"

namespace fluvan {
namespace {

constexpr Texte PromptEndwert{"Endwert ?", "Max. Value ?", "Valeur max. ?", "Valor?"};
constexpr Texte PromptDichte{"Dichte ?", "Density ?", "Densité ?", "Densidad ?"};
constexpr Texte PromptViskositaet{"Viskosität ?", "Viskosity ?", "Viskosité ?", "Viscosidad ?"};

constexpr Texte MeldungNichtMoeglich{"Berechnung mit diesen Werten nicht möglich!",
                                     "Calculation not possible with these values!",
                                     "Calcul impossible avec ces valeurs!",
                                     "¡Cálculo imposible con estos valores!"};

constexpr Texte MeldungKeineBaulaenge{"Keine Baulänge für diese Nennweite: bitte eigene Baulänge eingeben!",
                                      "No installation length for this size: please enter own length!",
                                      "Pas de longueur pour ce diamètre: entrez votre longueur!",
                                      "¡No hay longitud para este diámetro: introduzca su longitud!"};

// A typed value beyond the float range counts as not greater than 0.
bool positiv(double wert) { return imFloatBereich(wert) && wert > 0; }

}  // namespace

double Rechenlauf::NennweiteZahl() const { return leseNennweite(v.Nennweite, region.Dezimaltrennzeichen()); }

void Rechenlauf::cmdFehlerkurve_Click() {
    try {
        Berechnung();
    } catch (const Rechenfehler&) {
        meldungen.MsgBox(std::string(MeldungNichtMoeglich[v.Sprache]), MeldungsStil::Ausruf);
    }
}

void Rechenlauf::Berechnung() {
    baulaengeFehlt = false;
    const auto frage = [&](const Texte& prompt) { meldungen.MsgBox(std::string(prompt[v.Sprache]), MeldungsStil::Frage); };

    const double endwert = leseZahl(formular.txtVolumen());
    if (imFloatBereich(endwert)) v.Endwert = speichern(endwert);
    if (positiv(endwert)) v.Durchfluss(1) = v.Endwert;
    if (!positiv(endwert)) return frage(PromptEndwert);

    const double dichte = leseZahl(formular.txtDichte());
    if (imFloatBereich(dichte)) v.Dichte = speichern(dichte);
    if (!positiv(dichte)) return frage(PromptDichte);

    if (v.VolumenEinheit == "kg" || v.VolumenEinheit == "t")
        v.Durchfluss(1) = speichern(pruefe(static_cast<double>(v.Durchfluss(1)) * 1000) / v.Dichte);

    const double viskositaet = leseZahl(formular.txtVisco());
    if (imFloatBereich(viskositaet)) v.Viskositaet = speichern(viskositaet);
    if (!positiv(viskositaet)) return frage(PromptViskositaet);

    BaulaengeBestimmen();

    v.EinheitText = v.VolumenEinheit + "/" + v.ZeitEinheit;
    v.Umrechnungsfaktor = speichern(static_cast<double>(v.VolumenFaktor) / v.ZeitFaktor);
    const double n = NennweiteZahl();
    v.Querschnitt = speichern(pruefe(n * n * 3.141592654) / 4000);
    v.Endgeschwindigkeit =
        speichern(pruefe(static_cast<double>(v.Durchfluss(1)) / v.Querschnitt) * v.Umrechnungsfaktor);
    v.EndgeschwindigkeitGerundet = runden(v.Endgeschwindigkeit, 3);

    if (const auto pruefung = pruefungFuer(v.Geraetetyp)) Groessenpruefung(*pruefung);
}

void Rechenlauf::BaulaengeBestimmen() {
    baulaengeFehlt = false;
    if (const auto reihe = Baureihenzuordnung(v.Geraetetyp)) v.Baureihe = static_cast<float>(*reihe);
    const double nennweite = NennweiteZahl();
    const int baureihe = static_cast<int>(v.Baureihe);
    const auto tabelle = Laengentabelle(baureihe, nennweite);
    const Flanschart art = formular.gewaehlteFlanschart();

    // DIN and ANSI without a table length: nothing to write; the run stops
    // before the parameter set instead of using a length of an earlier run.
    if (art != Flanschart::EigeneLaenge && !tabelle) {
        baulaengeFehlt = true;
        return;
    }
    if (tabelle) v.Baulaenge = speichern(*tabelle);
    if (art == Flanschart::DIN) formular.setzeTxtLaenge(zahlText(v.Baulaenge, "."));
    if (art == Flanschart::ANSI)
        formular.setzeTxtLaenge(zahlText(speichern(v.Baulaenge + ANSIZuschlag(baureihe, nennweite)), "."));
    // The box is the one source of the length; "." is the point it is read with.
    v.Baulaenge = speichern(leseZahl(formular.txtLaenge()));
}

void Rechenlauf::SatzAufrufen(Satzname satz) {
    if (baulaengeFehlt) return meldungen.MsgBox(std::string(MeldungKeineBaulaenge[v.Sprache]), MeldungsStil::Ausruf);
    Parametersatz(satz);
}

}  // namespace fluvan
