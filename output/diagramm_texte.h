#pragma once
// The texts of the two charts: titles and footnote per language, and the
// value-axis titles and series names, the same in every language.
#include <string_view>

#include "base/sprache.h"

namespace fluvan::output::diagramm {

inline constexpr base::Texte TitelMSChart1{"Genauigkeit unter Referenzbedingung", "Accuracy under reference conditions",
                                           "Précision au condition de référence",
                                           "Precisión en condiciones de referencia"};
inline constexpr base::Texte FussnoteMSChart1{
    "± F = Messfehler in % vom Durchfluss (Messwert)", "± F = Error as % of flowrate (measured value)",
    "± F = Erreur maxi en % du débit (valeur de mesure)", "± F = Error en % del caudal instantáneo (valor real)"};
inline constexpr base::Texte TitelMSChart2{"Druckverlust", "Pressure loss", "perte de charge", "Pérdida de presión"};

inline constexpr std::string_view WertachsentitelMSChart1 = "± F [%]";
inline constexpr std::string_view WertachsentitelMSChart2 = "mbar";
inline constexpr std::string_view ReihennameMSChart1 = "Fehlerkurve";
inline constexpr std::string_view ReihennameMSChart2 = "Druckverlust";

// Title sizes in points; the footnote only on the error-curve chart.
inline constexpr double TitelpunkteMSChart1 = 10;
inline constexpr double TitelpunkteMSChart2 = 7;

}  // namespace fluvan::output::diagramm
