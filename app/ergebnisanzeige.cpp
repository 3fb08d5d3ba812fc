#include "app/ergebnisanzeige.h"

#include "app/Bild1.h"
#include "app/Bild2.h"

namespace fluvan::app {

void Ergebnisfenster::zeigeBild1() {
    Bild2* diagramm = platform::offenesFenster<Bild2>();
    if (diagramm) diagramm->Form_Load();
    if (Bild1* blatt = platform::offenesFenster<Bild1>()) blatt->Form_Load();
    zeigeErgebnisfenster<Bild1>();
    // Both are centred and the sheet is the larger: the diagram goes on top,
    // and is activated last, as a window manager raises the active window.
    if (diagramm) platform::zeigeFenster<Bild2>();
}

Ergebnisfenster& ergebnisanzeige() {
    static Ergebnisfenster anzeige;
    return anzeige;
}

}  // namespace fluvan::app
