// One print of a window the size of the result sheet to a PDF file: from the
// print command (capture, dialog, page fit, drawing) to the finished file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/dienste.h"
#include "platform/fensterdruck.h"
#include "platform/twips.h"

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

// The sheet's client area with its menu bar, a chart-sized area and the
// 3 × 15 value cells of its table.
class Blatt : public QMainWindow {
public:
    Blatt() {
        auto* menue = menuBar()->addMenu(QStringLiteral("&Diagramm"));
        menue->addAction(QStringLiteral("Drucken"));
        menue->addAction(QStringLiteral("in Word einbinden"));
        menuBar()->addMenu(QStringLiteral("&Berechnung"));
        auto* inhalt = new QWidget(this);
        setCentralWidget(inhalt);
        auto* diagramm = new QLabel(inhalt);
        diagramm->setStyleSheet(QStringLiteral("background: white; border: 1px solid black"));
        platform::platziere(diagramm, 120, 120, 7932, 8292);
        for (int zeile = 0; zeile < 15; ++zeile)
            for (int spalte = 0; spalte < 3; ++spalte) {
                auto* zelle = new QLabel(QString::number(zeile * 0.25 + spalte, 'f', 2), inhalt);
                zelle->setStyleSheet(QStringLiteral("background: white"));
                platform::platziere(zelle, 8160 + 1320 * spalte, 3840 + 240 * zeile, 1212, 252);
            }
        Picture1 = new QLabel(inhalt);
        platform::platziere(Picture1, 9840, 8040, 372, 372);
        inhalt->setFixedSize(platform::pixel(12192), platform::pixel(8460));
    }
    QLabel* Picture1;
};

void BM_BlattDrucken(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("blatt.pdf"));
    PdfDialog dialog(datei);
    Leer zwischenablage;
    platform::Dienste& dienste = platform::dienste();
    const platform::Dienste gesichert = dienste;
    dienste.druckdialog = &dialog;
    dienste.zwischenablage = &zwischenablage;
    Blatt blatt;
    blatt.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        platform::Drucken(blatt, *blatt.Picture1, output::DruckBild1);
        state.PauseTiming();
        if (QFileInfo(datei).size() == 0) state.SkipWithError("no PDF written");
        QFile::remove(datei);
        state.ResumeTiming();
    }
    dienste = gesichert;
}
BENCHMARK(BM_BlattDrucken)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
