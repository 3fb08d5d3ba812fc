#include <variant>

#include "catalogue/groessenregel.h"
#include "catalogue/groessenregeln.h"
#include "engine/rechenlauf.h"

namespace fluvan::engine {

using namespace catalogue;

// An accepted size goes to its parameter set through the guard of SatzAufrufen;
// a rejected one shows the row's text in the critical box.
void Rechenlauf::Groessenpruefung(Pruefname pruefung) {
    const Groessenregel& regel = regelFuer(pruefung);
    const Ausgang ausgang = auswerten(regel, v.Nennweite, region.Dezimaltrennzeichen());
    if (const Satzname* satz = std::get_if<Satzname>(&ausgang)) SatzAufrufen(*satz);
    if (const Ablehnung* ablehnung = std::get_if<Ablehnung>(&ausgang))
        meldungen.MsgBox(meldungstext(regel, *ablehnung, v.Sprache), base::MeldungsStil::Kritisch);
}

}  // namespace fluvan::engine
