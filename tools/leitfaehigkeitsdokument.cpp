// Writes the conductivity document from the media table and the public table
// of conductivities of pure liquids: section by section, every medium's
// Anfangsmarke with a table of the three columns after it, up to the section's
// closing marker. A medium that the public table holds gets its row of values,
// every other one an empty table for the user's own; then a list of the
// markers with their media, for whoever fills in the tables, and the source of
// the values. It fails when the program would not find a marker where it stands.
//   fluvan_leitfaehigkeitsdokument TABLE                  writes the document to stdout
//   fluvan_leitfaehigkeitsdokument TABLE --vergleiche F   fails when F differs from it
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
#include "tools/leitwerte.h"
#include "tools/markenpruefung.h"

namespace {

using fluvan::conductivity::Abschnitt;
using fluvan::conductivity::Abschnitte;
using fluvan::conductivity::Marke;
using fluvan::conductivity::Stoff;
using fluvan::conductivity::Stofftabelle;
using fluvan::tools::Leitwert;
using fluvan::tools::Leitwerttabelle;

constexpr std::string_view Anfang =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\n"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
    "{\\info{\\title Leitfaehigkeit}}\n";
constexpr std::string_view Absatzformat = "\\pard\\plain\\f0\\fs16\n";

// Concentration [ % ], Temp. [ °C ], Conductivity [ µS/cm ]: the columns stand
// under the window's headings.
constexpr std::string_view Tabellenzeile = "\\trowd\\trgaph70\\cellx1200\\cellx2280\\cellx3492\n";

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

// The public table's liquids are pure: their concentration is 100 %. The blank
// after each control word ends it, also before a minus sign.
void tabelle(std::ostream& aus, const Leitwert* wert) {
    aus << Tabellenzeile << "\\pard\\intbl";
    if (!wert) {
        aus << "\\cell\\cell\\cell\\row\n";
        return;
    }
    aus << " 100\\cell " << wert->temperatur << "\\cell " << wert->leitfaehigkeit << "\\cell\\row\n";
}

constexpr std::string_view Quellenangabe =
    "\\pard\\par\n\\pard\\b Source of the values\\b0\\par\n"
    "\\pard The values are those of the pure liquids in J. Speight, Lange's Handbook of Chemistry, 16th edition, "
    "McGraw-Hill, 2005, as compiled in the chemicals library by Caleb Bell (MIT licence): the temperature converted "
    "from K (T - 273.15), the conductivity from S/m (1 S/m = 10000 \\'b5S/cm). The other media have an empty "
    "table for your own values.\\par\n";

std::string dokument(const Leitwerttabelle& werte) {
    std::ostringstream aus;
    std::vector<Marke> folge;
    const auto absatz = [&aus, &folge](const Marke& marke) {
        aus << "\\pard " << marke.text() << "\\par\n";
        folge.push_back(marke);
    };
    aus << Anfang << fluvan::output::rtfSeite() << Absatzformat;
    for (const Abschnitt& abschnitt : Abschnitte) {
        std::vector<const Stoff*> zeilen;
        for (const Stoff& s : Stofftabelle)
            if (s.Anfangsmarke.zeichen[0] == abschnitt.buchstabe) zeilen.push_back(&s);
        std::sort(zeilen.begin(), zeilen.end(),
                  [](const Stoff* a, const Stoff* b) { return a->Anfangsmarke.text() < b->Anfangsmarke.text(); });
        const Marke schluss{{abschnitt.buchstabe, 'x', 'x'}};
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            absatz(zeilen[i]->Anfangsmarke);
            tabelle(aus, fluvan::tools::leitwertDes(zeilen[i]->Name, werte));
            // An Endmarke that opens no passage ("Aae") still stands in its place.
            const Marke& ende = zeilen[i]->Endmarke;
            const bool folgt = i + 1 < zeilen.size() && zeilen[i + 1]->Anfangsmarke == ende;
            if (!folgt && ende != schluss) absatz(ende);
        }
        absatz(schluss);
    }
    aus << "\\pard\\par\n\\pard\\b Markers of the media\\b0\\par\n";
    for (const Stoff& s : Stofftabelle)
        aus << "\\trowd\\trgaph70\\cellx1200\\cellx4800\n\\pard\\intbl " << s.Anfangsmarke.text() << "\\cell "
            << rtfText(s.Name) << "\\cell\\row\n";
    // After every marker, as its words hold markers' letters ("Han" in "Handbook").
    aus << Quellenangabe << "\\pard\\par\n}\n";
    const std::string text = aus.str();
    if (const auto fehler = fluvan::tools::markeNichtAnIhremPlatz(text, folge))
        throw std::runtime_error("the program would not find its markers: " + *fehler);
    return text;
}

Leitwerttabelle leseWerte(const char* pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) throw std::runtime_error(std::string(pfad) + " cannot be read");
    Leitwerttabelle werte = fluvan::tools::leseLeitwerttabelle(datei);
    fluvan::tools::pruefeSchreibweisen(werte);
    return werte;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string_view(argv[2]) == "--vergleiche")) {
        std::cerr << "usage: " << argv[0] << " TABLE [--vergleiche FILE]\n";
        return 2;
    }
    std::string text;
    try {
        text = dokument(leseWerte(argv[1]));
    } catch (const std::exception& e) {
        std::cerr << argv[0] << ": " << e.what() << "\n";
        return 1;
    }
    if (argc == 4) {
        std::ifstream datei(argv[3], std::ios::binary);
        const std::string vorhanden{std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
        if (vorhanden == text) return 0;
        std::cerr << argv[3] << " is not the document the tables give: run scripts/leitfaehigkeitsdokument.sh\n";
        return 1;
    }
    std::cout << text;
    return std::cout ? 0 : 1;
}
