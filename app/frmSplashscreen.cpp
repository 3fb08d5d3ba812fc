#include "app/frmSplashscreen.h"

#include "app/bilder.h"
#include "app/frmHauptForm.h"
#include "base/variable.h"
#include "platform/fensterregister.h"
#include "platform/steuerelemente.h"

namespace fluvan::app {

using namespace platform;

namespace {

constexpr Startbildlage Lage{
    .Shape1 = {0, 0, 5772, 5772},
    .Label4 = {840, 360, 3252, 732},
    .Label7 = {3960, 360, 732, 732},
    .Label1 = {720, 1200, 4332, 492},
    .Label5 = {1080, 1680, 3372, 492},
    .Label3 = {960, 2160, 3492, 492},
    .Label6 = {840, 2640, 3732, 612},
};

}  // namespace

frmSplashscreen::frmSplashscreen() : Startbild(Lage) {
    setObjectName(QStringLiteral("frmSplashscreen"));
    const auto flaggenknopf = [&](const char* name, bilder::Land land, const char* tooltip, int links) {
        QPushButton* knopf = neu<QPushButton>(this, name);
        knopf->setIcon(QIcon(bilder::Flagge(land)));
        // The flag fills the button inside its edge.
        knopf->setIconSize(QSize(pixel(732) - 8, pixel(492) - 6));
        knopf->setToolTip(qtext(tooltip));
        knopf->setAutoDefault(false);
        platziere(knopf, links, 4200, 732, 492);
        return knopf;
    };
    cmdDeutsch = flaggenknopf("cmdDeutsch", bilder::Land::Deutschland, "Deutsch", 480);
    cmdEnglisch = flaggenknopf("cmdEnglisch", bilder::Land::Grossbritannien, "English", 1800);
    cmdFranz = flaggenknopf("cmdFranz", bilder::Land::Frankreich, "Français", 3120);
    cmdSpan = flaggenknopf("cmdSpan", bilder::Land::Spanien, "Español", 4560);
    setTabOrder(cmdDeutsch, cmdEnglisch);
    setTabOrder(cmdEnglisch, cmdFranz);
    setTabOrder(cmdFranz, cmdSpan);
    cmdDeutsch->setFocus();

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
