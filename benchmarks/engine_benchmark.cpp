// One whole calculation of the engine (installation length, velocity, error
// curve, pressure loss), and the number-to-text conversion.
#include <benchmark/benchmark.h>

#include "fakes/fakes.h"

namespace {

using fluvan::fakes::Kette;

void EineBerechnung(benchmark::State& state) {
    Kette k;
    k.formular.volumen = "10";
    k.v.Nennweite = "50";
    for (auto _ : state) {
        // Veltrum 220 at DN 50: inputs, length, velocity, size check, curve, pressure loss.
        k.lauf.cmdFehlerkurve_Click();
        benchmark::DoNotOptimize(k.v.Druckabfall.punkt.data());
    }
    if (k.anzeige.gezeigt == 0 || !k.meldungen.gezeigt.empty()) state.SkipWithError("no result");
}
BENCHMARK(EineBerechnung);

void ZahlText(benchmark::State& state) {
    const float werte[] = {68, 3.537f, 0.667f, 12345678, 1.5f, 0.00001f, 2700, 13.33f};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fluvan::base::zahlText(werte[i++ % 8], ","));
    }
}
BENCHMARK(ZahlText);

}  // namespace

BENCHMARK_MAIN();
