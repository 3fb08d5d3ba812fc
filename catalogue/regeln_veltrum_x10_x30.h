#pragma once
// Size rules of Veltrum 210 to 710, 230 to 830C and 340.
#include <array>

#include "catalogue/groessenregel.h"

namespace fluvan::catalogue::regeln {

using enum Satzname;
using enum Ablehnung;

// clang-format off
inline constexpr std::array<Groessenregel, 13> VeltrumX10X30{{
    {Pruefname::Velt210,
     {{dn({10, 15, 25, 40, 50, 80, 100, 150}), BerechnenVelt210},
      {dn({20, 32, 65, 125}), Ausschlussmeldung},
      {ausserhalb(10, 150), Kombimeldung}},
     nichts,
     {"Veltrum 210 nur DN 10 ... DN 150!", "Veltrum 210 only DN 10 ... DN 150!",
      "Veltrum 210 uniquement DN 10 ... DN 150!", "Veltrum 210 sólo DN 10 ... DN 150!"},
     {"Veltrum 210 nicht in DN 20, 32, 65 und 125!", "Veltrum 210 not available in DN 20, 32, 65 and 125!",
      "Veltrum 210 non disponible en DN 20, 32, 65 und 125!", "Veltrum 210 no en DN 20, 32, 65 y 125!"},
     {"Nicht in DN 20, 32, 65 und 125!", "Not available in DN 20, 32, 65 and 125!",
      "Non disponible en DN 20, 32, 65 et 25!", "No en DN 20, 32, 65 y 125!"}},

    {Pruefname::Velt310,
     {{zwischen(25, 1000), BerechnenVelt310},
      {ausserhalb(25, 1000), Bereichsmeldung}},
     nichts,
     {"Veltrum 310 nur DN 25 ... DN 1000!", "Veltrum 310 only DN 25 ... DN 1000!",
      "Veltrum 310 uniquement DN 25 ... DN 1000!", "Veltrum 310 sólo DN 25 ... DN 1000!"}},

    {Pruefname::Velt510,
     {{zwischen(10, 1000), BerechnenVelt510},
      {ausserhalb(10, 1000), Bereichsmeldung}},
     nichts,
     {"Veltrum 510 nur DN 10 ... DN 1000!", "Veltrum 510 only DN 10 ... DN 1000!",
      "Veltrum 510 uniquement DN 10 ... DN 1000!", "Veltrum 510 sólo DN 10 ... DN 1000!"}},

    {Pruefname::Velt610,
     {{dn({10, 15, 25, 40, 50, 80, 100}), BerechnenVelt610},
      {dn({4, 6}), BerechnenVelt610klein},
      {dn({2.5, 20, 32, 65}), Ausschlussmeldung}},
     Bereichsmeldung,
     {"Veltrum 610 nur DN 4 ... DN 100!", "Veltrum 610 only DN 4 ... DN 100!",
      "Veltrum 610 uniquement DN 4 ... DN 100!", "Veltrum 610 sólo DN 4 ... DN 100!"},
     {"Veltrum 610 nicht in DN 2.5, DN 20, 32 und 65!", "Veltrum 610 not available in DN 2.5, DN 20, 32 and 65!",
      "Veltrum 610 non disponible en DN 2.5, DN 20, 32 und 65!", "Veltrum 610 no en DN 2.5, DN 20, 32 y 65!"}},

    {Pruefname::Velt710,
     {{dn({10, 15, 25, 40, 50, 65, 80, 100, 125, 150}), BerechnenVelt710},
      {dn({20, 32}) | ausserhalb(10, 150), Kombimeldung}},
     nichts,
     {"Veltrum 710 nur DN 10 ... DN 150!", "Veltrum 710 only DN 10 ... DN 150!",
      "Veltrum 710 uniquement DN 10 ... DN 150!", "Veltrum 710 sólo DN 10 ... DN 150!"},
     {},
     {"Nicht in DN 20 und 32!", "Not available in DN 20 and 32!", "Non disponible en DN 20 et 32!",
      "No en DN 20 y 32!"}},

    {Pruefname::Velt230,
     {{dn({10, 15, 25, 40, 50, 80, 100, 150}), BerechnenVelt230},
      {dn({20, 32, 65, 125}), Ausschlussmeldung},
      {ausserhalb(10, 150), Kombimeldung}},
     nichts,
     {"Veltrum 230 nur DN 10 ... DN 150!", "Veltrum 230 only DN 10 ... DN 150!",
      "Veltrum 230 uniquement DN 10 ... DN 150!", "Veltrum 230 sólo DN 10 ... DN 150!"},
     {"Veltrum 230 nicht in DN 20, 32, 65 und 125!", "Veltrum 230 not available in DN 20, 32, 65 and 125!",
      "Veltrum 230 non disponible en DN 20, 32, 65 und 125!", "Veltrum 230 no en DN 20, 32, 65 y 125!"},
     {"Nicht in DN 20, 32, 65 und 125!", "Not available in DN 20, 32, 65 and 125!",
      "Non disponible en DN 20, 32, 65 et 125!", "No en DN 20, 32, 65 y 125!"}},

    {Pruefname::Velt330,
     {{zwischen(25, 1600), BerechnenVelt330},
      {groesser(1600), BerechnenVelt330gross},
      {ausserhalb(25, 3000), Bereichsmeldung}},
     nichts,
     {"Veltrum 330 nur DN 25 ... DN 3000!", "Veltrum 330 only DN 25 ... DN 3000!",
      "Veltrum 330 uniquement DN 25 ... DN 3000!", "Veltrum 330 sólo DN 25 ... DN 3000!"}},

    {Pruefname::Velt550C,
     {{dn({20, 25, 50, 65, 80, 100, 125, 150}), BerechnenVelt550C},
      {dn({10, 15, 32, 40}), Ausschlussmeldung},
      {ausserhalb(20, 150), Kombimeldung}},
     nichts,
     {"Veltrum 550C nur DN 20 ... DN 150!", "Veltrum 550C only DN 20 ... DN 150!",
      "Veltrum 550C uniquement DN 20 ... DN 150!", "Veltrum 550C sólo DN 20 ... DN 150!"},
     {"Veltrum 550C nicht in DN 10, 15, 32 und 40!", "Veltrum 550C not available in DN 10, 15, 32 and 40!",
      "Veltrum 550C non disponible en DN 10, 15, 32 et 40!", "Veltrum 550C no en DN 10, 15, 32 y 40!"},
     {"Nicht in DN 10, 10, 32 und 40!", "Not available in DN 10, 15, 32 and 40!",
      "Non disponible en DN 10, 15, 32 et 40!", "No en DN 10, 15, 32 y 40!"}},

    {Pruefname::Velt530,
     {{zwischen(10, 1600), BerechnenVelt530},
      {dn({2.5, 4, 6}) | groesser(1600), BerechnenVelt530gross},
      {ausserhalb(10, 3000), Bereichsmeldung}},
     nichts,
     {"Veltrum 530 nur DN 2.5 ... DN 3000!", "Veltrum 530 only DN 2.5 ... DN 3000!",
      "Veltrum 530 uniquement DN 2.5 ... DN 3000!", "Veltrum 530 sólo DN 2.5 ... DN 3000!"}},

    {Pruefname::Velt630,
     {{dn({2.5, 4, 6}), BerechnenVelt630klein},
      {dn({10, 15, 25, 40, 50, 80, 100, 150, 200, 250}), BerechnenVelt630},
      {dn({20, 32, 65, 125}) | groesser(250), Kombimeldung}},
     nichts,
     {"Veltrum 630 nur DN 2.5 ... DN 250!", "Veltrum 630 only DN 2.5 ... DN 250!",
      "Veltrum 630 uniquement DN 2.5 ... DN 250!", "Veltrum 630 sólo DN 2.5 ... DN 250!"},
     {},
     {"Nicht in DN 20, 32, 65 und 125!", "Not available in DN 20, 32, 65 and 125!",
      "Non disponible en DN 20, 32, 65 et 125!", "No en DN 20, 32, 65 y 125!"}},

    {Pruefname::Velt730,
     {{dn({2.5, 4, 6}), BerechnenVelt730klein},
      {dn({10, 15, 25, 40, 50, 65, 80, 100, 125, 150}), BerechnenVelt730},
      {dn({20, 32}) | groesser(150), Kombimeldung}},
     nichts,
     {"Veltrum 730 nur DN 2.5 ... DN 150!", "Veltrum 730 only DN 2.5 ... DN 150!",
      "Veltrum 730 uniquement DN 2.5 ... DN 150!", "Veltrum 730 sólo DN 2.5 ... DN 150!"},
     {},
     {"Nicht in DN 20 und 32!", "Not available in DN 20 and 32!", "Non disponible en DN 20 et 32!",
      "No en DN 20 y 32!"}},

    {Pruefname::Velt830C,
     {{dn({25, 40, 50, 80, 100}), BerechnenVelt830C},
      {dn({32, 65}) | ausserhalb(25, 100), Kombimeldung}},
     nichts,
     {"Veltrum 830C nur DN 25 ... DN 100!", "Veltrum 830C only DN 25 ... DN 100!",
      "Veltrum 830C uniquement DN 25 ... DN 100!", "Veltrum 830C sólo DN 25 ... DN 100!"},
     {},
     {"Nicht in DN 32 und 65!", "Not available in DN 32 and 65!", "Non disponible en DN 32 et 65!",
      "No en DN 32 y 65!"}},

    {Pruefname::Veltrum340,
     {{dn({50, 65, 80, 100, 125, 150, 200, 250, 300, 350, 400, 450, 500, 600}), BerechnenVeltrum340},
      {dn({550}) | ausserhalb(50, 600), Kombimeldung}},
     nichts,
     {"Veltrum 340 nur DN 50 ... DN 600!", "Veltrum 340 only DN 50 ... DN 600!",
      "Veltrum 340 uniquement DN 50 ... DN 600!", "Veltrum 340 sólo DN 50 ... DN 600!"},
     {},
     {"Nicht in DN 550!", "Not available in DN 550!", "Non disponible en DN 550!", "No en DN 550!"}},
}};
// clang-format on

}  // namespace fluvan::catalogue::regeln
