#pragma once
// A rectangle shape: only its outline is drawn, clicks pass through it.
#include <QColor>
#include <QWidget>

namespace fluvan::platform {

class Rechteck : public QWidget {
public:
    Rechteck(QWidget* eltern, int rahmenbreite, QColor farbe);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    int rahmenbreite;
    QColor farbe;
};

}  // namespace fluvan::platform
