#pragma once
// The names of the 47 size checks, one per meter model.
#include "base/namensliste.h"

namespace fluvan::catalogue {

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
    X(Veltrum720)

FLUVAN_BENANNTE_AUFZAEHLUNG(Pruefname, Pruefnamen, FLUVAN_GROESSENPRUEFUNGEN)
static_assert(Pruefnamen.size() == 47);

}  // namespace fluvan::catalogue
