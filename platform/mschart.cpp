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

// The plot area and its scale: where a value and a category are drawn.
struct Plot {
    double links, rechts, oben, unten;
    output::Wertachse achse;

    double abstand() const { return (rechts - links) / MSChart::Zeilen; }
    double mitte(int zeilenindex) const { return links + (zeilenindex + 0.5) * abstand(); }
    double y(double wert) const { return unten - achse.anteil(wert) * (unten - oben); }
};

// Division lines, ticks and labels of the value axis, the axis lines, and
// the zero line when the scale goes below 0.
void zeichneWertachse(QPainter& maler, const Plot& plot, const std::vector<QString>& texte, double textBreite,
                      const QFont& schrift) {
    const double zeile = QFontMetricsF(schrift, maler.device()).height();
    maler.setFont(schrift);
    for (int k = plot.achse.unten; k <= plot.achse.oben; ++k) {
        const double hoehe = std::round(plot.y(plot.achse.strichwert(k)));
        maler.setPen(Gitterfarbe);
        if (k != plot.achse.unten) maler.drawLine(QPointF(plot.links, hoehe), QPointF(plot.rechts, hoehe));
        maler.setPen(Qt::black);
        maler.drawLine(QPointF(plot.links - Strichlaenge, hoehe), QPointF(plot.links, hoehe));
        maler.drawText(QRectF(plot.links - Strichlaenge - 2 - textBreite, hoehe - zeile / 2, textBreite, zeile),
                       Qt::AlignRight | Qt::AlignVCenter, texte[static_cast<size_t>(k - plot.achse.unten)]);
    }
    maler.drawLine(QPointF(plot.links, plot.oben), QPointF(plot.links, plot.unten));
    maler.drawLine(QPointF(plot.links, plot.unten), QPointF(plot.rechts, plot.unten));
    if (plot.achse.unten < 0) {
        const double null = std::round(plot.y(0));
        maler.drawLine(QPointF(plot.links, null), QPointF(plot.rechts, null));
    }
}

// Ticks between the categories and every n-th label that fits.
void zeichneKategorien(QPainter& maler, const Plot& plot, const std::array<QString, MSChart::Zeilen>& texte,
                       const std::array<double, MSChart::Zeilen>& breiten, const QFont& schrift) {
    maler.setPen(Qt::black);
    for (int i = 0; i <= MSChart::Zeilen; ++i) {
        const double x = std::round(plot.links + i * plot.abstand());
        maler.drawLine(QPointF(x, plot.unten), QPointF(x, plot.unten + Strichlaenge));
    }
    const double zeile = QFontMetricsF(schrift, maler.device()).height();
    const double oben = plot.unten + zeile / 2 + Strichlaenge;
    maler.setFont(schrift);
    const int schritt = output::beschriftungsschritt(breiten, plot.abstand(), Mindestluecke);
    for (int i = 0; i < MSChart::Zeilen; i += schritt)
        maler.drawText(QRectF(plot.mitte(i) - breiten[i] / 2, oben, breiten[i], zeile), Qt::AlignHCenter | Qt::AlignTop,
                       texte[i]);
}

// The series: a 2 pt line through neighbouring values and a marker at each
// value; a row without a finite value breaks the line and shows nothing.
void zeichneReihe(QPainter& maler, const Plot& plot, const std::array<double, MSChart::Zeilen>& werte) {
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(Reihenfarbe);
    QPainterPath verlauf;
    bool verbunden = false;
    for (int i = 0; i < MSChart::Zeilen; ++i) {
        if (!std::isfinite(werte[i])) {
            verbunden = false;
            continue;
        }
        const QPointF punkt(plot.mitte(i), plot.y(werte[i]));
        if (verbunden)
            verlauf.lineTo(punkt);
        else
            verlauf.moveTo(punkt);
        verbunden = true;
        maler.drawEllipse(punkt, Punktradius, Punktradius);
    }
    QPen linie(Reihenfarbe, 2.0 * maler.device()->logicalDpiY() / 72.0);
    linie.setCapStyle(Qt::RoundCap);
    linie.setJoinStyle(Qt::RoundJoin);
    maler.setPen(linie);
    maler.setBrush(Qt::NoBrush);
    maler.drawPath(verlauf);
    maler.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

MSChart::MSChart(const Diagrammgestaltung& gestaltung, QWidget* parent) : QWidget(parent), entwurf(gestaltung) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);  // a tab stop, as the chart control is in its windows' tab order
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
    Plot plot{};
    plot.oben = std::round(innen.top() + titelHoehe + 6 + zeile / 2);
    plot.unten = std::round(innen.bottom() - fussHoehe - (fussHoehe > 0 ? 6 : 0) - zeile * 1.5 - Strichlaenge);

    // The value scale, with as many divisions as the height takes readably;
    // a null row is no value (NaN here, so that it is not drawn either).
    std::array<double, Zeilen> werte{};
    for (int i = 0; i < Zeilen; ++i) werte[i] = zellen[i].leer ? std::nan("") : zellen[i].wert;
    plot.achse = output::wertachse(werte, static_cast<int>((plot.unten - plot.oben) / (3 * zeile)));
    std::vector<QString> achsenTexte;
    double achsenTextBreite = beschriftungsMass.horizontalAdvance(QStringLiteral("0"));
    for (int k = plot.achse.unten; k <= plot.achse.oben; ++k) {
        achsenTexte.push_back(achsenText(plot.achse.strichwert(k)));
        achsenTextBreite = std::max(achsenTextBreite, beschriftungsMass.horizontalAdvance(achsenTexte.back()));
    }

    // Category labels: none wider than a quarter of the chart.
    std::array<QString, Zeilen> beschriftungen;
    std::array<double, Zeilen> breiten{};
    for (int i = 0; i < Zeilen; ++i) {
        beschriftungen[i] = beschriftungsMass.elidedText(zellen[i].beschriftung, Qt::ElideRight, innen.width() / 4);
        breiten[i] = beschriftungsMass.horizontalAdvance(beschriftungen[i]);
    }

    // The value-axis title beside the labels, at the plot's middle height; the
    // plot leaves room for it and for half the first and the last label.
    const QString titel = textMass.elidedText(entwurf.wertachsentitel, Qt::ElideRight, innen.width() / 4);
    const double titelBreite = textMass.horizontalAdvance(titel);
    plot.links = std::round(
        std::max(innen.left() + titelBreite + (titelBreite > 0 ? 6 : 0) + achsenTextBreite + Strichlaenge + 2,
                 innen.left() + breiten.front() / 2));
    plot.rechts = std::round(innen.right() - std::max(breiten.back() / 2, Punktradius + 1));
    if (plot.abstand() >= 1 && plot.unten - plot.oben >= 4) {  // else too small for a plot: texts and frame only
        maler.setFont(textSchrift);
        maler.drawText(QRectF(innen.left(), (plot.oben + plot.unten - zeile) / 2, titelBreite, zeile),
                       Qt::AlignLeft | Qt::AlignVCenter, titel);
        zeichneWertachse(maler, plot, achsenTexte, achsenTextBreite, beschriftungsSchrift);
        zeichneKategorien(maler, plot, beschriftungen, breiten, beschriftungsSchrift);
        zeichneReihe(maler, plot, werte);
    }
    rahmen(maler, rect());
}

}  // namespace fluvan::platform
