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
#include "platform/steuerelemente.h"
#include "platform/wordanwendung.h"

namespace fluvan::app {

using platform::qtext;

void Bild1::Form_Load() {
    const base::Variable stand = ladestand();
    const std::string trenner = platform::dienste().region->Dezimaltrennzeichen();
    fuelleDiagramm(*MSChart1, output::diagrammgitter(stand.Fehler, stand, trenner));

    const output::Blattinhalt inhalt = output::blattinhalt(stand, trenner);
    for (std::size_t i = 0; i < 15; ++i) {
        Label1[3 + i]->setText(qtext(inhalt.fehler[i]));
        Label1[21 + i]->setText(qtext(inhalt.durchfluss[i]));
        Label1[40 + i]->setText(qtext(inhalt.geschwindigkeit[i]));
    }
    Label1[18]->setText(qtext(inhalt.typ));
    Label1[19]->setText(qtext(inhalt.nennweite));
    Label1[20]->setText(qtext(inhalt.messbereich));
    Label1[36]->setText(qtext(inhalt.kunde));
    Label1[37]->setText(qtext(inhalt.tag));
    Label1[39]->setText(qtext(inhalt.einheit));
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

void Bild1::mnuDrucken_Click() { platform::Drucken(*this, *Picture1, output::DruckBild1); }

void Bild1::mnuSpeichern_Click() { CommonDialog1.speichern(*this, *Picture1); }

void Bild1::mnuWord_Click() {
    if (platform::Fensteraufnahme(*this, *Picture1)) WordAnwendungStarten();
}

void Bild1::WordAnwendungStarten() { platform::WordAnwendungStarten(platform::bildVon(*Picture1)); }

}  // namespace fluvan::app
