// From the calculate click to the result sheet shown and painted, offscreen;
// beside it a bare window with as many labels as the sheet, shown the same way.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <cstdio>

#include "app/Bild1.h"
#include "app/ergebnisanzeige.h"
#include "app/frmHauptForm.h"
#include "base/variable.h"
#include "platform/dienste.h"
#include "platform/fensterregister.h"

namespace {

using namespace fluvan;
using app::frmHauptForm;

// Shown means: on the screen and painted once.
void warteAufBild(QWidget* fenster) {
    if (!fenster || !QTest::qWaitForWindowExposed(fenster)) std::fprintf(stderr, "window not exposed\n");
    QCoreApplication::processEvents();
}

// Counts the paintings of the sheet's chart, the last control the sheet paints,
// so the figures show that "shown" includes the painting.
struct Malzaehler : QObject {
    int gemalt = 0;
    bool eventFilter(QObject* ziel, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint && ziel->objectName() == QStringLiteral("MSChart1")) ++gemalt;
        return false;
    }
};

void schliesseBlatt() {
    delete platform::offenesFenster<app::Bild1>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmHauptForm* offeneHauptform() {
    base::Variable::instanz().Sprache = "D";
    frmHauptForm* form = platform::zeigeFenster<frmHauptForm>();
    form->cboMIDDN->setCurrentIndex(9);  // DN 50
    form->txtVolumen->setText(QStringLiteral("12.5"));
    return form;
}

void BM_BerechnenBisBlattGezeigt(benchmark::State& state) {
    frmHauptForm* form = offeneHauptform();
    warteAufBild(form);
    Malzaehler zaehler;
    qApp->installEventFilter(&zaehler);
    for (auto _ : state) {
        form->cmdFehlerkurve->click();
        warteAufBild(platform::offenesFenster<app::Bild1>());
        state.PauseTiming();
        schliesseBlatt();
        state.ResumeTiming();
    }
    qApp->removeEventFilter(&zaehler);
    state.counters["chart_paints_per_show"] = static_cast<double>(zaehler.gemalt) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_BerechnenBisBlattGezeigt)->Unit(benchmark::kMillisecond);

// The same click with the sheet open: it reads the new result and comes to the front.
void BM_BerechnenMitOffenemBlatt(benchmark::State& state) {
    frmHauptForm* form = offeneHauptform();
    form->cmdFehlerkurve->click();
    warteAufBild(platform::offenesFenster<app::Bild1>());
    for (auto _ : state) {
        form->cmdFehlerkurve->click();
        QCoreApplication::processEvents();
    }
    schliesseBlatt();
}
BENCHMARK(BM_BerechnenMitOffenemBlatt)->Unit(benchmark::kMillisecond);

// 63 plain labels with short texts in a window of the sheet's size.
void BM_LeeresFensterMitGleichVielenLabels(benchmark::State& state) {
    for (auto _ : state) {
        auto* fenster = new QMainWindow;
        auto* innen = new QWidget(fenster);
        fenster->setCentralWidget(innen);
        innen->setFixedSize(813, 564);
        for (int i = 0; i < 63; ++i) {
            auto* label = new QLabel(QStringLiteral(" F = ±0,457 %"), innen);
            label->setGeometry(544 + (i % 3) * 88, 16 * (i / 3), 81, 17);
        }
        fenster->show();
        warteAufBild(fenster);
        state.PauseTiming();
        delete fenster;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LeeresFensterMitGleichVielenLabels)->Unit(benchmark::kMillisecond);

// The offscreen platform reports every window feature it lacks; the figures matter here.
void ohnePlattformhinweise(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
    qt_message_output(art, ort, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(ohnePlattformhinweise);
    QApplication anwendung(argc, argv);
    platform::dienste().ergebnis = &app::ergebnisanzeige();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete platform::offenesFenster<frmHauptForm>();
    return 0;
}
