#pragma once
// The names of the 65 accuracy parameter sets. The size checks call a set by
// one of these names, so a misspelt or missing set does not compile.
#include "base/namensliste.h"

namespace fluvan::parameters {

#define FLUVAN_PARAMETERSAETZE(X) \
    X(BerechnenBris11klein) \
    X(BerechnenBris11gross) \
    X(BerechnenBris12) \
    X(BerechnenBris13) \
    X(BerechnenBris14) \
    X(BerechnenTKD21) \
    X(BerechnenTKD22) \
    X(BerechnenTKD23) \
    X(BerechnenTKD24) \
    X(BerechnenTKD34) \
    X(BerechnenTKD35) \
    X(BerechnenTKD51klein) \
    X(BerechnenTKD51gross) \
    X(BerechnenTKD52) \
    X(BerechnenTKD56) \
    X(BerechnenTKD53) \
    X(BerechnenTKD54) \
    X(BerechnenTKD55klein) \
    X(BerechnenTKD55gross) \
    X(BerechnenTKD61klein) \
    X(BerechnenTKD61gross) \
    X(BerechnenTKD62klein) \
    X(BerechnenTKD62gross) \
    X(BerechnenTKD63klein) \
    X(BerechnenTKD63gross) \
    X(BerechnenTKD63CAP) \
    X(BerechnenTKD64klein) \
    X(BerechnenTKD64gross) \
    X(BerechnenTKD71) \
    X(BerechnenTKD72klein) \
    X(BerechnenTKD72gross) \
    X(BerechnenTKD72mittel) \
    X(BerechnenTKD73klein) \
    X(BerechnenTKD73gross) \
    X(BerechnenTKD73mittel) \
    X(BerechnenTKD74klein) \
    X(BerechnenTKD74gross) \
    X(BerechnenVelt210) \
    X(BerechnenVelt310) \
    X(BerechnenVelt510) \
    X(BerechnenVelt610) \
    X(BerechnenVelt610klein) \
    X(BerechnenVelt710) \
    X(BerechnenVelt230) \
    X(BerechnenVelt330) \
    X(BerechnenVelt330gross) \
    X(BerechnenVelt550C) \
    X(BerechnenVelt530) \
    X(BerechnenVelt530gross) \
    X(BerechnenVelt630klein) \
    X(BerechnenVelt630) \
    X(BerechnenVelt730) \
    X(BerechnenVelt730klein) \
    X(BerechnenVelt830C) \
    X(BerechnenVeltrum340) \
    X(BerechnenVeltrum220) \
    X(BerechnenVeltrum320) \
    X(BerechnenVeltrum520) \
    X(BerechnenVeltrum620) \
    X(BerechnenVeltrum620klein) \
    X(BerechnenVeltrum720) \
    X(BerechnenRSN70) \
    X(BerechnenRSN70HT) \
    X(BerechnenRSN70HP) \
    X(BerechnenRSN90)

FLUVAN_BENANNTE_AUFZAEHLUNG(Satzname, Satznamen, FLUVAN_PARAMETERSAETZE)
static_assert(Satznamen.size() == 65);

}  // namespace fluvan::parameters
