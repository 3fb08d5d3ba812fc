#include "catalogue/listen.h"

#include <string>

#include "base/zahlen.h"

namespace fluvan::catalogue {
namespace {

template <class Tabelle>
bool inTabelle(const Tabelle& tabelle, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < tabelle.size();
}

}  // namespace

void GeraetWaehlen(base::Variable& v, int index) {
    if (inTabelle(Geraeteliste, index)) v.Geraetetyp = std::string(Geraeteliste[static_cast<std::size_t>(index)]);
}

void NennweiteWaehlen(base::Variable& v, int index, std::string_view dezimaltrenner) {
    if (!inTabelle(Nennweitenliste, index)) return;
    const Nennweite& zeile = Nennweitenliste[static_cast<std::size_t>(index)];
    v.Nennweite = base::zahlText(zeile.groesse, dezimaltrenner);
    v.NennweiteZoll = std::string(zeile.zoll);
}

void VolumeneinheitWaehlen(base::Variable& v, std::string_view listentext, int index) {
    v.VolumenEinheit = std::string(listentext);
    if (inTabelle(Volumeneinheiten, index))
        v.VolumenFaktor = Volumeneinheiten[static_cast<std::size_t>(index)].literProEinheit;
}

void ZeiteinheitWaehlen(base::Variable& v, std::string_view listentext, int index) {
    v.ZeitEinheit = std::string(listentext);
    if (inTabelle(Zeiteinheiten, index)) v.ZeitFaktor = Zeiteinheiten[static_cast<std::size_t>(index)].sekunden;
}

}  // namespace fluvan::catalogue
