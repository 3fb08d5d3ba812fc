#include "app/diagramme.h"

#include "output/diagramm_texte.h"
#include "platform/steuerelemente.h"

namespace fluvan::app {

using namespace output::diagramm;
using platform::qtext;

platform::Diagrammgestaltung GestaltungMSChart1(std::string_view sprache) {
    return {qtext(TitelMSChart1[sprache]), TitelpunkteMSChart1, qtext(FussnoteMSChart1[sprache]),
            qtext(WertachsentitelMSChart1), qtext(ReihennameMSChart1)};
}

platform::Diagrammgestaltung GestaltungMSChart2(std::string_view sprache) {
    return {qtext(TitelMSChart2[sprache]), TitelpunkteMSChart2, QString(), qtext(WertachsentitelMSChart2),
            qtext(ReihennameMSChart2)};
}

void fuelleDiagramm(platform::MSChart& chart, const output::Diagrammgitter& gitter) {
    for (int r = 1; r <= output::Diagrammzeilen; ++r) {
        const output::Diagrammzeile& zeile = gitter[static_cast<std::size_t>(r - 1)];
        if (!zeile.leer) chart.SetData(r, 1, zeile.wert, 0);
    }
    for (int r = 1; r <= output::Diagrammzeilen; ++r)
        chart.RowLabel(r, 1, qtext(gitter[static_cast<std::size_t>(r - 1)].beschriftung));
}

}  // namespace fluvan::app
