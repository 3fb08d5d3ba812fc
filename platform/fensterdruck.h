#pragma once
// Printing a window's picture on one page.
#include <QImage>
#include <QRectF>
#include <optional>

#include "output/seitenanpassung.h"

class QPrinter;
class QWidget;

namespace fluvan::platform {

class Bildhalter;

// The print command of a window: capture into the holder, printer dialog,
// the holder's picture on one page. Every print starts from a new printer with
// the platform's defaults: nothing of an earlier print or dialog is kept. A
// cancel ends silently; a failure shows the exclamation box.
void Drucken(QWidget& fenster, Bildhalter& halter, const output::Druckregel& regel);

// Prints the picture on one page at the printable area's top-left, fitted by
// the window's rule, and notes the printer in Druckerdaten. A print to a file
// writes the whole file or none: a file of that name stays as it was when the
// new one cannot be written completely. A print on a printer is done only
// once the print system has taken the job. False when nothing could be
// printed.
bool Ausdruck(QPrinter& drucker, const QImage& bild, const output::Druckregel& regel);

// Where the picture goes on the printer in its orientation: device pixels from
// the printable area's top-left, never past the printable area. Nothing for a
// picture or an area without width or height.
std::optional<QRectF> Bildflaeche(const QPrinter& drucker, const QImage& bild, const output::Druckregel& regel);

}  // namespace fluvan::platform
