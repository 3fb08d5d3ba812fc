#include "app/bilder.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "platform/schriften.h"

namespace fluvan::app::bilder {
namespace {

constexpr QColor Wasserblau{0, 84, 150};
constexpr QColor Hellblau{214, 232, 246};

// Gentle flow lines across a picture, as water drawn in a pipe.
void Stroemungslinien(QPainter& maler, QRectF flaeche, int anzahl, QColor farbe, double staerke) {
    maler.setPen(QPen(farbe, staerke, Qt::SolidLine, Qt::RoundCap));
    maler.setBrush(Qt::NoBrush);
    for (int i = 0; i < anzahl; ++i) {
        const double y0 = flaeche.top() + flaeche.height() * (i + 0.5) / anzahl;
        QPainterPath linie;
        linie.moveTo(flaeche.left(), y0);
        const double schritt = flaeche.width() / 4;
        for (int k = 0; k < 4; ++k) {
            const double x = flaeche.left() + k * schritt;
            const double hub = (k % 2 == 0 ? -1 : 1) * flaeche.height() / (anzahl * 3.0);
            linie.cubicTo(x + schritt / 3, y0 + hub, x + 2 * schritt / 3, y0 + hub, x + schritt, y0);
        }
        maler.drawPath(linie);
    }
}

void Streifen(QPainter& maler, QSize groesse, std::initializer_list<QColor> farben, bool senkrecht) {
    const int n = static_cast<int>(farben.size());
    int i = 0;
    for (const QColor& farbe : farben) {
        if (senkrecht)
            maler.fillRect(QRectF(groesse.width() * i / double(n), 0, groesse.width() / double(n), groesse.height()),
                           farbe);
        else
            maler.fillRect(QRectF(0, groesse.height() * i / double(n), groesse.width(), groesse.height() / double(n)),
                           farbe);
        ++i;
    }
}

void UnionJack(QPainter& maler, QSize groesse) {
    const double b = groesse.width(), h = groesse.height();
    const QColor blau(1, 33, 105), rot(200, 16, 46);
    maler.fillRect(QRectF(0, 0, b, h), blau);
    maler.setPen(QPen(Qt::white, h / 5));
    maler.drawLine(QPointF(0, 0), QPointF(b, h));
    maler.drawLine(QPointF(b, 0), QPointF(0, h));
    maler.setPen(QPen(rot, h / 15));
    maler.drawLine(QPointF(0, 0), QPointF(b, h));
    maler.drawLine(QPointF(b, 0), QPointF(0, h));
    maler.fillRect(QRectF(b / 2 - h / 6, 0, h / 3, h), Qt::white);
    maler.fillRect(QRectF(0, h / 3, b, h / 3), Qt::white);
    maler.fillRect(QRectF(b / 2 - h / 10, 0, h / 5, h), rot);
    maler.fillRect(QRectF(0, h * 2 / 5, b, h / 5), rot);
}

}  // namespace

QPixmap Hintergrund() {
    QPixmap bild(480, 478);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, 0, bild.height());
    verlauf.setColorAt(0, QColor(250, 252, 255));
    verlauf.setColorAt(0.55, Hellblau);
    verlauf.setColorAt(1, QColor(120, 170, 210));
    maler.fillRect(bild.rect(), verlauf);
    Stroemungslinien(maler, QRectF(0, 300, 480, 170), 5, QColor(255, 255, 255, 150), 3);
    Stroemungslinien(maler, QRectF(0, 330, 480, 140), 4, QColor(0, 84, 150, 60), 2);
    return bild;
}

QPixmap Flagge(Land land) {
    const QSize groesse(60, 40);
    QPixmap bild(groesse);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    switch (land) {
        case Land::Deutschland:
            Streifen(maler, groesse, {QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)}, false);
            break;
        case Land::Frankreich:
            Streifen(maler, groesse, {QColor(0, 35, 149), QColor(255, 255, 255), QColor(237, 41, 57)}, true);
            break;
        case Land::Spanien:
            Streifen(maler, groesse,
                     {QColor(170, 21, 27), QColor(241, 191, 0), QColor(241, 191, 0), QColor(170, 21, 27)}, false);
            break;
        case Land::Grossbritannien: UnionJack(maler, groesse); break;
    }
    return bild;
}

QPixmap Logo(QSize groesse) {
    QPixmap bild(groesse);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    const double b = groesse.width(), h = groesse.height();

    // A pipe with two flanges and the measuring tube between them.
    const double rohrHoehe = h * 0.36, mitte = h / 2, rohrEnde = b * 0.42;
    QLinearGradient metall(0, mitte - rohrHoehe / 2, 0, mitte + rohrHoehe / 2);
    metall.setColorAt(0, QColor(190, 200, 210));
    metall.setColorAt(0.5, QColor(245, 248, 250));
    metall.setColorAt(1, QColor(130, 145, 160));
    maler.setPen(QPen(QColor(90, 100, 110), 1));
    maler.setBrush(metall);
    maler.drawRect(QRectF(h * 0.15, mitte - rohrHoehe / 2, rohrEnde - h * 0.15, rohrHoehe));
    for (double x : {h * 0.35, rohrEnde - h * 0.35})
        maler.drawRoundedRect(QRectF(x, mitte - rohrHoehe * 0.95, h * 0.14, rohrHoehe * 1.9), 2, 2);
    maler.setBrush(Wasserblau);
    maler.setPen(Qt::NoPen);
    const double kopf = h * 0.34;
    maler.drawEllipse(QPointF((h * 0.35 + rohrEnde - h * 0.21) / 2, mitte - rohrHoehe * 0.95), kopf / 2, kopf / 3);

    // Flow arrows through the tube.
    maler.setPen(QPen(Wasserblau, 2));
    for (double x = h * 0.2; x + 12 < rohrEnde; x += (rohrEnde - h * 0.2) / 3) {
        maler.drawLine(QPointF(x, mitte), QPointF(x + 10, mitte));
        maler.drawLine(QPointF(x + 10, mitte), QPointF(x + 6, mitte - 3));
        maler.drawLine(QPointF(x + 10, mitte), QPointF(x + 6, mitte + 3));
    }

    // The word mark.
    QFont schrift = platform::schrift("Arial", 10, true);
    schrift.setPixelSize(static_cast<int>(h * 0.5));
    maler.setFont(schrift);
    maler.setPen(Wasserblau);
    const QRectF text(rohrEnde + h * 0.2, 0, b - rohrEnde - h * 0.2, h);
    maler.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Fluvan"));
    const double wortBreite = QFontMetricsF(schrift).horizontalAdvance(QStringLiteral("Fluvan "));
    maler.setPen(QColor(128, 128, 128));
    maler.drawText(text.adjusted(wortBreite, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("II"));

    maler.setPen(QPen(Wasserblau, 2));
    maler.drawLine(QPointF(0, h - 1), QPointF(b, h - 1));
    return bild;
}

}  // namespace fluvan::app::bilder
