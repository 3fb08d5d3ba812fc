#pragma once
// The program-wide calculation state: one record of named cells.
#include <array>
#include <string>

namespace fluvan::base {

// 20 curve points, addressed 1..20 as the curve counts them.
struct Kurve {
    std::array<float, 20> punkt{};
    float& operator()(int k) { return punkt.at(static_cast<std::size_t>(k - 1)); }
    float operator()(int k) const { return punkt.at(static_cast<std::size_t>(k - 1)); }
};

struct Variable {
    // Selection cells, written by the main form's lists.
    std::string Geraetetyp;
    std::string Nennweite;
    std::string NennweiteZoll;
    std::string VolumenEinheit;
    float VolumenFaktor = 0;
    std::string ZeitEinheit;
    float ZeitFaktor = 0;

    // Language and header cells.
    std::string Sprache;
    std::string Kunde;
    std::string TAGNummer;
    std::string VKNummer;

    // Calculation inputs.
    float Endwert = 0;
    float Dichte = 0;
    float Viskositaet = 0;
    float Baureihe = 0;  // 1..7, 0 before the first run
    float Baulaenge = 0;

    // Derived cells.
    std::string EinheitText;
    float Umrechnungsfaktor = 0;
    float Querschnitt = 0;
    float Endgeschwindigkeit = 0;
    float EndgeschwindigkeitGerundet = 0;

    // Accuracy record Genauigkeitsdaten.
    float FehlerOben = 0;
    float FehlerUnten = 0;
    float Nullpunkt = 0;
    float Grenzgeschwindigkeit = 0;

    // Curve arrays.
    Kurve Durchfluss;
    Kurve Geschwindigkeit;
    Kurve Fehler;
    Kurve Druckabfall;
    Kurve Reynoldszahl;
    float Rohrreibungszahl = 0;

    // Conductivity window.
    std::string Stoffname;
    float PosAnfang = 0;
    float PosEnde = 0;

    // Printer record Druckerdaten.
    std::string Druckername;
    std::string Druckertreiber;
    std::string Druckeranschluss;

    // The one instance of the program; tests build their own records.
    static Variable& instanz();
};

}  // namespace fluvan::base
