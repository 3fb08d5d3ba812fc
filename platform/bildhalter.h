#pragma once
// A window's picture box: it keeps the last capture of its window.
#include <QFrame>
#include <QImage>

namespace fluvan::platform {

// Shows its frame and none of the picture it keeps: a piece of one capture
// shown in the window would be in every capture after it.
class Bildhalter : public QFrame {
public:
    explicit Bildhalter(QWidget* eltern = nullptr);

    // Assigning replaces the former picture.
    void setzeBild(const QImage& bild) { Picture = bild; }
    const QImage& bild() const { return Picture; }

private:
    QImage Picture;
};

}  // namespace fluvan::platform
