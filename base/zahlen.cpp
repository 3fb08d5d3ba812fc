#include "base/zahlen.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace fluvan::base {

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
    // |wert| = m * 2^e exactly, m the 24-bit significand.
    const auto bits = std::bit_cast<std::uint32_t>(wert);
    const std::uint32_t biased = (bits >> 23) & 0xffu;
    const std::uint64_t m = (bits & 0x7fffffu) | (biased ? 0x800000u : 0u);
    const int e = biased ? static_cast<int>(biased) - 150 : -149;
    if (e >= 0 || dezimalen < 0 || dezimalen > 6) return wert;  // whole number, or beyond what a cell shows
    std::uint64_t skala = 1;
    for (int i = 0; i < dezimalen; ++i) skala *= 10;
    const std::uint64_t n = m * skala;  // |wert| * 10^d * 2^-e exactly
    const int s = -e;
    std::uint64_t q = 0;
    if (s < 64) {  // from 64 bits on, n < 2^(s-1) rounds to 0
        q = n >> s;
        const std::uint64_t rest = n - (q << s);
        const std::uint64_t halb = std::uint64_t{1} << (s - 1);
        if (rest > halb || (rest == halb && (q & 1u))) ++q;
    }
    if (q == 0) return 0.0f;
    // q / 10^d in double is never a float midpoint unless it is exactly one
    // (q is an integer, a midpoint has 25 bits), so the float conversion
    // rounds correctly.
    const float ergebnis = static_cast<float>(static_cast<double>(q) / static_cast<double>(skala));
    return std::signbit(wert) ? -ergebnis : ergebnis;
}

namespace {

// The digits of the number readers: "0" to "9", nothing else.
constexpr bool istZiffer(char c) { return c >= '0' && c <= '9'; }

// The position after the run of digits that begins at i.
std::size_t nachZiffern(std::string_view text, std::size_t i) {
    while (i < text.size() && istZiffer(text[i])) ++i;
    return i;
}

// The power of ten of the first significant digit of a number without sign
// ("0.003" gives -3, "45e2" gives 3), the exponent held within a range that
// no double reaches. Only for numbers with a digit other than 0.
long zehnerstelle(std::string_view zahl) {
    const std::size_t e = zahl.find_first_of("eE");
    const std::string_view mantisse = zahl.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t j = e + 1;
        const bool minus = j < zahl.size() && zahl[j] == '-';
        if (j < zahl.size() && (zahl[j] == '+' || zahl[j] == '-')) ++j;
        for (; j < zahl.size() && exponent < 100000; ++j) exponent = exponent * 10 + (zahl[j] - '0');
        if (minus) exponent = -exponent;
    }
    const std::size_t punkt = std::min(mantisse.find('.'), mantisse.size());
    const std::size_t erste = mantisse.find_first_of("123456789");
    const long stelle = erste < punkt ? static_cast<long>(punkt - erste) - 1 : static_cast<long>(punkt) - static_cast<long>(erste);
    return stelle + exponent;
}

}  // namespace

double leseZahl(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    const std::size_t anfang = i;
    i = nachZiffern(text, i);
    std::size_t ziffern = i - anfang;
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::size_t nachkomma = i;
        i = nachZiffern(text, i);
        ziffern += i - nachkomma;
    }
    if (ziffern == 0) return 0.0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t expAnfang = j;
        j = nachZiffern(text, j);
        if (j > expAnfang) i = j;
    }
    double wert = 0.0;
    const auto [ptr, fehler] = std::from_chars(text.data() + anfang, text.data() + i, wert);
    (void)ptr;
    if (fehler == std::errc::result_out_of_range) {
        // Too large gives infinity, too small 0, however it is written: the
        // caller rejects the former.
        wert = zehnerstelle(text.substr(anfang, i - anfang)) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negativ ? -wert : wert;
}

namespace {

// Digits with an optional sign and one "." as a double. Short numbers (all a
// size list holds) are exact integers over a power of ten: one correctly
// rounded division, much faster than the library's conversion.
double dezimalwert(const char* zahl, std::size_t n) {
    const bool negativ = n > 0 && zahl[0] == '-';
    std::uint64_t ziffern = 0;
    int stellen = 0;
    int nachkomma = -1;
    for (std::size_t i = negativ ? 1 : 0; i < n; ++i) {
        if (zahl[i] == '.') {
            nachkomma = 0;
            continue;
        }
        ziffern = ziffern * 10 + static_cast<std::uint64_t>(zahl[i] - '0');
        if (ziffern != 0) ++stellen;
        if (nachkomma >= 0) ++nachkomma;
        if (stellen > 15 || nachkomma > 15) {
            double wert = 0.0;
            std::from_chars(zahl, zahl + n, wert);
            return wert;
        }
    }
    constexpr double zehnerpotenz[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double wert = static_cast<double>(ziffern) / zehnerpotenz[nachkomma < 0 ? 0 : nachkomma];
    return negativ ? -wert : wert;
}

}  // namespace

double leseNennweite(std::string_view text, std::string_view dezimaltrenner) {
    // The size is read for every comparison of a calculation: no allocation.
    char zahl[64];
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t ende = text.size();
    while (ende > i && text[ende - 1] == ' ') --ende;
    std::string_view kern = text.substr(i, ende - i);
    if (!kern.empty() && (kern[0] == '+' || kern[0] == '-')) {
        if (kern[0] == '-') zahl[n++] = '-';
        kern.remove_prefix(1);
    }
    bool ziffer = false;
    bool komma = false;
    while (!kern.empty()) {
        if (n + 1 >= sizeof zahl) throw Rechenfehler("Typen unvertraeglich");
        if (istZiffer(kern[0])) {
            zahl[n++] = kern[0];
            ziffer = true;
            kern.remove_prefix(1);
        } else if (!komma && !dezimaltrenner.empty() && kern.substr(0, dezimaltrenner.size()) == dezimaltrenner) {
            zahl[n++] = '.';
            komma = true;
            kern.remove_prefix(dezimaltrenner.size());
        } else {
            throw Rechenfehler("Typen unvertraeglich");
        }
    }
    if (!ziffer) throw Rechenfehler("Typen unvertraeglich");
    return dezimalwert(zahl, n);
}

std::string zahlText(float wert, std::string_view dezimaltrenner) {
    if (wert == 0.0f) return "0";
    char puffer[32];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, static_cast<double>(wert), std::chars_format::general, 7);
    (void)fehler;
    std::string text;
    for (const char* p = puffer; p != ende; ++p) {
        if (*p == '.')
            text += dezimaltrenner;
        else if (*p == 'e')
            text += 'E';
        else
            text += *p;
    }
    return text;
}

}  // namespace fluvan::base
