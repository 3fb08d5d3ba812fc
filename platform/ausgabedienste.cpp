#include "platform/ausgabedienste.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

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

bool QtStarter::oeffnen(const QString& datei) { return QDesktopServices::openUrl(QUrl::fromLocalFile(datei)); }

}  // namespace fluvan::platform
