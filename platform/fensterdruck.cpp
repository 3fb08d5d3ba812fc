#include "platform/fensterdruck.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "base/variable.h"
#include "platform/dienste.h"
#include "platform/fensteraufnahme.h"

namespace fluvan::platform {
namespace {

constexpr double TwipsProZoll = 1440;

void notiereDrucker(const QPrinter& drucker) {
    base::Variable& v = base::Variable::instanz();
    v.Druckername = drucker.printerName().toStdString();
    v.Druckertreiber = QPrinterInfo(drucker).makeAndModel().toStdString();
    // Qt names no port; a print to a file goes to that file.
    v.Druckeranschluss = drucker.outputFileName().toStdString();
}

}  // namespace

QPrinter& Printer() {
    static QPrinter drucker(QPrinter::HighResolution);
    return drucker;
}

void Drucken(QWidget& fenster, Bildhalter& halter, const output::Druckregel& regel) {
    Zwischenablage& zwischenablage = *dienste().zwischenablage;
    if (regel.zwischenablageLeeren) zwischenablage.Clear();
    if (!Fensteraufnahme(fenster, halter)) return;
    if (!dienste().druckdialog->ShowPrinter(Printer(), &fenster)) return;
    if (!Ausdruck(Printer(), bildVon(halter), regel)) meldeFehlschlag();
}

bool Ausdruck(QPrinter& drucker, const QImage& bild, const output::Druckregel& regel) {
    if (bild.isNull() || !drucker.isValid()) return false;
    notiereDrucker(drucker);

    const QSizeF pixel = bild.deviceIndependentSize();
    const output::Bildgroesse groesse = output::bildgroesse(qRound(pixel.width()), qRound(pixel.height()));
    // The orientation comes first: the printable area is read in it.
    drucker.setPageOrientation(output::ausrichtung(regel, groesse) == output::Ausrichtung::Querformat
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    const QRectF flaeche = drucker.pageRect(QPrinter::Inch);
    const auto mass = output::Ausdruck(regel, groesse, static_cast<float>(flaeche.width() * TwipsProZoll),
                                       static_cast<float>(flaeche.height() * TwipsProZoll));
    if (!mass) return false;

    // The painter starts at the printable area's top-left, in device pixels.
    QPainter maler;
    if (!maler.begin(&drucker)) return false;
    const double pixelProTwip = drucker.resolution() / TwipsProZoll;
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(QRectF(0, 0, mass->breite * pixelProTwip, mass->hoehe * pixelProTwip), bild);
    return maler.end() && drucker.printerState() != QPrinter::Error;
}

}  // namespace fluvan::platform
