#pragma once
// The language table of the pressure-loss diagram Bild2, exactly as shown.
#include "base/sprache.h"

namespace fluvan::output::bild2 {

inline constexpr base::Texte mnuDruck{"&Diagramm", "&Diagram", "&Diagramme", "&Diagrama"};
inline constexpr base::Texte mnuDiagrammDruck{"Drucken", "Print", "Imprimer", "Imprimir"};
inline constexpr base::Texte mnuWordeinbinden{"in WORD einbinden", "export to Word", "Exporter to Word",
                                              "Incluiter WORD"};
inline constexpr base::Texte mnuEnde{"&Ende", "&End", "&Fin", "&Fin"};

}  // namespace fluvan::output::bild2
