#include "platform/schriften.h"

#include <array>

#include "platform/qtext.h"

namespace fluvan::platform {
namespace {

struct Ersatz {
    std::string_view entwurf;
    std::string_view familie;
};

constexpr std::array<Ersatz, 2> Schriftersatz = {{
    {"Arial", "Liberation Sans"},
    {"MS Sans Serif", "DejaVu Sans"},
}};

}  // namespace

QString schriftfamilie(std::string_view entwurfsname) {
    for (const Ersatz& ersatz : Schriftersatz)
        if (ersatz.entwurf == entwurfsname) return qtext(ersatz.familie);
    return qtext(entwurfsname);
}

QFont schrift(std::string_view entwurfsname, double punkte, bool fett) {
    QFont font(schriftfamilie(entwurfsname));
    font.setPointSizeF(punkte);
    font.setBold(fett);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace fluvan::platform
