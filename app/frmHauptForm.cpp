#include "app/frmHauptForm.h"

#include <QMenuBar>
#include <limits>

#include "app/bilder.h"
#include "app/fensterrahmen.h"
#include "app/hauptform_lage.h"
#include "base/variable.h"
#include "platform/einfuegefilter.h"
#include "platform/steuerelemente.h"
#include "platform/systemfarben.h"
#include "platform/tastenfilter.h"
#include "platform/twips.h"

namespace fluvan::app {

using namespace platform;

namespace {

const hauptform::Lage& lage() { return hauptform::lage(base::Variable::instanz().Sprache); }

// A left-aligned caption is as wide as designed, or wider when its text needs it.
void breiteNachText(QLabel* label) {
    const int noetig = label->fontMetrics().horizontalAdvance(label->text()) + 4;
    if (noetig > label->width()) label->resize(noetig, label->height());
}

}  // namespace

frmHauptForm::frmHauptForm() {
    const hauptform::Lage& l = lage();
    QWidget* innen =
        richteMenuefensterEin(this, "frmHauptForm", base::Programmtitel, l.rahmen, qfarbe(*l.Innenflaeche));
    setFont(schrift(hauptform::Fensterschrift));
    baueSteuerelemente(innen);
    baueMenue();
    setzeFokusfolge();
    verbinde();
    Form_Load();
    schliesseRahmenAb(this, l.rahmen);
}

void frmHauptForm::baueSteuerelemente(QWidget* innen) {
    using namespace hauptform;
    const base::Variable& v = base::Variable::instanz();
    const Lage& l = lage();
    const std::string_view s = v.Sprache;

    const QFont ueberschrift = schrift(Ueberschrift);
    const QFont feldKopf = schrift(Kopffeldschrift);
    const QFont beschriftet = schrift(Beschriftungsschrift);
    const QFont klein = schrift(Feldschrift);
    const QFont einheit = schrift(Einheitsschrift);
    const Qt::Alignment rechts = Qt::AlignRight | Qt::AlignTop;

    const auto caption = [&](QWidget* eltern, const char* name, const base::Texte& texte, const QFont& font, Twips ort,
                             const base::Farbe& farbe, Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignTop) {
        QLabel* label = beschriftung(eltern, name, texte[s], font, ausrichtung);
        platziere(label, ort);
        hintergrund(label, qfarbe(farbe));
        if (ausrichtung & Qt::AlignLeft) breiteNachText(label);
        return label;
    };
    const auto feld = [&](QWidget* eltern, const char* name, const char* inhalt, const QFont& font, Twips ort) {
        QLineEdit* box = neu<QLineEdit>(eltern, name);
        box->setMaxLength(std::numeric_limits<int>::max());  // no preset limit on the text
        box->setText(qtext(inhalt));
        box->setFont(font);
        platziere(box, ort);
        return box;
    };
    const auto liste = [&](const char* name, const QFont& font, Twips ort) {
        QComboBox* box = neu<QComboBox>(innen, name);
        box->setEditable(false);
        box->setFont(font);
        box->setMaxVisibleItems(8);
        platziere(box, ort);
        return box;
    };
    const auto option = [&](const char* name, Twips ort) {
        QRadioButton* knopf = neu<QRadioButton>(Frame1, name);
        platziere(knopf, ort);
        hintergrund(knopf, qfarbe(Bildlaufleiste));
        return knopf;
    };
    const auto knopf = [&](const char* name, const base::Texte& texte, Twips ort) {
        QPushButton* k = neu<QPushButton>(innen, name);
        k->setText(qtext(texte[s]));
        k->setFont(beschriftet);
        k->setAutoDefault(false);
        platziere(k, ort);
        return k;
    };

    Image1 = neu<QLabel>(innen, "Image1");
    platziere(Image1, l.Image1);
    Image1->setPixmap(bilder::Logo(Image1->size()));
    Image1->setScaledContents(true);

    // Header, left and right. The boxes show the header cells: a result sheet
    // prints these texts, so the form never hides them.
    Label1 = caption(innen, "Label1", hauptform::Label1, ueberschrift, l.Label1, AktiverRahmen);
    txtKunde = feld(innen, "txtKunde", v.Kunde.c_str(), feldKopf, l.txtKunde);
    Label2 = caption(innen, "Label2", hauptform::Label2, ueberschrift, l.Label2, AktiverRahmen);
    txtTAG = feld(innen, "txtTAG", v.TAGNummer.c_str(), feldKopf, l.txtTAG);
    Label11 = caption(innen, "Label11", hauptform::Label11, ueberschrift, l.Label11, AktiverRahmen);
    txtVKNummer = feld(innen, "txtVKNummer", v.VKNummer.c_str(), feldKopf, l.txtVKNummer);

    // The selection column.
    lblMIDDaten = caption(innen, "lblMIDDaten", hauptform::lblMIDDaten, beschriftet, l.lblMIDDaten, AktiverRahmen);
    cboMIDDaten = liste("cboMIDDaten", klein, l.cboMIDDaten);
    lblDN = caption(innen, "lblDN", hauptform::lblDN, beschriftet, l.lblDN, AktiverRahmen);
    cboMIDDN = liste("cboMIDDN", klein, l.cboMIDDN);
    lblEinheiten = caption(innen, "lblEinheiten", hauptform::lblEinheiten, beschriftet, l.lblEinheiten, AktiverRahmen);
    cboEinheiten = liste("cboEinheiten", klein, l.cboEinheiten);
    lblEinheitZeit =
        caption(innen, "lblEinheitZeit", hauptform::lblEinheitZeit, beschriftet, l.lblEinheitZeit, AktiverRahmen);
    cboZeitEinheiten = liste("cboZeitEinheiten", schrift(l.cboZeitEinheitenSchrift), l.cboZeitEinheiten);
    lblVolumen = caption(innen, "lblVolumen", hauptform::lblVolumen, beschriftet, l.lblVolumen, AktiverRahmen);
    txtVolumen = feld(innen, "txtVolumen", "0.0", klein, l.txtVolumen);

    // The pressure-loss frame: liquid data and flange choice.
    Frame1 = neu<QGroupBox>(innen, "Frame1");
    Frame1->setTitle(qtext(hauptform::Frame1[s]));
    platziere(Frame1, l.Frame1);
    hintergrund(Frame1, qfarbe(Bildlaufleiste));

    lblFlasch = caption(Frame1, "lblFlasch", hauptform::lblFlasch, beschriftet, l.lblFlasch, Bildlaufleiste);
    Label9 = caption(Frame1, "Label9", hauptform::Label9, einheit, l.Label9, Bildlaufleiste, rechts);
    Option1 = option("Option1", l.Option1);
    Label10 = caption(Frame1, "Label10", hauptform::Label10, einheit, l.Label10, Bildlaufleiste, rechts);
    Option2 = option("Option2", l.Option2);
    Label3 = caption(Frame1, "Label3", hauptform::Label3, beschriftet, l.Label3, AktiverRahmen);
    Label4 = caption(Frame1, "Label4", hauptform::Label4, einheit, l.Label4, AktiverRahmen, rechts);
    txtDichte = feld(Frame1, "txtDichte", "1000", klein, l.txtDichte);
    Label5 = caption(Frame1, "Label5", hauptform::Label5, beschriftet, l.Label5, AktiverRahmen);
    Label6 = caption(Frame1, "Label6", hauptform::Label6, einheit, l.Label6, AktiverRahmen, rechts);
    txtVisco = feld(Frame1, "txtVisco", "1", klein, l.txtVisco);
    lblLaenge = caption(Frame1, "lblLaenge", hauptform::lblLaenge, beschriftet, l.lblLaenge, InaktiverRahmen);
    Label7 = caption(Frame1, "Label7", hauptform::Label7, einheit, l.Label7, InaktiverRahmen, rechts);
    txtLaenge = feld(Frame1, "txtLaenge", "68", klein, l.txtLaenge);
    Option3 = option("Option3", l.Option3);
    Option1->setChecked(true);

    // The unit captions stand over their box's right end; lift them above the
    // caption that may have grown into them.
    for (QLabel* unit : {Label4, Label6, Label7}) unit->raise();

    cmdEnde = knopf("cmdEnde", hauptform::cmdEnde, l.cmdEnde);
    cmdFehlerkurve = knopf("cmdFehlerkurve", hauptform::cmdFehlerkurve, l.cmdFehlerkurve);
}

void frmHauptForm::baueMenue() {
    const std::string_view s = base::Variable::instanz().Sprache;
    QMenuBar* leiste = menuBar();

    mnuAuswahl = menue(this, "mnuAuswahl", hauptform::mnuAuswahl[s]);
    mnuMID = menue(mnuAuswahl, "mnuMID", hauptform::mnuMID);
    const auto& mid = hauptform::TypmenueMID;
    mnuMIDNeu = eintrag(mnuMID, mid[0].name, mid[0].caption);
    mnuVeltrum20 = eintrag(mnuMID, mid[1].name, mid[1].caption);
    mnuVeltrum30 = eintrag(mnuMID, mid[2].name, mid[2].caption);
    mnuMIDalt = eintrag(mnuMID, mid[3].name, mid[3].caption);
    mnuBrisal = eintrag(mnuMID, mid[4].name, mid[4].caption);
    mnuUL = menue(mnuAuswahl, "mnuUL", hauptform::mnuUL);
    const auto& ul = hauptform::TypmenueUL;
    mnuULneu = eintrag(mnuUL, ul[0].name, ul[0].caption);
    mnuULalt = eintrag(mnuUL, ul[1].name, ul[1].caption);

    mnuLeitfaehigkeit = eintrag(leiste, "mnuLeitfaehigkeit", hauptform::mnuLeitfaehigkeit[s]);
    mnuEXCEL = eintrag(leiste, "mnuEXCEL", hauptform::mnuEXCEL[s]);
    mnuInfo = eintrag(leiste, "mnuInfo", hauptform::mnuInfo[s]);
    mnuEnde = eintrag(leiste, "mnuEnde", hauptform::mnuEnde[s]);
    ueberlasseGleicheZugriffstaste(cmdEnde, *mnuEnde);
}

void frmHauptForm::setzeFokusfolge() {
    app::setzeFokusfolge(this, lage().fokusfolge);
    for (QRadioButton* knopf : {Option1, Option2, Option3}) {
        const auto fokus = [knopf](bool gewaehlt) { knopf->setFocusPolicy(gewaehlt ? Qt::StrongFocus : Qt::NoFocus); };
        fokus(knopf->isChecked());
        connect(knopf, &QRadioButton::toggled, knopf, fokus);
    }
}

void frmHauptForm::verbinde() {
    connect(cboMIDDaten, &QComboBox::currentIndexChanged, this, &frmHauptForm::cboMIDDaten_Click);
    connect(cboMIDDN, &QComboBox::currentIndexChanged, this, &frmHauptForm::cboMIDDN_Click);
    connect(cboEinheiten, &QComboBox::currentIndexChanged, this, &frmHauptForm::cboEinheiten_Click);
    connect(cboZeitEinheiten, &QComboBox::currentIndexChanged, this, &frmHauptForm::cboZeitEinheiten_Click);

    // A number box's handler judges every character that reaches the box,
    // typed or pasted or dropped: the calculation reads what the box shows.
    const auto zahlenfeld = [](QLineEdit* box, const Tastenfilter::Behandlung& behandlung) {
        new Tastenfilter(box, behandlung);
        new Einfuegefilter(box, behandlung);
    };
    zahlenfeld(txtDichte, [this](int& k) { txtDichte_KeyPress(k); });
    zahlenfeld(txtVisco, [this](int& k) { txtVisco_KeyPress(k); });
    zahlenfeld(txtLaenge, [this](int& k) { txtLaenge_KeyPress(k); });
    zahlenfeld(txtVolumen, [this](int& k) { txtVolumen_KeyPress(k); });
    connect(txtKunde, &QLineEdit::textChanged, this, &frmHauptForm::txtKunde_Change);
    connect(txtTAG, &QLineEdit::textChanged, this, &frmHauptForm::txtTAG_Change);
    connect(txtVKNummer, &QLineEdit::textChanged, this, &frmHauptForm::txtVKNummer_Change);

    connect(mnuMIDNeu, &QAction::triggered, this, &frmHauptForm::mnuMIDNeu_Click);
    connect(mnuVeltrum20, &QAction::triggered, this, &frmHauptForm::mnuVeltrum20_Click);
    connect(mnuVeltrum30, &QAction::triggered, this, &frmHauptForm::mnuVeltrum30_Click);
    connect(mnuMIDalt, &QAction::triggered, this, &frmHauptForm::mnuMIDalt_Click);
    connect(mnuBrisal, &QAction::triggered, this, &frmHauptForm::mnuBrisal_Click);
    connect(mnuULneu, &QAction::triggered, this, &frmHauptForm::mnuULneu_Click);
    connect(mnuULalt, &QAction::triggered, this, &frmHauptForm::mnuULalt_Click);
    connect(mnuLeitfaehigkeit, &QAction::triggered, this, &frmHauptForm::mnuLeitfaehigkeit_Click);
    connect(mnuEXCEL, &QAction::triggered, this, &frmHauptForm::mnuEXCEL_Click);
    connect(mnuInfo, &QAction::triggered, this, &frmHauptForm::mnuInfo_Click);
    connect(mnuEnde, &QAction::triggered, this, &frmHauptForm::mnuEnde_Click);
    connect(cmdEnde, &QPushButton::clicked, this, &frmHauptForm::cmdEnde_Click);
    connect(cmdFehlerkurve, &QPushButton::clicked, this, &frmHauptForm::cmdFehlerkurve_Click);
}

}  // namespace fluvan::app
