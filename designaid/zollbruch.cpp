#include "designaid/zollbruch.h"

#include <cmath>

#include "base/zahlen.h"

namespace fluvan::designaid {

namespace {

struct Bruch {
    double ganze;
    long zaehler;
    long nenner;
};

bool geht(double rest, long nenner) {
    const double z = rest * static_cast<double>(nenner);
    return std::fabs(z - std::round(z)) < 1e-9 * static_cast<double>(nenner);
}

Bruch zerlege(double zoll) {
    const double ganze = std::floor(zoll);
    const double rest = zoll - ganze;
    for (long nenner = 1; nenner <= 1000; ++nenner) {
        if (geht(rest, nenner)) return {ganze, std::lround(rest * static_cast<double>(nenner)), nenner};
    }
    Bruch naechster{ganze, 0, 1};
    double abstand = rest;
    for (long nenner = 2; nenner <= 9; ++nenner) {
        const long zaehler = std::lround(rest * static_cast<double>(nenner));
        const double a = std::fabs(rest - static_cast<double>(zaehler) / static_cast<double>(nenner));
        if (a < abstand) {
            naechster = {ganze, zaehler, nenner};
            abstand = a;
        }
    }
    return naechster;
}

std::string ganzzahl(double wert) { return base::zahlText(static_cast<float>(wert), "."); }

}  // namespace

std::string zollText(double zoll) {
    Bruch b = zerlege(zoll);
    if (b.zaehler == b.nenner) b = {b.ganze + 1, 0, 1};
    std::string text;
    if (b.ganze != 0) text = ganzzahl(b.ganze);
    if (b.zaehler != 0) {
        if (!text.empty()) text += ' ';
        text += ganzzahl(static_cast<double>(b.zaehler)) + "/" + ganzzahl(static_cast<double>(b.nenner));
    }
    if (text.empty()) text = "0";
    return text + "”";
}

}  // namespace fluvan::designaid
