#pragma once
// Typzuordnung: model display text to the model's size check, in the order
// the calculation run compares them.
#include <array>
#include <optional>
#include <string_view>

#include "catalogue/pruefname.h"

namespace fluvan {

struct Typ {
    std::string_view modelltext;
    Pruefname pruefung;
};

inline constexpr std::array<Typ, 47> Typzuordnung = {{
    {"Brisal 11", Pruefname::Brisal11},       {"Brisal 12", Pruefname::Brisal12},
    {"Brisal 13", Pruefname::Brisal13},       {"Brisal 14", Pruefname::Brisal14},
    {"TKD 21", Pruefname::TKD21},             {"TKD 22", Pruefname::TKD22},
    {"TKD 23", Pruefname::TKD23},             {"TKD 24", Pruefname::TKD24},
    {"TKD 34", Pruefname::TKD34},             {"TKD 35", Pruefname::TKD35},
    {"TKD 51", Pruefname::TKD51},             {"TKD 52", Pruefname::TKD52},
    {"TKD 56", Pruefname::TKD56},             {"TKD 53", Pruefname::TKD53},
    {"TKD 54", Pruefname::TKD54},             {"TKD 55", Pruefname::TKD55},
    {"TKD 61", Pruefname::TKD61},             {"TKD 62", Pruefname::TKD62},
    {"TKD 63", Pruefname::TKD63},             {"TKD 63CAP", Pruefname::TKD63CAP},
    {"TKD 64", Pruefname::TKD64},             {"TKD 71", Pruefname::TKD71},
    {"TKD 72", Pruefname::TKD72},             {"TKD 73", Pruefname::TKD73},
    {"TKD 74", Pruefname::TKD74},             {"Veltrum 210", Pruefname::Velt210},
    {"Veltrum 310", Pruefname::Velt310},      {"Veltrum 510", Pruefname::Velt510},
    {"Veltrum 610", Pruefname::Velt610},      {"Veltrum 710", Pruefname::Velt710},
    {"Veltrum 230", Pruefname::Velt230},      {"Veltrum 330", Pruefname::Velt330},
    {"Veltrum 550C", Pruefname::Velt550C},    {"Veltrum 530", Pruefname::Velt530},
    {"Veltrum 630", Pruefname::Velt630},      {"Veltrum 730", Pruefname::Velt730},
    {"Veltrum 830C", Pruefname::Velt830C},    {"Veltrum 340", Pruefname::Veltrum340},
    {"RSN 70", Pruefname::RSN70},             {"RSN 70 HT/LT", Pruefname::RSN70HT},
    {"RSN 70 HP", Pruefname::RSN70HP},        {"RSN 90", Pruefname::RSN90},
    {"Veltrum 220", Pruefname::Veltrum220},   {"Veltrum 320", Pruefname::Veltrum320},
    {"Veltrum 520", Pruefname::Veltrum520},   {"Veltrum 620", Pruefname::Veltrum620},
    {"Veltrum 720", Pruefname::Veltrum720},
}};

constexpr std::optional<Pruefname> pruefungFuer(std::string_view geraetetyp) {
    for (const Typ& typ : Typzuordnung)
        if (typ.modelltext == geraetetyp) return typ.pruefung;
    return std::nullopt;
}

}  // namespace fluvan
