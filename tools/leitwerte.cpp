#include "tools/leitwerte.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "conductivity/stoffe.h"

namespace fluvan::tools {
namespace {

// Enough for every value of the table, and far from the end of 64 bits.
constexpr int MaxZiffern = 17;
constexpr int MaxExponent = 40;

constexpr bool istZiffer(char c) { return c >= '0' && c <= '9'; }
constexpr char klein(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool imListe(std::string_view name) {
    for (const conductivity::Stoffeintrag& s : conductivity::Stoffe)
        if (s.Name == name) return true;
    return false;
}
constexpr bool schreibweisenStehenInDerListe() {
    for (const Schreibweise& s : Schreibweisen)
        if (!imListe(s.stoff)) return false;
    return true;
}
static_assert(schreibweisenStehenInDerListe(), "a name of Schreibweisen is no name of the media list");

// The name as it is compared: lower case, a blank after a hyphen left out
// (the list's "M- Cresol" is the table's "m-Cresol").
std::string vergleichsname(std::string_view name) {
    std::string aus;
    for (char c : name)
        if (c != ' ' || aus.empty() || aus.back() != '-') aus += klein(c);
    return aus;
}

std::string vergleichsnameDesStoffs(std::string_view stoffname) {
    for (const Schreibweise& s : Schreibweisen)
        if (s.stoff == stoffname) return vergleichsname(s.tabelle);
    return vergleichsname(stoffname);
}

std::optional<std::int64_t> malZehnHoch(std::int64_t wert, int n) {
    for (int i = 0; i < n; ++i) {
        if (wert > std::numeric_limits<std::int64_t>::max() / 10 ||
            wert < std::numeric_limits<std::int64_t>::min() / 10)
            return std::nullopt;
        wert *= 10;
    }
    return wert;
}

std::vector<std::string_view> felder(std::string_view zeile) {
    std::vector<std::string_view> aus;
    for (std::size_t anfang = 0;;) {
        const std::size_t tab = zeile.find('\t', anfang);
        aus.push_back(zeile.substr(anfang, tab == std::string_view::npos ? std::string_view::npos : tab - anfang));
        if (tab == std::string_view::npos) return aus;
        anfang = tab + 1;
    }
}

}  // namespace

std::optional<Dezimalzahl> leseDezimalzahl(std::string_view text) {
    Dezimalzahl zahl;
    int ziffern = 0, nachkomma = 0;
    bool punkt = false, gesehen = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !punkt) {
            punkt = true;
        } else if (istZiffer(c)) {
            gesehen = true;
            if (zahl.ziffern != 0 || c != '0') ++ziffern;
            if (ziffern > MaxZiffern) return std::nullopt;
            zahl.ziffern = zahl.ziffern * 10 + (c - '0');
            if (punkt && ++nachkomma > 2 * MaxExponent) return std::nullopt;
        } else {
            break;
        }
    }
    if (!gesehen) return std::nullopt;
    int exponent = 0;
    if (i < text.size()) {
        if (text[i] != 'E' && text[i] != 'e') return std::nullopt;
        ++i;
        bool negativ = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativ = text[i++] == '-';
        if (i == text.size()) return std::nullopt;
        for (; i < text.size(); ++i) {
            if (!istZiffer(text[i])) return std::nullopt;
            exponent = exponent * 10 + (text[i] - '0');
            if (exponent > MaxExponent) return std::nullopt;
        }
        if (negativ) exponent = -exponent;
    }
    zahl.exponent = exponent - nachkomma;
    return zahl;
}

std::string dezimalText(Dezimalzahl zahl) {
    if (zahl.ziffern == 0) return "0";
    const bool negativ = zahl.ziffern < 0;
    // The digits of the magnitude; the most negative value cannot arise from reading.
    std::string ziffern = std::to_string(negativ ? -zahl.ziffern : zahl.ziffern);
    std::string aus;
    if (zahl.exponent >= 0) {
        aus = ziffern + std::string(static_cast<std::size_t>(zahl.exponent), '0');
    } else {
        const auto nachkomma = static_cast<std::size_t>(-zahl.exponent);
        if (ziffern.size() <= nachkomma) ziffern.insert(0, nachkomma - ziffern.size() + 1, '0');
        aus = ziffern.substr(0, ziffern.size() - nachkomma) + "." + ziffern.substr(ziffern.size() - nachkomma);
        aus.erase(aus.find_last_not_of('0') + 1);
        if (aus.back() == '.') aus.pop_back();
    }
    return negativ ? "-" + aus : aus;
}

std::optional<Dezimalzahl> kelvinInCelsius(Dezimalzahl kelvin) {
    // 273.15 K is 0 °C.
    Dezimalzahl nullpunkt{27315, -2};
    const int exponent = std::min(kelvin.exponent, nullpunkt.exponent);
    const auto k = malZehnHoch(kelvin.ziffern, kelvin.exponent - exponent);
    const auto n = malZehnHoch(nullpunkt.ziffern, nullpunkt.exponent - exponent);
    if (!k || !n) return std::nullopt;
    return Dezimalzahl{*k - *n, exponent};
}

Dezimalzahl siemensProMeterInMikrosiemensProZentimeter(Dezimalzahl siemensProMeter) {
    // 1 S/m = 10^6 µS / 10^2 cm.
    return {siemensProMeter.ziffern, siemensProMeter.exponent + 4};
}

Leitwerttabelle leseLeitwerttabelle(std::istream& tabelle) {
    Leitwerttabelle zeilen;
    std::string zeile;
    int nummer = 0;
    const auto fehler = [&nummer](const std::string& was) {
        return std::runtime_error("line " + std::to_string(nummer) + " of the conductivity table: " + was);
    };
    while (std::getline(tabelle, zeile)) {
        ++nummer;
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        const std::vector<std::string_view> feld = felder(zeile);
        if (nummer == 1) {
            if (zeile != "CAS\tChemical\tT\tConductivity")
                throw fehler("not the header CAS, Chemical, T, Conductivity");
            continue;
        }
        if (feld.size() != 4) throw fehler("not four columns");
        std::string_view name = feld[1];
        if (name.ends_with(' ')) name.remove_suffix(1);
        if (name.empty()) throw fehler("no name");
        Leitwert wert{std::string(name), "", ""};
        if (!feld[2].empty()) {
            const auto kelvin = leseDezimalzahl(feld[2]);
            const auto celsius = kelvin ? kelvinInCelsius(*kelvin) : std::nullopt;
            if (!celsius) throw fehler("the temperature is no number");
            wert.temperatur = dezimalText(*celsius);
        }
        const auto leitfaehigkeit = leseDezimalzahl(feld[3]);
        if (!leitfaehigkeit) throw fehler("the conductivity is no number");
        wert.leitfaehigkeit = dezimalText(siemensProMeterInMikrosiemensProZentimeter(*leitfaehigkeit));
        for (const Leitwert& vorige : zeilen)
            if (vergleichsname(vorige.name) == vergleichsname(wert.name)) throw fehler("a second row of " + wert.name);
        zeilen.push_back(std::move(wert));
    }
    if (tabelle.bad()) throw fehler("cannot be read on");
    if (nummer == 0) throw std::runtime_error("the conductivity table is empty or cannot be read");
    return zeilen;
}

const Leitwert* leitwertDes(std::string_view stoffname, const Leitwerttabelle& tabelle) {
    const std::string gesucht = vergleichsnameDesStoffs(stoffname);
    for (const Leitwert& zeile : tabelle)
        if (vergleichsname(zeile.name) == gesucht) return &zeile;
    return nullptr;
}

void pruefeSchreibweisen(const Leitwerttabelle& tabelle) {
    for (const Schreibweise& s : Schreibweisen)
        if (leitwertDes(s.stoff, tabelle) == nullptr)
            throw std::runtime_error("the conductivity table has no row " + std::string(s.tabelle) + " for " +
                                     std::string(s.stoff));
}

}  // namespace fluvan::tools
