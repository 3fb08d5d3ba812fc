#include "platform/ausgabedienste.h"

#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <utility>

#include "platform/modaldialoge.h"
#include "platform/protokoll.h"

namespace fluvan::platform {

void QtZwischenablage::beobachte() {
    if (beobachtet) return;
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, &beobachter, [this](QClipboard::Mode art) {
        if (art == QClipboard::Clipboard) ++wechsel;
    });
    beobachtet = true;
}

void QtZwischenablage::Clear() {
    beobachte();
    QGuiApplication::clipboard()->clear();
}

void QtZwischenablage::setzeBild(const QImage& bild) {
    beobachte();
    QGuiApplication::clipboard()->setImage(bild);
}

QImage QtZwischenablage::bild() const { return QGuiApplication::clipboard()->image(); }

namespace {

// Qt's dialog proposes a file for a print to a file only on X; elsewhere (on
// Wayland) it proposes the folder alone, and a dialog accepted as it comes
// then prints nowhere. So the proposal is completed the same way everywhere,
// as Qt makes it on X: in that folder, the document's name without its
// ending, or "print", with ".pdf".
void schlageDateiVor(QPrintDialog& dialog, const QPrinter& drucker) {
    auto* datei = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (!datei || !drucker.outputFileName().isEmpty() || !datei->text().endsWith(QLatin1Char('/'))) return;
    QString name = drucker.docName();
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    if (punkt > 0 && !name.mid(punkt + 1).contains(QLatin1Char(' '))) name.truncate(punkt);
    if (name.isEmpty()) name = QStringLiteral("print");
    datei->setText(datei->text() + name + QStringLiteral(".pdf"));
}

}  // namespace

bool QtDruckdialog::ShowPrinter(QPrinter& drucker) {
    QPrintDialog dialog(&drucker, dialogEltern());
    schlageDateiVor(dialog, drucker);
    return zeigeModal(dialog) == QDialog::Accepted;
}

std::optional<QString> QtSpeicherdialog::ShowSave(const QString& Filter, const QString& FileName) {
    // No title, default suffix or start folder of our own; the dialog keeps
    // its question before it replaces a file.
    QFileDialog dialog(dialogEltern());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(Filter);
    if (!FileName.isEmpty()) dialog.selectFile(FileName);
    if (zeigeModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFiles().value(0);
}

namespace {

using std::chrono::milliseconds;

// Asks xdg-mime and hands on its answer, trimmed: empty when it gave none,
// could not start or had none within the patience.
void frage(const QString& xdgMime, const QStringList& frage, milliseconds geduld,
           std::function<void(const QString&)> antwort) {
    auto* prozess = new QProcess;
    prozess->setProgram(xdgMime);
    prozess->setArguments(frage);
    prozess->setStandardInputFile(QProcess::nullDevice());
    prozess->setStandardErrorFile(QProcess::nullDevice());
    QTimer::singleShot(geduld, prozess, [prozess] { prozess->kill(); });
    QObject::connect(prozess, &QProcess::finished, prozess, [prozess, antwort](int, QProcess::ExitStatus art) {
        prozess->deleteLater();
        antwort(art == QProcess::NormalExit ? QString::fromLocal8Bit(prozess->readAllStandardOutput()).trimmed()
                                            : QString());
    });
    QObject::connect(prozess, &QProcess::errorOccurred, prozess, [prozess, antwort](QProcess::ProcessError fehler) {
        if (fehler != QProcess::FailedToStart) return;
        prozess->deleteLater();
        antwort(QString());
    });
    prozess->start();
}

// The desktop entry xdg-open runs, where it looks for it: in a folder of
// applications or any folder below one, under its name or with the vendor
// before its first '-' as a folder ("vendor-app.desktop" as
// "vendor/app.desktop"); the user's folder first. Empty when there is none.
QString eintragsDatei(const QString& eintrag) {
    if (eintrag.isEmpty()) return {};
    const qsizetype strich = eintrag.indexOf(QLatin1Char('-'));
    const QString alsOrdner =
        strich < 0 ? QString() : QLatin1Char('/') + QString(eintrag).replace(strich, 1, QLatin1Char('/'));
    for (const QString& ordner : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        QDirIterator dateien(ordner, QDir::Files | QDir::Readable,
                             QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (dateien.hasNext()) {
            const QString pfad = dateien.next();
            if (dateien.fileName() == eintrag || (!alsOrdner.isEmpty() && pfad.endsWith(alsOrdner))) return pfad;
        }
    }
    return {};
}

// The types an application's desktop entry is registered for: its MimeType
// key in the group [Desktop Entry], as xdg-open reads a key. QSettings
// would take the ';' for the end of the value.
QStringList typenVon(const QString& datei) {
    QFile eintrag(datei);
    if (!eintrag.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    bool gruppe = false;
    while (!eintrag.atEnd()) {
        const QString zeile = QString::fromUtf8(eintrag.readLine()).trimmed();
        if (zeile.startsWith(QLatin1Char('['))) {
            gruppe = zeile == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (gruppe && gleich > 0 && QStringView(zeile).first(gleich).trimmed() == QStringLiteral("MimeType")) {
            QStringList typen = zeile.mid(gleich + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
            for (QString& typ : typen) typ = typ.trimmed();
            return typen;
        }
    }
    return {};
}

// RTF has two names in the shared MIME database; an application may be
// registered under either.
bool registriertFuer(const QStringList& typen, const QString& typ) {
    static const QStringList rtf{QStringLiteral("application/rtf"), QStringLiteral("text/rtf")};
    const QStringList namen = rtf.contains(typ) ? rtf : QStringList{typ};
    return std::ranges::any_of(namen, [&](const QString& name) { return typen.contains(name); });
}

void starteOeffner(const QString& xdgOpen, const QString& datei, milliseconds geduld, Starter::Ausgang ausgang) {
    // The opener's end, its failure to start and the end of the patience may
    // all come; the first one decides.
    auto offen = std::make_shared<Starter::Ausgang>(std::move(ausgang));
    const auto melde = [offen, xdgOpen](bool geoeffnet, const QString& warum = {}) {
        if (!*offen) return;
        if (!warum.isEmpty()) qCWarning(fluvanAusgabe).noquote() << "hand-over:" << xdgOpen << warum;
        const Starter::Ausgang einmal = std::exchange(*offen, nullptr);
        einmal(geoeffnet);
    };
    // No parent: the application may run under the opener, so the process
    // object goes once the opener has ended and not before (deleting it
    // would kill them), nor with the program's objects.
    auto* prozess = new QProcess;
    prozess->setProgram(xdgOpen);
    prozess->setArguments({datei});
    prozess->setStandardInputFile(QProcess::nullDevice());
    prozess->setStandardOutputFile(QProcess::nullDevice());
    prozess->setStandardErrorFile(QProcess::nullDevice());
    auto* frist = new QTimer(prozess);
    frist->setSingleShot(true);
    QObject::connect(frist, &QTimer::timeout, prozess, [melde] { melde(true); });
    QObject::connect(prozess, &QProcess::finished, prozess, [melde, prozess](int code, QProcess::ExitStatus art) {
        if (art != QProcess::NormalExit)
            melde(false, QStringLiteral("crashed"));
        else if (code != 0)
            melde(false, QStringLiteral("ended with status %1").arg(code));
        else
            melde(true);
        prozess->deleteLater();
    });
    // Every other error of the opener ends in finished.
    QObject::connect(prozess, &QProcess::errorOccurred, prozess, [melde, prozess](QProcess::ProcessError fehler) {
        if (fehler != QProcess::FailedToStart) return;
        melde(false, QStringLiteral("could not start"));
        prozess->deleteLater();
    });
    frist->start(geduld);
    prozess->start();
}

}  // namespace

void QtStarter::oeffnen(const QString& datei, Ausgang ausgang) {
    // Not QDesktopServices: it reports success as soon as xdg-open runs,
    // though that then ends with "no method available".
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    // Without a display xdg-open passes over the registered applications and
    // takes a mailcap viewer or a text browser.
    const bool anzeige = !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (xdgOpen.isEmpty() || xdgMime.isEmpty() || !anzeige) {
        qCWarning(fluvanAusgabe) << "hand-over:" << (anzeige ? "xdg-open or xdg-mime not installed" : "no display");
        ausgang(false);
        return;
    }
    // With a display xdg-open asks xdg-mime the same, in the same
    // environment, runs the entry it finds and ends with that application's
    // status, trying nothing else.
    const milliseconds zeit = geduld;
    frage(xdgMime, {QStringLiteral("query"), QStringLiteral("filetype"), datei}, zeit, [=](const QString& antwort) {
        const QString typ = antwort.section(QLatin1Char(';'), 0, 0);  // as xdg-open: no parameters
        if (typ.isEmpty()) {
            qCWarning(fluvanAusgabe) << "hand-over: xdg-mime query filetype answered" << antwort;
            ausgang(false);
            return;
        }
        frage(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), typ}, zeit, [=](const QString& eintrag) {
            // KDE's trader also names an application for a type the
            // document's is a kind of: any for text/plain for RTF. Only one
            // registered for the document's type itself can show it.
            const QString pfad = eintragsDatei(eintrag);
            if (pfad.isEmpty()) {
                qCWarning(fluvanAusgabe) << "hand-over: xdg-mime query default" << typ << "answered" << eintrag
                                         << "and xdg-open finds no such entry";
                ausgang(false);
            } else if (const QStringList typen = typenVon(pfad); !registriertFuer(typen, typ)) {
                qCWarning(fluvanAusgabe) << "hand-over:" << pfad << "is registered for" << typen.join(QLatin1Char(';'))
                                         << "not for" << typ;
                ausgang(false);
            } else {
                starteOeffner(xdgOpen, datei, zeit, ausgang);
            }
        });
    });
}

}  // namespace fluvan::platform
