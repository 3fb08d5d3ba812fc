#pragma once
// Handing a finished document to the print system (CUPS) as one job.
#include <QByteArray>

class QPrinter;

namespace fluvan::platform {

// Sends the PDF document to the printer chosen on `drucker`, named after its
// document name, with the choices the printer dialog left on it: copies and
// collation, paper, both sides, grey, and the print system's options of the
// dialog's pages (page set and range, pages per sheet, job options, the
// printer's own settings); the orientation is the document's own. True only
// when the print system has taken the whole job; a queue that refuses jobs, a
// print system that cannot be reached or a broken transfer give false.
bool druckauftrag(const QPrinter& drucker, const QByteArray& pdf);

}  // namespace fluvan::platform
