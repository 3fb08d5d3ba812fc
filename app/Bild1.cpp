#include "app/Bild1.h"

#include <QMenuBar>
#include <string>

#include "app/bild1_lage.h"
#include "app/bilder.h"
#include "app/diagramme.h"
#include "app/fensterrahmen.h"
#include "base/sprache.h"
#include "base/variable.h"
#include "output/bild1_texte.h"
#include "platform/steuerelemente.h"
#include "platform/systemfarben.h"
#include "platform/twips.h"
#include "platform/umbruchlabel.h"

namespace fluvan::app {

using namespace platform;
namespace texte = output::bild1;

namespace {

std::string_view sprache() { return base::Variable::instanz().Sprache; }

// Row n of a column of rows that stand schritt apart, row 0 the first.
Twips zeileNr(Twips erste, int schritt, int n) {
    return {erste.links, erste.oben + schritt * n, erste.breite, erste.hoehe};
}

}  // namespace

Bild1::Bild1() {
    const bild1::Lage& lage = bild1::lage(sprache());
    QWidget* innen = richteMenuefensterEin(this, "Bild1", base::Programmtitel, lage.rahmen, qfarbe(Schaltflaeche));
    setFont(schrift(lage.fensterschrift));
    baueSteuerelemente(innen);
    baueMenue();
    setzeFokusfolge(this, lage.fokusfolge);
    verbinde();
    Form_Load();
    schliesseRahmenAb(this, lage.rahmen);
}

void Bild1::baueSteuerelemente(QWidget* innen) {
    using namespace bild1;
    namespace index = output::label1;
    const Lage& lage = bild1::lage(sprache());
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
    platziere(Image1, lage.Image1);
    Image1->setPixmap(bilder::Logo(Image1->size()));
    Image1->setScaledContents(true);

    // Header: customer, TAG and order number, then model, size, range, pressure loss.
    const QFont kopf = schrift(Kopfschrift), kopfwert = schrift(lage.Label1_36Schrift);
    const QFont zeilenkopf = schrift(Zeilenschrift), zeilenwert = schrift(Zeilenwertschrift);
    Label2 = label("Label2", texte::Label2[s], kopf, lage.Label2, fensterfarbe, links);
    feld(index::Kunde, kopfwert, lage.Label1_36, fensterfarbe, links);
    Label3 = label("Label3", texte::Label3[s], kopf, lage.Label3, fensterfarbe, links);
    feld(index::Tag, kopfwert, lage.Label1_37, fensterfarbe, links);
    Label8 = label("Label8", texte::Label8[s], kopf, lage.Label8, fensterfarbe, links);
    Label9 = label("Label9", "", schrift(lage.Label9Schrift), lage.Label9, fensterfarbe, links);
    const base::Texte* kopfzeilen[] = {&texte::Label1_0, &texte::Label1_1, &texte::Label1_2};
    for (int i = 0; i < 3; ++i) {
        caption(i, *kopfzeilen[i], zeilenkopf, zeileNr(lage.Label1_0, lage.kopfzeilenSchritt, i), fensterfarbe, links);
        feld(index::Typ + i, zeilenwert, zeileNr(lage.Label1_18, lage.kopfzeilenSchritt, i), fensterfarbe, links);
    }
    Label5 = label("Label5", texte::Label5[s], zeilenkopf, lage.Label5, fensterfarbe, links);
    Label6 = label("Label6", "", zeilenwert, lage.Label6, fensterfarbe, links);
    Label7 = label("Label7", texte::Label7[s], schrift(lage.Label7Schrift), lage.Label7, fensterfarbe, links);

    // Column headings and the 15 table rows.
    caption(index::Fehlerkopf, texte::Label1_38, zeilenkopf, lage.Label1_38, steuerfarbe, mitte);
    feld(index::Einheit, zeilenwert, lage.Label1_39, steuerfarbe, mitte);
    Label4 = label("Label4", texte::Label4[s], zeilenkopf, lage.Label4, steuerfarbe, mitte);
    const QFont zelle = font();
    for (int i = 1; i <= 15; ++i) {
        const int n = i - 1;
        feld(index::Fehlerspalte + i, zelle, zeileNr(lage.Label1_3, lage.tabellenSchritt, n), weiss, links);
        feld(index::Durchflussspalte + i, zelle, zeileNr(lage.Label1_21, lage.tabellenSchritt, n), weiss, mitte);
        feld(index::Geschwindigkeitsspalte + i, zelle, zeileNr(lage.Label1_40, lage.tabellenSchritt, n), weiss, links);
    }

    // The frames lie over the label groups they enclose.
    const auto rahmen = [&](const char* name, Twips ort) {
        auto* r = new Rechteck(innen, 1, qfarbe(Fenstertext));
        r->setObjectName(QString::fromLatin1(name));
        platziere(r, ort);
        return r;
    };
    Shape1 = rahmen("Shape1", lage.Shape1);
    Shape2 = rahmen("Shape2", lage.Shape2);
    Shape3 = rahmen("Shape3", lage.Shape3);
    Shape4 = rahmen("Shape4", lage.Shape4);
    Shape5 = rahmen("Shape5", lage.Shape5);
    Shape6 = rahmen("Shape6", lage.Shape6);
    Shape7 = rahmen("Shape7", lage.Shape7);
    if (const auto& linie = lage.Line26) {
        Line26 = neu<QWidget>(innen, "Line26");
        Line26->setGeometry(pixel(linie->x1), pixel(linie->y), pixel(linie->x2) - pixel(linie->x1) + 1, 1);
        hintergrund(Line26, qfarbe(Fenstertext));
    }

    const QFont knopfschrift = schrift(Knopfschrift);
    const auto knopf = [&](const char* name, const base::Texte& text, Twips ort) {
        Umbruchknopf* k = neu<Umbruchknopf>(innen, name);
        k->setText(qtext(text[s]));
        k->setFont(knopfschrift);
        k->setAutoDefault(false);
        platziere(k, ort);
        return k;
    };
    cmdNeueBerechnung = knopf("cmdNeueBerechnung", texte::cmdNeueBerechnung, lage.cmdNeueBerechnung);
    cmdEnde = knopf("cmdEnde", texte::cmdEnde, lage.cmdEnde);

    Picture1 = neu<Bildhalter>(innen, "Picture1");
    platziere(Picture1, lage.Picture1);
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
