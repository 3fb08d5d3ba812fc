#include "output/diagrammgitter.h"

#include "base/zahlen.h"

namespace fluvan::output {

Diagrammgitter diagrammgitter(const base::Kurve& kurve, const base::Variable& v, std::string_view trenner) {
    Diagrammgitter gitter;
    for (int r = 1; r <= 20; ++r) {
        Diagrammzeile& zeile = gitter[static_cast<std::size_t>(r - 1)];
        zeile.wert = static_cast<double>(kurve(21 - r));
        zeile.leer = false;
        zeile.beschriftung = base::zahlText(v.Durchfluss(21 - r), trenner);
    }
    gitter[20].beschriftung = v.EinheitText;
    return gitter;
}

}  // namespace fluvan::output
