#include "output/blattinhalt.h"

#include "base/zahlen.h"
#include "output/tabellenpunkte.h"

namespace fluvan::output {

std::string Fehlerzelle(const base::Variable& v, int zeile, std::string_view trenner) {
    // Rows 3 to 15 end in a blank, rows 1 and 2 do not.
    return " F = ±" + base::zahlText(v.Fehler(tabellenpunkt(zeile)), trenner) + (zeile <= 2 ? " %" : " % ");
}

std::string Durchflusszelle(const base::Variable& v, int zeile, std::string_view trenner) {
    return " " + base::zahlText(v.Durchfluss(tabellenpunkt(zeile)), trenner);
}

std::string Geschwindigkeitszelle(const base::Variable& v, int zeile, std::string_view trenner) {
    return " " + base::zahlText(v.Geschwindigkeit(tabellenpunkt(zeile)), trenner) + " m/sec";
}

std::string Typtext(const base::Variable& v) { return " " + v.Geraetetyp; }

std::string Nennweitentext(const base::Variable& v) { return " DN " + v.Nennweite + " - " + v.NennweiteZoll + "\""; }

std::string Messbereichtext(const base::Variable& v, std::string_view trenner) {
    return " 0 -" + base::zahlText(v.Endwert, trenner) + " " + v.EinheitText;
}

std::string Druckverlusttext(const base::Variable& v, std::string_view trenner) {
    return " " + base::zahlText(v.Druckabfall(1), trenner);
}

std::string Kopftext(const std::string& zelle) { return " " + zelle; }

Blattinhalt blattinhalt(const base::Variable& v, std::string_view trenner) {
    Blattinhalt b;
    for (int i = 1; i <= 15; ++i) {
        const auto zeile = static_cast<std::size_t>(i - 1);
        b.fehler[zeile] = Fehlerzelle(v, i, trenner);
        b.durchfluss[zeile] = Durchflusszelle(v, i, trenner);
        b.geschwindigkeit[zeile] = Geschwindigkeitszelle(v, i, trenner);
    }
    b.typ = Typtext(v);
    b.nennweite = Nennweitentext(v);
    b.messbereich = Messbereichtext(v, trenner);
    b.kunde = Kopftext(v.Kunde);
    b.tag = Kopftext(v.TAGNummer);
    b.einheit = v.EinheitText;
    b.druckverlust = Druckverlusttext(v, trenner);
    b.vkNummer = Kopftext(v.VKNummer);
    return b;
}

}  // namespace fluvan::output
