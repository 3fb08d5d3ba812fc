#pragma once
// Each window exists at most once: showing creates it (its constructor is its
// load) or brings the open one to the front unchanged; closing destroys it.
// A closed window is hidden until its deletion comes round: from the close on
// it counts as gone, so showing it again at once creates a new one.
#include <QPointer>
#include <QWidget>
#include <functional>

namespace fluvan::platform {

template <class Fenster>
QPointer<Fenster>& fensterZeiger() {
    static QPointer<Fenster> zeiger;
    return zeiger;
}

// The open window of this kind, or nullptr.
template <class Fenster>
Fenster* offenesFenster() {
    QPointer<Fenster>& zeiger = fensterZeiger<Fenster>();
    if (zeiger && !zeiger->isVisible()) zeiger = nullptr;
    return zeiger.data();
}

// Puts an open window before the user's eyes, at its place and with its
// contents: restored when minimized, on top and active.
void holeNachVorn(QWidget* fenster);

// Runs danach once the window is on the screen, at once when it is already
// or when there is none; never after the window is gone.
void wennAbgebildet(QWidget* fenster, std::function<void()> danach);

template <class Fenster, class... Argumente>
Fenster* zeigeFenster(Argumente&&... argumente) {
    QPointer<Fenster>& zeiger = fensterZeiger<Fenster>();
    if (offenesFenster<Fenster>()) {
        holeNachVorn(zeiger);
        return zeiger.data();
    }
    zeiger = new Fenster(std::forward<Argumente>(argumente)...);
    zeiger->setAttribute(Qt::WA_DeleteOnClose);
    zeiger->show();
    zeiger->raise();
    zeiger->activateWindow();
    // The control that holds the focus shows it from the start, not only
    // after the first Tab.
    zeiger->setAttribute(Qt::WA_KeyboardFocusChange);
    return zeiger.data();
}

// Brings the open window of this kind, if any, in front of `unten` once that
// is on the screen: a window manager puts a window that it maps on top, also
// when a raise of another window came before.
template <class Fenster>
void zeigeUeber(QWidget* unten) {
    wennAbgebildet(unten, [] {
        if (Fenster* fenster = offenesFenster<Fenster>()) holeNachVorn(fenster);
    });
}

// Closes (and so destroys) the open window of this kind, if any.
template <class Fenster>
void schliesseFenster() {
    if (Fenster* fenster = offenesFenster<Fenster>()) fenster->close();
}

}  // namespace fluvan::platform
