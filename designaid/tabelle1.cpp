#include "designaid/tabelle1.h"

namespace fluvan::designaid {

namespace {
constexpr Schrift titel{.punkt = 13, .fett = true};
constexpr Schrift seite{.punkt = 26, .fett = true, .farbe = silber};
constexpr Schrift fett{.fett = true};
constexpr Schrift fettRot{.fett = true, .farbe = rot};
constexpr Schrift klein{.punkt = 7, .fett = true};
constexpr Schrift eingabe{.fett = true, .farbe = blau};
constexpr Schrift landRot{.punkt = 14, .fett = true, .farbe = rot};
constexpr Schrift normal{};

constexpr Blattzelle ueberschrift(std::string_view b, std::string_view text) {
    return {
        .bereich = b, .laeufe = {{{text, titel}}}, .mitGrund = true, .grund = silber, .senkrecht = Senkrecht::Mitte};
}
constexpr Blattzelle seitentext(std::string_view b, std::string_view text) {
    return {.bereich = b, .laeufe = {{{text, seite}}}, .senkrecht = Senkrecht::Mitte, .gedreht = true};
}
constexpr Blattzelle einheitKopf(std::string_view b, std::string_view vor, std::string_view einheit,
                                 std::string_view nach) {
    return {.bereich = b,
            .laeufe = {{{vor, fett}, {einheit, fettRot}, {nach, fett}}},
            .senkrecht = Senkrecht::Mitte,
            .umbrechen = true};
}
constexpr Blattzelle landKopf(std::string_view b, std::string_view land, std::string_view rest) {
    return {
        .bereich = b, .laeufe = {{{land, landRot}, {rest, fett}}}, .senkrecht = Senkrecht::Mitte, .umbrechen = true};
}
constexpr Blattzelle mittig(std::string_view b, std::string_view text) {
    return {.bereich = b, .laeufe = {{{text, fett}}}, .waagrecht = Waagrecht::Mitte};
}
constexpr Blattzelle text(std::string_view b, std::string_view t, Schrift s = fett) {
    return {.bereich = b, .laeufe = {{{t, s}}}};
}
constexpr Blattzelle eingabezelle(std::string_view b, std::string_view anfang) {
    return {.bereich = b, .art = Zellart::Eingabe, .laeufe = {{{anfang, eingabe}}}};
}
constexpr Blattzelle von(std::string_view b) {
    return {.bereich = b, .art = Zellart::Ergebnis, .laeufe = {{{"", fett}}}, .mitGrund = true, .grund = hellorange};
}
constexpr Blattzelle bis(std::string_view b) {
    return {.bereich = b, .art = Zellart::Ergebnis, .laeufe = {{{"", fett}}}};
}
}  // namespace

const std::array<Blattzelle, 42> tabelle1{{
    ueberschrift("A1:H2", "       Auslegungshilfe für magnetisch - induktive Durchflussmessgeräte"),
    ueberschrift("A3:H4", "       Dimensioning for EMF - electro - magnetic flowmeter"),

    seitentext("A5:A19", "   national"),
    einheitKopf("B6:B8", "Durchfluss [", "m³/h", "] (Messbereichsendwert)"),
    mittig("C6:D6", "Nennweite DN"),
    text("C7", "von  "),
    text("D7", "bis                                              "),
    text("C8", "empfohlene DN", klein),
    eingabezelle("B9", "bitte ausfüllen"),
    von("C9"),
    bis("D9"),
    einheitKopf("B11:B13", "Durchfluss [", "l/s", "] (Messbereichsendwert)"),
    mittig("C11:D11", "Nennweite DN"),
    text("C12", "von  "),
    text("D12", "bis                                              "),
    text("C13", "empfohlene DN", klein),
    eingabezelle("B14", "bitte ausfüllen"),
    von("C14"),
    bis("D14"),
    text("B16", "Die angegebenen Nennweiten werden aufgrund einer Fließgeschwindigkeit von 1-3 m/s empfohlen. ",
         normal),
    text("B17", "Jede Nennweite kann jedoch einen Messbereich von 0,3-12 m/s Fließgeschwindigkeit abdecken.", normal),
    text("B18", "Für weitere Fragen steht Ihnen Ihr Vertriebspartner gerne zur Verfügung.", normal),

    seitentext("A20:A34", "international"),
    landKopf("B21:B23", "US", "    flow rate [gpm] (upper range value)"),
    mittig("C21:D21", "nominal diameter [ANSI]"),
    text("C22", "from  "),
    text("D22", "to"),
    text("C23", "recommended DN", klein),
    eingabezelle("B24", "please fill in"),
    von("C24"),
    bis("D24"),
    landKopf("B26:B28", "UK", "    flow rate [gpm] (upper range value)"),
    mittig("C26:D26", "nominal diameter [ANSI]"),
    text("C27", "from  "),
    text("D27", "to"),
    text("C28", "recommended DN", klein),
    eingabezelle("B29", "please fill in"),
    von("C29"),
    bis("D29"),
    text("B31", "The recommended nominal diameter are based on a flow rate of 1-3 m/s. ", normal),
    text("B32", "However each nominal diameter can cover a measuring range of 0,3-12 m/s.", normal),
    text("B33", "For further questions please contact your sales partner.", normal),
}};

const Blattzelle* blattzelle(std::string_view zelle) {
    for (const Blattzelle& z : tabelle1) {
        if (z.bereich.substr(0, z.bereich.find(':')) == zelle) return &z;
    }
    return nullptr;
}

}  // namespace fluvan::designaid
