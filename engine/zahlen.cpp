#include "engine/zahlen.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace fluvan {

double pruefe(double ergebnis) {
    if (!std::isfinite(ergebnis)) throw Rechenfehler("Gleitkommafehler");
    return ergebnis;
}

bool imFloatBereich(double wert) {
    if (!std::isfinite(wert)) return false;
    // Values that round to FLT_MAX still fit; the next step up overflows.
    const double grenze = static_cast<double>(std::numeric_limits<float>::max()) +
                          std::ldexp(1.0, 127 - 24);  // half an ulp above FLT_MAX
    return std::fabs(wert) < grenze;
}

float speichern(double wert) {
    pruefe(wert);
    if (!imFloatBereich(wert)) throw Rechenfehler("Ueberlauf");
    return static_cast<float>(wert);
}

float runden(float wert, int dezimalen) {
    if (!std::isfinite(wert) || wert == 0.0f) return wert == 0.0f ? 0.0f : wert;
    int exponent = 0;
    const float mantisse = std::frexp(std::fabs(wert), &exponent);  // [0.5, 1)
    // |wert| = m * 2^(exponent - 24) with m a 24-bit integer.
    const auto m = static_cast<std::uint64_t>(std::ldexp(mantisse, 24));
    const int e = exponent - 24;
    if (e >= 0) return wert;  // whole number: nothing to round
    std::uint64_t skala = 1;
    for (int i = 0; i < dezimalen; ++i) skala *= 10;
    const std::uint64_t n = m * skala;  // |wert| * 10^d * 2^-e exactly
    const int s = -e;
    std::uint64_t q = 0;
    if (s < 64) {
        q = n >> s;
        const std::uint64_t rest = n - (q << s);
        const std::uint64_t halb = std::uint64_t{1} << (s - 1);
        if (rest > halb || (rest == halb && (q & 1u))) ++q;
    }
    // n < 2^64 <= 2^(s-1) for s >= 65; s == 64 leaves q = 0 as well because n < 2^63.
    if (q == 0) return 0.0f;
    char text[40];
    auto [ende, fehler] = std::to_chars(text, text + 28, q);
    (void)fehler;
    std::memcpy(ende, "e-", 2);
    ende += 2;
    ende = std::to_chars(ende, text + sizeof text, dezimalen).ptr;
    float ergebnis = 0.0f;
    std::from_chars(text, ende, ergebnis);
    return std::signbit(wert) ? -ergebnis : ergebnis;
}

double leseZahl(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    const std::size_t anfang = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    std::size_t ziffern = i - anfang;
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::size_t nachkomma = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        ziffern += i - nachkomma;
    }
    if (ziffern == 0) return 0.0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t expAnfang = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        if (j > expAnfang) i = j;
    }
    double wert = 0.0;
    const auto [ptr, fehler] = std::from_chars(text.data() + anfang, text.data() + i, wert);
    (void)ptr;
    if (fehler == std::errc::result_out_of_range) {
        // Too large gives infinity, too small 0: the caller rejects the former.
        const std::string_view zahl = text.substr(anfang, i - anfang);
        const auto e = zahl.find_first_of("eE");
        const bool kleinerExponent = e != std::string_view::npos && zahl.find('-', e) != std::string_view::npos;
        wert = kleinerExponent ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negativ ? -wert : wert;
}

double leseNennweite(std::string_view text, std::string_view dezimaltrenner) {
    std::string zahl;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t ende = text.size();
    while (ende > i && text[ende - 1] == ' ') --ende;
    std::string_view kern = text.substr(i, ende - i);
    if (!kern.empty() && (kern[0] == '+' || kern[0] == '-')) {
        zahl += kern[0];
        kern.remove_prefix(1);
    }
    bool ziffer = false;
    bool komma = false;
    while (!kern.empty()) {
        if (kern[0] >= '0' && kern[0] <= '9') {
            zahl += kern[0];
            ziffer = true;
            kern.remove_prefix(1);
        } else if (!komma && !dezimaltrenner.empty() && kern.substr(0, dezimaltrenner.size()) == dezimaltrenner) {
            zahl += '.';
            komma = true;
            kern.remove_prefix(dezimaltrenner.size());
        } else {
            throw Rechenfehler("Typen unvertraeglich");
        }
    }
    if (!ziffer) throw Rechenfehler("Typen unvertraeglich");
    double wert = 0.0;
    const char* anfang = zahl.data() + ((zahl[0] == '+') ? 1 : 0);
    const auto [ptr, fehler] = std::from_chars(anfang, zahl.data() + zahl.size(), wert);
    if (fehler != std::errc() || ptr != zahl.data() + zahl.size()) throw Rechenfehler("Typen unvertraeglich");
    return wert;
}

std::string zahlText(float wert, std::string_view dezimaltrenner) {
    if (wert == 0.0f) return "0";
    char puffer[32];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, static_cast<double>(wert), std::chars_format::general, 7);
    (void)fehler;
    std::string text;
    for (const char* p = puffer; p != ende; ++p) {
        if (*p == '.') text += dezimaltrenner;
        else if (*p == 'e') text += 'E';
        else text += *p;
    }
    return text;
}

}  // namespace fluvan
