#include "tools/markenpruefung.h"

#include <algorithm>

#include "conductivity/ausgabe.h"
#include "conductivity/rtf.h"

namespace fluvan::tools {
namespace {

std::u16string u16(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// The text around a place, for the message; characters beyond ASCII as "?".
std::string umgebung(std::u16string_view text, std::size_t platz) {
    const std::size_t anfang = platz > 12 ? platz - 12 : 0;
    std::string aus;
    for (char16_t z : text.substr(anfang, platz - anfang + 15))
        aus += z == u'\n' ? '|' : z >= 0x20 && z < 0x7F ? static_cast<char>(z) : '?';
    return aus;
}

// The first line at or after `ab` that is exactly the marker.
std::size_t eigeneZeile(std::u16string_view text, std::u16string_view marke, std::size_t ab) {
    for (std::size_t p = text.find(marke, ab); p != std::u16string_view::npos; p = text.find(marke, p + 1)) {
        const bool zeilenanfang = p == 0 || text[p - 1] == u'\n';
        const bool zeilenende = p + marke.size() == text.size() || text[p + marke.size()] == u'\n';
        if (zeilenanfang && zeilenende) return p;
    }
    return std::u16string_view::npos;
}

}  // namespace

std::optional<std::string> markeNichtAnIhremPlatz(std::string_view rtf, std::span<const conductivity::Marke> folge) {
    const std::optional<std::u16string> text = conductivity::rtfText(rtf);
    if (!text) return "the document is no RTF document";
    // The program's own search, on the text as its box holds it.
    conductivity::Kasteninhalt kasten{*text, 0, 0};
    std::size_t ab = 0;
    for (const conductivity::Marke& marke : folge) {
        const std::string name(marke.text());
        const std::u16string zeichen = u16(name);
        const std::size_t platz = eigeneZeile(*text, zeichen, ab);
        if (platz == std::u16string::npos)
            return name + " does not stand on a line of its own after the marker before it";
        if (!kasten.Find(zeichen, 0) || static_cast<std::size_t>(kasten.SelStart) != platz)
            return name + " is found earlier, in \"" + umgebung(*text, static_cast<std::size_t>(kasten.SelStart)) +
                   "\"";
        ab = platz + zeichen.size();
    }
    return std::nullopt;
}

}  // namespace fluvan::tools
