#pragma once
// Handing a finished document to the print system (CUPS) as one job.
#include <QByteArray>
#include <QPrintEngine>

class QPrinter;

namespace fluvan::platform {

// Where Qt's printer dialog leaves the print system's options of its pages
// (page set and range, pages per sheet, job options, the printer's own
// settings) on a printer of the print system: name and value in turn. Qt
// names the key only in a private header.
inline constexpr auto CupsOptionen = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Sends the PDF document to the printer chosen on `drucker`, named after its
// document name, with the choices the printer dialog left on it: copies and
// collation, paper, both sides, grey, and the print system's options of the
// dialog's pages (page set and range, pages per sheet, job options, the
// printer's own settings); the orientation is the document's own. True only
// when the print system has taken the whole job; a queue that refuses jobs, a
// print system that cannot be reached or a broken transfer give false.
bool druckauftrag(const QPrinter& drucker, const QByteArray& pdf);

}  // namespace fluvan::platform
