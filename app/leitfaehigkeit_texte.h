#pragma once
// The language table of the conductivity window: only its title, its end
// button and the line shown instead of a passage follow the language. The
// list, the name and the column headings are English in every language.
#include <string_view>

#include "base/sprache.h"

namespace fluvan::app::leitfaehigkeit {

inline constexpr base::Texte Titel{"Leitfähigkeit", "Conductivity", "Conductivité", "Conductividad"};
inline constexpr base::Texte cmdEnde{"Ende", "End", "Fin", "Terminar"};

inline constexpr std::string_view Label3 = "Concentration";
inline constexpr std::string_view Label4 = "Temp.";
inline constexpr std::string_view Label5 = "Conductivity";
inline constexpr std::string_view Label18 = "[ % ]";
inline constexpr std::string_view Label17 = "[ °C ]";
inline constexpr std::string_view Label16 = "[ µS/cm ]";

inline constexpr base::Texte KeinEintrag{
    "Das Leitfähigkeitsdokument enthält keinen Eintrag für diesen Stoff.",
    "The conductivity document holds no entry for this medium.",
    "Le document de conductivité ne contient aucune entrée pour ce produit.",
    "El documento de conductividad no contiene ninguna entrada para este medio.",
};

inline constexpr base::Texte Unlesbar{
    "Das Leitfähigkeitsdokument kann nicht gelesen werden.",
    "The conductivity document cannot be read.",
    "Le document de conductivité ne peut pas être lu.",
    "El documento de conductividad no se puede leer.",
};

}  // namespace fluvan::app::leitfaehigkeit
