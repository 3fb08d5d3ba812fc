#include "app/startbild.h"

#include "app/bilder.h"
#include "app/fensterrahmen.h"
#include "app/startbild_texte.h"
#include "base/sprache.h"
#include "platform/steuerelemente.h"
#include "platform/twips.h"
#include "platform/umbruchlabel.h"

namespace fluvan::app {

using namespace platform;

Startbild::Startbild(const char* name, const startbild::Lage& lage) {
    richteFensterEin(this, name, base::Programmtitel, startbild::rahmen);

    Image1 = neu<QLabel>(this, "Image1");
    Image1->setPixmap(bilder::Hintergrund());
    Image1->setScaledContents(true);
    platziere(Image1, startbild::Image1);

    Shape1 = new Rechteck(this, 5, QColor(0, 84, 150));
    Shape1->setObjectName(QStringLiteral("Shape1"));
    platziere(Shape1, lage.Shape1);

    const QFont titel = schrift(startbild::Titelschrift);
    const QFont untertitel = schrift(startbild::Untertitelschrift);
    const auto text = [&](const char* name, std::string_view inhalt, const QFont& font, Qt::Alignment ausrichtung,
                          Twips ort) {
        QLabel* label = beschriftung(this, name, inhalt, font, ausrichtung | Qt::AlignTop);
        platziere(label, ort);
        return label;
    };
    // The subtitles break into lines at their blanks within their boxes.
    const auto untertext = [&](const char* name, std::string_view inhalt, Qt::Alignment ausrichtung, Twips ort) {
        QLabel* label = beschriftung<Umbruchlabel>(this, name, inhalt, untertitel, ausrichtung | Qt::AlignTop);
        platziere(label, ort);
        passeInKasten(label);
        return label;
    };
    Label4 = text("Label4", startbild::Produktname, titel, Qt::AlignHCenter, lage.Label4);
    Label7 = text("Label7", startbild::Version, titel, Qt::AlignLeft, lage.Label7);
    // The product name in black and grey whatever the desktop's colours.
    const auto textfarbe = [](QLabel* label, QColor farbe) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, farbe);
        label->setPalette(palette);
    };
    textfarbe(Label4, Qt::black);
    textfarbe(Label7, QColor(128, 128, 128));
    Label1 = untertext("Label1", startbild::UntertitelD, Qt::AlignHCenter, lage.Label1);
    Label5 = untertext("Label5", startbild::UntertitelGB, Qt::AlignLeft, lage.Label5);
    Label3 = untertext("Label3", startbild::UntertitelF, Qt::AlignHCenter, lage.Label3);
    Label6 = untertext("Label6", startbild::UntertitelE, Qt::AlignHCenter, lage.Label6);
}

}  // namespace fluvan::app
