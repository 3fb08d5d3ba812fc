#include "platform/umbruchlabel.h"

#include <gtest/gtest.h>
#include <QImage>
#include <memory>
#include <vector>

#include "platform/schriften.h"
#include "platform/steuerelemente.h"

namespace fluvan::platform {
namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

template <class Label>
std::unique_ptr<Label> label(const QString& text, const QFont& schrift, QSize groesse, Qt::Alignment ausrichtung) {
    auto l = std::make_unique<Label>();
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setFont(schrift);
    l->setAlignment(ausrichtung | Qt::AlignTop);
    l->resize(groesse);
    return l;
}

// Where a caption has no "-" or "/", the label looks exactly as Qt's own
// word-wrapped label: the same lines, places, clipping and height.
TEST(Umbruchlabel, OhneStrichWieQtsUmbruch) {
    struct Fall {
        const char* name;
        const char* text;
        QFont schrift;
        QSize groesse;
        Qt::Alignment ausrichtung;
    };
    const QFont untertitel = schrift("Arial", 10.2, true), fett9 = schrift("Arial", 9, true);
    // Squeezed as the start screen fits its subtitles: at 97 % the second
    // line's advance is just inside the box, its last letter's overhang is
    // not; at 96 % the line fits, but not with the blank at its end. Qt
    // centres a last line with its end blanks where they fit in the box.
    const auto gesperrt = [&](int prozent) {
        QFont font = untertitel;
        font.setLetterSpacing(QFont::PercentageSpacing, prozent);
        return font;
    };
    const char* untertitelD = "Genauigkeitskurve für  Magnetisch- Induktive und Ultraschall- Durchflussmesser ";
    const char* untertitelE = "Curva de exactitud para caudalimetros electromagnéticos y ultrasonicos ";
    // clang-format off
    const Fall faelle[] = {
        {"Untertitel D, zwei Blanks und Blank am Ende", untertitelD, untertitel, {289, 33}, Qt::AlignHCenter},
        {"Untertitel D, Ueberhang des letzten Buchstabens", untertitelD, gesperrt(97), {289, 33}, Qt::AlignHCenter},
        {"Untertitel D wie auf dem Startbild, Blank am Ende ragt hinaus", untertitelD, gesperrt(96), {289, 33},
         Qt::AlignHCenter},
        {"Untertitel E wie auf dem Startbild, Blank am Ende passt", untertitelE, gesperrt(96), {249, 41},
         Qt::AlignHCenter},
        {"Untertitel GB, links", "Accuracy calculation for magnetic inductive and ultrasonic flowmeters", untertitel,
         {225, 33}, Qt::AlignLeft},
        {"Geschwindigkeit, Blank nach dem Strich", "Geschwin- digkeit", fett9, {81, 30}, Qt::AlignHCenter},
        {"Kunde mit & und Blank am Anfang", " Müller & Söhne Maschinenbau", untertitel, {169, 25}, Qt::AlignLeft},
        {"Wort breiter als der Kasten", "Durchflussmessgeraet", fett9, {60, 30}, Qt::AlignLeft},
        {"Wort breiter als der Kasten, zentriert", "Durchflussmessgeraet ab", fett9, {60, 30}, Qt::AlignHCenter},
    };
    // clang-format on
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const auto eigenes = label<Umbruchlabel>(u(fall.text), fall.schrift, fall.groesse, fall.ausrichtung);
        const auto qt = label<QLabel>(u(fall.text), fall.schrift, fall.groesse, fall.ausrichtung);
        qt->setWordWrap(true);
        EXPECT_TRUE(eigenes->grab().toImage() == qt->grab().toImage()) << "drawn apart from Qt's label";
        for (const int breite : {fall.groesse.width(), fall.groesse.width() / 2, fall.groesse.width() * 2})
            EXPECT_EQ(eigenes->heightForWidth(breite), qt->heightForWidth(breite)) << breite;
        EXPECT_TRUE(eigenes->wordWrap());
        EXPECT_EQ(eigenes->text(), u(fall.text));
    }
}

// Lines end at blanks only; a word wider than the box stays whole. Each case
// is drawn as a label without wrap that shows the expected lines.
TEST(Umbruchlabel, BrichtNurAnBlanks) {
    struct Fall {
        const char* name;
        const char* text;
        QFont schrift;
        const char* breiteWie;  // the box is as wide as this text
        Qt::Alignment ausrichtung;
        std::vector<const char*> zeilen;
    };
    const QFont kopf = schrift("MS Sans Serif", 7.8, true), wert = schrift("Arial", 10.2, true);
    // clang-format off
    const Fall faelle[] = {
        {"Einheit mit Schraegstrich", "USGallon/Sekunde", kopf, "USGallon/", Qt::AlignHCenter, {"USGallon/Sekunde"}},
        {"TAG mit Bindestrichen", " TAG-1234567890-ABCDEFGHIJ", wert, " TAG-1234567890-", Qt::AlignLeft,
         {" TAG-1234567890-ABCDEFGHIJ"}},
        {"Strichwoerter auf eigenen Zeilen", "Wasser-Glykol und/oder", wert, "Wasser-Glyk", Qt::AlignLeft,
         {"Wasser-Glykol", "und/oder"}},
        {"Blanks am Umbruch fallen weg, andere bleiben", " Gesellschaft  und   Söhne", wert, "und   Söhne",
         Qt::AlignLeft, {" Gesellschaft", "und   Söhne"}},
    };
    // clang-format on
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const QSize groesse(QFontMetrics(fall.schrift).horizontalAdvance(u(fall.breiteWie)) + 1, 60);
        const auto eigenes = label<Umbruchlabel>(u(fall.text), fall.schrift, groesse, fall.ausrichtung);
        QStringList zeilen;
        for (const char* zeile : fall.zeilen) zeilen << u(zeile);
        const auto erwartet = label<QLabel>(zeilen.join(u'\n'), fall.schrift, groesse, fall.ausrichtung);
        EXPECT_TRUE(eigenes->grab().toImage() == erwartet->grab().toImage()) << "other lines than expected";
        EXPECT_EQ(eigenes->heightForWidth(groesse.width()), erwartet->sizeHint().height());
        EXPECT_EQ(eigenes->text(), u(fall.text));
    }
}

}  // namespace
}  // namespace fluvan::platform
