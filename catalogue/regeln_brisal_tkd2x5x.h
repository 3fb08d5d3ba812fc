#pragma once
// Size rules of Brisal 11 to 14 and TKD 21 to 56.
#include <array>

#include "catalogue/groessenregel.h"

namespace fluvan::catalogue::regeln {

using enum Satzname;
using enum Ablehnung;

// clang-format off
inline constexpr std::array<Groessenregel, 16> BrisalTKD2x5x{{
    {Pruefname::Brisal11,
     {{zwischen(10, 600), BerechnenBris11klein},
      {zwischen(650, 1000), BerechnenBris11gross},
      {ausserhalb(10, 1000), Bereichsmeldung}},
     nichts,
     {"Brisal11 nur DN 10 ... DN 1000!", "Brisal11 only DN 10 ... DN 1000!",
      "Brisal11 uniquement DN 10 ... DN 1000!", "Brisal11 sólo DN 10 ... DN 1000!"}},

    {Pruefname::Brisal12,
     {{zwischen(10, 1600), BerechnenBris12},
      {ausserhalb(10, 1600), Bereichsmeldung}},
     nichts,
     {"Brisal 12 nur DN 10 ... DN 1600!", "Brisal 12 only DN 10 ... DN 1600!",
      "Brisal 12 uniquement DN 10 ... DN 1600!", "Brisal 12 sólo DN 10 ... DN 1600!"}},

    {Pruefname::Brisal13,
     {{zwischen(10, 1600), BerechnenBris13},
      {ausserhalb(10, 1600), Bereichsmeldung}},
     nichts,
     {"Brisal 13 nur DN 10 ... DN 1600!", "Brisal 13 only DN 10 ... DN 1600!",
      "Brisal 13 uniquement DN 10 ... DN 1600!", "Brisal 13 sólo DN 10 ... DN 1600!"}},

    {Pruefname::Brisal14,
     {{zwischen(10, 3000), BerechnenBris14},
      {ausserhalb(10, 3000), Bereichsmeldung}},
     nichts,
     {"Brisal 14 nur DN 10 ... DN 3000!", "Brisal 14 only DN 10 ... DN 3000!",
      "Brisal 14 uniquement DN 10 ... DN 3000!", "Brisal 14 sólo DN 10 ... DN 3000!"}},

    {Pruefname::TKD21,
     {{dn({10, 15, 25, 40, 50, 80, 100, 150}), BerechnenTKD21},
      {dn({20, 32, 65, 125}), Ausschlussmeldung},
      {ausserhalb(10, 150), Kombimeldung}},
     nichts,
     {"TKD 21 nur DN 10 ... DN 150!", "TKD 21 only DN 10 ... DN 150!",
      "TKD 21 uniquement DN 10 ... DN 150!", "TKD 21 sólo DN 10 ... DN 150!"},
     {"TKD 21 nicht in DN 20, 32, 40, 65 und 125!", "TKD 21 not available in DN 20, 32, 40, 65 and 125!",
      "TKD 21 non disponible en DN 20, 32, 40, 65 und 125!", "TKD 21 no en DN 20, 32, 40, 65 y 125!"},
     {"Nicht in DN 20, 32, 40, 65 und 125!", "Not available in DN 20, 32, 40, 65 und 125!",
      "Non disponible en DN 20, 32, 40, 65 et 125!", "No en DN 20, 32, 40, 65 y 125!"}},

    {Pruefname::TKD22,
     {{dn({10, 15, 25, 40, 50, 80, 100, 150}), BerechnenTKD22},
      {dn({20, 32, 65, 125}), Ausschlussmeldung},
      {ausserhalb(10, 150), Kombimeldung}},
     nichts,
     {"TKD 22 nur DN 10 ... DN 150!", "TKD 22 only DN 10 ... DN 150!",
      "TKD 22 uniquement DN 10 ... DN 150!", "TKD 22 sólo DN 10 ... DN 150!"},
     {"TKD 22 nicht in DN 20, 32, 40, 65 und 125!", "TKD 22 nicht in DN 20, 32, 40, 65 und 125!",
      "TKD 22 non disponible en DN 20, 32, 40, 65 und 125!", "TKD 22 no en DN 20, 32, 40, 65 y 125!"},
     {"Nicht in DN 20, 32, 40, 65 und 125!", "Not available in DN 20, 32, 40, 65 und 125!",
      " Non disponible en DN 20, 32, 40, 65 et 125!", "No en DN 20, 32, 40, 65 y 125!"}},

    {Pruefname::TKD23,
     {{dn({10, 15, 25, 40, 50, 80, 100, 150}), BerechnenTKD23},
      {dn({20, 32, 65, 125}), Ausschlussmeldung},
      {ausserhalb(10, 150), Kombimeldung}},
     nichts,
     {"TKD 23 nur DN 10 ... DN 150!", "TKD 23 only DN 10 ... DN 150!",
      "TKD 23 uniquementDN 10 ... DN 150!", "TKD 23 sólo DN 10 ... DN 150!"},
     {"TKD 23 nicht in DN 20, 32, 40, 65 und 125!", "TKD 23 not available in DN 20, 32, 40, 65 and 125!",
      "TKD 23 non disponible en DN 20, 32, 40, 65 und 125!", "TKD 23 no en DN 20, 32, 40, 65 y 125!"},
     {"Nicht in DN 20, 32, 40, 65 und 125!", "Not available in DN 20, 32, 40, 65 and 125!",
      "Non disponible en DN 20, 32, 40, 65 et 125!", "No en DN 20, 32, 40, 65 y 125!"}},

    {Pruefname::TKD24,
     {{dn({10, 15, 25, 40, 50, 80, 100, 150}), BerechnenTKD24},
      {dn({20, 32, 65, 125}), Ausschlussmeldung},
      {ausserhalb(10, 150), Kombimeldung}},
     nichts,
     {"TKD 24 nur DN 10 ... DN 150!", "TKD 24 only DN 10 ... DN 150!",
      "TKD 24 uniquement DN 10 ... DN 150!", "TKD 24 sólo DN 10 ... DN 150!"},
     {"TKD 24 nicht in DN 20, 32, 40, 65 und 125!", "TKD 24 not available in DN 20, 32, 40, 65 und 125!",
      "TKD 24 non disponible en DN 20, 32, 40, 65 und 125!", "TKD 24 no en DN 20, 32, 40, 65 y 125!"},
     {"Nicht in DN 20, 32, 40 und 65!", "Not available in DN 20, 32, 40 and 65!",
      "Non disponible en DN 20, 32, 40 et 65!", "No en DN 20, 32, 40 y 65!"}},

    {Pruefname::TKD34,
     {{zwischen(150, 250), BerechnenTKD34},
      {ausserhalb(150, 250), Bereichsmeldung}},
     nichts,
     {"TKD 34 nur DN 150 ... DN 250!", "TKD 34 only DN 150 ... DN 250!",
      "TKD 34 uniquement DN 150 ... DN 250!", "TKD 34 sólo DN 150 ... DN 250!"}},

    {Pruefname::TKD35,
     {{zwischen(150, 250), BerechnenTKD35},
      {ausserhalb(150, 250), Bereichsmeldung}},
     nichts,
     {"TKD 35 nur DN 150 ... DN 250!", "TKD 35 only DN 150 ... DN 250!",
      "TKD 35 uniquement DN 150 ... DN 250!", "TKD 35 sólo DN 150 ... DN 250!"}},

    {Pruefname::TKD51,
     {{zwischen(10, 600), BerechnenTKD51klein},
      {zwischen(650, 1000), BerechnenTKD51gross}},
     Bereichsmeldung,
     {"TKD 51 nur DN 10 ... DN 1000!", "TKD 51 only DN 10 ... DN 1000!",
      "TKD 51 uniquement DN 10 ... DN 1000!", "TKD 51 sólo DN 10 ... DN 1000!"}},

    {Pruefname::TKD52,
     {{zwischen(10, 1600), BerechnenTKD52},
      {ausserhalb(10, 1600), Bereichsmeldung}},
     nichts,
     {"TKD 52 nur DN 10 ... DN 1600!", "TKD 52 only DN 10 ... DN 1600!",
      "TKD 52 uniquement DN 10 ... DN 1600!", "TKD 52 sólo DN 10 ... DN 1600!"}},

    // DN 40 is excluded, as its texts say; it is in neither list of TKD 56.
    {Pruefname::TKD56,
     {{dn({10, 15, 25, 50, 80, 100, 150}), BerechnenTKD56},
      {dn({20, 32, 40, 65, 125}), Ausschlussmeldung},
      {ausserhalb(10, 150), Kombimeldung}},
     nichts,
     {"TKD 56 nur DN 10 ... DN 150!", "TKD 56 only DN 10 ... DN 150!",
      "TKD 56 uniquement DN 10 ... DN 150!", "TKD 56 sólo DN 10 ... DN 150!"},
     {"TKD 56 nicht in DN 20, 32, 40, 65 und 125!", "TKD 56 nicht in DN 20, 32, 40, 65 und 125!",
      "TKD 56 non disponible en DN 20, 32, 40, 65 und 125!", "TKD 56 no en DN 20, 32, 40, 65 y 125!"},
     {"Nicht in DN 20, 32, 40, 65 und 125!", "Not available in DN 20, 32, 40, 65 and 125!",
      "Non disponible en DN 20, 32, 40, 65 et 125!", "No en DN 20, 32, 40, 65 y 125!"}},

    {Pruefname::TKD53,
     {{zwischen(10, 1600), BerechnenTKD53},
      {ausserhalb(10, 1600), Bereichsmeldung}},
     nichts,
     {"TKD 53 nur DN 10 ... DN 1600!", "TKD 53 only DN 10 ... DN 1600!",
      "TKD 53 uniquement DN 10 ... DN 1600!", "TKD 53 sólo DN 10 ... DN 1600!"}},

    {Pruefname::TKD54,
     {{zwischen(10, 2000), BerechnenTKD54},
      {ausserhalb(10, 2000), Bereichsmeldung}},
     nichts,
     {"TKD 54 nur DN 10 ... DN 2000!", "TKD 54 only DN 10 ... DN 2000!",
      "TKD 54 uniquement DN 10 ... DN 2000!", "TKD 54 sólo DN 10 ... DN 2000!"}},

    {Pruefname::TKD55,
     {{zwischen(50, 2000), BerechnenTKD55klein},
      {bereich(Operator::Groesser, 2000, Operator::KleinerGleich, 3000), BerechnenTKD55gross}},
     Bereichsmeldung,
     {"TKD 55 nur DN 50 ... DN 3000!", "TKD 55 only DN 50 ... DN 3000!",
      "TKD 55 uniquement DN 50 ... DN 3000!", "TKD 55 sólo DN 50 ... DN 3000!"}},
}};
// clang-format on

}  // namespace fluvan::catalogue::regeln
