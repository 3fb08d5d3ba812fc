#include "conductivity/rtf.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace fluvan::conductivity {
namespace {

constexpr char16_t Ersatzzeichen = u'\uFFFD';

// Windows-1252 from 0x80 to 0x9F; above that it is Latin-1.
// clang-format off
constexpr std::array<char16_t, 32> Cp1252 = {
    u'\u20AC', Ersatzzeichen, u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', Ersatzzeichen, u'\u017D', Ersatzzeichen,
    Ersatzzeichen, u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', Ersatzzeichen, u'\u017E', u'\u0178',
};
// clang-format on

// A byte of the document's code page. Code pages we have no table for show
// their upper half as the replacement character rather than as wrong letters.
char16_t zeichenDerCodepage(int codepage, unsigned char byte) {
    if (byte < 0x80) return byte;
    if (codepage == 1252) return byte < 0xA0 ? Cp1252[byte - 0x80] : char16_t{byte};
    if (codepage == 28591) return byte;
    return Ersatzzeichen;
}

// clang-format off
constexpr std::array<std::string_view, 34> OhneText = {
    "fonttbl",   "colortbl",   "stylesheet", "info",       "pict",         "header",     "headerl",
    "headerr",   "headerf",    "footer",     "footerl",    "footerr",      "footerf",    "footnote",
    "fldinst",   "listtable",  "listoverridetable",        "revtbl",       "rsidtbl",    "generator",
    "pntext",    "listtext",   "nonshppict", "shpinst",    "themedata",    "colorschememapping",
    "latentstyles", "datastore", "xmlnstbl", "filetbl",    "xe",           "tc",         "objdata",
    "objclass",
};
// clang-format on

struct Benanntes {
    std::string_view wort;
    char16_t zeichen;
};
constexpr std::array<Benanntes, 14> BenannteZeichen = {{
    {"par", u'\n'},
    {"line", u'\n'},
    {"sect", u'\n'},
    {"page", u'\n'},
    {"tab", u'\t'},
    {"emdash", u'\u2014'},
    {"endash", u'\u2013'},
    {"emspace", u'\u2003'},
    {"enspace", u'\u2002'},
    {"bullet", u'\u2022'},
    {"lquote", u'\u2018'},
    {"rquote", u'\u2019'},
    {"ldblquote", u'\u201C'},
    {"rdblquote", u'\u201D'},
}};

bool istBuchstabe(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool istZiffer(char c) { return c >= '0' && c <= '9'; }

int hexwert(char c) {
    if (istZiffer(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A document's bytes in memory, handed out as the reader asks for them.
class Speicherquelle : public Quelle {
public:
    explicit Speicherquelle(std::string_view rtf) : rest(rtf), ganz(rtf.size()) {}

    std::size_t lies(char* ziel, std::size_t platz) override {
        const std::size_t n = std::min(platz, rest.size());
        std::copy_n(rest.data(), n, ziel);
        rest.remove_prefix(n);
        return n;
    }
    std::size_t groesse() const override { return ganz; }

private:
    std::string_view rest;
    std::size_t ganz;
};

// Longer than any control word we know: a longer word is kept only in part,
// and no part of it matches one.
constexpr std::size_t MaxWortlaenge = 32;

class Leser {
public:
    Leser(Quelle& quelle, std::size_t maxZeichen) : quelle(quelle), maxZeichen(maxZeichen), puffer(Stueckgroesse) {
        text.reserve(std::min(maxZeichen, quelle.groesse()));
    }

    std::optional<std::u16string> lesen() {
        if (!da(5) || std::string_view(puffer.data() + pos, 5) != "{\\rtf") return std::nullopt;
        while (!zuLang && da(1)) {
            const char c = puffer[pos++];
            switch (c) {
                case '{':
                    if (gruppen.size() >= static_cast<std::size_t>(MaxGruppentiefe)) return std::nullopt;
                    gruppen.push_back(gruppen.empty() ? Gruppe{} : gruppen.back());
                    ersatzRest = 0;
                    break;
                case '}':
                    ersatzRest = 0;
                    if (!gruppen.empty()) gruppen.pop_back();
                    // The document ends with its outermost group.
                    if (gruppen.empty()) return fertig();
                    break;
                case '\\': steuerung(); break;
                case '\r':
                case '\n': break;
                default:
                    if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                        zeichen(zeichenDerCodepage(codepage, static_cast<unsigned char>(c)));
                    break;
            }
        }
        return fertig();  // a document cut short keeps what it holds
    }

private:
    struct Gruppe {
        bool ohneText = false;
        int uc = 1;  // characters of fallback after each \u
    };

    // Whether `n` bytes lie ready from the current one on, pulling more when not.
    bool da(std::size_t n) { return ende - pos >= n || nachladen(n); }

    bool nachladen(std::size_t n) {
        std::memmove(puffer.data(), puffer.data() + pos, ende - pos);
        ende -= pos;
        pos = 0;
        while (ende < n && !amEnde) {
            const std::size_t gelesen = quelle.lies(puffer.data() + ende, puffer.size() - ende);
            amEnde = gelesen == 0;
            ende += gelesen;
        }
        return ende >= n;
    }

    bool ohneText() const { return !gruppen.empty() && gruppen.back().ohneText; }

    // The text stops at its limit: one character more and the document is refused.
    void anhaengen(char16_t z) {
        if (text.size() >= maxZeichen) {
            zuLang = true;
            return;
        }
        text.push_back(z);
    }

    // A character of the document; the fallback of a \u is not shown.
    void zeichen(char16_t z) {
        if (ersatzRest > 0) {
            --ersatzRest;
            return;
        }
        if (ohneText()) return;
        anhaengen(z);
        zelleOffen = false;
    }

    // A control word or symbol that shows nothing still counts as one fallback character.
    bool alsErsatzVerbraucht() {
        if (ersatzRest == 0) return false;
        --ersatzRest;
        return true;
    }

    void steuerung() {
        if (!da(1)) return;
        if (!istBuchstabe(puffer[pos])) return symbol(puffer[pos++]);
        // Copied, as pulling more bytes moves the buffer's content.
        std::array<char, MaxWortlaenge> wort{};
        std::size_t laenge = 0;
        for (; da(1) && istBuchstabe(puffer[pos]); ++pos)
            if (laenge < wort.size()) wort[laenge++] = puffer[pos];
        bool negativ = false;
        if (da(2) && puffer[pos] == '-' && istZiffer(puffer[pos + 1])) {
            negativ = true;
            ++pos;
        }
        const bool hatParameter = da(1) && istZiffer(puffer[pos]);
        long long wert = 0;
        while (da(1) && istZiffer(puffer[pos])) wert = std::min<long long>(wert * 10 + (puffer[pos++] - '0'), INT_MAX);
        if (da(1) && puffer[pos] == ' ') ++pos;
        steuerwort({wort.data(), laenge}, hatParameter, static_cast<int>(negativ ? -wert : wert));
    }

    void symbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}': return zeichen(static_cast<char16_t>(c));
            case '~': return zeichen(u'\u00A0');
            case '_': return zeichen(u'\u2011');
            case '\'': {
                const int hoch = da(1) ? hexwert(puffer[pos]) : -1;
                const int tief = da(2) ? hexwert(puffer[pos + 1]) : -1;
                if (hoch < 0 || tief < 0) return;  // broken escape: nothing
                pos += 2;
                return zeichen(zeichenDerCodepage(codepage, static_cast<unsigned char>(hoch * 16 + tief)));
            }
            case '\r':
            case '\n': return zeichen(u'\n');
            case '*':
                // A destination that a reader may ignore: none of them holds text we show.
                if (!alsErsatzVerbraucht() && !gruppen.empty()) gruppen.back().ohneText = true;
                return;
            default:
                alsErsatzVerbraucht();  // \- and the other symbols show nothing
                return;
        }
    }

    void steuerwort(std::string_view wort, bool hatParameter, int wert) {
        if (wort == "bin") {
            // Binary data: skipped as it stands, however it looks.
            std::size_t laenge = hatParameter && wert > 0 ? static_cast<std::size_t>(wert) : 0;
            while (laenge > 0 && da(1)) {
                const std::size_t schritt = std::min(laenge, ende - pos);
                pos += schritt;
                laenge -= schritt;
            }
            alsErsatzVerbraucht();
            return;
        }
        if (alsErsatzVerbraucht()) return;
        for (const Benanntes& b : BenannteZeichen)
            if (b.wort == wort) return zeichen(b.zeichen);
        if (wort == "cell") {
            zeichen(u'\t');
            if (!ohneText()) zelleOffen = true;
        } else if (wort == "row") {
            // The cells' tab before a row's end gives way to the line break.
            if (ohneText()) return;
            if (zelleOffen)
                text.back() = u'\n';
            else
                anhaengen(u'\n');
            zelleOffen = false;
        } else if (wort == "u") {
            if (!hatParameter) return;
            // A signed 16-bit number; what lies outside that is no character.
            zeichen(wert < -32768 || wert > 65535 ? Ersatzzeichen
                                                  : static_cast<char16_t>(wert < 0 ? wert + 65536 : wert));
            ersatzRest = gruppen.empty() ? 1 : gruppen.back().uc;
        } else if (wort == "uc") {
            if (hatParameter && !gruppen.empty()) gruppen.back().uc = std::max(wert, 0);
        } else if (wort == "ansi") {
            codepage = 1252;
        } else if (wort == "ansicpg") {
            if (hatParameter) codepage = wert;
        } else if (wort == "mac" || wort == "pc" || wort == "pca") {
            codepage = 0;
        } else if (std::find(OhneText.begin(), OhneText.end(), wort) != OhneText.end()) {
            if (!gruppen.empty()) gruppen.back().ohneText = true;
        }
    }

    // Surrogates that do not pair up are no characters.
    std::optional<std::u16string> fertig() {
        if (zuLang) return std::nullopt;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t z = text[i];
            const bool hoch = z >= 0xD800 && z <= 0xDBFF, tief = z >= 0xDC00 && z <= 0xDFFF;
            if (hoch && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
                ++i;
            else if (hoch || tief)
                text[i] = Ersatzzeichen;
        }
        return std::move(text);
    }

    Quelle& quelle;
    const std::size_t maxZeichen;
    std::vector<char> puffer;
    std::size_t pos = 0, ende = 0;  // the bytes not yet read lie in puffer[pos, ende)
    bool amEnde = false;            // the source has no more
    bool zuLang = false;            // the text grew past maxZeichen
    std::vector<Gruppe> gruppen;
    int codepage = 1252;
    int ersatzRest = 0;  // fallback characters still to skip
    bool zelleOffen = false;
    std::u16string text;
};

}  // namespace

std::optional<std::u16string> rtfText(std::string_view rtf) {
    Speicherquelle quelle(rtf);
    return rtfText(quelle, std::numeric_limits<std::size_t>::max());
}

std::optional<std::u16string> rtfText(Quelle& quelle, std::size_t maxZeichen) {
    return Leser(quelle, maxZeichen).lesen();
}

}  // namespace fluvan::conductivity
