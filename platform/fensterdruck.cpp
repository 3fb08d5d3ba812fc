#include "platform/fensterdruck.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <algorithm>

#include "base/masseinheiten.h"
#include "base/sprache.h"
#include "base/variable.h"
#include "platform/bildhalter.h"
#include "platform/cupsauftrag.h"
#include "platform/dienste.h"
#include "platform/fensteraufnahme.h"
#include "platform/qtext.h"

namespace fluvan::platform {
namespace {

void notiereDrucker(const QPrinter& drucker) {
    base::Variable& v = base::Variable::instanz();
    v.Druckername = drucker.printerName().toStdString();
    v.Druckertreiber = QPrinterInfo(drucker).makeAndModel().toStdString();
    // Qt names no port; a print to a file goes to that file.
    v.Druckeranschluss = drucker.outputFileName().toStdString();
}

output::Bildgroesse groesseVon(const QImage& bild) {
    const QSizeF pixel = bild.deviceIndependentSize();
    return output::bildgroesse(qRound(pixel.width()), qRound(pixel.height()));
}

// The painter starts at the printable area's top-left, in device pixels.
bool zeichne(QPagedPaintDevice& geraet, const QImage& bild, const QRectF& ziel) {
    QPainter maler;
    if (!maler.begin(&geraet)) return false;
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(ziel, bild);
    return maler.end();
}

// One page in PDF, made in memory: Qt's PDF engine reports no failed write,
// so a file or a job gets the document only once all of it is made.
std::optional<QByteArray> pdfDokument(const QPrinter& drucker, const QImage& bild, const QRectF& ziel) {
    QBuffer dokument;
    dokument.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&dokument);
    pdf.setPageLayout(drucker.pageLayout());
    pdf.setResolution(drucker.resolution());
    pdf.setPdfVersion(drucker.pdfVersion());
    pdf.setTitle(drucker.docName());
    pdf.setCreator(drucker.creator());
    // The printer's PDF engine prints grey when the dialog says so.
    const bool grau = drucker.colorMode() == QPrinter::GrayScale;
    if (!zeichne(pdf, grau ? bild.convertToFormat(QImage::Format_Grayscale8) : bild, ziel)) return std::nullopt;
    return dokument.data();
}

// A full disk would leave a broken file: the file is replaced only once
// every byte of the document is written.
bool druckeInDatei(const QString& datei, const QByteArray& dokument) {
    // Unbuffered: a write that fails in the buffer's flush on commit would
    // still let the commit replace the file.
    QSaveFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (ziel.write(dokument) != dokument.size()) {
        ziel.cancelWriting();
        return false;
    }
    return ziel.commit();
}

}  // namespace

void Drucken(QWidget& fenster, Bildhalter& halter, const output::Druckregel& regel) {
    Zwischenablage& zwischenablage = *dienste().zwischenablage;
    if (regel.zwischenablageLeeren) zwischenablage.Clear();
    if (!Fensteraufnahme(fenster, halter)) return;
    QPrinter drucker(QPrinter::HighResolution);
    // Named before the dialog, which proposes a file after the document; the
    // name is also the job's in the queue and the document's title.
    drucker.setDocName(qtext(base::Programmtitel));
    // The holder is read after the dialog: it is still there only because the
    // modal dialog blocks every way to close its window meanwhile.
    if (!dienste().druckdialog->ShowPrinter(drucker)) return;
    if (!Ausdruck(drucker, bildVon(halter), regel)) meldeFehlschlag();
}

bool Ausdruck(QPrinter& drucker, const QImage& bild, const output::Druckregel& regel) {
    if (bild.isNull() || !drucker.isValid()) return false;
    notiereDrucker(drucker);

    // The orientation comes first: the printable area is read in it.
    drucker.setPageOrientation(output::ausrichtung(regel, groesseVon(bild)) == output::Ausrichtung::Querformat
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    const auto ziel = Bildflaeche(drucker, bild, regel);
    if (!ziel) return false;
    const auto dokument = pdfDokument(drucker, bild, *ziel);
    if (!dokument) return false;
    if (!drucker.outputFileName().isEmpty()) return druckeInDatei(drucker.outputFileName(), *dokument);
    return druckauftrag(drucker, *dokument);
}

std::optional<QRectF> Bildflaeche(const QPrinter& drucker, const QImage& bild, const output::Druckregel& regel) {
    // Read in device pixels, as the painter draws: in inches it comes rounded
    // to hundredths and may reach past the area's edge.
    const QSizeF flaeche = drucker.pageRect(QPrinter::DevicePixel).size();
    const double twipsProPixel = static_cast<double>(base::TwipsProZoll) / drucker.resolution();
    const auto mass = output::druckmass(regel, groesseVon(bild), static_cast<float>(flaeche.width() * twipsProPixel),
                                        static_cast<float>(flaeche.height() * twipsProPixel));
    if (!mass) return std::nullopt;
    // The fit works in 32-bit floats and may end a fraction of a pixel past
    // the area's edge.
    return QRectF(0, 0, std::min(mass->breite / twipsProPixel, flaeche.width()),
                  std::min(mass->hoehe / twipsProPixel, flaeche.height()));
}

}  // namespace fluvan::platform
