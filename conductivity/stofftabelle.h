#pragma once
// The media table with the two markers of every medium in the conductivity
// document. The markers are worked out at compile time from the rows: each row
// has a place in the section of its name's first letter, and the place gives
// the counting letters. The document was laid out that way by hand, with a few
// departures, which are kept here as data so that old documents keep working.
#include <array>
#include <cstddef>
#include <string_view>

#include "conductivity/stoffe.h"

namespace fluvan::conductivity {

// Three letters: the section's upper-case letter and two lower-case counting
// letters; "xx" closes a section.
struct Marke {
    std::array<char, 3> zeichen{};
    constexpr std::string_view text() const { return {zeichen.data(), zeichen.size()}; }
    constexpr bool operator==(const Marke&) const = default;
};

inline constexpr std::size_t Markenlaenge = 3;

struct Stoff {
    std::string_view Listentext;
    std::string_view Name;
    Marke Anfangsmarke;
    Marke Endmarke;
};

namespace markenregel {

// Place k of a section counts in base 26: "aa", "ab", ..., "az", "ba", ...
constexpr Marke zaehlmarke(char abschnitt, int zaehlwert) {
    return {{abschnitt, static_cast<char>('a' + zaehlwert / 26), static_cast<char>('a' + zaehlwert % 26)}};
}
constexpr Marke schlussmarke(char abschnitt) { return {{abschnitt, 'x', 'x'}}; }

// Rows that stand elsewhere than their name's first letter and table order say:
// each is put right after the row named in `nach`, in that row's section.
struct Umstellung {
    std::string_view name;
    std::string_view nach;
};
inline constexpr std::array<Umstellung, 3> Umstellungen = {{
    {"M- Nitrotoluene", "O- Nitrotoluene"},
    {"M- Chloroaniline", "M- Nitrotoluene"},
    {"Propionaldehyde", "Pyridine"},
}};

// Where the count jumps: from place `platz` on, a section counts on from
// `zaehlwert`. The row before the jump ends at the next counting marker
// (in "A" at the skipped "Aae"), or at the section's closing marker.
struct Sprung {
    char abschnitt;
    int platz;
    int zaehlwert;
    bool vorigerBisSchluss;
};
inline constexpr std::array<Sprung, 2> Spruenge = {{
    {'A', 4, 5, false},   // no row begins at "Aae"
    {'P', 44, 52, true},  // "Propionaldehyde" begins at "Pca"; "Pyridine" runs to "Pxx"
}};

constexpr bool umgestellt(std::string_view name) {
    for (const Umstellung& u : Umstellungen)
        if (u.name == name) return true;
    return false;
}

constexpr std::size_t zeile(std::string_view name) {
    for (std::size_t i = 0; i < Stoffe.size(); ++i)
        if (Stoffe[i].Name == name) return i;
    throw "no such row";  // not a constant expression: stops the build
}

// The order in which the rows take their places, and each row's section.
struct Platzfolge {
    std::array<std::size_t, Stoffanzahl> zeilen{};
    std::array<char, Stoffanzahl> abschnitt{};  // by row
};

constexpr Platzfolge platzfolge() {
    Platzfolge folge;
    std::size_t n = 0;
    for (std::size_t i = 0; i < Stoffe.size(); ++i) {
        if (umgestellt(Stoffe[i].Name)) continue;
        folge.zeilen[n++] = i;
        folge.abschnitt[i] = Stoffe[i].Name[0];
        // Rows put after this one, and rows put after those.
        for (std::size_t vorige = i, weiter = 1; weiter;) {
            weiter = 0;
            for (const Umstellung& u : Umstellungen) {
                if (u.nach != Stoffe[vorige].Name) continue;
                const std::size_t z = zeile(u.name);
                folge.zeilen[n++] = z;
                folge.abschnitt[z] = folge.abschnitt[vorige];
                vorige = z;
                weiter = 1;
            }
        }
    }
    if (n != Stoffanzahl) throw "a row has no place";
    return folge;
}

constexpr int zaehlwert(char abschnitt, int platz) {
    for (const Sprung& s : Spruenge)
        if (s.abschnitt == abschnitt && platz >= s.platz) return s.zaehlwert + (platz - s.platz);
    return platz;
}

constexpr bool vorSchlussSprung(char abschnitt, int platz) {
    for (const Sprung& s : Spruenge)
        if (s.abschnitt == abschnitt && s.vorigerBisSchluss && platz + 1 == s.platz) return true;
    return false;
}

constexpr int abschnittsgroesse(const Platzfolge& folge, char abschnitt) {
    int n = 0;
    for (char a : folge.abschnitt) n += a == abschnitt;
    return n;
}

constexpr std::array<Stoff, Stoffanzahl> mitMarken() {
    const Platzfolge folge = platzfolge();
    std::array<Stoff, Stoffanzahl> tabelle{};
    std::array<int, 26> belegt{};
    for (std::size_t z : folge.zeilen) {
        const char a = folge.abschnitt[z];
        const int platz = belegt[static_cast<std::size_t>(a - 'A')]++;
        const bool letzter = platz + 1 == abschnittsgroesse(folge, a);
        const int wert = zaehlwert(a, platz);
        tabelle[z] = {Stoffe[z].Listentext, Stoffe[z].Name, zaehlmarke(a, wert),
                      letzter || vorSchlussSprung(a, platz) ? schlussmarke(a) : zaehlmarke(a, wert + 1)};
    }
    return tabelle;
}

}  // namespace markenregel

// The 344 media in list order, with their markers.
inline constexpr std::array<Stoff, Stoffanzahl> Stofftabelle = markenregel::mitMarken();

// The row with exactly this name (case, blanks and punctuation count), or nullptr.
inline const Stoff* findeStoff(std::string_view name) {
    for (const Stoff& s : Stofftabelle)
        if (s.Name == name) return &s;
    return nullptr;
}

// The 24 sections and their sizes: A to I, K to X, Z.
struct Abschnitt {
    char buchstabe;
    int zeilen;
};
inline constexpr std::array<Abschnitt, 24> Abschnitte = {{
    {'A', 43}, {'B', 20}, {'C', 51}, {'D', 8},  {'E', 16}, {'F', 13}, {'G', 9},  {'H', 16},
    {'I', 8},  {'K', 1},  {'L', 12}, {'M', 23}, {'N', 8},  {'O', 12}, {'P', 45}, {'Q', 1},
    {'R', 1},  {'S', 38}, {'T', 9},  {'U', 2},  {'V', 2},  {'W', 2},  {'X', 1},  {'Z', 3},
}};

namespace markenregel {

constexpr bool abschnitteStimmen() {
    const Platzfolge folge = platzfolge();
    int summe = 0;
    for (const Abschnitt& a : Abschnitte) {
        if (abschnittsgroesse(folge, a.buchstabe) != a.zeilen) return false;
        summe += a.zeilen;
    }
    return summe == static_cast<int>(Stoffanzahl);
}

constexpr bool listentexteStimmen() {
    for (std::size_t i = 0; i < Stoffe.size(); ++i) {
        const std::string_view text = Stoffe[i].Listentext, name = Stoffe[i].Name;
        if (i == 107) {
            if (text != " Cream chees  mix" || name != "Cream chees mix") return false;
        } else if (text.size() != name.size() + 1 || text[0] != ' ' || text.substr(1) != name) {
            return false;
        }
    }
    return true;
}

static_assert(abschnitteStimmen(), "a section holds another number of rows than the document has places for");
static_assert(listentexteStimmen(), "a list text is not one blank and the name");
static_assert(Stofftabelle[zeile("Acetaldehyde")].Anfangsmarke.text() == "Aaa");
static_assert(Stofftabelle[zeile("Acetic anhydride")].Endmarke.text() == "Aae");
static_assert(Stofftabelle[zeile("Acetone")].Anfangsmarke.text() == "Aaf");
static_assert(Stofftabelle[zeile("Asphalt emulsion")].Anfangsmarke.text() == "Abr");
static_assert(Stofftabelle[zeile("Pyridine")].Endmarke.text() == "Pxx");
static_assert(Stofftabelle[zeile("Propionaldehyde")].Anfangsmarke.text() == "Pca");
static_assert(Stofftabelle[zeile("M- Nitrotoluene")].Anfangsmarke.text() == "Oah");

}  // namespace markenregel

}  // namespace fluvan::conductivity
