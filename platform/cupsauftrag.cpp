#include "platform/cupsauftrag.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPrinter>
#include <QStringList>
#include <QThread>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "platform/cupsbibliothek.h"
#include "platform/protokoll.h"

namespace fluvan::platform {
namespace {

using Optionsliste = std::vector<std::pair<QByteArray, QByteArray>>;

const char* seiten(QPrinter::DuplexMode duplex, QPageLayout::Orientation lage) {
    switch (duplex) {
    case QPrinter::DuplexNone: return "one-sided";
    case QPrinter::DuplexLongSide: return "two-sided-long-edge";
    case QPrinter::DuplexShortSide: return "two-sided-short-edge";
    case QPrinter::DuplexAuto: break;
    }
    // Turned over as the page is read.
    return lage == QPageLayout::Portrait ? "two-sided-long-edge" : "two-sided-short-edge";
}

// The choices of the dialog as the print system's options, in order: a later
// one of the same name decides.
Optionsliste optionen(const QPrinter& drucker) {
    Optionsliste liste;
    const QPageLayout seite = drucker.pageLayout();
    liste.emplace_back("media", seite.pageSize().key().toUtf8());
    if (drucker.copyCount() > 1) {
        liste.emplace_back("copies", QByteArray::number(drucker.copyCount()));
        if (drucker.collateCopies()) liste.emplace_back("Collate", "True");
    }
    liste.emplace_back("sides", seiten(drucker.duplex(), seite.orientation()));
    // No turn is asked for: the page lies in the document as the print set
    // it, landscape or portrait, and the print system fits it to its paper.
    // (Qt's own hand-over asked for none either: its "landscape" with no
    // value arrives as false.)
    if (drucker.colorMode() == QPrinter::GrayScale) liste.emplace_back("print-color-mode", "monochrome");
    // What the dialog set on its pages comes last and decides.
    const QStringList paare = drucker.printEngine()->property(CupsOptionen).toStringList();
    for (qsizetype i = 0; i + 1 < paare.size(); i += 2) liste.emplace_back(paare[i].toUtf8(), paare[i + 1].toUtf8());
    return liste;
}

// The options in the print system's own list, freed with it.
class Optionen {
public:
    Optionen(const Cups& cups, const Optionsliste& werte) : cups(cups) {
        for (const auto& [name, wert] : werte)
            anzahl = cups.cupsAddOption(name.constData(), wert.constData(), anzahl, &liste);
    }
    ~Optionen() { cups.cupsFreeOptions(anzahl, liste); }
    Optionen(const Optionen&) = delete;
    Optionen& operator=(const Optionen&) = delete;

    int anzahl = 0;
    cups_option_t* liste = nullptr;

private:
    const Cups& cups;
};

// What the print hands to its thread, read on the window's thread.
struct Auftrag {
    const Cups& cups;
    QByteArray ziel;
    QByteArray titel;
    QByteArray pdf;
    Optionsliste optionen;
    std::chrono::milliseconds frist;
};

struct Ausgang {
    bool gedruckt = false;
    QString grund;  // why not
};

// A connection of its own to the user's print system, closed with it: the
// print system may have gone since the dialog looked at it. Each step on it
// waits for the print system until the step's deadline, then gives up.
class Verbindung {
public:
    Verbindung(const Cups& cups, std::chrono::milliseconds frist) : cups(cups), frist(frist) {
        naechsterSchritt();
        http = cups.httpConnect2(cups.cupsServer(), cups.ippPort(), nullptr, AF_UNSPEC, cups.cupsEncryption(), 1,
                                 static_cast<int>(frist.count()), nullptr);
        if (!http) return;
        // libcups asks after each quarter second without an answer whether to
        // wait on; without the question a write to a print system that
        // reads nothing would wait for ever.
        cups.httpSetTimeout(http, 0.25, &Verbindung::wartetWeiter, this);
    }
    ~Verbindung() {
        if (http) cups.httpClose(http);
    }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;

    void naechsterSchritt() {
        ende = std::chrono::steady_clock::now() + frist;
        abgelaufen = false;
    }

    // Why the last step failed, with the print system's last word on this
    // thread when it answered.
    QString grund() const {
        if (!http)
            return QStringLiteral("cannot connect to %1: %2")
                .arg(QString::fromUtf8(cups.cupsServer()), QString::fromUtf8(cups.cupsLastErrorString()));
        if (abgelaufen) return QStringLiteral("no answer within %1 s").arg(static_cast<double>(frist.count()) / 1000);
        return QString::fromUtf8(cups.cupsLastErrorString());
    }

    const Cups& cups;
    http_t* http = nullptr;
    bool abgelaufen = false;

private:
    static int wartetWeiter(http_t*, void* daten) {
        auto& verbindung = *static_cast<Verbindung*>(daten);
        verbindung.abgelaufen = std::chrono::steady_clock::now() >= verbindung.ende;
        return verbindung.abgelaufen ? 0 : 1;
    }

    std::chrono::milliseconds frist;
    std::chrono::steady_clock::time_point ende;
};

bool erfolgreich(ipp_status_t status) { return status <= IPP_STATUS_OK_EVENTS_COMPLETE; }

// Hands the document to the job and reads the print system's answer to it:
// nothing when the answer says it took the document, else why not.
// (cupsFinishDocument would give the last status on this thread when no
// answer came: the job's creation's yes.)
QString sendeDokument(Verbindung& verbindung, const Auftrag& auftrag, int nummer) {
    const Cups& cups = auftrag.cups;
    char uri[HTTP_MAX_URI];
    cups.httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", cups.ippPort(),
                          "/printers/%s", auftrag.ziel.constData());
    const QByteArray ressource = "/printers/" + auftrag.ziel;
    ipp_t* anfrage = cups.ippNewRequest(IPP_OP_SEND_DOCUMENT);
    cups.ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    cups.ippAddInteger(anfrage, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", nummer);
    cups.ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cups.cupsUser());
    cups.ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_NAME, "document-name", nullptr,
                      auftrag.titel.constData());
    cups.ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, CUPS_FORMAT_PDF);
    cups.ippAddBoolean(anfrage, IPP_TAG_OPERATION, "last-document", 1);
    const int anfragenummer = cups.ippGetRequestId(anfrage);
    const http_status_t gesendet =
        cups.cupsSendRequest(verbindung.http, anfrage, ressource.constData(), CUPS_LENGTH_VARIABLE);
    cups.ippDelete(anfrage);
    if (gesendet != HTTP_STATUS_CONTINUE) return verbindung.grund();
    if (cups.cupsWriteRequestData(verbindung.http, auftrag.pdf.constData(), static_cast<size_t>(auftrag.pdf.size())) !=
        HTTP_STATUS_CONTINUE)
        return verbindung.grund();

    ipp_t* antwort = cups.cupsGetResponse(verbindung.http, ressource.constData());
    QString grund;
    if (!antwort) {
        const int fehler = cups.httpError(verbindung.http);
        grund = verbindung.abgelaufen || !fehler ? verbindung.grund()
                                                 : QStringLiteral("no answer: ") +
                                                       QString::fromLocal8Bit(std::strerror(fehler));
    } else if (cups.ippGetRequestId(antwort) != anfragenummer) {
        grund = QStringLiteral("an answer to another request");
    } else if (!erfolgreich(cups.ippGetStatusCode(antwort))) {
        grund = verbindung.grund();  // this answer's status and message
    }
    cups.ippDelete(antwort);
    return grund;
}

// The whole job, on a thread of its own.
Ausgang drucke(const Auftrag& auftrag) {
    const Cups& cups = auftrag.cups;
    Verbindung verbindung(cups, auftrag.frist);
    if (!verbindung.http) return {false, verbindung.grund()};
    verbindung.naechsterSchritt();
    const Optionen optionen(cups, auftrag.optionen);
    const int nummer = cups.cupsCreateJob(verbindung.http, auftrag.ziel.constData(), auftrag.titel.constData(),
                                          optionen.anzahl, optionen.liste);
    if (nummer <= 0) return {false, QStringLiteral("Create-Job: ") + verbindung.grund()};
    verbindung.naechsterSchritt();
    const QString grund = sendeDokument(verbindung, auftrag, nummer);
    if (grund.isEmpty()) return {true, {}};
    Ausgang ausgang{false, QStringLiteral("Send-Document: ") + grund};
    // A job without its whole document would wait in the queue for ever. The
    // old connection may still wait for its answer.
    Verbindung abbruch(cups, auftrag.frist);
    if (!abbruch.http || !erfolgreich(cups.cupsCancelJob2(abbruch.http, auftrag.ziel.constData(), nummer, 0)))
        ausgang.grund += QStringLiteral("; the job is not cancelled: ") + abbruch.grund();
    return ausgang;
}

// Runs the job on a thread of its own; meanwhile the window's thread shows the
// wait cursor and keeps drawing, but leaves input for later.
Ausgang abseits(const Auftrag& auftrag) {
    Ausgang ausgang;
    QEventLoop schleife;
    const std::unique_ptr<QThread> faden(QThread::create([&] { ausgang = drucke(auftrag); }));
    QObject::connect(faden.get(), &QThread::finished, &schleife, &QEventLoop::quit);
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    faden->start();
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
    faden->wait();
    QGuiApplication::restoreOverrideCursor();
    return ausgang;
}

void melde(const QByteArray& ziel, QString grund) {
    grund.replace(QLatin1Char('\n'), QLatin1Char(' '));
    qCWarning(fluvanAusgabe).noquote() << QStringLiteral("print on %1 failed: %2").arg(QString::fromUtf8(ziel), grund);
}

}  // namespace

Druckweg& druckweg() {
    static Druckweg weg;
    return weg;
}

// Qt's own print engine hands its document over when painting ends and drops
// the print system's answer: a queue that refuses jobs printed nothing and
// said nothing. Here the job counts as done only with the print system's
// number for it and its yes to the whole document.
bool druckauftrag(const QPrinter& drucker, const QByteArray& pdf) {
    // An instance of a printer ("name/instance") prints on that printer.
    const QByteArray ziel = drucker.printerName().section(QLatin1Char('/'), 0, 0).toUtf8();
    if (ziel.isEmpty() || pdf.isEmpty()) return false;
    const Druckweg& weg = druckweg();
    QString fehler;
    const Cups* cups = ladeCups(weg.bibliothek, weg.version, fehler);
    if (!cups) {
        melde(ziel, QStringLiteral("the print system's library cannot be loaded: ") + fehler);
        return false;
    }
    const Ausgang ausgang = abseits({*cups, ziel, drucker.docName().toUtf8(), pdf, optionen(drucker), weg.frist});
    if (!ausgang.gedruckt) melde(ziel, ausgang.grund);
    return ausgang.gedruckt;
}

}  // namespace fluvan::platform
