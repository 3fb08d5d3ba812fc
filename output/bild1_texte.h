#pragma once
// The language table of the result sheet Bild1: every caption in "D", "GB",
// "F", "E", exactly as shown (misspellings included; "&" marks the access key).
#include "base/sprache.h"

namespace fluvan::output::bild1 {

inline constexpr base::Texte Label2{" Firma", " Company", " Client", " Compañia"};
inline constexpr base::Texte Label3{" TAG- Nr.", " TAG- No.", " TAG- No.", " N°.- Tag"};
inline constexpr base::Texte Label8{" VK- Nr.", " VK- No.", " VK- No.", " N°.- VK"};
inline constexpr base::Texte Label1_0{" Type", " Type:", " Type:", " Modelo:"};
inline constexpr base::Texte Label1_1{" Nennweite", " Size:", " Dimension:", " Tamaño:"};
inline constexpr base::Texte Label1_2{" Messbereich", " Range:", " Echelle:", " Rango:"};
inline constexpr base::Texte Label5{" Druckverlust", " Pressureloss", " Delta P:", " Delta P:"};
inline constexpr base::Texte Label7{"mbar", "mbar", "mbar", "mbar"};
inline constexpr base::Texte Label1_38{"Messfehler", "Measuring error", "Erreur de mesure", "Error de medida"};
inline constexpr base::Texte Label4{"Geschwin- digkeit", "Velocity", "Vélocité", "Velocidad"};
inline constexpr base::Texte cmdNeueBerechnung{"&Neue Berechnung", "&New calculation", "&Nouvelle calculation",
                                               "&Nuevo cálculo"};
inline constexpr base::Texte cmdEnde{"&Ende", "&End", "&Fin", "&Salir"};

inline constexpr base::Texte mnuDiagrammdrucken{"&Diagramm", "&Diagram", "&Diagramme", "&Diagrama"};
inline constexpr base::Texte mnuDrucken{"Drucken", "Print", "Imprimer", "Imprimir"};
inline constexpr base::Texte mnuWord{"in Word einbinden", "export to Word", "Exporter to WORD", "Incluir en WORD"};
inline constexpr base::Texte mnuNeueBerechnung{"&Berechnung", "&Calculation", "&Calculation", "&Cálculo"};
inline constexpr base::Texte mnuSpeichern{"Speichern", "Save", "Mémoriser", "Archivar"};
inline constexpr base::Texte mnuNeu{"Neu", "New", "Nouvelle", "Nuevo"};
inline constexpr base::Texte mnuDruckverlust{"&Druckverlust", "Pressure loss", "&Perte de charge", "&Pérdida de carga"};
inline constexpr base::Texte mnuEnde{"&Ende", "&End", "&Fin", "&Fin"};

}  // namespace fluvan::output::bild1
