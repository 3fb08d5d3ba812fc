#pragma once
// The visible sheet "Tabelle1" of the design aid: its grid, its texts and their
// look, its four input cells and its result cells, as plain data.
#include <array>
#include <string_view>

#include "base/farbe.h"

namespace fluvan::designaid {

// A cell or a merged range, columns from 0 (A), rows from 1.
struct Bereich {
    int spalte1;
    int zeile1;
    int spalte2;
    int zeile2;
    bool operator==(const Bereich&) const = default;
};

// "B9" or "A1:H2"; columns A to Z.
constexpr Bereich bereich(std::string_view text) {
    auto zelle = [](std::string_view t, int& spalte, int& zeile) {
        spalte = t[0] - 'A';
        zeile = 0;
        for (char c : t.substr(1)) zeile = zeile * 10 + (c - '0');
    };
    Bereich b{};
    const std::size_t doppelpunkt = text.find(':');
    zelle(text.substr(0, doppelpunkt), b.spalte1, b.zeile1);
    if (doppelpunkt == std::string_view::npos) {
        b.spalte2 = b.spalte1;
        b.zeile2 = b.zeile1;
    } else {
        zelle(text.substr(doppelpunkt + 1), b.spalte2, b.zeile2);
    }
    return b;
}

inline constexpr base::Farbe schwarz{0, 0, 0};
inline constexpr base::Farbe rot{255, 0, 0};
inline constexpr base::Farbe blau{0, 0, 255};
inline constexpr base::Farbe silber{192, 192, 192};
inline constexpr base::Farbe hellorange{255, 153, 0};
inline constexpr base::Farbe weiss{255, 255, 255};

// The sheet's fonts are named as the workbook names them.
struct Schrift {
    std::string_view name = "Arial";
    int punkt = 10;
    bool fett = false;
    base::Farbe farbe = schwarz;
};

struct Textlauf {
    std::string_view text;
    Schrift schrift;
};

enum class Zellart { Text, Eingabe, Ergebnis };
enum class Waagrecht { Standard, Mitte };  // Standard: texts left, numbers right
enum class Senkrecht { Unten, Mitte };

struct Blattzelle {
    std::string_view bereich;  // the cell, or the merged range from it
    Zellart art = Zellart::Text;
    std::array<Textlauf, 3> laeufe{};  // an input cell: its initial text; a result cell: its font
    bool mitGrund = false;
    base::Farbe grund = weiss;
    Waagrecht waagrecht = Waagrecht::Standard;
    Senkrecht senkrecht = Senkrecht::Unten;
    bool umbrechen = false;
    bool gedreht = false;  // turned by 90 degrees, read upwards
};

// Columns A to J and rows 1 to 35 in twips; the rest of the sheet is hidden.
inline constexpr std::array<int, 10> spaltenbreiten{1000, 3400, 1500, 1500, 1250, 1250, 1400, 1400, 1400, 132};
inline constexpr int zeilenhoehe = 270;
inline constexpr int letzteZeilenhoehe = 96;  // row 35
inline constexpr int zeilen = 35;

inline constexpr std::string_view logo = "G1:I6";
inline constexpr std::string_view trennlinie = "A19:I19";  // along the bottom of row 19

// The cells of "Tabelle1" that hold something.
extern const std::array<Blattzelle, 42> tabelle1;

// The cell whose range starts at `zelle` ("A1" for A1 to H2), or nullptr.
const Blattzelle* blattzelle(std::string_view zelle);

}  // namespace fluvan::designaid
