#include "app/frmSplashscreen.h"

#include "app/bilder.h"
#include "app/fensterrahmen.h"
#include "app/frmHauptForm.h"
#include "base/variable.h"
#include "platform/fensterregister.h"
#include "platform/steuerelemente.h"
#include "platform/twips.h"

namespace fluvan::app {

using namespace platform;

frmSplashscreen::frmSplashscreen() : Startbild("frmSplashscreen", startbild::LageStart) {
    const startbild::Flaggen& lage = startbild::Flaggenknoepfe;
    const auto flaggenknopf = [&](const char* name, bilder::Land land, const char* tooltip, Twips ort) {
        QPushButton* knopf = neu<QPushButton>(this, name);
        knopf->setIcon(QIcon(bilder::Flagge(land)));
        knopf->setToolTip(qtext(tooltip));
        knopf->setAutoDefault(false);
        platziere(knopf, ort);
        // The flag fills the button inside its edge.
        knopf->setIconSize(knopf->size() - QSize(8, 6));
        return knopf;
    };
    cmdDeutsch = flaggenknopf("cmdDeutsch", bilder::Land::Deutschland, "Deutsch", lage.cmdDeutsch);
    cmdEnglisch = flaggenknopf("cmdEnglisch", bilder::Land::Grossbritannien, "English", lage.cmdEnglisch);
    cmdFranz = flaggenknopf("cmdFranz", bilder::Land::Frankreich, "Français", lage.cmdFranz);
    cmdSpan = flaggenknopf("cmdSpan", bilder::Land::Spanien, "Español", lage.cmdSpan);
    setzeFokusfolge(this, lage.fokusfolge);

    connect(cmdDeutsch, &QPushButton::clicked, this, &frmSplashscreen::cmdDeutsch_Click);
    connect(cmdEnglisch, &QPushButton::clicked, this, &frmSplashscreen::cmdEnglisch_Click);
    connect(cmdFranz, &QPushButton::clicked, this, &frmSplashscreen::cmdFranz_Click);
    connect(cmdSpan, &QPushButton::clicked, this, &frmSplashscreen::cmdSpan_Click);
}

void frmSplashscreen::cmdDeutsch_Click() { Sprachwahl("D"); }
void frmSplashscreen::cmdEnglisch_Click() { Sprachwahl("GB"); }
void frmSplashscreen::cmdFranz_Click() { Sprachwahl("F"); }
void frmSplashscreen::cmdSpan_Click() { Sprachwahl("E"); }

// The language comes first: the main form's load reads it.
void frmSplashscreen::Sprachwahl(std::string_view sprache) {
    base::Variable::instanz().Sprache = std::string(sprache);
    zeigeFenster<frmHauptForm>();
    close();
}

}  // namespace fluvan::app
