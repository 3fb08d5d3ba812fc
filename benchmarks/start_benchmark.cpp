// Program start to the start screen shown, offscreen. Prints the first start
// of this process (Qt set-up, fonts, pictures), then times later showings.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <chrono>
#include <cstdio>

#include "app/frmSplashscreen.h"
#include "platform/anwendung.h"
#include "platform/fensterregister.h"

namespace {

// Shown means: on the screen and painted once.
void zeigeStartbild() {
    auto* start = fluvan::platform::zeigeFenster<fluvan::app::frmSplashscreen>();
    if (!QTest::qWaitForWindowExposed(start)) std::fprintf(stderr, "start screen not exposed\n");
    QCoreApplication::processEvents();
}

void schliesseStartbild() { delete fluvan::platform::offenesFenster<fluvan::app::frmSplashscreen>(); }

void BM_StartbildZeigen(benchmark::State& state) {
    for (auto _ : state) {
        zeigeStartbild();
        state.PauseTiming();
        schliesseStartbild();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartbildZeigen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const auto beginn = std::chrono::steady_clock::now();
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    fluvan::platform::richteAnwendungEin();
    zeigeStartbild();
    const std::chrono::duration<double, std::milli> erster = std::chrono::steady_clock::now() - beginn;
    std::printf("first start to start screen shown: %.1f ms\n", erster.count());
    schliesseStartbild();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
