#pragma once
// Window geometry in twips, shown in the platform's device-independent pixels.
#include "base/masseinheiten.h"

class QWidget;

namespace fluvan::platform {

// Twips to pixels, rounded to the nearest pixel.
constexpr int pixel(int twips) {
    using base::PixelProZoll, base::TwipsProZoll;
    return (twips * PixelProZoll + (twips >= 0 ? TwipsProZoll / 2 : -TwipsProZoll / 2)) / TwipsProZoll;
}

// A control's place as left, top, width, height in twips.
struct Twips {
    int links, oben, breite, hoehe;
};

// Places a control at left, top, width, height in twips inside its parent.
void platziere(QWidget* steuerelement, int links, int oben, int breite, int hoehe);
void platziere(QWidget* steuerelement, Twips lage);

// Gives a window the inside size in twips and fixes it there.
void festeInnengroesse(QWidget* fenster, int breite, int hoehe);

// Centres a top-level window on the screen it will appear on; its frame's
// top-left corner stays inside the screen's available area.
void zentriere(QWidget* fenster);

}  // namespace fluvan::platform
