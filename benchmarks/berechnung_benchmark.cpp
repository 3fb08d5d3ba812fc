// The whole calculation from the calculate button to the filled curve arrays,
// for every model at one accepted size.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "fakes/fakes.h"

namespace {

struct Modell {
    const char* text;
    const char* nennweite;
    const char* endwert;  // m3/h, inside the model's velocity range
};

// clang-format off
constexpr std::array<Modell, 47> Modelle = {{
    {"Brisal 11", "50", "5.65"},       {"Brisal 12", "100", "70.7"},      {"Brisal 13", "1600", "26800"},
    {"Brisal 14", "3000", "153000"},   {"TKD 21", "40", "43"},            {"TKD 22", "10", "0.127"},
    {"TKD 23", "150", "70"},           {"TKD 24", "25", "7.78"},          {"TKD 34", "150", "700"},
    {"TKD 35", "250", "61.9"},         {"TKD 51", "10", "0.226"},         {"TKD 52", "32", "7.24"},
    {"TKD 56", "80", "67"},            {"TKD 53", "1600", "43400"},       {"TKD 54", "2000", "107000"},
    {"TKD 55", "50", "3.18"},          {"TKD 61", "100", "311"},          {"TKD 62", "80", "14.5"},
    {"TKD 63", "50", "17.7"},          {"TKD 63CAP", "25", "6.54"},       {"TKD 64", "40", "43"},
    {"TKD 71", "125", "19.9"},         {"TKD 72", "65", "131"},           {"TKD 73", "150", "95.4"},
    {"TKD 74", "100", "105"},          {"Veltrum 210", "50", "42.4"},     {"Veltrum 310", "1000", "26900"},
    {"Veltrum 510", "10", "0.127"},    {"Veltrum 610", "15", "0.7"},      {"Veltrum 710", "125", "486"},
    {"Veltrum 230", "80", "6.33"},     {"Veltrum 330", "25", "1.41"},     {"Veltrum 550C", "20", "2.83"},
    {"Veltrum 530", "1200", "15100"},  {"Veltrum 630", "200", "50.9"},    {"Veltrum 730", "40", "19.9"},
    {"Veltrum 830C", "100", "311"},    {"Veltrum 340", "600", "356"},     {"RSN 70", "3000", "30500"},
    {"RSN 70 HT/LT", "300", "573"},    {"RSN 70 HP", "80", "67.9"},       {"RSN 90", "400", "2510"},
    {"Veltrum 220", "10", "1.7"},      {"Veltrum 320", "1200", "38700"},  {"Veltrum 520", "1600", "3260"},
    {"Veltrum 620", "250", "778"},     {"Veltrum 720", "65", "131"},
}};
// clang-format on

void waehle(fluvan::fakes::Kette& k, const Modell& m) {
    k.v.Geraetetyp = m.text;
    k.v.Nennweite = m.nennweite;
    k.formular.volumen = m.endwert;
}

// A run that shows a box or no sheet measures something else.
bool vollstaendig(const fluvan::fakes::Kette& k, int erwarteteAnzeigen) {
    return k.meldungen.gezeigt.empty() && k.anzeige.gezeigt == erwarteteAnzeigen;
}

void AlleModelle(benchmark::State& state) {
    fluvan::fakes::Kette k;
    for (auto _ : state) {
        k.anzeige.gezeigt = 0;
        for (const Modell& m : Modelle) {
            waehle(k, m);
            k.lauf.cmdFehlerkurve_Click();
        }
        benchmark::DoNotOptimize(k.v.Druckabfall.punkt.data());
        if (!vollstaendig(k, static_cast<int>(Modelle.size()))) {
            state.SkipWithError("a model did not reach its curve");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Modelle.size()));
}
BENCHMARK(AlleModelle);

void EinModell(benchmark::State& state, const Modell& m) {
    fluvan::fakes::Kette k;
    waehle(k, m);
    for (auto _ : state) {
        k.anzeige.gezeigt = 0;
        k.lauf.cmdFehlerkurve_Click();
        benchmark::DoNotOptimize(k.v.Druckabfall.punkt.data());
        if (!vollstaendig(k, 1)) {
            state.SkipWithError("the model did not reach its curve");
            break;
        }
    }
}

const bool registriert = [] {
    for (const Modell& m : Modelle) {
        std::string name = "EinModell/";
        name.append(m.text);
        benchmark::RegisterBenchmark(name.c_str(), EinModell, m);
    }
    return true;
}();

}  // namespace
