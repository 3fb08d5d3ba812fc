#pragma once
// Size rules of Veltrum 220 to 720 and RSN 70 to 90.
#include <array>

#include "catalogue/groessenregel.h"

namespace fluvan::catalogue::regeln {

using enum Satzname;
using enum Ablehnung;

// clang-format off
inline constexpr std::array<Groessenregel, 9> RSNVeltrumX20{{
    {Pruefname::Veltrum220,
     {{dn({10, 15, 25, 40, 50, 80, 100, 150}), BerechnenVeltrum220}},
     Kombimeldung,
     {"Veltrum 220 nur DN 10 ... DN 150!", "Veltrum 220 only DN 10 ... DN 150!",
      "Veltrum 220 uniquement DN 10 ... DN 150!", "Veltrum 220 sólo DN 10 ... DN 150!"},
     {},
     {"Nicht in DN 20, 32, 65 und DN 125!", "Not available in DN 20, 32, 65 und DN 125!",
      "Non disponible en DN 20, 32, 65 und DN 125!", "No en DN 20, 32, 65 und DN 125!"}},

    {Pruefname::Veltrum320,
     {{ausserhalb(25, 1200), Bereichsmeldung}},
     BerechnenVeltrum320,
     {"Veltrum 320 nur DN 25 ... DN 1200!", "Veltrum 320 only DN 25 ... DN 1200!",
      "Veltrum 320 uniquement DN 25 ... DN 1200!", "Veltrum 320 sólo DN 25 ... DN 1200!"}},

    {Pruefname::Veltrum520,
     {{ausserhalb(10, 1600), Bereichsmeldung}},
     BerechnenVeltrum520,
     {"Veltrum 520 nur DN 10 ... DN 1600!", "Veltrum 520 only DN 10 ... DN 1600!",
      "Veltrum 520 uniquement DN 10 ... DN 1600!", "Veltrum 520 sólo DN 10 ... DN 1600!"}},

    {Pruefname::Veltrum620,
     {{dn({4, 6}), BerechnenVeltrum620klein},
      {dn({10, 15, 25, 40, 50, 80, 100, 150, 200, 250}), BerechnenVeltrum620},
      {dn({2.5, 20, 32, 65, 125}) | groesser(250), Kombimeldung}},
     nichts,
     {"Veltrum 620 nur DN 4 ... DN 250!", "Veltrum 620 only DN 4 ... DN 250!",
      "Veltrum 620 uniquement DN 4 ... DN 250!", "Veltrum 620 sólo DN 4 ... DN 250!"},
     {},
     {"Nicht in DN 2.5, 20, 32, 65 und 125!", "Not available in DN 2.5, 20, 32, 65 und 125!",
      "Non disponible en DN 2.5, 20, 32, 65 und 125!", "No en DN 2.5, 20, 32, 65 und 125!"}},

    {Pruefname::Veltrum720,
     {{dn({10, 15, 25, 40, 50, 65, 80, 100, 125, 150}), BerechnenVeltrum720},
      {dn({2.5, 4, 6, 20, 32}) | groesser(150), Kombimeldung}},
     nichts,
     {"Veltrum 720 nur DN 10 ... DN 150!", "Veltrum 720 only DN 10 ... DN 150!",
      "Veltrum 720 uniquement DN 10 ... DN 150!", "Veltrum 720 sólo DN 10 ... DN 150!"},
     {},
     {"Nicht in DN 2.5, 4, 10, 20 und 32!", "Not available in DN 2.5, 4, 10, 20 und 32!",
      "Non disponible en DN 2.5, 4, 10, 20 und 32!", "No en DN 2.5, 4, 10, 20 und 32!"}},

    {Pruefname::RSN70,
     {{ausserhalb(25, 3000), Bereichsmeldung}},
     BerechnenRSN70,
     {"RSN 70 nur DN 25 ... DN 3000!", "RSN 70 only DN 25 ... DN 3000!", "RSN 70 uniquement DN 25 ... DN 3000!",
      "RSN 70 sólo DN 25 ... DN 3000!"}},

    {Pruefname::RSN70HT,
     {{ausserhalb(25, 300), Bereichsmeldung}},
     BerechnenRSN70HT,
     {"RSN 70 HT/LT nur DN 25 ... DN 300!", "RSN 70 HT/LT only DN 25 ... DN 300!",
      "RSN 70 HT/LT uniquement DN 25 ... DN 300!", "RSN 70 HT/LT sólo DN 25 ... DN 300!"}},

    {Pruefname::RSN70HP,
     {{ausserhalb(25, 80), Bereichsmeldung}},
     BerechnenRSN70HP,
     {"RSN 70 HP nur DN 25 ... DN 80!", "RSN 70 HP only DN 25 ... DN 80!", "RSN 70 HP uniquement DN 25 ... DN 80!",
      "RSN 70 HP sólo DN 25 ... DN 80!"}},

    {Pruefname::RSN90,
     {{ausserhalb(25, 3000), Bereichsmeldung}},
     BerechnenRSN90,
     {"RSN 90 nur DN 25 ... DN 3000!", "RSN 90 only DN 25 ... DN 3000!", "RSN 90 uniquement DN 25 ... DN 3000!",
      "RSN 90 sólo DN 25 ... DN 3000!"}},
}};
// clang-format on

}  // namespace fluvan::catalogue::regeln
