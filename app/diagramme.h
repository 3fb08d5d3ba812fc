#pragma once
// The two charts of the result windows: their design per language and the
// fill that both loads run.
#include <string_view>

#include "output/diagrammgitter.h"
#include "platform/mschart.h"

namespace fluvan::app {

platform::Diagrammgestaltung GestaltungMSChart1(std::string_view sprache);
platform::Diagrammgestaltung GestaltungMSChart2(std::string_view sprache);

// Rows 1..20 get their values, then rows 1..21 their labels; row 21 keeps its null value.
void fuelleDiagramm(platform::MSChart& chart, const output::Diagrammgitter& gitter);

}  // namespace fluvan::app
