#pragma once
// The four unit blocks of the design aid. Each block answers a flow with the
// smallest and the largest size of the table whose 1 m/s and 3 m/s flows lie
// strictly on either side of it, or with its replacement text.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "designaid/durchflusswerte.h"
#include "designaid/zellwert.h"

namespace fluvan::designaid {

enum class Groessenanzeige { DN, Zoll };

struct Auslegungsblock {
    std::string_view name;
    std::string_view eingabezelle;     // on "Tabelle1"
    double Durchflusszeile::*grenze1;  // flow at 1 m/s
    double Durchflusszeile::*grenze3;  // flow at 3 m/s
    double Durchflusszeile::*groesse;  // the size returned
    std::string_view vonZelle;
    std::string_view bisZelle;
    std::string_view Ersatztext;  // stands for no size
    Groessenanzeige anzeige;
};

// The texts that stand for no size ("Durchflusswerte" A78 and A79).
inline constexpr std::string_view ersatztextMetrisch = "MB wählen";
inline constexpr std::string_view ersatztextZoll = "choose range";

inline constexpr std::array<Auslegungsblock, 4> auslegungsbloecke{{
    {"m3/h", "B9", &Durchflusszeile::B, &Durchflusszeile::C, &Durchflusszeile::A, "C9", "D9", ersatztextMetrisch,
     Groessenanzeige::DN},
    {"l/s", "B14", &Durchflusszeile::G, &Durchflusszeile::H, &Durchflusszeile::F, "C14", "D14", ersatztextMetrisch,
     Groessenanzeige::DN},
    {"US gpm", "B24", &Durchflusszeile::M, &Durchflusszeile::N, &Durchflusszeile::L, "C24", "D24", ersatztextZoll,
     Groessenanzeige::Zoll},
    {"UK gpm", "B29", &Durchflusszeile::T, &Durchflusszeile::U, &Durchflusszeile::S, "C29", "D29", ersatztextZoll,
     Groessenanzeige::Zoll},
}};

// A result cell: a size, or none (the block's replacement text).
using Ergebniszelle = std::optional<double>;

struct Blockergebnis {
    Ergebniszelle von;
    Ergebniszelle bis;
};

Blockergebnis berechne(const Auslegungsblock& block, const Zellwert& eingabe);

// A result cell as the sheet shows it: a DN as a plain number with the
// regional separator, an inch size as a fraction, no size as the replacement text.
std::string anzeigeText(const Auslegungsblock& block, const Ergebniszelle& zelle, std::string_view dezimaltrenner);

}  // namespace fluvan::designaid
