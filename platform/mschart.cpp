#include "platform/mschart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/zahlen.h"
#include "output/diagrammachsen.h"
#include "platform/dienste.h"
#include "platform/schriften.h"

namespace fluvan::platform {
namespace {

const QColor Reihenfarbe(255, 0, 0);
const QColor Rahmenfarbe(0, 0, 112);
const QColor Gitterfarbe(192, 192, 192);

constexpr double Rand = 8;           // inside the frame
constexpr double Strichlaenge = 3;   // tick marks outside the plot area
constexpr double Mindestluecke = 4;  // between two shown category labels
constexpr double Punktradius = 3;    // the marker at each value

// A value-axis label in the user's number format; none beyond what a cell can hold.
QString achsenText(double wert) {
    if (!base::imFloatBereich(wert)) return {};
    return QString::fromStdString(base::zahlText(static_cast<float>(wert), dienste().region->Dezimaltrennzeichen()));
}

// The chart area's dark-blue frame, one pixel on each edge.
void rahmen(QPainter& maler, const QRect& flaeche) {
    const int b = flaeche.width(), h = flaeche.height();
    maler.fillRect(0, 0, b, 1, Rahmenfarbe);
    maler.fillRect(0, h - 1, b, 1, Rahmenfarbe);
    maler.fillRect(0, 0, 1, h, Rahmenfarbe);
    maler.fillRect(b - 1, 0, 1, h, Rahmenfarbe);
}

double textHoehe(const QFontMetricsF& mass, double breite, const QString& text) {
    if (text.isEmpty() || breite <= 0) return 0;
    return mass.boundingRect(QRectF(0, 0, breite, 1e6), Qt::AlignHCenter | Qt::TextWordWrap, text).height();
}

}  // namespace

MSChart::MSChart(const Diagrammgestaltung& gestaltung, QWidget* parent) : QWidget(parent), entwurf(gestaltung) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MSChart::SetData(int zeile, int spalte, double wert, int nullmarke) {
    if (!gueltigeZeile(zeile) || spalte != 1) return;
    Zelle& zelle = zellen[zeile - 1];
    zelle.leer = nullmarke != 0;
    zelle.wert = zelle.leer ? 0 : wert;
    update();
}

void MSChart::RowLabel(int zeile, int ebene, const QString& text) {
    if (!gueltigeZeile(zeile) || ebene != 1) return;
    zellen[zeile - 1].beschriftung = text;
    update();
}

int MSChart::rowCount() const { return Zeilen; }

QString MSChart::rowLabel(int zeile) const { return gueltigeZeile(zeile) ? zellen[zeile - 1].beschriftung : QString(); }

double MSChart::value(int zeile) const { return gueltigeZeile(zeile) ? zellen[zeile - 1].wert : 0; }

bool MSChart::isNull(int zeile) const { return !gueltigeZeile(zeile) || zellen[zeile - 1].leer; }

QString MSChart::columnLabel() const { return entwurf.reihenname; }

const Diagrammgestaltung& MSChart::gestaltung() const { return entwurf; }

void MSChart::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);

    const QFont titelSchrift = schrift("Arial", entwurf.titelPunkte);
    const QFont textSchrift = schrift("MS Sans Serif", 7.8);
    const QFont beschriftungsSchrift = schrift("Arial", 7, true);
    const QFontMetricsF textMass(textSchrift, this);
    const QFontMetricsF beschriftungsMass(beschriftungsSchrift, this);
    const double zeile = beschriftungsMass.height();

    // Title at the top, footnote at the bottom, the plot area between them.
    const QRectF innen = QRectF(rect()).adjusted(Rand, Rand, -Rand, -Rand);
    const double titelHoehe = textHoehe(QFontMetricsF(titelSchrift, this), innen.width(), entwurf.titel);
    const double fussHoehe = textHoehe(textMass, innen.width(), entwurf.fussnote);
    maler.setPen(Qt::black);
    maler.setFont(titelSchrift);
    maler.drawText(QRectF(innen.left(), innen.top(), innen.width(), titelHoehe),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, entwurf.titel);
    maler.setFont(textSchrift);
    maler.drawText(QRectF(innen.left(), innen.bottom() - fussHoehe, innen.width(), fussHoehe),
                   Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, entwurf.fussnote);

    const double oben = std::round(innen.top() + titelHoehe + 6 + zeile / 2);
    const double unten = std::round(innen.bottom() - fussHoehe - (fussHoehe > 0 ? 6 : 0) - zeile * 1.5 - Strichlaenge);
    const double beschriftungOben = unten + zeile / 2 + Strichlaenge;

    // The value scale, with as many divisions as the height takes readably.
    std::vector<double> werte;
    for (const Zelle& zelle : zellen)
        if (!zelle.leer) werte.push_back(zelle.wert);
    const output::Wertachse achse = output::wertachse(werte, static_cast<int>((unten - oben) / (3 * zeile)));
    std::vector<QString> achsenTexte;
    double achsenTextBreite = 0;
    for (int k = achse.unten; k <= achse.oben; ++k) {
        achsenTexte.push_back(achsenText(achse.strichwert(k)));
        achsenTextBreite = std::max(achsenTextBreite, beschriftungsMass.horizontalAdvance(achsenTexte.back()));
    }
    achsenTextBreite = std::max(achsenTextBreite, beschriftungsMass.horizontalAdvance(QStringLiteral("0")));

    // Category labels: none wider than a quarter of the chart.
    std::array<QString, Zeilen> beschriftungen;
    std::array<double, Zeilen> breiten{};
    for (int i = 0; i < Zeilen; ++i) {
        beschriftungen[i] = beschriftungsMass.elidedText(zellen[i].beschriftung, Qt::ElideRight, innen.width() / 4);
        breiten[i] = beschriftungsMass.horizontalAdvance(beschriftungen[i]);
    }

    const QString titel = textMass.elidedText(entwurf.wertachsentitel, Qt::ElideRight, innen.width() / 4);
    const double titelBreite = textMass.horizontalAdvance(titel);
    const double links = std::round(std::max(
        innen.left() + titelBreite + (titelBreite > 0 ? 6 : 0) + achsenTextBreite + Strichlaenge + 2,
        innen.left() + breiten.front() / 2));
    const double rechts = std::round(innen.right() - std::max(breiten.back() / 2, Punktradius + 1));
    const double abstand = (rechts - links) / Zeilen;
    if (abstand < 1 || unten - oben < 4) {  // too small for a plot: texts and frame only
        rahmen(maler, rect());
        return;
    }
    const auto y = [&](double wert) { return unten - achse.anteil(wert) * (unten - oben); };
    const auto mitte = [&](int zeilenindex) { return links + (zeilenindex + 0.5) * abstand; };

    // Value axis: title, division lines, ticks and labels.
    maler.setFont(textSchrift);
    maler.drawText(QRectF(innen.left(), (oben + unten - zeile) / 2, titelBreite, zeile),
                   Qt::AlignLeft | Qt::AlignVCenter, titel);
    maler.setFont(beschriftungsSchrift);
    for (int k = achse.unten; k <= achse.oben; ++k) {
        const double hoehe = std::round(y(achse.strichwert(k)));
        maler.setPen(Gitterfarbe);
        if (k != achse.unten) maler.drawLine(QPointF(links, hoehe), QPointF(rechts, hoehe));
        maler.setPen(Qt::black);
        maler.drawLine(QPointF(links - Strichlaenge, hoehe), QPointF(links, hoehe));
        maler.drawText(QRectF(links - Strichlaenge - 2 - achsenTextBreite, hoehe - zeile / 2, achsenTextBreite, zeile),
                       Qt::AlignRight | Qt::AlignVCenter, achsenTexte[static_cast<size_t>(k - achse.unten)]);
    }
    maler.drawLine(QPointF(links, oben), QPointF(links, unten));
    maler.drawLine(QPointF(links, unten), QPointF(rechts, unten));
    if (achse.unten < 0) maler.drawLine(QPointF(links, std::round(y(0))), QPointF(rechts, std::round(y(0))));

    // Category axis: ticks between the categories, every n-th label that fits.
    for (int i = 0; i <= Zeilen; ++i) {
        const double x = std::round(links + i * abstand);
        maler.drawLine(QPointF(x, unten), QPointF(x, unten + Strichlaenge));
    }
    const int schritt = output::beschriftungsschritt(breiten, abstand, Mindestluecke);
    for (int i = 0; i < Zeilen; i += schritt)
        maler.drawText(QRectF(mitte(i) - breiten[i] / 2, beschriftungOben, breiten[i], zeile),
                       Qt::AlignHCenter | Qt::AlignTop, beschriftungen[i]);

    // The series: a line through neighbouring values and a marker at each
    // value; a null or non-finite row breaks the line and shows nothing.
    maler.setRenderHint(QPainter::Antialiasing);
    QPen linie(Reihenfarbe, 2.0 * logicalDpiY() / 72.0);
    linie.setCapStyle(Qt::RoundCap);
    linie.setJoinStyle(Qt::RoundJoin);
    QPainterPath verlauf;
    bool verbunden = false;
    for (int i = 0; i < Zeilen; ++i) {
        const bool sichtbar = !zellen[i].leer && std::isfinite(zellen[i].wert);
        if (!sichtbar) {
            verbunden = false;
            continue;
        }
        const QPointF punkt(mitte(i), y(zellen[i].wert));
        if (verbunden) verlauf.lineTo(punkt);
        else verlauf.moveTo(punkt);
        verbunden = true;
        maler.setPen(Qt::NoPen);
        maler.setBrush(Reihenfarbe);
        maler.drawEllipse(punkt, Punktradius, Punktradius);
    }
    maler.setPen(linie);
    maler.setBrush(Qt::NoBrush);
    maler.drawPath(verlauf);

    rahmen(maler, rect());
}

}  // namespace fluvan::platform
