// One print of the result sheet to a PDF file: from the menu command (capture,
// dialog, page fit, drawing) to the finished file, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include "app/Bild1.h"
#include "app/ergebnisanzeige.h"
#include "app/frmHauptForm.h"
#include "base/variable.h"
#include "platform/dienste.h"
#include "platform/fensterregister.h"

namespace {

using namespace fluvan;

// "Print to file" confirmed at once.
class PdfDialog : public platform::Druckdialog {
public:
    explicit PdfDialog(QString datei) : datei(std::move(datei)) {}
    bool ShowPrinter(QPrinter& drucker, QWidget*) override {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        return true;
    }
    QString datei;
};

class Leer : public platform::Zwischenablage {
public:
    void Clear() override {}
    void setzeBild(const QImage&) override {}
    QImage bild() const override { return {}; }
};

// The sheet of 12.5 m3/h at DN 50, in German.
app::Bild1* blatt() {
    base::Variable::instanz().Sprache = "D";
    auto* form = platform::zeigeFenster<app::frmHauptForm>();
    form->cboMIDDN->setCurrentIndex(9);
    form->txtVolumen->setText(QStringLiteral("12.5"));
    form->cmdFehlerkurve->click();
    QCoreApplication::processEvents();
    return platform::offenesFenster<app::Bild1>();
}

void BM_BlattDrucken(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("blatt.pdf"));
    PdfDialog dialog(datei);
    Leer zwischenablage;
    platform::dienste().druckdialog = &dialog;
    platform::dienste().zwischenablage = &zwischenablage;
    app::Bild1* b = blatt();
    if (!b) {
        state.SkipWithError("no result sheet");
        return;
    }
    for (auto _ : state) {
        b->mnuDrucken->trigger();
        state.PauseTiming();
        if (QFileInfo(datei).size() == 0) state.SkipWithError("no PDF written");
        QFile::remove(datei);
        state.ResumeTiming();
    }
    delete b;
}
BENCHMARK(BM_BlattDrucken)->Unit(benchmark::kMillisecond);

void ohnePlattformhinweise(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
    qt_message_output(art, ort, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(ohnePlattformhinweise);
    QApplication anwendung(argc, argv);
    platform::dienste().ergebnis = &app::ergebnisanzeige();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete platform::offenesFenster<app::frmHauptForm>();
    return 0;
}
