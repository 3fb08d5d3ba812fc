#pragma once
// The window capture that printing, saving and the hand-over share.
#include <QImage>

class QWidget;

namespace fluvan::platform {

class Bildhalter;

// Puts a picture of the window (its content with the menu bar, taken at once
// from the window itself, all of it however it is scrolled) on the clipboard
// and into its picture holder. When the window gives no picture it says so and
// returns false.
bool Fensteraufnahme(QWidget& fenster, Bildhalter& halter);

// The holder's picture: the last capture, or a null image.
QImage bildVon(const Bildhalter& halter);

// The exclamation box "Operation not possible!" in the program's language.
void meldeFehlschlag();

}  // namespace fluvan::platform
