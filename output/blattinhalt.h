#pragma once
// Every text that the result sheet's load writes, from the cells it reads.
// Numbers through the one float-to-text conversion; nothing rounded or padded.
#include <array>
#include <string>
#include <string_view>

#include "base/variable.h"

namespace fluvan::output {

// Table row i (1..15) of the three columns.
std::string Fehlerzelle(const base::Variable& v, int zeile, std::string_view trenner);            // Label1(2 + i)
std::string Durchflusszelle(const base::Variable& v, int zeile, std::string_view trenner);        // Label1(20 + i)
std::string Geschwindigkeitszelle(const base::Variable& v, int zeile, std::string_view trenner);  // Label1(39 + i)

std::string Typtext(const base::Variable& v);                                     // Label1(18)
std::string Nennweitentext(const base::Variable& v);                              // Label1(19)
std::string Messbereichtext(const base::Variable& v, std::string_view trenner);   // Label1(20)
std::string Druckverlusttext(const base::Variable& v, std::string_view trenner);  // Label6
// Customer, TAG and order number: a blank and the cell, so an empty cell gives " ".
std::string Kopftext(const std::string& zelle);

struct Blattinhalt {
    std::array<std::string, 15> fehler, durchfluss, geschwindigkeit;
    std::string typ, nennweite, messbereich;  // Label1(18), (19), (20)
    std::string kunde, tag;                   // Label1(36), (37)
    std::string einheit;                      // Label1(39), the flow heading
    std::string druckverlust;                 // Label6
    std::string vkNummer;                     // Label9
};

Blattinhalt blattinhalt(const base::Variable& v, std::string_view trenner);

}  // namespace fluvan::output
