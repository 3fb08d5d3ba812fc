#include "platform/ausgabedienste.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <memory>

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

bool QtStarter::oeffnen(const QString& datei) {
    // Not QDesktopServices: it reports success as soon as xdg-open runs,
    // though that then ends with "no method available".
    const QString oeffner = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (oeffner.isEmpty()) return false;
    auto prozess = std::make_unique<QProcess>();
    prozess->setProgram(oeffner);
    prozess->setArguments({datei});
    prozess->setStandardInputFile(QProcess::nullDevice());
    prozess->setStandardOutputFile(QProcess::nullDevice());
    prozess->setStandardErrorFile(QProcess::nullDevice());
    prozess->start();
    if (!prozess->waitForStarted()) return false;
    if (prozess->waitForFinished(static_cast<int>(geduld.count())))
        return prozess->exitStatus() == QProcess::NormalExit && prozess->exitCode() == 0;
    if (prozess->state() != QProcess::Running) return false;
    // The application runs under the opener: both are left alone, and the
    // process object goes once they end (deleting it would kill them).
    QProcess* laeuft = prozess.release();
    QObject::connect(laeuft, &QProcess::finished, laeuft, &QObject::deleteLater);
    return true;
}

}  // namespace fluvan::platform
