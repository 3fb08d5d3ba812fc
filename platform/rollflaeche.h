#pragma once
// A window larger than its screen's work area (the screen less the desktop's
// panels) takes the area's size, and its inside scrolls: no control is left
// under a panel or below the screen.
#include <QMargins>
#include <QPixmap>

class QScrollArea;
class QWidget;

namespace fluvan::platform {

// Whether the window manager has framed the window and its border is known
// (a window without a border has none to wait for).
bool gerahmt(const QWidget* fenster);

// The border that the window manager adds around a window: the window's own
// once it is framed, else that of another framed window of the program on the
// screen, else none.
QMargins rahmenrand(const QWidget* fenster);

// Where the window within the given border does not fit its screen's work
// area, its inside (the central widget, or all its controls) goes into a
// scroll area, and the window takes the room there is, with scroll bars only
// where needed; then it is centred there, or, once the window manager has
// placed it, kept in the area. A window that fits stays as it is.
void passeInArbeitsflaeche(QWidget* fenster, QMargins rand, bool zentriert);

// The window's scroll area, when its inside scrolls; nullptr where it fits.
QScrollArea* rollflaeche(const QWidget* fenster);

// The picture of the window's content with its menu bar: the whole inside,
// however it is scrolled; of a window that fits, the window itself.
QPixmap ganzesBild(QWidget* fenster);

}  // namespace fluvan::platform
