#include "app/frmHauptForm.h"

#include <QMenuBar>
#include <limits>
#include <vector>

#include "app/bilder.h"
#include "base/variable.h"
#include "platform/schriften.h"
#include "platform/steuerelemente.h"
#include "platform/systemfarben.h"
#include "platform/tastenfilter.h"
#include "platform/twips.h"

namespace fluvan::app {

using namespace platform;

namespace {

// The language of the window; any code but "GB", "F" and "E" shows German.
struct Sprachlage {
    std::string_view code;
    bool deutsch, franzoesisch, spanisch;
};

Sprachlage spracheVon(const std::string& code) {
    const base::Sprachcode sprache = base::angezeigteSprache(code);
    return {code, sprache == base::Sprachcode::D, sprache == base::Sprachcode::F, sprache == base::Sprachcode::E};
}

QString text(const base::Texte& texte, std::string_view sprache) { return qtext(texte[sprache]); }

// A left-aligned caption is as wide as designed, or wider when its text needs it.
void breiteNachText(QLabel* label) {
    const int noetig = label->fontMetrics().horizontalAdvance(label->text()) + 4;
    if (noetig > label->width()) label->resize(noetig, label->height());
}

}  // namespace

frmHauptForm::frmHauptForm() {
    setObjectName(QStringLiteral("frmHauptForm"));
    setWindowTitle(qtext(base::Programmtitel));
    setFont(schrift("MS Sans Serif", 8));
    baueSteuerelemente();
    baueMenue();
    setzeFokusfolge();
    verbinde();
    Form_Load();
    adjustSize();
    // The fixed dialog frame: the user cannot resize the window.
    if (!spracheVon(base::Variable::instanz().Sprache).spanisch) setFixedSize(size());
    zentriere(this);
}

void frmHauptForm::baueSteuerelemente() {
    const base::Variable& v = base::Variable::instanz();
    const Sprachlage lage = spracheVon(v.Sprache);
    const std::string_view s = lage.code;

    auto* innen = new QWidget(this);
    innen->setObjectName(QStringLiteral("Innenflaeche"));
    setCentralWidget(innen);
    const int innenBreite = lage.spanisch ? 5748 : 5760;
    const int innenHoehe = lage.franzoesisch ? 7572 : 7560;
    if (lage.spanisch) {
        // A sizable frame with minimise and maximise; the controls keep their places.
        setWindowFlags(Qt::Window);
        innen->setMinimumSize(pixel(innenBreite), pixel(innenHoehe));
    } else {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
        festeInnengroesse(innen, innenBreite, innenHoehe);
    }
    const base::Farbe& flaeche = lage.deutsch ? Bildlaufleiste : lage.spanisch ? InaktiverRahmen : AktiverRahmen;
    hintergrund(innen, qfarbe(flaeche));

    const QFont ueberschrift = schrift("Arial", 12, true);
    const QFont feldKopf = schrift("MS Sans Serif", 9.6, true);
    const QFont beschriftet = schrift("Arial", 10.2, true);
    const QFont klein = schrift("Arial", 7.8);
    const QFont einheit = schrift("Arial", 9);
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
        k->setText(text(texte, s));
        k->setFont(beschriftet);
        k->setAutoDefault(false);
        platziere(k, ort);
        return k;
    };

    Image1 = neu<QLabel>(innen, "Image1");
    platziere(Image1, 360, 120, 5052, 1044);
    Image1->setPixmap(bilder::Logo(Image1->size()));
    Image1->setScaledContents(true);

    // Header, left and right. The boxes show the header cells: a result sheet
    // prints these texts, so the form never hides them.
    const int tagOben = lage.franzoesisch ? 1800 : 1920;
    Label1 = caption(innen, "Label1", hauptform::Label1, ueberschrift, {360, 1200, 852, 252}, AktiverRahmen);
    txtKunde = feld(innen, "txtKunde", v.Kunde.c_str(), feldKopf, {360, 1440, 2172, 372});
    Label2 = caption(innen, "Label2", hauptform::Label2, ueberschrift, {360, tagOben, 1332, 252}, AktiverRahmen);
    txtTAG = feld(innen, "txtTAG", v.TAGNummer.c_str(), feldKopf, {360, tagOben + 240, 2172, 372});
    Label11 = caption(innen, "Label11", hauptform::Label11, ueberschrift, {3240, 1200, 1572, 252}, AktiverRahmen);
    txtVKNummer = feld(innen, "txtVKNummer", v.VKNummer.c_str(), feldKopf, {3240, 1440, 2172, 372});

    // Selection column: each caption 240 twips above its field, pairs 720 apart.
    lblMIDDaten =
        caption(innen, "lblMIDDaten", hauptform::lblMIDDaten, beschriftet, {3240, 2520, 2172, 252}, AktiverRahmen);
    cboMIDDaten = liste("cboMIDDaten", klein, {3240, 2760, 2172, 288});
    lblDN = caption(innen, "lblDN", hauptform::lblDN, beschriftet, {3240, 3240, 2172, 252}, AktiverRahmen);
    cboMIDDN = liste("cboMIDDN", klein, {3240, 3480, 2172, 288});
    lblEinheiten =
        caption(innen, "lblEinheiten", hauptform::lblEinheiten, beschriftet, {3240, 3960, 2172, 252}, AktiverRahmen);
    cboEinheiten = liste("cboEinheiten", klein, {3240, 4200, 2172, 288});
    lblEinheitZeit = caption(innen, "lblEinheitZeit", hauptform::lblEinheitZeit, beschriftet, {3240, 4680, 2172, 252},
                             AktiverRahmen);
    cboZeitEinheiten = liste("cboZeitEinheiten", lage.franzoesisch ? font() : klein, {3240, 4920, 2172, 288});
    lblVolumen =
        caption(innen, "lblVolumen", hauptform::lblVolumen, beschriftet, {3240, 5400, 2172, 252}, AktiverRahmen);
    txtVolumen = feld(innen, "txtVolumen", "0.0", klein, {3240, 5640, 2172, 288});

    // The pressure-loss frame: liquid data and flange choice.
    Frame1 = neu<QGroupBox>(innen, "Frame1");
    Frame1->setTitle(text(hauptform::Frame1, s));
    platziere(Frame1, 360, 2760, 2412, 3252);
    hintergrund(Frame1, qfarbe(Bildlaufleiste));

    const bool gbOderE = !lage.deutsch && !lage.franzoesisch;
    lblFlasch = caption(Frame1, "lblFlasch", hauptform::lblFlasch, beschriftet,
                        {120, lage.franzoesisch ? 600 : 480, 1212, 252}, Bildlaufleiste);
    Label9 = caption(Frame1, "Label9", hauptform::Label9, einheit, {1440, lage.franzoesisch ? 480 : 360, 372, 372},
                     Bildlaufleiste, rechts);
    Option1 = option("Option1", {2040, gbOderE ? 240 : 360, 252, lage.deutsch ? 252 : 372});
    Label10 = caption(Frame1, "Label10", hauptform::Label10, einheit, {1320, lage.franzoesisch ? 840 : 720, 492, 252},
                      Bildlaufleiste, rechts);
    Option2 = option("Option2", {2040, gbOderE ? 600 : 720, 252, lage.deutsch ? 252 : 492});
    Label3 = caption(Frame1, "Label3", hauptform::Label3, beschriftet, {120, 1200, 972, 252}, AktiverRahmen);
    Label4 = caption(Frame1, "Label4", hauptform::Label4, einheit, {1080, 1200, 732, 252}, AktiverRahmen, rechts);
    txtDichte = feld(Frame1, "txtDichte", "1000", klein, {120, 1440, 1692, 288});
    Label5 = caption(Frame1, "Label5", hauptform::Label5, beschriftet, {120, 1920, 1092, 252}, AktiverRahmen);
    Label6 = caption(Frame1, "Label6", hauptform::Label6, einheit, {1200, 1920, 612, 252}, AktiverRahmen, rechts);
    txtVisco = feld(Frame1, "txtVisco", "1", klein, {120, 2160, 1692, 288});
    lblLaenge =
        caption(Frame1, "lblLaenge", hauptform::lblLaenge, beschriftet, {120, 2640, 1092, 252}, InaktiverRahmen);
    Label7 = caption(Frame1, "Label7", hauptform::Label7, einheit, {1320, 2640, 492, 252}, InaktiverRahmen, rechts);
    txtLaenge = feld(Frame1, "txtLaenge", "68", klein, {120, 2880, 1692, 288});
    Option3 = option("Option3", {2040, 2880, 252, 252});
    Option1->setChecked(true);

    // Typed numbers only: the key filter, and no drop path around it.
    for (QLineEdit* zahl : {txtVolumen, txtDichte, txtVisco, txtLaenge}) zahl->setAcceptDrops(false);
    // The unit captions stand over their box's right end; lift them above the
    // caption that may have grown into them.
    for (QLabel* unit : {Label4, Label6, Label7}) unit->raise();

    cmdEnde = knopf("cmdEnde", hauptform::cmdEnde, {360, 6360, 1692, 852});
    cmdFehlerkurve = knopf("cmdFehlerkurve", hauptform::cmdFehlerkurve, {3720, 6360, 1692, 852});

    if (lage.spanisch) resize(pixel(innenBreite), pixel(innenHoehe) + menuBar()->sizeHint().height());
}

void frmHauptForm::baueMenue() {
    const std::string_view s = base::Variable::instanz().Sprache;
    QMenuBar* leiste = menuBar();
    leiste->setNativeMenuBar(false);
    const auto eintrag = [&](QWidget* menue, std::string_view name, std::string_view caption) {
        auto* aktion = new QAction(qtext(caption), this);
        aktion->setObjectName(qtext(name));
        menue->addAction(aktion);
        return aktion;
    };

    mnuAuswahl = leiste->addMenu(text(hauptform::mnuAuswahl, s));
    mnuAuswahl->setObjectName(QStringLiteral("mnuAuswahl"));
    mnuMID = mnuAuswahl->addMenu(qtext(hauptform::mnuMID));
    mnuMID->setObjectName(QStringLiteral("mnuMID"));
    const auto& mid = hauptform::TypmenueMID;
    mnuMIDNeu = eintrag(mnuMID, mid[0].name, mid[0].caption);
    mnuVeltrum20 = eintrag(mnuMID, mid[1].name, mid[1].caption);
    mnuVeltrum30 = eintrag(mnuMID, mid[2].name, mid[2].caption);
    mnuMIDalt = eintrag(mnuMID, mid[3].name, mid[3].caption);
    mnuBrisal = eintrag(mnuMID, mid[4].name, mid[4].caption);
    mnuUL = mnuAuswahl->addMenu(qtext(hauptform::mnuUL));
    mnuUL->setObjectName(QStringLiteral("mnuUL"));
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
    // The three option buttons share one place in the order; only the selected
    // one takes the focus.
    std::vector<QWidget*> folge;
    if (spracheVon(base::Variable::instanz().Sprache).deutsch)
        folge = {cboMIDDaten, cboMIDDN,  cmdFehlerkurve,   cboEinheiten, txtVolumen, cmdEnde,
                 txtKunde,    txtTAG,    cboZeitEinheiten, txtVKNummer,  Option1,    Option2,
                 Option3,     txtLaenge, txtVisco,         txtDichte};
    else
        folge = {cboZeitEinheiten, txtTAG,      txtKunde,  cmdEnde,  txtVolumen, cboEinheiten, cmdFehlerkurve, cboMIDDN,
                 cboMIDDaten,      txtVKNummer, txtDichte, txtVisco, txtLaenge,  Option1,      Option2,        Option3};
    for (std::size_t i = 1; i < folge.size(); ++i) setTabOrder(folge[i - 1], folge[i]);
    for (QRadioButton* knopf : {Option1, Option2, Option3}) {
        const auto fokus = [knopf](bool gewaehlt) { knopf->setFocusPolicy(gewaehlt ? Qt::StrongFocus : Qt::NoFocus); };
        fokus(knopf->isChecked());
        connect(knopf, &QRadioButton::toggled, knopf, fokus);
    }
    folge.front()->setFocus();
}

void frmHauptForm::verbinde() {
    connect(cboMIDDaten, &QComboBox::currentIndexChanged, this, &frmHauptForm::cboMIDDaten_Click);
    connect(cboMIDDN, &QComboBox::currentIndexChanged, this, &frmHauptForm::cboMIDDN_Click);
    connect(cboEinheiten, &QComboBox::currentIndexChanged, this, &frmHauptForm::cboEinheiten_Click);
    connect(cboZeitEinheiten, &QComboBox::currentIndexChanged, this, &frmHauptForm::cboZeitEinheiten_Click);

    new Tastenfilter(txtDichte, [this](int& k) { txtDichte_KeyPress(k); });
    new Tastenfilter(txtVisco, [this](int& k) { txtVisco_KeyPress(k); });
    new Tastenfilter(txtLaenge, [this](int& k) { txtLaenge_KeyPress(k); });
    new Tastenfilter(txtVolumen, [this](int& k) { txtVolumen_KeyPress(k); });
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
