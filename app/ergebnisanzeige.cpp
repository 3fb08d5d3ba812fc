#include "app/ergebnisanzeige.h"

#include "app/Bild1.h"
#include "app/Bild2.h"
#include "output/ergebnisstand.h"
#include "platform/dienste.h"

namespace fluvan::app {

void Ergebnisfenster::zeigeBild1(const base::Variable& ergebnis) {
    ergebnis_ = ergebnis;
    // An open sheet and diagram load again: beside a new calculation they
    // would otherwise show an older one as if it were current.
    Bild2* diagramm = platform::offenesFenster<Bild2>();
    if (diagramm) diagramm->Form_Load();
    if (Bild1* blatt = platform::offenesFenster<Bild1>()) blatt->Form_Load();
    Bild1* blatt = zeigeErgebnisfenster<Bild1>();
    // Both are centred and the sheet is the larger: the diagram goes on top,
    // and is activated last, as a window manager raises the active window.
    // It waits until the sheet is on the screen, or a sheet that the window
    // manager maps only then would cover it.
    if (diagramm) platform::zeigeUeber<Bild2>(blatt);
}

Ergebnisfenster& ergebnisanzeige() {
    static Ergebnisfenster anzeige;
    return anzeige;
}

const base::Variable* gezeigtesErgebnis() {
    const auto* anzeige = dynamic_cast<const Ergebnisfenster*>(platform::dienste().ergebnis);
    return anzeige ? anzeige->ergebnis() : nullptr;
}

base::Variable ladestand() {
    const base::Variable* ergebnis = gezeigtesErgebnis();
    return output::ladestand(ergebnis ? *ergebnis : base::Variable{}, base::Variable::instanz());
}

}  // namespace fluvan::app
