#pragma once
// An enum whose values carry their names as texts, from one list macro
// LISTE(X) that names each value once as X(Name).
#include <array>
#include <cstddef>
#include <string_view>

#define FLUVAN_NAMENSLISTE_WERT(n) n,
#define FLUVAN_NAMENSLISTE_TEXT(n) std::string_view(#n),

#define FLUVAN_BENANNTE_AUFZAEHLUNG(Typ, Namen, LISTE) \
    enum class Typ { LISTE(FLUVAN_NAMENSLISTE_WERT) }; \
    inline constexpr std::array Namen = {LISTE(FLUVAN_NAMENSLISTE_TEXT)}; \
    constexpr std::string_view name(Typ wert) { return Namen[static_cast<std::size_t>(wert)]; }
