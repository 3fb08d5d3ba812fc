#pragma once
// Window geometry in twips: 1440 twips are one inch, at 96 pixels per inch
// (the platform's device-independent pixels) 15 twips are one pixel.
class QWidget;

namespace fluvan::platform {

inline constexpr int TwipsProZoll = 1440;
inline constexpr int PixelProZoll = 96;

// Twips to pixels, rounded to the nearest pixel.
constexpr int pixel(int twips) {
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

// Centres a top-level window on the screen it will appear on.
void zentriere(QWidget* fenster);

}  // namespace fluvan::platform
