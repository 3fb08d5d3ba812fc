#include "platform/bmpspeicherung.h"

#include <QImageWriter>
#include <QSaveFile>

#include "platform/dienste.h"
#include "platform/fensteraufnahme.h"

namespace fluvan::platform {

void BmpSpeicherung::speichern(QWidget& fenster, Bildhalter& halter) {
    if (!Fensteraufnahme(fenster, halter)) return;
    // The picture taken before the dialog opened: the clipboard may have
    // changed while the dialog was open.
    const QImage bild = bildVon(halter);
    // This object is the sheet's and is written after the dialog: it is still
    // there only because the modal dialog blocks every way to close the sheet
    // meanwhile.
    const auto gewaehlt = dienste().speicherdialog->ShowSave(QStringLiteral("*.bmp"), FileName);
    if (!gewaehlt) return;
    FileName = *gewaehlt;
    if (FileName.isEmpty()) return;
    if (!schreibeBmp(bild, FileName)) meldeFehlschlag();
}

bool schreibeBmp(const QImage& bild, const QString& datei) {
    if (bild.isNull()) return false;
    // Unbuffered: a write that fails only in the buffer's last flush would
    // still let the commit replace the file with a cut one.
    QSaveFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    QImageWriter schreiber(&ziel, "bmp");
    if (!schreiber.write(bild)) {
        ziel.cancelWriting();
        return false;
    }
    return ziel.commit();
}

}  // namespace fluvan::platform
