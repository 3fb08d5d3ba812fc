#include "app/frmLeitfaehigkeit.h"

#include <QPalette>
#include <QSignalBlocker>

#include "app/frmHauptForm.h"
#include "app/leitfaehigkeit_texte.h"
#include "base/variable.h"
#include "conductivity/ausgabe.h"
#include "conductivity/stofftabelle.h"
#include "platform/fensterregister.h"
#include "platform/schriften.h"
#include "platform/steuerelemente.h"
#include "platform/systemfarben.h"
#include "platform/twips.h"

namespace fluvan::app {

using namespace platform;

namespace {

// Inside size of the window and places of its controls, in twips.
constexpr int fensterBreite = 8052;
constexpr int fensterHoehe = 5004;

constexpr Twips platzList1{360, 480, 3372, 3468};
constexpr Twips platzLabel1{4200, 480, 3492, 372};
constexpr Twips platzLabel3{4200, 840, 1092, 216};
constexpr Twips platzLabel4{5400, 840, 1092, 252};
constexpr Twips platzLabel5{6480, 840, 1212, 252};
constexpr Twips platzLabel18{4080, 1080, 1212, 252};
constexpr Twips platzLabel17{5640, 1080, 612, 252};
constexpr Twips platzLabel16{6480, 1080, 1212, 252};
constexpr Twips platzRichTextBox1{4200, 1320, 3492, 2652};
constexpr Twips platzCmdEnde{6360, 4320, 1212, 372};

// The passage's columns stand under the headings "Temp." and "Conductivity".
constexpr int tabTemperatur = platzLabel4.links - platzRichTextBox1.links;
constexpr int tabLeitfaehigkeit = platzLabel5.links - platzRichTextBox1.links;

void farben(QWidget* steuerelement, const base::Farbe& grund, const base::Farbe& schrift) {
    QPalette palette = steuerelement->palette();
    palette.setColor(QPalette::Base, qfarbe(grund));
    palette.setColor(QPalette::Text, qfarbe(schrift));
    steuerelement->setPalette(palette);
}

}  // namespace

frmLeitfaehigkeit::frmLeitfaehigkeit(std::filesystem::path dokument) : dokument(std::move(dokument)) {
    setObjectName(QStringLiteral("frmLeitfaehigkeit"));
    // A sizeable window; the controls keep their places. The system places it.
    setWindowFlags(Qt::Window);
    setFont(schrift("MS Sans Serif", 8));
    resize(pixel(fensterBreite), pixel(fensterHoehe));

    // Created in the focus order: the box, the list, the end button.
    RichTextBox1 = new RichTextBox(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setFont(schrift("Arial", 7.8));
    farben(RichTextBox1, Fensterhintergrund, Fenstertext);
    RichTextBox1->setzeTabstopps({tabTemperatur, tabLeitfaehigkeit});
    platziere(RichTextBox1, platzRichTextBox1);

    List1 = neu<QListWidget>(this, "List1");
    List1->setFont(schrift("Arial", 10.2, true));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setSortingEnabled(false);
    farben(List1, Fensterhintergrund, Fensterrahmen);
    platziere(List1, platzList1);

    cmdEnde = neu<QPushButton>(this, "cmdEnde");
    platziere(cmdEnde, platzCmdEnde);

    Label1 = beschriftung(this, "Label1", "", schrift("Arial", 12, true), Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setLineWidth(1);
    hintergrund(Label1, qfarbe(Titelleistentext));
    platziere(Label1, platzLabel1);

    const QFont kopf = schrift("Arial", 7.8, true);
    const Qt::Alignment mitte = Qt::AlignHCenter | Qt::AlignTop;
    Label3 = beschriftung(this, "Label3", leitfaehigkeit::Label3, kopf);
    platziere(Label3, platzLabel3);
    Label4 = beschriftung(this, "Label4", leitfaehigkeit::Label4, kopf, mitte);
    platziere(Label4, platzLabel4);
    Label5 = beschriftung(this, "Label5", leitfaehigkeit::Label5, kopf, mitte);
    platziere(Label5, platzLabel5);
    Label18 = beschriftung(this, "Label18", leitfaehigkeit::Label18, kopf, mitte);
    platziere(Label18, platzLabel18);
    Label17 = beschriftung(this, "Label17", leitfaehigkeit::Label17, kopf, mitte);
    platziere(Label17, platzLabel17);
    Label16 = beschriftung(this, "Label16", leitfaehigkeit::Label16, kopf, mitte);
    platziere(Label16, platzLabel16);

    setTabOrder(RichTextBox1, List1);
    setTabOrder(List1, cmdEnde);
    RichTextBox1->setFocus();

    connect(List1, &QListWidget::currentRowChanged, this, &frmLeitfaehigkeit::List1_Click);
    connect(cmdEnde, &QPushButton::clicked, this, &frmLeitfaehigkeit::cmdEnde_Click);
    Form_Load();
}

void frmLeitfaehigkeit::Form_Load() {
    // Title and button stay empty for a code that is none of the four.
    if (const auto sprache = base::sprachcode(base::Variable::instanz().Sprache)) {
        cmdEnde->setText(qtext(leitfaehigkeit::cmdEnde[*sprache]));
        setWindowTitle(qtext(leitfaehigkeit::Titel[*sprache]));
    }
    {
        const QSignalBlocker still(List1);
        for (const conductivity::Stoff& stoff : conductivity::Stofftabelle) List1->addItem(qtext(stoff.Listentext));
        List1->setCurrentRow(-1);
    }
    // Runs List1_Click: the window opens with the first medium in place.
    List1->setCurrentRow(0);
}

void frmLeitfaehigkeit::List1_Click() {
    base::Variable& v = base::Variable::instanz();
    const int index = List1->currentRow();
    if (index >= 0 && index < static_cast<int>(conductivity::Stofftabelle.size()))
        v.Stoffname = conductivity::Stofftabelle[static_cast<std::size_t>(index)].Name;
    Label1->setText(qtext(v.Stoffname));
    Ausgabe();
}

void frmLeitfaehigkeit::Ausgabe() {
    base::Variable& v = base::Variable::instanz();
    conductivity::Kasteninhalt kasten;
    switch (conductivity::Ausgabe(v, kasten, dokument)) {
        case conductivity::Ausgang::Passage: RichTextBox1->setPlainText(QString::fromStdU16String(kasten.Text)); break;
        case conductivity::Ausgang::KeinEintrag:
            RichTextBox1->setPlainText(qtext(leitfaehigkeit::KeinEintrag[v.Sprache]));
            break;
        case conductivity::Ausgang::Unlesbar:
            RichTextBox1->setPlainText(qtext(leitfaehigkeit::Unlesbar[v.Sprache]));
            break;
    }
}

void frmLeitfaehigkeit::cmdEnde_Click() {
    // The main form takes its language from Sprache when it is created; it is
    // shown before this window closes, so the program never runs out of windows.
    if (base::sprachcode(base::Variable::instanz().Sprache)) zeigeFenster<frmHauptForm>();
    close();
}

}  // namespace fluvan::app
