#pragma once
// The public table of conductivities of pure liquids (data/lange-pure-species-conductivity.tsv)
// as the conductivity document shows it, and which medium of the list takes
// which of its rows. Numbers are converted in decimal, digit for digit, so a
// value shows with the table's own digits and no binary rounding.
#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fluvan::tools {

// ziffern × 10^exponent, exactly.
struct Dezimalzahl {
    std::int64_t ziffern = 0;
    int exponent = 0;
};

// A number as the table writes it: digits with an optional decimal point and
// an optional exponent ("291.15", "0.0000064", "4E-016"). Nothing for any
// other text, and for more digits or a larger exponent than a value needs.
std::optional<Dezimalzahl> leseDezimalzahl(std::string_view text);

// Plain decimal notation, without exponent and without trailing zeros: "0.06", "-59.55", "10629600000".
std::string dezimalText(Dezimalzahl zahl);

// K to °C and S/m to µS/cm; nothing when the result leaves the digits' range.
std::optional<Dezimalzahl> kelvinInCelsius(Dezimalzahl kelvin);
Dezimalzahl siemensProMeterInMikrosiemensProZentimeter(Dezimalzahl siemensProMeter);

// A row of the table in the document's units, as text.
struct Leitwert {
    std::string name;            // as the table writes it, without its trailing blank
    std::string temperatur;      // °C; empty where the table gives none
    std::string leitfaehigkeit;  // µS/cm
};

using Leitwerttabelle = std::vector<Leitwert>;

// Reads the table: its header row, then rows of CAS number, name, temperature
// in K (or empty) and conductivity in S/m. Throws std::runtime_error naming
// the line for anything else, and for two rows whose names match alike.
Leitwerttabelle leseLeitwerttabelle(std::istream& tabelle);

// Names of the list that the table writes otherwise, and the table's name for each.
struct Schreibweise {
    std::string_view stoff;
    std::string_view tabelle;
};
// clang-format off
inline constexpr std::array<Schreibweise, 11> Schreibweisen = {{
    {"Acethyl chloride", "Acetyl chloride"},
    {"Benzadehyde", "Benzaldehyde"},
    {"Benzenitrile", "Benzonitrile"},
    {"Chloracetic acid", "Chloroacetic acid"},
    {"Trichloracetic acid", "Trichloroacetic acid"},
    {"Methyl iodine", "Methyl iodide"},
    {"Methyl thiocyanata", "Methyl thiocyanate"},
    {"Naphtalene", "Naphthalene"},
    {"Isobutyl alcohol", "iso-Butyl alcohol"},
    {"Isopropyl alcohol", "iso-Propyl alcohol"},
    {"Isopropanol", "iso-Propyl alcohol"},
}};
// clang-format on

// The row of the medium so named in the list, or nullptr. Names match when
// they are equal with case ignored and a blank after a hyphen left out (the
// list's "M- Cresol", "Iso- Valeric acid" are the table's "m-Cresol",
// "Iso-Valeric acid"); a name of Schreibweisen matches its table name. No
// other name matches: an aqueous solution is not its pure substance.
const Leitwert* leitwertDes(std::string_view stoffname, const Leitwerttabelle& tabelle);

// Throws std::runtime_error when a table name of Schreibweisen has no row.
void pruefeSchreibweisen(const Leitwerttabelle& tabelle);

}  // namespace fluvan::tools
