#pragma once
// The hand-over of a window picture to the word processor.
#include <QImage>
#include <QString>

namespace fluvan::platform {

// Writes a new document holding the picture into the program's private folder
// and hands it to the application the desktop has registered for such
// documents, without waiting for that. Once the application has taken it the
// clipboard is cleared, unless something else has come onto it since the
// call. Every call makes a new document. When the hand-over fails it shows
// the exclamation box, the picture stays on the clipboard, and neither the
// document nor a folder left empty by it stays behind.
void WordAnwendungStarten(const QImage& bild);

// The new document for the picture: its path, or empty when none could be
// written.
QString neuesDokument(const QImage& bild);

}  // namespace fluvan::platform
