#pragma once
// Each window exists at most once: showing creates it (its constructor is its
// load) or brings the open one to the front unchanged; closing destroys it.
#include <QPointer>
#include <QWidget>

namespace fluvan::plattform {

template <class Fenster>
QPointer<Fenster>& fensterZeiger() {
    static QPointer<Fenster> zeiger;
    return zeiger;
}

// The open window of this kind, or nullptr.
template <class Fenster>
Fenster* offenesFenster() {
    return fensterZeiger<Fenster>().data();
}

template <class Fenster, class... Argumente>
Fenster* zeigeFenster(Argumente&&... argumente) {
    QPointer<Fenster>& zeiger = fensterZeiger<Fenster>();
    if (!zeiger) {
        zeiger = new Fenster(std::forward<Argumente>(argumente)...);
        zeiger->setAttribute(Qt::WA_DeleteOnClose);
    }
    zeiger->show();
    zeiger->raise();
    zeiger->activateWindow();
    return zeiger.data();
}

// Closes (and so destroys) the open window of this kind, if any.
template <class Fenster>
void schliesseFenster() {
    if (Fenster* fenster = offenesFenster<Fenster>()) fenster->close();
}

}  // namespace fluvan::plattform
