#include "designaid/durchflusswerte.h"

namespace fluvan::designaid {

namespace {
constexpr std::array<Durchflusszeile, 33> alleZeilen() {
    std::array<Durchflusszeile, 33> zeilen{};
    for (std::size_t i = 0; i < zeilen.size(); ++i) zeilen[i] = durchflusszeile(nennweiten[i]);
    return zeilen;
}
constexpr std::array<Durchflusszeile, 33> zeilen = alleZeilen();
}  // namespace

const std::array<Durchflusszeile, 33>& durchflusswerte() { return zeilen; }

}  // namespace fluvan::designaid
