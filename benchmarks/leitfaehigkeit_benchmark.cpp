// The conductivity window, offscreen: from the main form's menu command to the
// window shown with its first passage, and one further selection in its list.
// Both read the shipped document afresh, as every selection does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdio>

#include "app/frmHauptForm.h"
#include "app/frmLeitfaehigkeit.h"
#include "base/variable.h"
#include "platform/fensterregister.h"

namespace {

using fluvan::app::frmLeitfaehigkeit;
using fluvan::platform::offenesFenster;

fluvan::app::frmHauptForm* hauptform() {
    fluvan::base::Variable::instanz().Sprache = "GB";
    return fluvan::platform::zeigeFenster<fluvan::app::frmHauptForm>();
}

// Shown means: on the screen and painted once.
frmLeitfaehigkeit* oeffne(fluvan::app::frmHauptForm* form) {
    form->mnuLeitfaehigkeit->trigger();
    frmLeitfaehigkeit* fenster = offenesFenster<frmLeitfaehigkeit>();
    if (!QTest::qWaitForWindowExposed(fenster)) std::fprintf(stderr, "window not exposed\n");
    QCoreApplication::processEvents();
    return fenster;
}

void BM_MenueBisErstePassage(benchmark::State& state) {
    fluvan::app::frmHauptForm* form = hauptform();
    for (auto _ : state) {
        frmLeitfaehigkeit* fenster = oeffne(form);
        benchmark::DoNotOptimize(fenster->RichTextBox1->document()->characterCount());
        state.PauseTiming();
        delete fenster;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MenueBisErstePassage)->Unit(benchmark::kMillisecond);

// "Pyridine" and "Propionaldehyde" in turn, so that every round changes the selection.
void BM_WeitereAuswahl(benchmark::State& state) {
    frmLeitfaehigkeit* fenster = oeffne(hauptform());
    int zeile = 279;
    for (auto _ : state) {
        zeile = zeile == 279 ? 284 : 279;
        fenster->List1->setCurrentRow(zeile);
        QCoreApplication::processEvents();
    }
    delete fenster;
}
BENCHMARK(BM_WeitereAuswahl)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete offenesFenster<fluvan::app::frmHauptForm>();
    return 0;
}
