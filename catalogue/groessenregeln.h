#pragma once
// The size rules of all 47 models, found by the name of their size check.
#include <cstddef>

#include "catalogue/groessenregel.h"
#include "catalogue/regeln_brisal_tkd2x5x.h"
#include "catalogue/regeln_rsn_veltrum_x20.h"
#include "catalogue/regeln_tkd6x7x.h"
#include "catalogue/regeln_veltrum_x10_x30.h"

namespace fluvan::catalogue {

namespace regeln {

// Calls f for every row of every family.
template <class F>
constexpr void jedeRegel(F f) {
    for (const Groessenregel& r : BrisalTKD2x5x) f(r);
    for (const Groessenregel& r : TKD6x7x) f(r);
    for (const Groessenregel& r : VeltrumX10X30) f(r);
    for (const Groessenregel& r : RSNVeltrumX20) f(r);
}

constexpr bool vorhanden(const base::Texte& t) { return !t.D.empty() && !t.GB.empty() && !t.F.empty() && !t.E.empty(); }

// A row may name only texts it has: a Kombimeldung needs both of its parts.
constexpr bool textVorhanden(const Groessenregel& r, const Ausgang& a) {
    if (!std::holds_alternative<Ablehnung>(a)) return true;
    switch (std::get<Ablehnung>(a)) {
        case Ablehnung::Bereichsmeldung: return vorhanden(r.Bereichsmeldung);
        case Ablehnung::Ausschlussmeldung: return vorhanden(r.Ausschlussmeldung);
        case Ablehnung::Kombimeldung: return vorhanden(r.Bereichsmeldung) && vorhanden(r.Ausschlusszeile);
    }
    return false;
}

constexpr bool vollstaendig() {
    std::size_t anzahl[Pruefnamen.size()]{};
    bool texte = true;
    jedeRegel([&](const Groessenregel& r) {
        ++anzahl[static_cast<std::size_t>(r.name)];
        texte = texte && vorhanden(r.Bereichsmeldung) && textVorhanden(r, r.sonst);
        for (const Test& t : r.tests) texte = texte && textVorhanden(r, t.ausgang);
    });
    for (std::size_t n : anzahl)
        if (n != 1) return false;
    return texte;
}
static_assert(vollstaendig(), "every size check has exactly one row, with every text it shows");

}  // namespace regeln

constexpr const Groessenregel& regelFuer(Pruefname pruefung) {
    const Groessenregel* gefunden = nullptr;
    regeln::jedeRegel([&](const Groessenregel& r) {
        if (r.name == pruefung) gefunden = &r;
    });
    return *gefunden;
}

}  // namespace fluvan::catalogue
