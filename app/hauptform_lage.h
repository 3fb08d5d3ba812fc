#pragma once
// The layout of the main form frmHauptForm: the German window, and what each
// language changes in it (twips; fonts by their designed names).
#include <array>
#include <cstddef>
#include <string_view>

#include "app/fensterlage.h"
#include "base/sprache.h"
#include "platform/systemfarben.h"

namespace fluvan::app::hauptform {

using platform::Twips;

// The fonts that are the same in every language.
inline constexpr Schriftwahl Fensterschrift{"MS Sans Serif", 8};
inline constexpr Schriftwahl Ueberschrift{"Arial", 12, true};              // the header captions
inline constexpr Schriftwahl Kopffeldschrift{"MS Sans Serif", 9.6, true};  // the header boxes
inline constexpr Schriftwahl Beschriftungsschrift{"Arial", 10.2, true};    // the other captions, the buttons
inline constexpr Schriftwahl Feldschrift{"Arial", 7.8};                    // lists and number boxes
inline constexpr Schriftwahl Einheitsschrift{"Arial", 9};                  // units and flange norms

struct Lage {
    Rahmen rahmen;
    const base::Farbe* Innenflaeche;  // the colour of the inside area
    Twips Image1;
    // The header.
    Twips Label1, txtKunde, Label2, txtTAG, Label11, txtVKNummer;
    // The selection column: each caption above its field.
    Twips lblMIDDaten, cboMIDDaten, lblDN, cboMIDDN, lblEinheiten, cboEinheiten, lblEinheitZeit, cboZeitEinheiten;
    Schriftwahl cboZeitEinheitenSchrift;
    Twips lblVolumen, txtVolumen;
    // The pressure-loss frame and what it holds.
    Twips Frame1, lblFlasch, Label9, Option1, Label10, Option2;
    Twips Label3, Label4, txtDichte, Label5, Label6, txtVisco, lblLaenge, Label7, txtLaenge, Option3;
    Twips cmdEnde, cmdFehlerkurve;
    // The three option buttons share one place; only the selected one takes the focus.
    Fokusfolge<16> fokusfolge;
};

inline constexpr Lage LageD{
    .rahmen = {Rahmenart::FestEinfach, 5760, 7560},
    .Innenflaeche = &platform::Bildlaufleiste,
    .Image1 = {360, 120, 5052, 1044},
    .Label1 = {360, 1200, 852, 252},
    .txtKunde = {360, 1440, 2172, 372},
    .Label2 = {360, 1920, 1332, 252},
    .txtTAG = {360, 2160, 2172, 372},
    .Label11 = {3240, 1200, 1572, 252},
    .txtVKNummer = {3240, 1440, 2172, 372},
    .lblMIDDaten = {3240, 2520, 2172, 252},
    .cboMIDDaten = {3240, 2760, 2172, 288},
    .lblDN = {3240, 3240, 2172, 252},
    .cboMIDDN = {3240, 3480, 2172, 288},
    .lblEinheiten = {3240, 3960, 2172, 252},
    .cboEinheiten = {3240, 4200, 2172, 288},
    .lblEinheitZeit = {3240, 4680, 2172, 252},
    .cboZeitEinheiten = {3240, 4920, 2172, 288},
    .cboZeitEinheitenSchrift = Feldschrift,
    .lblVolumen = {3240, 5400, 2172, 252},
    .txtVolumen = {3240, 5640, 2172, 288},
    .Frame1 = {360, 2760, 2412, 3252},
    .lblFlasch = {120, 480, 1212, 252},
    .Label9 = {1440, 360, 372, 372},
    .Option1 = {2040, 360, 252, 252},
    .Label10 = {1320, 720, 492, 252},
    .Option2 = {2040, 720, 252, 252},
    .Label3 = {120, 1200, 972, 252},
    .Label4 = {1080, 1200, 732, 252},
    .txtDichte = {120, 1440, 1692, 288},
    .Label5 = {120, 1920, 1092, 252},
    .Label6 = {1200, 1920, 612, 252},
    .txtVisco = {120, 2160, 1692, 288},
    .lblLaenge = {120, 2640, 1092, 252},
    .Label7 = {1320, 2640, 492, 252},
    .txtLaenge = {120, 2880, 1692, 288},
    .Option3 = {2040, 2880, 252, 252},
    .cmdEnde = {360, 6360, 1692, 852},
    .cmdFehlerkurve = {3720, 6360, 1692, 852},
    .fokusfolge = {"cboMIDDaten", "cboMIDDN", "cmdFehlerkurve", "cboEinheiten", "txtVolumen", "cmdEnde", "txtKunde",
                   "txtTAG", "cboZeitEinheiten", "txtVKNummer", "Option1", "Option2", "Option3", "txtLaenge",
                   "txtVisco", "txtDichte"},
};

// The other languages: their own focus order, the inside in the active-border colour.
inline constexpr Lage Andere = [] {
    Lage l = LageD;
    l.Innenflaeche = &platform::AktiverRahmen;
    l.fokusfolge = {"cboZeitEinheiten", "txtTAG",   "txtKunde",    "cmdEnde",     "txtVolumen", "cboEinheiten",
                    "cmdFehlerkurve",   "cboMIDDN", "cboMIDDaten", "txtVKNummer", "txtDichte",  "txtVisco",
                    "txtLaenge",        "Option1",  "Option2",     "Option3"};
    return l;
}();

inline constexpr Lage LageGB = [] {
    Lage l = Andere;
    l.Option1 = {2040, 240, 252, 372};
    l.Option2 = {2040, 600, 252, 492};
    return l;
}();

inline constexpr Lage LageF = [] {
    Lage l = Andere;
    l.rahmen.innenHoehe = 7572;
    l.Label2.oben = 1800;
    l.txtTAG.oben = 2040;
    l.cboZeitEinheitenSchrift = Fensterschrift;
    l.lblFlasch.oben = 600;
    l.Label9.oben = 480;
    l.Option1.hoehe = 372;
    l.Label10.oben = 840;
    l.Option2.hoehe = 492;
    return l;
}();

inline constexpr Lage LageE = [] {
    Lage l = LageGB;
    l.rahmen = {Rahmenart::Veraenderlich, 5748, 7560};
    l.Innenflaeche = &platform::InaktiverRahmen;
    return l;
}();

// In the order of the language codes; a code that is none shows German.
inline constexpr std::array Lagen = {LageD, LageGB, LageF, LageE};
constexpr const Lage& lage(std::string_view sprache) {
    return Lagen[static_cast<std::size_t>(base::angezeigteSprache(sprache))];
}

}  // namespace fluvan::app::hauptform
