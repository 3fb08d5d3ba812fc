#pragma once
// The 65 parameter sets, in the order of Satzname. Values are float literals:
// each cell holds the float nearest to the decimal.
#include <array>

#include "parameters/genauigkeitsdaten.h"

namespace fluvan::parameters {

namespace satzwerte {
constexpr Fehlermodell S = Fehlermodell::Schwellenmodell;
constexpr Fehlermodell V = Fehlermodell::Summenmodell;
}  // namespace satzwerte

inline constexpr std::array<Parametersatzzeile, 65> Parametersaetze = [] {
    using namespace satzwerte;
    using enum Satzname;
    return std::array<Parametersatzzeile, 65>{{
        // Brisal and TKD: all Schwellenmodell, 0.3 to 12 m/s.
        {BerechnenBris11klein, {0.5f, 0.0f, 2.0f, 0.4f}, S, 0.3f, 12.0f},
        {BerechnenBris11gross, {0.8f, 0.0f, 2.0f, 0.25f}, S, 0.3f, 12.0f},
        {BerechnenBris12, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenBris13, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenBris14, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD21, {0.5f, 0.0f, 2.0f, 0.4f}, S, 0.3f, 12.0f},
        {BerechnenTKD22, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD23, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD24, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD34, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD35, {0.4f, 0.3f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD51klein, {0.5f, 0.0f, 2.0f, 0.4f}, S, 0.3f, 12.0f},
        {BerechnenTKD51gross, {0.8f, 0.0f, 2.0f, 0.25f}, S, 0.3f, 12.0f},
        {BerechnenTKD52, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD56, {0.5f, 0.0f, 5.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD53, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD54, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD55klein, {0.4f, 0.3f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD55gross, {0.5f, 0.4f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD61klein, {0.8f, 0.0f, 2.0f, 0.25f}, S, 0.3f, 12.0f},
        {BerechnenTKD61gross, {0.5f, 0.0f, 2.0f, 0.4f}, S, 0.3f, 12.0f},
        {BerechnenTKD62klein, {0.5f, 0.4f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD62gross, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD63klein, {0.5f, 0.4f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD63gross, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD63CAP, {0.5f, 0.0f, 5.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD64klein, {0.5f, 0.4f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD64gross, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD71, {0.5f, 0.0f, 2.0f, 0.4f}, S, 0.3f, 12.0f},
        {BerechnenTKD72klein, {0.8f, 0.7f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD72gross, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD72mittel, {0.5f, 0.4f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD73klein, {0.8f, 0.7f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD73gross, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD73mittel, {0.5f, 0.4f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD74klein, {0.5f, 0.4f, 1.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenTKD74gross, {0.3f, 0.2f, 1.0f, 1.0f}, S, 0.3f, 12.0f},

        // Veltrum: Summenmodell except 550C, 0.3 to 12 m/s.
        {BerechnenVelt210, {0.3f, 0.0f, 2.0f, 0.4f}, V, 0.3f, 12.0f},
        {BerechnenVelt310, {0.3f, 0.0f, 2.0f, 0.4f}, V, 0.3f, 12.0f},
        {BerechnenVelt510, {0.3f, 0.0f, 2.0f, 0.4f}, V, 0.3f, 12.0f},
        {BerechnenVelt610, {0.3f, 0.0f, 2.0f, 0.4f}, V, 0.3f, 12.0f},
        {BerechnenVelt610klein, {0.5f, 0.0f, 2.0f, 0.4f}, V, 0.3f, 12.0f},
        {BerechnenVelt710, {0.5f, 0.0f, 2.0f, 0.4f}, V, 0.3f, 12.0f},
        {BerechnenVelt230, {0.3f, 0.0f, 2.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVelt330, {0.2f, 0.0f, 1.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVelt330gross, {0.3f, 0.0f, 2.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVelt550C, {0.5f, 0.0f, 5.0f, 1.0f}, S, 0.3f, 12.0f},
        {BerechnenVelt530, {0.2f, 0.0f, 1.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVelt530gross, {0.3f, 0.0f, 2.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVelt630klein, {0.3f, 0.0f, 2.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVelt630, {0.15f, 0.0f, 1.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVelt730, {0.2f, 0.0f, 1.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVelt730klein, {0.3f, 0.0f, 2.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVelt830C, {0.5f, 0.0f, 5.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVeltrum340, {0.5f, 0.0f, 2.0f, 0.0f}, V, 0.3f, 12.0f},
        {BerechnenVeltrum220, {0.4f, 0.0f, 1.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVeltrum320, {0.3f, 0.0f, 1.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVeltrum520, {0.3f, 0.0f, 1.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVeltrum620, {0.3f, 0.0f, 1.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVeltrum620klein, {0.4f, 0.0f, 1.0f, 1.0f}, V, 0.3f, 12.0f},
        {BerechnenVeltrum720, {0.3f, 0.0f, 1.0f, 1.0f}, V, 0.3f, 12.0f},

        // RSN: Schwellenmodell, 0.5 to 20 m/s.
        {BerechnenRSN70, {0.5f, 0.0f, 2.5f, 0.5f}, S, 0.5f, 20.0f},
        {BerechnenRSN70HT, {1.0f, 0.0f, 10.0f, 1.0f}, S, 0.5f, 20.0f},
        {BerechnenRSN70HP, {1.0f, 0.0f, 10.0f, 1.0f}, S, 0.5f, 20.0f},
        {BerechnenRSN90, {0.5f, 0.0f, 2.5f, 0.5f}, S, 0.5f, 20.0f},
    }};
}();

// The row of a parameter set; the table stands in the order of Satzname.
constexpr const Parametersatzzeile& zeile(Satzname name) { return Parametersaetze[static_cast<std::size_t>(name)]; }

}  // namespace fluvan::parameters
