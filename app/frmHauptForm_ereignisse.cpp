#include "app/frmHauptForm.h"

#include <vector>

#include "app/auslegungshilfe/frmEXCELBlatt.h"
#include "app/frmLeitfaehigkeit.h"
#include "app/frmSplashscreen1.h"
#include "app/zahlenfilter.h"
#include "base/variable.h"
#include "catalogue/listen.h"
#include "engine/rechenlauf.h"
#include "platform/dienste.h"
#include "platform/fensterregister.h"
#include "platform/modaldialoge.h"
#include "platform/steuerelemente.h"

namespace fluvan::app {

using namespace platform;
using namespace catalogue;

// The load: each list filled and its default selected before the next one.
// Filling selects nothing by itself, so each handler runs once, for the default.
void frmHauptForm::Form_Load() {
    const std::string_view sprache = base::Variable::instanz().Sprache;
    const auto fuellen = [](QComboBox* liste, const auto& eintraege, int standard) {
        {
            const QSignalBlocker still(liste);
            for (const auto& eintrag : eintraege) liste->addItem(qtext(eintrag));
            liste->setCurrentIndex(-1);
        }
        liste->setCurrentIndex(standard);
    };
    fuellen(cboMIDDaten, Geraeteliste, StandardGeraet);
    std::vector<std::string_view> texte;
    for (const Nennweite& n : Nennweitenliste) texte.push_back(n.eintrag);
    fuellen(cboMIDDN, texte, StandardNennweite);
    texte.clear();
    for (const Volumeneinheit& e : Volumeneinheiten) texte.push_back(e.text);
    fuellen(cboEinheiten, texte, StandardVolumeneinheit);
    texte.clear();
    for (const Zeiteinheit& z : Zeiteinheiten) texte.push_back(z.name[sprache]);
    fuellen(cboZeitEinheiten, texte, StandardZeiteinheit);
}

void frmHauptForm::cboMIDDaten_Click() { GeraetWaehlen(base::Variable::instanz(), cboMIDDaten->currentIndex()); }

void frmHauptForm::cboMIDDN_Click() {
    NennweiteWaehlen(base::Variable::instanz(), cboMIDDN->currentIndex(), dienste().region->Dezimaltrennzeichen());
}

void frmHauptForm::cboEinheiten_Click() {
    VolumeneinheitWaehlen(base::Variable::instanz(), cboEinheiten->currentText().toStdString(),
                          cboEinheiten->currentIndex());
}

void frmHauptForm::cboZeitEinheiten_Click() {
    ZeiteinheitWaehlen(base::Variable::instanz(), cboZeitEinheiten->currentText().toStdString(),
                       cboZeitEinheiten->currentIndex());
}

void frmHauptForm::txtDichte_KeyPress(int& KeyAscii) { KeyAscii = Zahlenfilter(KeyAscii); }
void frmHauptForm::txtVisco_KeyPress(int& KeyAscii) { KeyAscii = Zahlenfilter(KeyAscii); }
void frmHauptForm::txtLaenge_KeyPress(int& KeyAscii) { KeyAscii = Zahlenfilter(KeyAscii); }
void frmHauptForm::txtVolumen_KeyPress(int& KeyAscii) { KeyAscii = Zahlenfilter(KeyAscii); }

void frmHauptForm::txtKunde_Change() { base::Variable::instanz().Kunde = txtKunde->text().toStdString(); }
void frmHauptForm::txtTAG_Change() { base::Variable::instanz().TAGNummer = txtTAG->text().toStdString(); }
void frmHauptForm::txtVKNummer_Change() { base::Variable::instanz().VKNummer = txtVKNummer->text().toStdString(); }

void frmHauptForm::TypWaehlen(const hauptform::Typeintrag& eintrag) {
    cboMIDDaten->setCurrentIndex(eintrag.listenindex);
}

void frmHauptForm::mnuMIDNeu_Click() { TypWaehlen(hauptform::TypmenueMID[0]); }
void frmHauptForm::mnuVeltrum20_Click() { TypWaehlen(hauptform::TypmenueMID[1]); }
void frmHauptForm::mnuVeltrum30_Click() { TypWaehlen(hauptform::TypmenueMID[2]); }
void frmHauptForm::mnuMIDalt_Click() { TypWaehlen(hauptform::TypmenueMID[3]); }
void frmHauptForm::mnuBrisal_Click() { TypWaehlen(hauptform::TypmenueMID[4]); }
void frmHauptForm::mnuULneu_Click() { TypWaehlen(hauptform::TypmenueUL[0]); }
void frmHauptForm::mnuULalt_Click() { TypWaehlen(hauptform::TypmenueUL[1]); }

void frmHauptForm::mnuLeitfaehigkeit_Click() { zeigeFenster<app::frmLeitfaehigkeit>(); }

void frmHauptForm::mnuEXCEL_Click() { zeigeFenster<frmEXCELBlatt>(); }

void frmHauptForm::mnuInfo_Click() {
    // The info screen is shown first, the main form closed right after: so the
    // program never sees its last window closed, which would end it.
    zeigeFenster<frmSplashscreen1>();
    close();
}

void frmHauptForm::mnuEnde_Click() { dienste().ende->beenden(); }
void frmHauptForm::cmdEnde_Click() { dienste().ende->beenden(); }

void frmHauptForm::cmdFehlerkurve_Click() {
    // The run's boxes stand over this form. The run holds references to the
    // form's fields while a box is open: they stay valid only because the
    // modal box blocks every way to close the form meanwhile.
    const FragendesFenster fragt(this);
    Dienste& d = dienste();
    engine::Rechenlauf lauf(base::Variable::instanz(), *d.meldungen, *d.region, felder, *d.ergebnis);
    lauf.cmdFehlerkurve_Click();
}

std::string frmHauptForm::Eingabefelder::txtVolumen() const { return form.txtVolumen->text().toStdString(); }
std::string frmHauptForm::Eingabefelder::txtDichte() const { return form.txtDichte->text().toStdString(); }
std::string frmHauptForm::Eingabefelder::txtVisco() const { return form.txtVisco->text().toStdString(); }
std::string frmHauptForm::Eingabefelder::txtLaenge() const { return form.txtLaenge->text().toStdString(); }
void frmHauptForm::Eingabefelder::setzeTxtLaenge(const std::string& text) { form.txtLaenge->setText(qtext(text)); }

base::Flanschart frmHauptForm::Eingabefelder::gewaehlteFlanschart() const {
    if (form.Option1->isChecked()) return base::Flanschart::DIN;
    if (form.Option2->isChecked()) return base::Flanschart::ANSI;
    return base::Flanschart::EigeneLaenge;
}

}  // namespace fluvan::app
