#pragma once
// Saving the result sheet's picture as a BMP file under a name the user picks.
#include <QImage>
#include <QString>

class QWidget;

namespace fluvan::platform {

class Bildhalter;

// The sheet's save dialog: it remembers the name confirmed last for as long
// as the sheet is open.
class BmpSpeicherung {
public:
    // The save command: capture into the holder, save dialog, the captured
    // picture written as BMP under exactly the chosen name. A cancel or an
    // empty name ends silently; a failed write shows the exclamation box and
    // leaves a file of that name as it was.
    void speichern(QWidget& fenster, Bildhalter& halter);

    QString FileName;
};

// Writes the picture as a BMP file, replacing the file only once it is
// written whole. False when the file cannot be written.
bool schreibeBmp(const QImage& bild, const QString& datei);

}  // namespace fluvan::platform
