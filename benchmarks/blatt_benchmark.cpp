// From the calculate click to the result sheet shown and painted, offscreen;
// beside it a bare window with as many labels as the sheet, shown the same way;
// and one print of the sheet to a PDF file, from its menu command.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
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
    state.counters["chart_paints_per_show"] =
        static_cast<double>(zaehler.gemalt) / static_cast<double>(state.iterations());
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

// "Print to file" confirmed at once.
class PdfDialog : public platform::Druckdialog {
public:
    explicit PdfDialog(QString datei) : datei(std::move(datei)) {}
    bool ShowPrinter(QPrinter& drucker) override {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        return true;
    }
    QString datei;
};

class LeereZwischenablage : public platform::Zwischenablage {
public:
    void Clear() override {}
    void setzeBild(const QImage&) override {}
    QImage bild() const override { return {}; }
    std::uint64_t stand() const override { return 0; }
};

// The print command of the sheet to the finished PDF file: capture, dialog,
// page fit, drawing, writing.
void BM_BlattDrucken(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("blatt.pdf"));
    PdfDialog dialog(datei);
    LeereZwischenablage zwischenablage;
    platform::Dienste& dienste = platform::dienste();
    const platform::Dienste gesichert = dienste;
    dienste.druckdialog = &dialog;
    dienste.zwischenablage = &zwischenablage;
    offeneHauptform()->cmdFehlerkurve->click();
    app::Bild1* blatt = platform::offenesFenster<app::Bild1>();
    warteAufBild(blatt);
    for (auto _ : state) {
        blatt->mnuDrucken->trigger();
        state.PauseTiming();
        if (QFileInfo(datei).size() == 0) state.SkipWithError("no PDF written");
        QFile::remove(datei);
        state.ResumeTiming();
    }
    schliesseBlatt();
    dienste = gesichert;
}
BENCHMARK(BM_BlattDrucken)->Unit(benchmark::kMillisecond);

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
