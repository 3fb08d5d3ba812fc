#include "platform/cupsauftrag.h"

#include <cups/cups.h>
#include <QPrinter>
#include <QStringList>

namespace fluvan::platform {
namespace {

// The choices of the dialog as the print system's options, freed with it.
class Optionen {
public:
    explicit Optionen(const QPrinter& drucker) {
        const QPageLayout seite = drucker.pageLayout();
        setze("media", seite.pageSize().key().toUtf8());
        if (drucker.copyCount() > 1) {
            setze("copies", QByteArray::number(drucker.copyCount()));
            if (drucker.collateCopies()) setze("Collate", "True");
        }
        setze("sides", seiten(drucker.duplex(), seite.orientation()));
        // No turn is asked for: the page lies in the document as the print
        // set it, landscape or portrait, and the print system fits it to its
        // paper. (Qt's own hand-over asked for none either: its "landscape"
        // with no value arrives as false.)
        if (drucker.colorMode() == QPrinter::GrayScale) setze("print-color-mode", "monochrome");
        // What the dialog set on its pages comes last and decides.
        const QStringList paare = drucker.printEngine()->property(CupsOptionen).toStringList();
        for (qsizetype i = 0; i + 1 < paare.size(); i += 2) setze(paare[i].toUtf8(), paare[i + 1].toUtf8());
    }
    ~Optionen() { cupsFreeOptions(anzahl, liste); }
    Optionen(const Optionen&) = delete;
    Optionen& operator=(const Optionen&) = delete;

    int anzahl = 0;
    cups_option_t* liste = nullptr;

private:
    void setze(const QByteArray& name, const QByteArray& wert) {
        anzahl = cupsAddOption(name.constData(), wert.constData(), anzahl, &liste);
    }
    static const char* seiten(QPrinter::DuplexMode duplex, QPageLayout::Orientation lage) {
        switch (duplex) {
        case QPrinter::DuplexNone: return "one-sided";
        case QPrinter::DuplexLongSide: return "two-sided-long-edge";
        case QPrinter::DuplexShortSide: return "two-sided-short-edge";
        case QPrinter::DuplexAuto: break;
        }
        // Turned over as the page is read.
        return lage == QPageLayout::Portrait ? "two-sided-long-edge" : "two-sided-short-edge";
    }
};

// A connection of its own to the user's print system, closed with it: the
// print system may have gone since the dialog looked at it.
class Verbindung {
public:
    Verbindung()
        : http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000, nullptr)) {}
    ~Verbindung() { httpClose(http); }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;
    http_t* const http;
};

bool erfolgreich(ipp_status_t status) { return status <= IPP_STATUS_OK_EVENTS_COMPLETE; }

}  // namespace

// Qt's own print engine hands its document over when painting ends and drops
// the print system's answer: a queue that refuses jobs printed nothing and
// said nothing. Here the job counts as done only with the print system's
// number for it and its yes to the whole document.
bool druckauftrag(const QPrinter& drucker, const QByteArray& pdf) {
    // An instance of a printer ("name/instance") prints on that printer.
    const QByteArray ziel = drucker.printerName().section(QLatin1Char('/'), 0, 0).toUtf8();
    if (ziel.isEmpty() || pdf.isEmpty()) return false;
    Verbindung verbindung;
    if (!verbindung.http) return false;
    const Optionen optionen(drucker);
    const QByteArray titel = drucker.docName().toUtf8();
    const int auftrag = cupsCreateJob(verbindung.http, ziel.constData(), titel.constData(), optionen.anzahl,
                                      optionen.liste);
    if (auftrag <= 0) return false;
    bool angenommen = false;
    if (cupsStartDocument(verbindung.http, ziel.constData(), auftrag, titel.constData(), CUPS_FORMAT_PDF, 1) ==
        HTTP_STATUS_CONTINUE) {
        const bool geschrieben = cupsWriteRequestData(verbindung.http, pdf.constData(),
                                                      static_cast<size_t>(pdf.size())) == HTTP_STATUS_CONTINUE;
        // The answer is read even after a failed write: the connection then
        // serves to cancel the job.
        angenommen = erfolgreich(cupsFinishDocument(verbindung.http, ziel.constData())) && geschrieben;
    }
    // A job without its whole document would wait in the queue for ever.
    if (!angenommen) cupsCancelJob2(verbindung.http, ziel.constData(), auftrag, 0);
    return angenommen;
}

}  // namespace fluvan::platform
