#include "app/frmLeitfaehigkeit.h"

#include <QPalette>
#include <QSignalBlocker>

#include "app/fensterrahmen.h"
#include "app/frmHauptForm.h"
#include "app/leitfaehigkeit_lage.h"
#include "app/leitfaehigkeit_texte.h"
#include "base/variable.h"
#include "conductivity/ausgabe.h"
#include "conductivity/stofftabelle.h"
#include "platform/fensterregister.h"
#include "platform/steuerelemente.h"
#include "platform/systemfarben.h"
#include "platform/twips.h"

namespace fluvan::app {

using namespace platform;

namespace {

void farben(QWidget* steuerelement, const base::Farbe& grund, const base::Farbe& schrift) {
    QPalette palette = steuerelement->palette();
    palette.setColor(QPalette::Base, qfarbe(grund));
    palette.setColor(QPalette::Text, qfarbe(schrift));
    steuerelement->setPalette(palette);
}

}  // namespace

frmLeitfaehigkeit::frmLeitfaehigkeit(std::filesystem::path dokument) : dokument(std::move(dokument)) {
    const leitfaehigkeit::Lage& lage = leitfaehigkeit::LageAlle;
    // The load gives the caption of the language.
    richteFensterEin(this, "frmLeitfaehigkeit", "", lage.rahmen);
    setFont(schrift(lage.fensterschrift));

    // Created in the focus order: the box, the list, the end button.
    RichTextBox1 = new RichTextBox(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setFont(schrift(lage.RichTextBox1Schrift));
    farben(RichTextBox1, Fensterhintergrund, Fenstertext);
    // The passage's columns stand under the headings "Temp." and "Conductivity".
    RichTextBox1->setzeTabstopps(
        {lage.Label4.links - lage.RichTextBox1.links, lage.Label5.links - lage.RichTextBox1.links});
    platziere(RichTextBox1, lage.RichTextBox1);

    List1 = neu<QListWidget>(this, "List1");
    List1->setFont(schrift(lage.List1Schrift));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setSortingEnabled(false);
    farben(List1, Fensterhintergrund, Fensterrahmen);
    platziere(List1, lage.List1);

    cmdEnde = neu<QPushButton>(this, "cmdEnde");
    platziere(cmdEnde, lage.cmdEnde);

    Label1 = beschriftung(this, "Label1", "", schrift(lage.Label1Schrift), Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setLineWidth(1);
    hintergrund(Label1, qfarbe(Titelleistentext));
    platziere(Label1, lage.Label1);

    const QFont kopf = schrift(lage.Kopfschrift);
    const Qt::Alignment mitte = Qt::AlignHCenter | Qt::AlignTop;
    Label3 = beschriftung(this, "Label3", leitfaehigkeit::Label3, kopf);
    platziere(Label3, lage.Label3);
    Label4 = beschriftung(this, "Label4", leitfaehigkeit::Label4, kopf, mitte);
    platziere(Label4, lage.Label4);
    Label5 = beschriftung(this, "Label5", leitfaehigkeit::Label5, kopf, mitte);
    platziere(Label5, lage.Label5);
    Label18 = beschriftung(this, "Label18", leitfaehigkeit::Label18, kopf, mitte);
    platziere(Label18, lage.Label18);
    Label17 = beschriftung(this, "Label17", leitfaehigkeit::Label17, kopf, mitte);
    platziere(Label17, lage.Label17);
    Label16 = beschriftung(this, "Label16", leitfaehigkeit::Label16, kopf, mitte);
    platziere(Label16, lage.Label16);

    setzeFokusfolge(this, lage.fokusfolge);

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
