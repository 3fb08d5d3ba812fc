#include "app/Bild1.h"

#include "app/Bild2.h"
#include "app/diagramme.h"
#include "app/ergebnisanzeige.h"
#include "app/frmHauptForm.h"
#include "base/variable.h"
#include "output/blattinhalt.h"
#include "platform/dienste.h"
#include "platform/fensteraufnahme.h"
#include "platform/fensterdruck.h"
#include "platform/fensterregister.h"
#include "platform/modaldialoge.h"
#include "platform/steuerelemente.h"
#include "platform/wordanwendung.h"

namespace fluvan::app {

using platform::qtext;

void Bild1::Form_Load() {
    const base::Variable stand = ladestand();
    const std::string trenner = platform::dienste().region->Dezimaltrennzeichen();
    fuelleDiagramm(*MSChart1, output::diagrammgitter(stand.Fehler, stand, trenner));

    const output::Blattinhalt inhalt = output::blattinhalt(stand, trenner);
    namespace index = output::label1;
    const auto setze = [this](int i, const std::string& text) {
        Label1[static_cast<std::size_t>(i)]->setText(qtext(text));
    };
    for (int zeile = 1; zeile <= 15; ++zeile) {
        const auto n = static_cast<std::size_t>(zeile - 1);
        setze(index::Fehlerspalte + zeile, inhalt.fehler[n]);
        setze(index::Durchflussspalte + zeile, inhalt.durchfluss[n]);
        setze(index::Geschwindigkeitsspalte + zeile, inhalt.geschwindigkeit[n]);
    }
    setze(index::Typ, inhalt.typ);
    setze(index::Nennweite, inhalt.nennweite);
    setze(index::Messbereich, inhalt.messbereich);
    setze(index::Kunde, inhalt.kunde);
    setze(index::Tag, inhalt.tag);
    setze(index::Einheit, inhalt.einheit);
    Label6->setText(qtext(inhalt.druckverlust));
    Label9->setText(qtext(inhalt.vkNummer));
}

void Bild1::cmdNeueBerechnung_Click() {
    platform::zeigeFenster<frmHauptForm>();
    close();
}

void Bild1::mnuNeu_Click() { cmdNeueBerechnung_Click(); }

void Bild1::mnuDruckverlust_Click() { zeigeErgebnisfenster<Bild2>(); }

void Bild1::cmdEnde_Click() { platform::dienste().ende->beenden(); }

void Bild1::mnuEnde_Click() { cmdEnde_Click(); }

// The boxes and dialogs of these commands stand over the sheet.
void Bild1::mnuDrucken_Click() {
    const platform::FragendesFenster fragt(this);
    platform::Drucken(*this, *Picture1, output::DruckBild1);
}

void Bild1::mnuSpeichern_Click() {
    const platform::FragendesFenster fragt(this);
    CommonDialog1.speichern(*this, *Picture1);
}

void Bild1::mnuWord_Click() {
    const platform::FragendesFenster fragt(this);
    if (platform::Fensteraufnahme(*this, *Picture1)) WordAnwendungStarten();
}

void Bild1::WordAnwendungStarten() { platform::WordAnwendungStarten(platform::bildVon(*Picture1)); }

}  // namespace fluvan::app
