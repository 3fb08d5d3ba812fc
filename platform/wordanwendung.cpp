#include "platform/wordanwendung.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdint>
#include <span>
#include <string>

#include "output/worddokument.h"
#include "platform/dienste.h"
#include "platform/fensteraufnahme.h"

namespace fluvan::platform {
namespace {

// The folder only this user can read that the program made on the first
// hand-over; empty while there is none. It outlives the program: the word
// processor may still be loading a document, or the user may save it in
// place, when the program ends.
QString& gemachterOrdner() {
    static QString pfad;
    return pfad;
}

QString privaterOrdner() {
    QString& pfad = gemachterOrdner();
    if (pfad.isEmpty() || !QDir(pfad).exists()) {
        QTemporaryDir ordner(QDir::tempPath() + QStringLiteral("/fluvan-XXXXXX"));
        if (!ordner.isValid()) return {};
        ordner.setAutoRemove(false);
        pfad = ordner.path();
    }
    return pfad;
}

// A document nobody took goes, and the folder with it when no document of
// an earlier hand-over is left in there.
void raeumeAuf(const QString& dokument) {
    if (!dokument.isEmpty()) QFile::remove(dokument);
    QString& pfad = gemachterOrdner();
    if (!pfad.isEmpty() && QDir().rmdir(pfad)) pfad.clear();
}

// The clipboard is cleared only once an application has taken the document;
// until then, and after a failure, it holds the picture. Another capture, or
// another program, may have put its own content there in the meantime, as a
// second hand-over whose failure promises to keep its picture: that stays.
void beende(const QString& dokument, std::uint64_t stand, bool geoeffnet) {
    if (geoeffnet) {
        Zwischenablage& zwischenablage = *dienste().zwischenablage;
        if (zwischenablage.stand() == stand) zwischenablage.Clear();
        return;
    }
    raeumeAuf(dokument);
    // An outcome that comes late, from the event loop, is no window's
    // command: its box stands over none, as the window that asked may be gone.
    meldeFehlschlag();
}

}  // namespace

QString neuesDokument(const QImage& bild) {
    if (bild.isNull()) return {};
    QByteArray png;
    QBuffer puffer(&png);
    if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, "PNG")) return {};
    const auto bytes =
        std::span(reinterpret_cast<const unsigned char*>(png.constData()), static_cast<std::size_t>(png.size()));
    const std::string text = output::wordDokument(bytes, bild.width(), bild.height());

    const QString ordner = privaterOrdner();
    if (ordner.isEmpty()) return {};
    QTemporaryFile datei(ordner + QStringLiteral("/Dokument-XXXXXX.rtf"));
    datei.setAutoRemove(false);
    if (!datei.open()) return {};
    const auto laenge = static_cast<qint64>(text.size());
    if (datei.write(text.data(), laenge) != laenge || !datei.flush()) {
        datei.remove();
        return {};
    }
    datei.close();
    return datei.fileName();
}

void WordAnwendungStarten(const QImage& bild) {
    // The capture has just put the picture on the clipboard.
    const std::uint64_t stand = dienste().zwischenablage->stand();
    const QString dokument = neuesDokument(bild);
    if (dokument.isEmpty()) {
        beende(dokument, stand, false);
        return;
    }
    // The window may be gone when the outcome comes: it keeps only the path.
    dienste().starter->oeffnen(dokument, [dokument, stand](bool geoeffnet) { beende(dokument, stand, geoeffnet); });
}

}  // namespace fluvan::platform
