#pragma once
// Printing a window's picture on one page.
#include <QImage>

#include "output/seitenanpassung.h"

class QPrinter;
class QWidget;

namespace fluvan::platform {

class Bildhalter;

// The program's current printer: the one chosen last in a printer dialog.
QPrinter& Printer();

// The print command of a window: capture into the holder, printer dialog,
// the holder's picture on one page. A cancel ends silently; a failure shows
// the exclamation box.
void Drucken(QWidget& fenster, Bildhalter& halter, const output::Druckregel& regel);

// Prints the picture on one page at the printable area's top-left, fitted by
// the window's rule, and notes the printer in Druckerdaten. False when nothing
// could be printed.
bool Ausdruck(QPrinter& drucker, const QImage& bild, const output::Druckregel& regel);

}  // namespace fluvan::platform
