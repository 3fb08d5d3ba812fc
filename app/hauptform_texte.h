#pragma once
// The language table of the main form: every caption in "D", "GB", "F", "E".
#include <array>
#include <string_view>

#include "base/sprache.h"
#include "catalogue/modelle.h"

namespace fluvan::app::hauptform {

inline constexpr base::Texte Label1{"Firma", "Company", "Client", "Compania"};
inline constexpr base::Texte Label2{"TAG- Nr.:", "TAG- No.:", "TAG- No.:", "Nú.- TAG.:"};
inline constexpr base::Texte Label11{"VK- Nummer", "VK-number", "VK- No.", "Nú.- VK"};
inline constexpr base::Texte lblMIDDaten{"Gerätetype", "Instrument type", "Type d'appareil", "Tipo"};
inline constexpr base::Texte lblDN{"Nennweite", "Size", "Taille", "Tamaño"};
inline constexpr base::Texte lblEinheiten{"Volumen-Einheit", "Volume", "Volume", "Unidad de volumen"};
inline constexpr base::Texte lblEinheitZeit{"Zeit-Einheit", "Time", "Temps", "Unidad de tiempo"};
inline constexpr base::Texte lblVolumen{"Endwert", "Max. value", "Valeur max.", "Valor"};
inline constexpr base::Texte Frame1{"Druckverlust", "Pressure loss", "Perte de charge", "Pérdida de la presión"};
inline constexpr base::Texte lblFlasch{"Flansch", "Connection", "Brides", "Brida"};
inline constexpr base::Texte Label9{"DIN", "DIN", "DIN", "DIN"};
inline constexpr base::Texte Label10{"ANSI", "ANSI", "ANSI", "ANSI"};
inline constexpr base::Texte Label3{"Dichte", "Density", "Densité", "Densidad"};
inline constexpr base::Texte Label4{"[kg/m3]", "[kg/m3]", "[kg/m3]", "[kg/m3]"};
inline constexpr base::Texte Label5{"Viskosität", "Viscosity", "Viskosité", "Viscosidad"};
inline constexpr base::Texte Label6{"[mPas]", "[mPas]", "[mPas]", "[mPas]"};
inline constexpr base::Texte lblLaenge{"Baulänge", "Length", "Longeuer", "Dimension"};
inline constexpr base::Texte Label7{"[mm]", "[mm]", "[mm]", "[mm]"};
inline constexpr base::Texte cmdEnde{"&Ende", "&End", "&Fin", "&Terminar"};
inline constexpr base::Texte cmdFehlerkurve{"&Berechnung", "&Calculation", "&Calculation", "&Calculatión"};

inline constexpr base::Texte mnuAuswahl{"&Type", "&Type", "&Type", "&Tipo"};
inline constexpr std::string_view mnuMID = "MID";
inline constexpr std::string_view mnuUL = "UL";
inline constexpr base::Texte mnuLeitfaehigkeit{"&Leitfähigkeit", "&Conductivity", "&Conductivité", "&Coductividad"};
inline constexpr base::Texte mnuEXCEL{"&Auslegungshilfe", "&Dimensioning", "&Dimensioning", "&Dimensioning"};
inline constexpr base::Texte mnuInfo{"&Info", "&Info", "&Info", "&Info"};
inline constexpr base::Texte mnuEnde{"&Ende", "&End", "&Fin", "&Terminar"};

// The type menu: each entry selects one model of the model list, named by its
// list text; a text not in the model table does not compile.
struct Typeintrag {
    std::string_view name;
    std::string_view caption;
    int listenindex;
};

inline constexpr std::array<Typeintrag, 5> TypmenueMID = {{
    {"mnuMIDNeu", "Veltrum x10", catalogue::listenindex("Veltrum 210")},
    {"mnuVeltrum20", "Veltrum x20", catalogue::listenindex("Veltrum 220")},
    {"mnuVeltrum30", "Veltrum x30", catalogue::listenindex("Veltrum 230")},
    {"mnuMIDalt", "TKD", catalogue::listenindex("TKD 21")},
    {"mnuBrisal", "Brisal", catalogue::listenindex("Brisal 11")},
}};
inline constexpr std::array<Typeintrag, 2> TypmenueUL = {{
    {"mnuULneu", "RSN 90", catalogue::listenindex("RSN 90")},
    {"mnuULalt", "RSN 70", catalogue::listenindex("RSN 70")},
}};

}  // namespace fluvan::app::hauptform
