#pragma once
// The names of the 47 size checks, one per meter model.
#include <array>
#include <string_view>

namespace fluvan {

#define FLUVAN_GROESSENPRUEFUNGEN(X) \
    X(Brisal11) \
    X(Brisal12) \
    X(Brisal13) \
    X(Brisal14) \
    X(TKD21) \
    X(TKD22) \
    X(TKD23) \
    X(TKD24) \
    X(TKD34) \
    X(TKD35) \
    X(TKD51) \
    X(TKD52) \
    X(TKD56) \
    X(TKD53) \
    X(TKD54) \
    X(TKD55) \
    X(TKD61) \
    X(TKD62) \
    X(TKD63) \
    X(TKD63CAP) \
    X(TKD64) \
    X(TKD71) \
    X(TKD72) \
    X(TKD73) \
    X(TKD74) \
    X(Velt210) \
    X(Velt310) \
    X(Velt510) \
    X(Velt610) \
    X(Velt710) \
    X(Velt230) \
    X(Velt330) \
    X(Velt550C) \
    X(Velt530) \
    X(Velt630) \
    X(Velt730) \
    X(Velt830C) \
    X(Veltrum340) \
    X(RSN70) \
    X(RSN70HT) \
    X(RSN70HP) \
    X(RSN90) \
    X(Veltrum220) \
    X(Veltrum320) \
    X(Veltrum520) \
    X(Veltrum620) \
    X(Veltrum720) \

enum class Pruefname {
#define FLUVAN_ENUM(n) n,
    FLUVAN_GROESSENPRUEFUNGEN(FLUVAN_ENUM)
#undef FLUVAN_ENUM
};

inline constexpr std::array<std::string_view, 47> Pruefnamen = {
#define FLUVAN_TEXT(n) #n,
    FLUVAN_GROESSENPRUEFUNGEN(FLUVAN_TEXT)
#undef FLUVAN_TEXT
};

constexpr std::string_view name(Pruefname p) { return Pruefnamen[static_cast<std::size_t>(p)]; }

}  // namespace fluvan
