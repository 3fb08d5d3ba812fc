#include "app/Bild2.h"

#include <QMenuBar>

#include "app/Bild1.h"
#include "app/bild2_lage.h"
#include "app/diagramme.h"
#include "app/ergebnisanzeige.h"
#include "app/fensterrahmen.h"
#include "base/sprache.h"
#include "base/variable.h"
#include "output/bild2_texte.h"
#include "platform/dienste.h"
#include "platform/fensteraufnahme.h"
#include "platform/fensterdruck.h"
#include "platform/modaldialoge.h"
#include "platform/steuerelemente.h"
#include "platform/systemfarben.h"
#include "platform/twips.h"
#include "platform/wordanwendung.h"

namespace fluvan::app {

using namespace platform;
namespace texte = output::bild2;

Bild2::Bild2() {
    const std::string_view s = base::Variable::instanz().Sprache;
    const bild2::Lage& lage = bild2::lage(s);
    QWidget* innen = richteMenuefensterEin(this, "Bild2", base::Programmtitel, lage.rahmen, qfarbe(Schaltflaeche));

    MSChart2 = new MSChart(GestaltungMSChart2(s), innen);
    MSChart2->setObjectName(QStringLiteral("MSChart2"));
    platziere(MSChart2, lage.MSChart2);

    Picture2 = neu<Bildhalter>(innen, "Picture2");
    platziere(Picture2, lage.Picture2);

    mnuDruck = menue(this, lage.mnuDruck, texte::mnuDruck[s]);
    mnuDiagrammDruck = eintrag(mnuDruck, lage.mnuDiagrammDruck, texte::mnuDiagrammDruck[s]);
    mnuWordeinbinden = eintrag(mnuDruck, "mnuWordeinbinden", texte::mnuWordeinbinden[s]);
    mnuEnde = eintrag(menuBar(), "mnuEnde", texte::mnuEnde[s]);
    connect(mnuDiagrammDruck, &QAction::triggered, this, &Bild2::mnuDiagrammDruck_Click);
    connect(mnuWordeinbinden, &QAction::triggered, this, &Bild2::mnuWordeinbinden_Click);
    connect(mnuEnde, &QAction::triggered, this, &Bild2::mnuEnde_Click);

    setzeFokusfolge(this, lage.fokusfolge);

    Form_Load();
    schliesseRahmenAb(this, lage.rahmen);
}

void Bild2::Form_Load() {
    const base::Variable stand = ladestand();
    const std::string trenner = dienste().region->Dezimaltrennzeichen();
    fuelleDiagramm(*MSChart2, output::diagrammgitter(stand.Druckabfall, stand, trenner));
}

// The boxes and dialogs of these commands stand over the diagram.
void Bild2::mnuDiagrammDruck_Click() {
    const FragendesFenster fragt(this);
    platform::Drucken(*this, *Picture2, output::DruckBild2);
}

void Bild2::mnuWordeinbinden_Click() {
    const FragendesFenster fragt(this);
    if (platform::Fensteraufnahme(*this, *Picture2)) WordAnwendungStarten1();
}

void Bild2::WordAnwendungStarten1() { platform::WordAnwendungStarten(platform::bildVon(*Picture2)); }

void Bild2::mnuEnde_Click() {
    zeigeErgebnisfenster<Bild1>();
    close();
}

}  // namespace fluvan::app
