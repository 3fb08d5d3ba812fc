#pragma once
// The model table: the 47 models in list order, each with its list text, its
// size check and the series of its installation lengths. The list, the
// dispatch of the calculation and the length series all read this one table.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "catalogue/pruefname.h"

namespace fluvan::catalogue {

struct Modell {
    std::string_view text;  // the list text, also the key of the dispatch
    Pruefname pruefung;
    int baureihe;  // the series of the length table
};

inline constexpr std::array<Modell, 47> Modelle = [] {
    using enum Pruefname;
    // clang-format off
    return std::array<Modell, 47>{{
        {"Brisal 11", Brisal11, 1},        {"Brisal 12", Brisal12, 1},
        {"Brisal 13", Brisal13, 1},        {"Brisal 14", Brisal14, 1},
        {"TKD 21", TKD21, 2},              {"TKD 22", TKD22, 2},
        {"TKD 23", TKD23, 2},              {"TKD 24", TKD24, 2},
        {"TKD 34", TKD34, 3},              {"TKD 35", TKD35, 3},
        {"TKD 51", TKD51, 4},              {"TKD 52", TKD52, 4},
        {"TKD 56", TKD56, 4},              {"TKD 53", TKD53, 4},
        {"TKD 54", TKD54, 4},              {"TKD 55", TKD55, 4},
        {"TKD 61", TKD61, 3},              {"TKD 62", TKD62, 3},
        {"TKD 63", TKD63, 3},              {"TKD 63CAP", TKD63CAP, 3},
        {"TKD 64", TKD64, 3},              {"TKD 71", TKD71, 5},
        {"TKD 72", TKD72, 5},              {"TKD 73", TKD73, 5},
        {"TKD 74", TKD74, 5},              {"Veltrum 210", Velt210, 2},
        {"Veltrum 310", Velt310, 1},       {"Veltrum 510", Velt510, 4},
        {"Veltrum 610", Velt610, 3},       {"Veltrum 710", Velt710, 5},
        {"Veltrum 230", Velt230, 2},       {"Veltrum 330", Velt330, 1},
        {"Veltrum 550C", Velt550C, 4},     {"Veltrum 530", Velt530, 4},
        {"Veltrum 630", Velt630, 3},       {"Veltrum 730", Velt730, 5},
        {"Veltrum 830C", Velt830C, 3},     {"Veltrum 340", Veltrum340, 1},
        {"Veltrum 220", Veltrum220, 2},    {"Veltrum 320", Veltrum320, 1},
        {"Veltrum 520", Veltrum520, 4},    {"Veltrum 620", Veltrum620, 3},
        {"Veltrum 720", Veltrum720, 5},    {"RSN 70", RSN70, 6},
        {"RSN 70 HT/LT", RSN70HT, 6},      {"RSN 70 HP", RSN70HP, 6},
        {"RSN 90", RSN90, 7},
    }};
    // clang-format on
}();

// The row of a list text; the whole text must match, case included.
constexpr const Modell* modellFuer(std::string_view text) {
    for (const Modell& m : Modelle)
        if (m.text == text) return &m;
    return nullptr;
}

// The list index of a model text; a text not in the table does not compile
// where it is used in a constant expression.
consteval int listenindex(std::string_view text) {
    for (std::size_t i = 0; i < Modelle.size(); ++i)
        if (Modelle[i].text == text) return static_cast<int>(i);
    throw "kein Modell dieses Namens";
}

namespace modelle_pruefung {
constexpr bool eindeutig() {
    std::array<int, Pruefnamen.size()> anzahl{};
    for (std::size_t i = 0; i < Modelle.size(); ++i) {
        ++anzahl[static_cast<std::size_t>(Modelle[i].pruefung)];
        for (std::size_t j = 0; j < i; ++j)
            if (Modelle[i].text == Modelle[j].text) return false;
        if (Modelle[i].baureihe < 1 || Modelle[i].baureihe > 7) return false;
    }
    for (int n : anzahl)
        if (n != 1) return false;
    return true;
}
static_assert(eindeutig(), "each model once, each size check once, a series 1..7 for each");
}  // namespace modelle_pruefung

}  // namespace fluvan::catalogue
