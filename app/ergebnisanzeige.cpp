#include "app/ergebnisanzeige.h"

#include "app/Bild1.h"
#include "app/Bild2.h"

namespace fluvan::app {

void Ergebnisfenster::zeigeBild1() {
    if (Bild2* diagramm = platform::offenesFenster<Bild2>()) {
        diagramm->Form_Load();
        diagramm->raise();
    }
    if (Bild1* blatt = platform::offenesFenster<Bild1>()) blatt->Form_Load();
    zeigeErgebnisfenster<Bild1>();
}

Ergebnisfenster& ergebnisanzeige() {
    static Ergebnisfenster anzeige;
    return anzeige;
}

}  // namespace fluvan::app
