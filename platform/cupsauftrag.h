#pragma once
// Handing a finished document to the print system (CUPS) as one job.
#include <QByteArray>
#include <QPrintEngine>
#include <QString>
#include <chrono>

class QPrinter;

namespace fluvan::platform {

// Where Qt's printer dialog leaves the print system's options of its pages
// (page set and range, pages per sheet, job options, the printer's own
// settings) on a printer of the print system: name and value in turn. Qt
// names the key only in a private header.
inline constexpr auto CupsOptionen = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// How a print reaches the print system. The program's; a test changes it and
// puts it back.
struct Druckweg {
    // The print system's client library as QLibrary names it: libcups.so.2.
    QString bibliothek = QStringLiteral("cups");
    int version = 2;
    // No step of a print (connecting, creating the job, handing over the
    // document, cancelling the job) waits longer for the print system.
    std::chrono::milliseconds frist = std::chrono::seconds(30);
};
Druckweg& druckweg();

// Sends the PDF document to the printer chosen on `drucker`, named after its
// document name, with the choices the printer dialog left on it: copies and
// collation, paper, both sides, grey, and the print system's options of the
// dialog's pages (page set and range, pages per sheet, job options, the
// printer's own settings); the orientation is the document's own. True only
// when the print system has answered that it took the whole document; a
// queue that refuses jobs, a print system that cannot be reached, does not
// answer in time or breaks the transfer, or a client library that cannot be
// loaded give false, and the reason goes to standard error. The window's
// thread meanwhile shows the wait cursor and keeps the windows drawn, but
// takes no input.
bool druckauftrag(const QPrinter& drucker, const QByteArray& pdf);

}  // namespace fluvan::platform
