#include "platform/ausgabedienste.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <memory>
#include <utility>

namespace fluvan::platform {

void QtZwischenablage::Clear() { QGuiApplication::clipboard()->clear(); }

void QtZwischenablage::setzeBild(const QImage& bild) { QGuiApplication::clipboard()->setImage(bild); }

QImage QtZwischenablage::bild() const { return QGuiApplication::clipboard()->image(); }

bool QtDruckdialog::ShowPrinter(QPrinter& drucker, QWidget* fenster) {
    QPrintDialog dialog(&drucker, fenster);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtSpeicherdialog::ShowSave(QWidget* fenster, const QString& Filter, const QString& FileName) {
    // No title, default suffix or start folder of our own; the dialog keeps
    // its question before it replaces a file.
    QFileDialog dialog(fenster);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(Filter);
    if (!FileName.isEmpty()) dialog.selectFile(FileName);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFiles().value(0);
}

void QtStarter::oeffnen(const QString& datei, Ausgang ausgang) {
    // Not QDesktopServices: it reports success as soon as xdg-open runs,
    // though that then ends with "no method available".
    const QString oeffner = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (oeffner.isEmpty()) {
        ausgang(false);
        return;
    }
    // The opener's end, its failure to start and the end of the patience may
    // all come; the first one decides.
    auto offen = std::make_shared<Ausgang>(std::move(ausgang));
    const auto melde = [offen](bool geoeffnet) {
        if (!*offen) return;
        const Ausgang einmal = std::exchange(*offen, nullptr);
        einmal(geoeffnet);
    };
    // No parent: the application may run under the opener, so the process
    // object goes once the opener has ended and not before (deleting it
    // would kill them), nor with the program's objects.
    auto* prozess = new QProcess;
    prozess->setProgram(oeffner);
    prozess->setArguments({datei});
    prozess->setStandardInputFile(QProcess::nullDevice());
    prozess->setStandardOutputFile(QProcess::nullDevice());
    prozess->setStandardErrorFile(QProcess::nullDevice());
    auto* frist = new QTimer(prozess);
    frist->setSingleShot(true);
    QObject::connect(frist, &QTimer::timeout, prozess, [melde] { melde(true); });
    QObject::connect(prozess, &QProcess::finished, prozess, [melde, prozess](int code, QProcess::ExitStatus art) {
        melde(art == QProcess::NormalExit && code == 0);
        prozess->deleteLater();
    });
    // Every other error of the opener ends in finished.
    QObject::connect(prozess, &QProcess::errorOccurred, prozess, [melde, prozess](QProcess::ProcessError fehler) {
        if (fehler != QProcess::FailedToStart) return;
        melde(false);
        prozess->deleteLater();
    });
    frist->start(geduld);
    prozess->start();
}

}  // namespace fluvan::platform
