#pragma once
// The fixed contents of the main form's four selection lists and what a
// selection writes into the calculation state.
#include <array>
#include <cstddef>
#include <string_view>

#include "base/sprache.h"
#include "base/variable.h"
#include "catalogue/modelle.h"

namespace fluvan::catalogue {

// Geraeteliste: the model list texts in list order, from the model table.
inline constexpr std::array<std::string_view, Modelle.size()> Geraeteliste = [] {
    std::array<std::string_view, Modelle.size()> texte{};
    for (std::size_t i = 0; i < Modelle.size(); ++i) texte[i] = Modelle[i].text;
    return texte;
}();

struct Nennweite {
    std::string_view eintrag;  // the list text
    float groesse;             // DN in mm, stored as text with the regional separator
    std::string_view zoll;     // the inch text as the entry shows it, without the inch mark
};

// Nennweitenliste: the nominal sizes in list order.
// clang-format off
inline constexpr std::array<Nennweite, 57> Nennweitenliste = {{
    {"DN 2.5 - 1/10\"", 2.5f, "1/10"},       {"DN 4 - 1/8\"", 4, "1/8"},
    {"DN 6 - 1/4\"", 6, "1/4"},              {"DN 10 - 3/8\"", 10, "3/8"},
    {"DN 15 - 1/2\"", 15, "1/2"},            {"DN 20 -3/4\"", 20, "3/4"},
    {"DN 25 - 1\"", 25, "1"},                {"DN 32 - (1 1/4)\"", 32, "(1 1/4)"},
    {"DN 40 -1 1/2\"", 40, "1 1/2"},         {"DN 50 - 2\"", 50, "2"},
    {"DN 65 - (2 1/2)\"", 65, "(2 1/2)"},    {"DN 80 - 3\"", 80, "3"},
    {"DN 100 - 4\"", 100, "4"},              {"DN 125 - (5)\"", 125, "(5)"},
    {"DN 150 - 6\"", 150, "6"},              {"DN 200 - 8\"", 200, "8"},
    {"DN 250 - 10\"", 250, "10"},            {"DN 300 - 12\"", 300, "12"},
    {"DN 350 - 14\"", 350, "14"},            {"DN 400 - 16\"", 400, "16"},
    {"DN 450 - 18\"", 450, "18"},            {"DN 500 - 20\"", 500, "20"},
    {"DN 550 - 22\"", 550, "22"},            {"DN 600 - 24\"", 600, "24"},
    {"DN 650 - 26\"", 650, "26"},            {"DN 700 - 28\"", 700, "28"},
    {"DN 750 - 30\"", 750, "30"},            {"DN 800 - 32\"", 800, "32"},
    {"DN 850 - 34\"", 850, "34"},            {"DN 900 - 36\"", 900, "36"},
    {"DN 950 - 38\"", 950, "38"},            {"DN 1000 - 40\"", 1000, "40"},
    {"DN 1050 - 42\"", 1050, "42"},          {"DN 1100 - 44\"", 1100, "44"},
    {"DN 1150 - 46\"", 1150, "46"},          {"DN 1200 - 48\"", 1200, "48"},
    {"DN 1250 - 50\"", 1250, "50"},          {"DN 1300 - 52\"", 1300, "52"},
    {"DN 1350 - 54\"", 1350, "54"},          {"DN 1400 - 56\"", 1400, "56"},
    {"DN 1450 - 58\"", 1450, "58"},          {"DN 1500 - 60\"", 1500, "60"},
    {"DN 1600 - 64\"", 1600, "64"},          {"DN 1700 - 68\"", 1700, "68"},
    {"DN 1800 - 72\"", 1800, "72"},          {"DN 1900 - 76\"", 1900, "76"},
    {"DN 2000 - 80\"", 2000, "80"},          {"DN 2100 - 84\"", 2100, "84"},
    {"DN 2200 - 88\"", 2200, "88"},          {"DN 2300 - 92\"", 2300, "92"},
    {"DN 2400 - 96\"", 2400, "96"},          {"DN 2500 - 100\"", 2500, "100"},
    {"DN 2600 - 104\"", 2600, "104"},        {"DN 2700 - 108\"", 2700, "108"},
    {"DN 2800 - 112\"", 2800, "112"},        {"DN 2900 - 116\"", 2900, "116"},
    {"DN 3000 - 120\"", 3000, "120"},
}};
// clang-format on

struct Volumeneinheit {
    std::string_view text;
    float literProEinheit;
};

// Volumeneinheiten: the volume and mass units; "kg" and "t" carry the factors
// of "l" and "m3", the calculation converts them with the density.
inline constexpr std::array<Volumeneinheit, 11> Volumeneinheiten = {{
    {"l", 1.0f},
    {"HL", 100.0f},
    {"m3", 1000.0f},
    {"USGallon", 3.7854345f},
    {"Feet3", 28.3168f},
    {"Inch3", 0.016387064f},
    {"USBarrel", 119.56517f},
    {"USBaO", 0.029574f},
    {"GBGallon", 4.546091f},
    {"kg", 1.0f},
    {"t", 1000.0f},
}};

struct Zeiteinheit {
    base::Texte name;
    float sekunden;
};

// Zeiteinheiten: a month counts 31 days, a year 365.
inline constexpr std::array<Zeiteinheit, 6> Zeiteinheiten = {{
    {{"Sekunde", "sec", "Seconde", "Segundo"}, 1.0f},
    {{"Minute", "min", "Minute", "Minuto"}, 60.0f},
    {{"Stunde", "hour", "Heure", "Hora"}, 3600.0f},
    {{"Tag", "day", "Jour", "Dia"}, 86400.0f},
    {{"Monat", "month", "Mois", "Mes"}, 2678400.0f},
    {{"Jahr", "year", "Année", "Año"}, 31536000.0f},
}};

// The entries selected by the main form's load.
inline constexpr int StandardGeraet = listenindex("Veltrum 220");
inline constexpr int StandardNennweite = 3;
inline constexpr int StandardVolumeneinheit = 2;
inline constexpr int StandardZeiteinheit = 2;

// What the four selection handlers store. An index outside its table (no
// selection) leaves the cells unchanged.
void GeraetWaehlen(base::Variable& v, int index);
void NennweiteWaehlen(base::Variable& v, int index, std::string_view dezimaltrenner);
void VolumeneinheitWaehlen(base::Variable& v, std::string_view listentext, int index);
void ZeiteinheitWaehlen(base::Variable& v, std::string_view listentext, int index);

}  // namespace fluvan::catalogue
