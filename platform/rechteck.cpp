#include "platform/rechteck.h"

#include <QPainter>

namespace fluvan::platform {

Rechteck::Rechteck(QWidget* eltern, int rahmenbreite, QColor farbe)
    : QWidget(eltern), rahmenbreite(rahmenbreite), farbe(farbe) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Rechteck::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setPen(Qt::NoPen);
    maler.setBrush(farbe);
    const QRect r = rect();
    maler.drawRect(0, 0, r.width(), rahmenbreite);
    maler.drawRect(0, r.height() - rahmenbreite, r.width(), rahmenbreite);
    maler.drawRect(0, 0, rahmenbreite, r.height());
    maler.drawRect(r.width() - rahmenbreite, 0, rahmenbreite, r.height());
}

}  // namespace fluvan::platform
