#pragma once
// Size rules of TKD 61 to 74.
#include <array>

#include "catalogue/groessenregel.h"

namespace fluvan::catalogue::regeln {

using enum Satzname;
using enum Ablehnung;

// clang-format off
inline constexpr std::array<Groessenregel, 9> TKD6x7x{{
    {Pruefname::TKD61,
     {{zwischen(2.5, 6), BerechnenTKD61klein},
      {dn({10, 15, 25, 40, 50, 80, 100}), BerechnenTKD61gross},
      {dn({20, 32, 65}), Ausschlussmeldung}},
     Bereichsmeldung,
     {"TKD 61 nur DN 2.5 ... DN 100!", "TKD 61 only DN 2.5 ... DN 100!",
      "TKD 61 uniquement DN 2.5 ... DN 100!", "TKD 61 sólo DN 2.5 ... DN 100!"},
     {"TKD 61 nicht in DN 20, 32 und 65!", "TKD 61 not available in DN 20, 32 and 65!",
      "TKD 61 non disponible en DN 20, 32 und 65!", "TKD 61 no en DN 20, 32 y 65!"}},

    {Pruefname::TKD62,
     {{zwischen(2.5, 6), BerechnenTKD62klein},
      {dn({10, 15, 25, 40, 50, 80, 100}), BerechnenTKD62gross},
      {dn({20, 32, 65}), Ausschlussmeldung}},
     Bereichsmeldung,
     {"TKD 62 nur DN 2.5 ... DN 100!", "TKD 62 onla DN 2.5 ... DN 100!",
      "TKD 62 uniquement DN 2.5 ... DN 100!", "TKD 62 sólo DN 2.5 ... DN 100!"},
     {"TKD 62 nicht in DN 20, 32 und 65!", "TKD 62 not available in DN 20, 32 and 65!",
      "TKD 62 non disponible en DN 20, 32 und 65!", "TKD 62 no en DN 20, 32 y 65!"}},

    {Pruefname::TKD63,
     {{zwischen(2.5, 6), BerechnenTKD63klein},
      {dn({10, 15, 25, 40, 50, 80, 100}), BerechnenTKD63gross},
      {dn({20, 32, 65}), Ausschlussmeldung}},
     Kombimeldung,
     {"TKD 63 nur DN 2.5 ... DN 100!", "TKD 63 only DN 2.5 ... DN 100!",
      "TKD 63 uniquement DN 2.5 ... DN 100!", "TKD 63 sólo DN 2.5 ... DN 100!"},
     {"TKD 63 nicht in DN 20, 32 und 65!", "TKD 63 not available in DN 20, 32 and 65!",
      "TKD 63 non disponible en DN 20, 32 und 65!", "TKD 63 no en DN 20, 32 y 65!"},
     {"Nicht in DN 20, 32 und 65!", "Not available in DN 20, 32 and 65!", "Non disponible en DN 20, 32 et 65!",
      "No en DN 20, 32 y 65!"}},

    {Pruefname::TKD63CAP,
     {{dn({25, 40, 50, 80, 100}), BerechnenTKD63CAP},
      {dn({32, 65}), Ausschlussmeldung},
      {ausserhalb(25, 100), Kombimeldung}},
     nichts,
     {"TKD 63CAP nur DN 25 ... DN 100!", "TKD 63CAP nur DN 25 ... DN 100!",
      "TKD 63CAP uniquement DN 25 ... DN 100!", "TKD 63CAP sólo DN 25 ... DN 100!"},
     {"TKD 63CAP nicht in DN 32 und 65!", "TKD 63CAP not available in DN 32 and 65!",
      "TKD 63CAP non disponible en DN 32 und 65!", "TKD 63CAP no en DN 32 y 65!"},
     {"Nicht in DN 32 und 65!", "Not available in DN 32 and 65!", "Non disponible en DN 32 et 65!",
      "No en DN 32 y 65!"}},

    {Pruefname::TKD64,
     {{zwischen(2.5, 6), BerechnenTKD64klein},
      {dn({10, 15, 25, 40, 50, 80, 100}), BerechnenTKD64gross},
      {dn({20, 32, 65}), Ausschlussmeldung}},
     Kombimeldung,
     {"TKD 64 nur DN 2.5 ... DN 100!", "TKD 64 only DN 2.5 ... DN 100!",
      "TKD 64 uniquement DN 2.5 ... DN 100!", "TKD 64 sólo DN 2.5 ... DN 100!"},
     {"TKD 64 nicht in DN 20, 32 und 65!", "TKD 64 nicht in DN 20, 32 und 65!",
      "TKD 64 non disponible en DN 20, 32 und 65!", "TKD 64 no en DN 20, 32 y 65!"},
     {"Nicht in DN 20, 32 und 65!", "Not available in DN 20, 32 and 65!", "Non disponible en DN 20, 32 et 65!",
      "No en DN 20, 32 y 65!"}},

    {Pruefname::TKD71,
     {{dn({10, 15, 25, 40, 50, 65, 80, 100, 125, 150}), BerechnenTKD71},
      {kleiner(10) | dn({20, 32}), Ausschlussmeldung},
      {ausserhalb(10, 150), Kombimeldung}},
     nichts,
     {"TKD 71 nur DN 10 ... DN 150!", "TKD 71 only DN 10 ... DN 150!",
      "TKD 71 uniquement DN 10 ... DN 150!", "TKD 71 sólo DN 10 ... DN 150!"},
     {"TKD 71 nicht in DN 2.5, 4, 6, 20, 32!", "TKD 71 nicht in DN 2.5, 4, 6, 20, 32!",
      "TKD 71 non disponible en DN 2.5, 4, 6, 20, 32!", "TKD 71 no en DN 2.5, 4, 6, 20, 32!"},
     {"Nicht in DN 20 und 32 !", "Not available in DN 20 and 32 !", "Non disponible en DN 20 et 32 !",
      "No en DN 20 y 32 !"}},

    {Pruefname::TKD72,
     {{zwischen(2.5, 4), BerechnenTKD72klein},
      {dn({10, 15, 25, 40, 50, 65, 80, 100, 125, 150}), BerechnenTKD72gross},
      {dn({6}), BerechnenTKD72mittel},
      {dn({32}), Ausschlussmeldung}},
     Kombimeldung,
     {"TKD 72 nur DN 2.5 ... DN 150!", "TKD 72 only DN 2.5 ... DN 150!",
      "TKD 72 uniquement DN 2.5 ... DN 150!", "TKD 72 sólo DN 2.5 ... DN 150!"},
     {"TKD 72 nicht in DN 32!", "TKD 72 not available in DN 32!", "TKD 72 non disponible en DN 32!",
      "TKD 72 no en DN 32!"},
     {"Nicht in DN 20 und 32!", "Not available in DN 20 and 32!", "Non disponible en DN 20 et 32!",
      "No en DN 20 y 32!"}},

    {Pruefname::TKD73,
     {{zwischen(2.5, 4), BerechnenTKD73klein},
      {dn({10, 15, 25, 40, 50, 65, 80, 100, 125, 150}), BerechnenTKD73gross},
      {dn({6}), BerechnenTKD73mittel},
      {dn({32}), Ausschlussmeldung}},
     Kombimeldung,
     {"TKD 73 nur DN 2.5 ... DN 150!", "TKD 73 only DN 2.5 ... DN 150!",
      "TKD 73 uniquement DN 2.5 ... DN 150!", "TKD 73 sólo DN 2.5 ... DN 150!"},
     {"TKD 73 nicht in DN 32!", "TKD 73 not available in DN 32!", "TKD 73 non disponible en DN 32!",
      "TKD 73 no en DN 32!"},
     {"Nicht in DN 20 und 32!", "Not available in DN 20 and 32!", "Non disponible en DN 20 et 32!",
      "No en DN 20 y 32!"}},

    {Pruefname::TKD74,
     {{zwischen(2.5, 6), BerechnenTKD74klein},
      {dn({10, 15, 25, 40, 50, 65, 80, 100, 125, 150}), BerechnenTKD74gross},
      {dn({32}), Ausschlussmeldung}},
     Kombimeldung,
     {"TKD 74 nur DN 2.5 ... DN 150!", "TKD 74 only DN 2.5 ... DN 150!",
      "TKD 74 uniquement DN 2.5 ... DN 150!", "TKD 74 sólo DN 2.5 ... DN 150!"},
     {"TKD 74 nicht in DN 32!", "TKD 74 not available in DN 32!", "TKD 74 non disponible en DN 32!",
      "TKD 74 no en DN 32!"},
     {"Nicht in DN 20 und 32!", "Not available in DN 20 and 32!", "Non disponible en DN 20 et 32!",
      "No en DN 20 y 32!"}},
}};
// clang-format on

}  // namespace fluvan::catalogue::regeln
