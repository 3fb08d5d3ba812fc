#pragma once
// Each window exists at most once: showing creates it (its constructor is its
// load) or brings the open one to the front unchanged; closing destroys it.
// A closed window is hidden until its deletion comes round: from the close on
// it counts as gone, so showing it again at once creates a new one.
#include <QPointer>
#include <QWidget>

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

// Closes (and so destroys) the open window of this kind, if any.
template <class Fenster>
void schliesseFenster() {
    if (Fenster* fenster = offenesFenster<Fenster>()) fenster->close();
}

}  // namespace fluvan::platform
