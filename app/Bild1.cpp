#include "app/Bild1.h"

#include <QMenuBar>
#include <string>
#include <vector>

#include "app/bild1_lage.h"
#include "app/bilder.h"
#include "app/diagramme.h"
#include "app/fensterrahmen.h"
#include "base/sprache.h"
#include "base/variable.h"
#include "output/bild1_texte.h"
#include "platform/schriften.h"
#include "platform/steuerelemente.h"
#include "platform/systemfarben.h"
#include "platform/twips.h"
#include "platform/umbruchlabel.h"

namespace fluvan::app {

using namespace platform;
namespace texte = output::bild1;

namespace {

QFont schrift(const bild1::Schriftwahl& wahl) { return platform::schrift(wahl.name, wahl.punkte, wahl.fett); }

std::string_view sprache() { return base::Variable::instanz().Sprache; }

}  // namespace

Bild1::Bild1() {
    const bild1::Sprachlage& lage = bild1::sprachlage(sprache());
    QWidget* innen =
        richteFensterEin(this, "Bild1", base::Programmtitel, lage.festerDialog, bild1::InnenBreite, bild1::InnenHoehe);
    setFont(schrift(lage.fensterschrift));
    baueSteuerelemente(innen);
    baueMenue();
    setzeFokusfolge();
    verbinde();
    Form_Load();
    fixiereGroesse(this);
    zentriere(this);
}

void Bild1::baueSteuerelemente(QWidget* innen) {
    using namespace bild1;
    const Sprachlage& lage = sprachlage(sprache());
    const std::string_view s = sprache();
    const QColor fensterfarbe = qfarbe(Fensterhintergrund);
    const QColor steuerfarbe = qfarbe(Schaltflaeche);
    const QColor weiss(255, 255, 255);
    const Qt::Alignment links = Qt::AlignLeft | Qt::AlignTop, mitte = Qt::AlignHCenter | Qt::AlignTop;

    // Every label: plain text, opaque, wrapping at blanks inside its box.
    const auto label = [&](const std::string& name, std::string_view text, const QFont& font, Twips ort,
                           const QColor& farbe, Qt::Alignment ausrichtung) {
        QLabel* l = beschriftung<Umbruchlabel>(innen, name.c_str(), text, font, ausrichtung);
        platziere(l, ort);
        hintergrund(l, farbe);
        return l;
    };
    const auto feld = [&](int index, const QFont& font, Twips ort, const QColor& farbe, Qt::Alignment ausrichtung) {
        Label1[static_cast<std::size_t>(index)] =
            label("Label1_" + std::to_string(index), "", font, ort, farbe, ausrichtung);
    };
    const auto caption = [&](int index, const base::Texte& text, const QFont& font, Twips ort, const QColor& farbe,
                             Qt::Alignment ausrichtung) {
        Label1[static_cast<std::size_t>(index)] =
            label("Label1_" + std::to_string(index), text[s], font, ort, farbe, ausrichtung);
    };

    MSChart1 = new MSChart(GestaltungMSChart1(s), innen);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    platziere(MSChart1, lage.MSChart1);

    Image1 = neu<QLabel>(innen, "Image1");
    platziere(Image1, bild1::Image1);
    Image1->setPixmap(bilder::Logo(Image1->size()));
    Image1->setScaledContents(true);

    // Header: customer, TAG and order number, then model, size, range, pressure loss.
    const QFont kopf = schrift(Arial10_8Fett), kopfwert = schrift(lage.kopfwerte);
    const QFont zeile = schrift(Arial9Fett), zeilenwert = schrift(SansSerif7_8Fett);
    Label2 = label("Label2", texte::Label2[s], kopf, {KopfLinks, 1200, KopfBreite, 372}, fensterfarbe, links);
    feld(36, kopfwert, {WertLinks, 1200, WertBreite, 372}, fensterfarbe, links);
    Label3 = label("Label3", texte::Label3[s], kopf, {KopfLinks, 1560, KopfBreite, 372}, fensterfarbe, links);
    feld(37, kopfwert, {WertLinks, 1560, WertBreite, 372}, fensterfarbe, links);
    Label8 = label("Label8", texte::Label8[s], kopf, {KopfLinks, 1920, KopfBreite, 252}, fensterfarbe, links);
    Label9 = label("Label9", "", schrift(lage.label9), {WertLinks, 1920, WertBreite, 252}, fensterfarbe, links);
    const base::Texte* kopfzeilen[] = {&texte::Label1_0, &texte::Label1_1, &texte::Label1_2};
    for (int i = 0; i < 3; ++i) {
        const int oben = 2280 + 240 * i;
        caption(i, *kopfzeilen[i], zeile, {KopfLinks, oben, KopfBreite, 252}, fensterfarbe, links);
        feld(18 + i, zeilenwert, {WertLinks, oben, WertBreite, 252}, fensterfarbe, links);
    }
    Label5 = label("Label5", texte::Label5[s], zeile, {KopfLinks, ZeilenOben, lage.breiteLabel5, lage.hoeheLabel5},
                   fensterfarbe, links);
    Label6 = label("Label6", "", zeilenwert, {Label6Links, ZeilenOben, Label6Breite, 252}, fensterfarbe, links);
    Label7 = label("Label7", texte::Label7[s], schrift(lage.label7), {Label7Links, ZeilenOben, Label7Breite, 252},
                   fensterfarbe, links);

    // Column headings and the 15 table rows.
    caption(38, texte::Label1_38, zeile, {FehlerLinks, SpaltenkopfOben, SpaltenBreite, lage.hoeheLabel1_38},
            steuerfarbe, mitte);
    feld(39, zeilenwert, {DurchflussLinks, SpaltenkopfOben, SpaltenBreite, lage.hoeheLabel1_39}, steuerfarbe, mitte);
    Label4 = label("Label4", texte::Label4[s], zeile,
                   {GeschwindigkeitLinks, SpaltenkopfOben, SpaltenBreite, lage.hoeheLabel4}, steuerfarbe, mitte);
    const QFont zelle = font();
    for (int i = 1; i <= 15; ++i) {
        const int oben = TabelleOben + TabellenSchritt * (i - 1);
        feld(2 + i, zelle, {FehlerLinks, oben, SpaltenBreite, ZellenHoehe}, weiss, links);
        feld(20 + i, zelle, {DurchflussLinks, oben, SpaltenBreite, ZellenHoehe}, weiss, mitte);
        feld(39 + i, zelle, {GeschwindigkeitLinks, oben, SpaltenBreite, ZellenHoehe}, weiss, links);
    }

    // The frames lie over the label groups they enclose.
    const auto rahmen = [&](const char* name, Twips ort) {
        auto* r = new Rechteck(innen, 1, qfarbe(Fenstertext));
        r->setObjectName(QString::fromLatin1(name));
        platziere(r, ort);
        return r;
    };
    Shape1 = rahmen("Shape1", bild1::Shape1);
    Shape2 = rahmen("Shape2", bild1::Shape2);
    Shape3 = rahmen("Shape3", bild1::Shape3);
    Shape4 = rahmen("Shape4", bild1::Shape4);
    Shape5 = rahmen("Shape5", bild1::Shape5);
    Shape6 = rahmen("Shape6", bild1::Shape6);
    Shape7 = rahmen("Shape7", bild1::Shape7);
    if (lage.line26) {
        Line26 = neu<QWidget>(innen, "Line26");
        Line26->setGeometry(pixel(Line26X1), pixel(Line26Y), pixel(Line26X2) - pixel(Line26X1) + 1, 1);
        hintergrund(Line26, qfarbe(Fenstertext));
    }

    const QFont knopfschrift = schrift(Arial10_2Fett);
    const auto knopf = [&](const char* name, const base::Texte& text, Twips ort) {
        Umbruchknopf* k = neu<Umbruchknopf>(innen, name);
        k->setText(qtext(text[s]));
        k->setFont(knopfschrift);
        k->setAutoDefault(false);
        platziere(k, ort.links, ort.oben, ort.breite, lage.knopfHoehe);
        return k;
    };
    cmdNeueBerechnung = knopf("cmdNeueBerechnung", texte::cmdNeueBerechnung, bild1::cmdNeueBerechnung);
    cmdEnde = knopf("cmdEnde", texte::cmdEnde, bild1::cmdEnde);

    Picture1 = neu<Bildhalter>(innen, "Picture1");
    platziere(Picture1, lage.picture1Links, Picture1Oben, Picture1Seite, Picture1Seite);
}

void Bild1::baueMenue() {
    const std::string_view s = sprache();
    mnuDiagrammdrucken = menue(this, "mnuDiagrammdrucken", texte::mnuDiagrammdrucken[s]);
    mnuDrucken = eintrag(mnuDiagrammdrucken, "mnuDrucken", texte::mnuDrucken[s]);
    mnuWord = eintrag(mnuDiagrammdrucken, "mnuWord", texte::mnuWord[s]);
    mnuNeueBerechnung = menue(this, "mnuNeueBerechnung", texte::mnuNeueBerechnung[s]);
    mnuSpeichern = eintrag(mnuNeueBerechnung, "mnuSpeichern", texte::mnuSpeichern[s]);
    mnuNeu = eintrag(mnuNeueBerechnung, "mnuNeu", texte::mnuNeu[s]);
    mnuDruckverlust = eintrag(menuBar(), "mnuDruckverlust", texte::mnuDruckverlust[s]);
    mnuEnde = eintrag(menuBar(), "mnuEnde", texte::mnuEnde[s]);
    ueberlasseGleicheZugriffstaste(cmdEnde, *mnuEnde);
}

void Bild1::setzeFokusfolge() {
    const std::vector<QWidget*> folge = bild1::sprachlage(sprache()).deutscheFokusfolge
                                            ? std::vector<QWidget*>{cmdNeueBerechnung, cmdEnde, Picture1, MSChart1}
                                            : std::vector<QWidget*>{Picture1, cmdEnde, cmdNeueBerechnung, MSChart1};
    for (std::size_t i = 1; i < folge.size(); ++i) setTabOrder(folge[i - 1], folge[i]);
    // The window opens with the focus on the first control of its order.
    folge.front()->setFocus();
}

void Bild1::verbinde() {
    connect(cmdNeueBerechnung, &QPushButton::clicked, this, &Bild1::cmdNeueBerechnung_Click);
    connect(cmdEnde, &QPushButton::clicked, this, &Bild1::cmdEnde_Click);
    connect(mnuDrucken, &QAction::triggered, this, &Bild1::mnuDrucken_Click);
    connect(mnuWord, &QAction::triggered, this, &Bild1::mnuWord_Click);
    connect(mnuSpeichern, &QAction::triggered, this, &Bild1::mnuSpeichern_Click);
    connect(mnuNeu, &QAction::triggered, this, &Bild1::mnuNeu_Click);
    connect(mnuDruckverlust, &QAction::triggered, this, &Bild1::mnuDruckverlust_Click);
    connect(mnuEnde, &QAction::triggered, this, &Bild1::mnuEnde_Click);
}

}  // namespace fluvan::app
