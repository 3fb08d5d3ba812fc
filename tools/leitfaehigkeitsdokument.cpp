// Writes the conductivity document from the media table: section by section,
// every medium's Anfangsmarke with an empty table of the three columns after
// it, up to the section's closing marker; then a list of the markers with
// their media, for whoever fills in the tables. It holds no values.
//   fluvan_leitfaehigkeitsdokument                  writes the document to stdout
//   fluvan_leitfaehigkeitsdokument --vergleiche F   fails when F differs from it
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "conductivity/stofftabelle.h"
#include "output/worddokument.h"

namespace {

using fluvan::conductivity::Abschnitt;
using fluvan::conductivity::Abschnitte;
using fluvan::conductivity::Marke;
using fluvan::conductivity::Stoff;
using fluvan::conductivity::Stofftabelle;

constexpr std::string_view Anfang =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\n"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
    "{\\info{\\title Leitfaehigkeit}}\n";
constexpr std::string_view Absatzformat = "\\pard\\plain\\f0\\fs16\n";

// Concentration [ % ], Temp. [ °C ], Conductivity [ µS/cm ]: the columns stand
// under the window's headings.
constexpr std::string_view LeereTabelle =
    "\\trowd\\trgaph70\\cellx1200\\cellx2280\\cellx3492\n"
    "\\pard\\intbl\\cell\\cell\\cell\\row\n";

// Names as RTF text in Windows-1252: ASCII as it stands, Latin-1 letters as \'hh.
std::string rtfText(std::string_view utf8) {
    std::string aus;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == '\\' || c == '{' || c == '}') {
            aus += '\\';
            aus += static_cast<char>(c);
        } else if (c < 0x80) {
            aus += static_cast<char>(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            const unsigned byte = (static_cast<unsigned char>(utf8[++i]) & 0x3F) | (c == 0xC2 ? 0x80 : 0xC0);
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", byte);
            aus += hex;
        } else {
            throw std::runtime_error("a name holds a character outside Latin-1");
        }
    }
    return aus;
}

void absatz(std::ostream& aus, const Marke& marke) { aus << "\\pard " << marke.text() << "\\par\n"; }

std::string dokument() {
    std::ostringstream aus;
    aus << Anfang << fluvan::output::rtfSeite() << Absatzformat;
    for (const Abschnitt& abschnitt : Abschnitte) {
        std::vector<const Stoff*> zeilen;
        for (const Stoff& s : Stofftabelle)
            if (s.Anfangsmarke.zeichen[0] == abschnitt.buchstabe) zeilen.push_back(&s);
        std::sort(zeilen.begin(), zeilen.end(),
                  [](const Stoff* a, const Stoff* b) { return a->Anfangsmarke.text() < b->Anfangsmarke.text(); });
        const Marke schluss{{abschnitt.buchstabe, 'x', 'x'}};
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            absatz(aus, zeilen[i]->Anfangsmarke);
            aus << LeereTabelle;
            // An Endmarke that opens no passage ("Aae") still stands in its place.
            const Marke& ende = zeilen[i]->Endmarke;
            const bool folgt = i + 1 < zeilen.size() && zeilen[i + 1]->Anfangsmarke == ende;
            if (!folgt && ende != schluss) absatz(aus, ende);
        }
        absatz(aus, schluss);
    }
    aus << "\\pard\\par\n\\pard\\b Markers of the media\\b0\\par\n";
    for (const Stoff& s : Stofftabelle)
        aus << "\\trowd\\trgaph70\\cellx1200\\cellx4800\n\\pard\\intbl " << s.Anfangsmarke.text() << "\\cell "
            << rtfText(s.Name) << "\\cell\\row\n";
    aus << "\\pard\\par\n}\n";
    return aus.str();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string text = dokument();
    if (argc == 3 && std::string_view(argv[1]) == "--vergleiche") {
        std::ifstream datei(argv[2], std::ios::binary);
        const std::string vorhanden{std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
        if (vorhanden == text) return 0;
        std::cerr << argv[2] << " is not the document the media table gives: run scripts/leitfaehigkeitsdokument.sh\n";
        return 1;
    }
    if (argc != 1) {
        std::cerr << "usage: " << argv[0] << " [--vergleiche FILE]\n";
        return 2;
    }
    std::cout << text;
    return std::cout ? 0 : 1;
}
