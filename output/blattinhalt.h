#pragma once
// Every text that the result sheet's load writes, from the cells it reads.
// Numbers through the one float-to-text conversion; nothing rounded or padded.
#include <array>
#include <string>
#include <string_view>

#include "base/variable.h"

namespace fluvan::output {

// Where the texts stand in the sheet's label array Label1(0) .. Label1(54).
namespace label1 {
inline constexpr int Anzahl = 55;
// Table row i (1..15) of a column is Label1(column + i).
inline constexpr int Fehlerspalte = 2, Durchflussspalte = 20, Geschwindigkeitsspalte = 39;
inline constexpr int Typ = 18, Nennweite = 19, Messbereich = 20;  // their captions are Label1(0), (1), (2)
inline constexpr int Kunde = 36, Tag = 37;
inline constexpr int Fehlerkopf = 38, Einheit = 39;  // the headings of the error and flow columns
}  // namespace label1

// Table row i (1..15) of the three columns.
std::string Fehlerzelle(const base::Variable& v, int zeile, std::string_view trenner);
std::string Durchflusszelle(const base::Variable& v, int zeile, std::string_view trenner);
std::string Geschwindigkeitszelle(const base::Variable& v, int zeile, std::string_view trenner);

std::string Typtext(const base::Variable& v);
std::string Nennweitentext(const base::Variable& v);
std::string Messbereichtext(const base::Variable& v, std::string_view trenner);
std::string Druckverlusttext(const base::Variable& v, std::string_view trenner);  // Label6
// Customer, TAG and order number: a blank and the cell, so an empty cell gives " ".
std::string Kopftext(const std::string& zelle);

struct Blattinhalt {
    std::array<std::string, 15> fehler, durchfluss, geschwindigkeit;
    std::string typ, nennweite, messbereich;
    std::string kunde, tag;
    std::string einheit;       // the flow heading
    std::string druckverlust;  // Label6
    std::string vkNummer;      // Label9
};

Blattinhalt blattinhalt(const base::Variable& v, std::string_view trenner);

}  // namespace fluvan::output
