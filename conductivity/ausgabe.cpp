#include "conductivity/ausgabe.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <system_error>

#include "conductivity/rtf.h"
#include "conductivity/stofftabelle.h"

namespace fluvan::conductivity {
namespace {

char16_t klein(char16_t z) { return z >= u'A' && z <= u'Z' ? static_cast<char16_t>(z - u'A' + u'a') : z; }

std::u16string_view alsText(const Marke& marke, std::array<char16_t, Markenlaenge>& puffer) {
    for (std::size_t i = 0; i < Markenlaenge; ++i) puffer[i] = static_cast<char16_t>(marke.zeichen[i]);
    return {puffer.data(), puffer.size()};
}

// A position computed from the cells, rounded to nearest, within 32 bits.
std::int32_t position(double wert) {
    if (!(wert > INT32_MIN)) return INT32_MIN;
    if (!(wert < INT32_MAX)) return INT32_MAX;
    return static_cast<std::int32_t>(std::lround(wert));
}

// The file's bytes as the reader pulls them, no more than it had when measured.
class Dateiquelle : public Quelle {
public:
    Dateiquelle(const std::filesystem::path& pfad, std::uintmax_t groesse)
        : datei(pfad, std::ios::binary), ganz(groesse), rest(groesse) {}

    bool offen() const { return static_cast<bool>(datei); }
    // A read failed, or the file ended before its measured size.
    bool fehler() const { return kaputt; }

    std::size_t lies(char* ziel, std::size_t platz) override {
        if (rest == 0 || kaputt) return 0;
        datei.read(ziel, static_cast<std::streamsize>(std::min<std::uintmax_t>(platz, rest)));
        const auto gelesen = static_cast<std::size_t>(datei.gcount());
        rest -= gelesen;
        kaputt = !datei && rest > 0;
        return gelesen;
    }
    std::size_t groesse() const override { return static_cast<std::size_t>(ganz); }

private:
    std::ifstream datei;
    std::uintmax_t ganz, rest;
    bool kaputt = false;
};

}  // namespace

bool Kasteninhalt::Find(std::u16string_view suchtext, std::int32_t start) {
    const std::size_t laenge = suchtext.size();
    if (start < 0 || laenge == 0 || laenge > Text.size()) return false;
    for (std::size_t i = static_cast<std::size_t>(start); i + laenge <= Text.size(); ++i) {
        std::size_t k = 0;
        while (k < laenge && klein(Text[i + k]) == klein(suchtext[k])) ++k;
        if (k == laenge) {
            SelStart = static_cast<std::int32_t>(i);
            SelLength = static_cast<std::int32_t>(laenge);
            return true;
        }
    }
    return false;
}

std::u16string Kasteninhalt::SelText() const {
    const std::size_t anfang = std::min(static_cast<std::size_t>(std::max(SelStart, 0)), Text.size());
    const std::size_t laenge = std::min(static_cast<std::size_t>(std::max(SelLength, 0)), Text.size() - anfang);
    return Text.substr(anfang, laenge);
}

std::optional<std::u16string> leseDokument(const std::filesystem::path& dokument) {
    std::error_code fehler;
    const std::uintmax_t groesse = std::filesystem::file_size(dokument, fehler);
    if (fehler || groesse > MaxDateigroesse) return std::nullopt;
    Dateiquelle quelle(dokument, groesse);
    if (!quelle.offen()) return std::nullopt;
    std::optional<std::u16string> text = rtfText(quelle, MaxDokumentzeichen);
    if (quelle.fehler()) return std::nullopt;
    return text;
}

Ausgang Ausgabe(base::Variable& v, Kasteninhalt& kasten, const std::filesystem::path& dokument) {
    kasten = {};
    std::optional<std::u16string> text = leseDokument(dokument);
    if (!text) return Ausgang::Unlesbar;
    kasten.Text = std::move(*text);
    const auto keinEintrag = [&kasten] {
        kasten = {};
        return Ausgang::KeinEintrag;
    };

    const Stoff* stoff = findeStoff(v.Stoffname);
    if (!stoff) return keinEintrag();
    // The Endmarke first; both searches start at the first character.
    std::array<char16_t, Markenlaenge> puffer{};
    if (!kasten.Find(alsText(stoff->Endmarke, puffer), 0)) return keinEintrag();
    v.PosEnde = static_cast<float>(kasten.SelStart);
    if (!kasten.Find(alsText(stoff->Anfangsmarke, puffer), 0)) return keinEintrag();
    v.PosAnfang = static_cast<float>(kasten.SelStart);
    if (static_cast<double>(v.PosEnde) < static_cast<double>(v.PosAnfang) + Markenlaenge) return keinEintrag();

    Korrektur(v, kasten);
    kasten = {kasten.SelText(), 0, 0};
    return Ausgang::Passage;
}

void Korrektur(const base::Variable& v, Kasteninhalt& kasten) {
    const double anfang = v.PosAnfang, ende = v.PosEnde;
    kasten.SelStart = position(anfang + Markenlaenge);
    kasten.SelLength = position(ende - anfang - Markenlaenge);
}

}  // namespace fluvan::conductivity
