#include "platform/mschart.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <array>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/schriften.h"
#include "platform/twips.h"

namespace fluvan::platform {
namespace {

const Diagrammgestaltung Fehlerkurve{QStringLiteral("Genauigkeit unter Referenzbedingung"), 10,
                                     QStringLiteral("± F = Messfehler in % vom Durchfluss (Messwert)"),
                                     QStringLiteral("± F [%]"), QStringLiteral("Fehlerkurve")};
const Diagrammgestaltung Druckverlust{QStringLiteral("Druckverlust"), 7, QString(), QStringLiteral("mbar"),
                                      QStringLiteral("Druckverlust")};

using Werte = std::array<double, 20>;

// The two charts at the sizes their windows give them.
struct Diagrammgroesse {
    const char* name;
    const Diagrammgestaltung& gestaltung;
    int breite, hoehe;
};
const Diagrammgroesse Diagrammgroessen[] = {
    {"Fehlerkurve des Blatts", Fehlerkurve, pixel(7932), pixel(8292)},
    {"Druckverlust des Diagramms", Druckverlust, pixel(9612), pixel(6852)},
};

std::vector<int> schwarzeLinien(const QImage& bild);

// The chart at the size of the result sheet's error-curve chart.
struct Diagramm {
    explicit Diagramm(const Diagrammgestaltung& gestaltung = Fehlerkurve, int breite = pixel(7932),
                      int hoehe = pixel(8292))
        : chart(gestaltung) {
        chart.resize(breite, hoehe);
    }

    // Rows 1..20 as the windows fill them; row 21 carries only the unit.
    void fuelle(const Werte& werte) {
        for (int r = 1; r <= 20; ++r) {
            chart.SetData(r, 1, werte[r - 1], 0);
            chart.RowLabel(r, 1, QString::number(r));
        }
        chart.RowLabel(21, 1, QStringLiteral("m3/h"));
    }

    QImage bild() { return chart.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The category axis: the lowest black line across an empty chart of the
    // same design and size (where the plot ends does not depend on the values).
    int achse() const {
        MSChart leer(chart.gestaltung());
        leer.resize(chart.size());
        const auto linien = schwarzeLinien(leer.grab().toImage().convertToFormat(QImage::Format_RGB32));
        return linien.empty() ? -1 : linien.back();
    }

    MSChart chart;
};

bool rot(QRgb p) { return qRed(p) >= 250 && qGreen(p) <= 5 && qBlue(p) <= 5; }
bool schwarz(QRgb p) { return qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) < 40; }
bool tinte(QRgb p) { return qRed(p) < 160 && qGreen(p) < 160 && qBlue(p) < 160; }

// Where the series is: its pure-red pixels.
struct Rot {
    explicit Rot(const QImage& bild) : bild(bild) {
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (rot(bild.pixel(x, y))) {
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
    }
    bool da() const { return rechts >= 0; }
    // The category centres, from the markers at the first and the 20th value.
    double mitte(int zeile) const { return links + 3 + (zeile - 1) * abstand(); }
    double abstand() const { return (rechts - links - 6) / 19.0; }
    // Topmost red pixel in the column of a category, -1 when none.
    int oben(int zeile) const {
        const int x = static_cast<int>(std::lround(mitte(zeile)));
        for (int y = 0; y < bild.height(); ++y)
            if (rot(bild.pixel(x, y))) return y;
        return -1;
    }
    bool nahe(double x, int y, int d) const {
        for (int yy = y - d; yy <= y + d; ++yy)
            for (int xx = static_cast<int>(x) - d; xx <= static_cast<int>(x) + d; ++xx)
                if (bild.valid(xx, yy) && rot(bild.pixel(xx, yy))) return true;
        return false;
    }
    QImage bild;
    int links = std::numeric_limits<int>::max(), rechts = -1;
};

// Rows drawn as black lines across at least half the chart: the axes.
std::vector<int> schwarzeLinien(const QImage& bild) {
    std::vector<int> zeilen;
    for (int y = 0; y < bild.height(); ++y) {
        int anzahl = 0;
        for (int x = 0; x < bild.width(); ++x) anzahl += schwarz(bild.pixel(x, y));
        if (anzahl >= bild.width() / 2) zeilen.push_back(y);
    }
    return zeilen;
}

// The labels in a band of rows, as [from, to) column pairs: runs of ink,
// where the glyphs of one label stand less than 3 pixels apart.
std::vector<std::pair<int, int>> textbloecke(const QImage& bild, int von, int bis) {
    std::vector<std::pair<int, int>> bloecke;
    int anfang = -1;
    // Inside the frame only.
    for (int x = 1; x < bild.width(); ++x) {
        bool tinteDa = false;
        for (int y = von; x < bild.width() - 1 && y < bis; ++y) tinteDa = tinteDa || tinte(bild.pixel(x, y));
        if (tinteDa && anfang < 0) anfang = x;
        if (!tinteDa && anfang >= 0) {
            if (!bloecke.empty() && anfang - bloecke.back().second < 3)
                bloecke.back().second = x;
            else
                bloecke.push_back({anfang, x});
            anfang = -1;
        }
    }
    return bloecke;
}

double beschriftungshoehe() { return QFontMetricsF(schrift("Arial", 7, true)).height(); }

TEST(MSChart, DatenrasterLesbarUndFremdeZeilenIgnoriert) {
    MSChart chart(Fehlerkurve);
    // Designed state: 21 null rows without labels, the series name as column label.
    EXPECT_EQ(chart.rowCount(), 21);
    for (int r = 1; r <= 21; ++r) {
        EXPECT_TRUE(chart.isNull(r)) << r;
        EXPECT_EQ(chart.rowLabel(r), QString()) << r;
    }
    EXPECT_EQ(chart.columnLabel(), "Fehlerkurve");
    EXPECT_EQ(chart.gestaltung().titel, Fehlerkurve.titel);
    EXPECT_EQ(chart.gestaltung().titelPunkte, 10);

    chart.SetData(1, 1, 0.0, 0);
    chart.SetData(20, 1, 2.345, 0);
    chart.SetData(7, 1, 5.0, 0);
    chart.SetData(7, 1, 5.0, 1);  // null again
    chart.RowLabel(1, 1, QStringLiteral("6,25"));
    chart.RowLabel(21, 1, QStringLiteral("m3/Stunde"));
    EXPECT_FALSE(chart.isNull(1));
    EXPECT_EQ(chart.value(1), 0.0);
    EXPECT_EQ(chart.value(20), 2.345);
    EXPECT_TRUE(chart.isNull(7));
    EXPECT_EQ(chart.rowLabel(1), "6,25");
    EXPECT_EQ(chart.rowLabel(21), "m3/Stunde");
    EXPECT_TRUE(chart.isNull(21));

    // Rows, columns and label levels outside the grid change nothing.
    chart.SetData(0, 1, 9, 0);
    chart.SetData(22, 1, 9, 0);
    chart.SetData(-3, 1, 9, 0);
    chart.SetData(2, 2, 9, 0);
    chart.SetData(2, 0, 9, 0);
    chart.RowLabel(0, 1, QStringLiteral("x"));
    chart.RowLabel(22, 1, QStringLiteral("x"));
    chart.RowLabel(2, 2, QStringLiteral("x"));
    EXPECT_TRUE(chart.isNull(2));
    EXPECT_EQ(chart.rowLabel(2), QString());
    EXPECT_TRUE(chart.isNull(0));
    EXPECT_TRUE(chart.isNull(22));
    EXPECT_EQ(chart.rowLabel(22), QString());

    // Readable by name, as a tool reads it.
    double gelesen = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(&chart, "value", Q_RETURN_ARG(double, gelesen), Q_ARG(int, 20)));
    EXPECT_EQ(gelesen, 2.345);
}

// The windows never ask for a redraw: a new value or label repaints by itself.
TEST(MSChart, NeueDatenZeichnenSichSelbst) {
    struct Maler : QObject {
        bool eventFilter(QObject*, QEvent* e) override {
            anzahl += e->type() == QEvent::Paint;
            return false;
        }
        int anzahl = 0;
    } maler;
    MSChart chart(Fehlerkurve);
    chart.resize(300, 300);
    chart.installEventFilter(&maler);
    chart.show();
    QCoreApplication::processEvents();
    struct Fall {
        const char* name;
        void (*aenderung)(MSChart&);
    };
    for (const Fall& fall : {Fall{"Wert", [](MSChart& c) { c.SetData(3, 1, 1.5, 0); }},
                             Fall{"Beschriftung", [](MSChart& c) { c.RowLabel(3, 1, QStringLiteral("12,5")); }}}) {
        SCOPED_TRACE(fall.name);
        const int vorher = maler.anzahl;
        fall.aenderung(chart);
        QCoreApplication::processEvents();
        EXPECT_GT(maler.anzahl, vorher);
    }
}

TEST(MSChart, DunkelblauerRahmenUmWeissenGrund) {
    for (const auto& [name, gestaltung, breite, hoehe] : Diagrammgroessen) {
        SCOPED_TRACE(name);
        Diagramm d(gestaltung, breite, hoehe);
        d.fuelle({});
        const QImage bild = d.bild();
        ASSERT_EQ(bild.size(), QSize(breite, hoehe));
        const QRgb blau = qRgb(0, 0, 112);
        for (int x = 0; x < breite; ++x) {
            ASSERT_EQ(bild.pixel(x, 0), blau) << x;
            ASSERT_EQ(bild.pixel(x, hoehe - 1), blau) << x;
        }
        for (int y = 0; y < hoehe; ++y) {
            ASSERT_EQ(bild.pixel(0, y), blau) << y;
            ASSERT_EQ(bild.pixel(breite - 1, y), blau) << y;
        }
        EXPECT_EQ(bild.pixel(2, 2), qRgb(255, 255, 255));
        EXPECT_EQ(bild.pixel(breite - 3, hoehe / 2), qRgb(255, 255, 255));
    }
}

// Ink in a band of rows: the leftmost and rightmost column, -1 when none.
std::pair<int, int> tintenspanne(const QImage& bild, int von, int bis) {
    std::pair<int, int> spanne{-1, -1};
    for (int y = von; y < bis; ++y)
        for (int x = 1; x < bild.width() - 1; ++x)
            if (tinte(bild.pixel(x, y))) {
                if (spanne.first < 0 || x < spanne.first) spanne.first = x;
                spanne.second = std::max(spanne.second, x);
            }
    return spanne;
}

// The title centred at the top; the footnote at the bottom left, only where
// the design has one.
TEST(MSChart, TitelObenMittigFussnoteUntenLinks) {
    for (const auto& [name, gestaltung, breite, hoehe] : Diagrammgroessen) {
        SCOPED_TRACE(name);
        Diagramm d(gestaltung, breite, hoehe);  // unfilled: no category labels near the bottom
        const QImage bild = d.bild();
        const auto [titelLinks, titelRechts] = tintenspanne(bild, 1, 24);
        ASSERT_GE(titelLinks, 0);
        EXPECT_NEAR(titelLinks, breite - 1 - titelRechts, 3);
        const auto [fussLinks, fussRechts] = tintenspanne(bild, hoehe - 20, hoehe - 1);
        if (gestaltung.fussnote.isEmpty()) {
            EXPECT_EQ(fussLinks, -1);
        } else {
            EXPECT_GE(fussLinks, 2);
            EXPECT_LT(fussLinks, 15);
            EXPECT_LT(fussRechts, breite * 3 / 4);
        }
    }
}

// Each value at its category in row order: the series goes up where the
// values go up, from row 1 at the left, over (nearly) the whole plot width.
TEST(MSChart, ReiheLaeuftVonLinksNachRechtsDurchAlleZwanzigKategorien) {
    Werte steigend{}, zickzack{}, krumm{};
    for (int i = 0; i < 20; ++i) {
        steigend[i] = i + 1;
        zickzack[i] = i % 2 ? 3 : 1;
        krumm[i] = 100.0 / (i + 1);  // falling, as an error curve from 5 % to 100 %
    }
    for (const auto& [name, werte] : {std::pair{"steigend", steigend}, std::pair{"zickzack", zickzack},
                                      std::pair{"fallend wie eine Fehlerkurve", krumm}}) {
        SCOPED_TRACE(name);
        Diagramm d;
        d.fuelle(werte);
        const QImage bild = d.bild();
        const Rot reihe(bild);
        ASSERT_TRUE(reihe.da());
        // 20 of 21 categories across a plot that fills most of the chart.
        EXPECT_GT(reihe.rechts - reihe.links, bild.width() * 0.6);
        for (int r = 1; r < 20; ++r) {
            const int hier = reihe.oben(r), dort = reihe.oben(r + 1);
            ASSERT_GE(hier, 0) << r;
            ASSERT_GE(dort, 0) << r + 1;
            if (werte[r] > werte[r - 1])
                EXPECT_LT(dort, hier) << r;
            else
                EXPECT_GT(dort, hier) << r;
        }
    }
}

// Row 21 is a category without a value: nothing is drawn at its place, and
// with a value it would be drawn a category's width further right.
TEST(MSChart, KategorieEinundzwanzigOhneWert) {
    Werte werte{};
    werte.fill(2.0);
    Diagramm ohne;
    ohne.fuelle(werte);
    const QImage bildOhne = ohne.bild();
    const Rot reiheOhne(bildOhne);

    Diagramm mit;
    mit.fuelle(werte);
    mit.chart.SetData(21, 1, 2.0, 0);
    const Rot reiheMit(mit.bild());
    EXPECT_NEAR(reiheMit.rechts - reiheOhne.rechts, reiheOhne.abstand(), 2);

    // Its label, the unit, is still shown under it.
    const int achse = ohne.achse();
    ASSERT_GT(achse, 0);
    const double zeile = beschriftungshoehe();
    const auto bloecke =
        textbloecke(bildOhne, achse + static_cast<int>(zeile / 2) + 2, achse + 2 * static_cast<int>(zeile) + 3);
    ASSERT_FALSE(bloecke.empty());
    const double mitte21 = reiheOhne.mitte(21);
    EXPECT_LT(bloecke.back().first, mitte21);
    EXPECT_GT(bloecke.back().second, mitte21);
}

// A 0 is a value on the zero line; a null row is not drawn at all. With
// negative values the zero line lies inside the plot.
TEST(MSChart, NullWertLiegtAufDerNulllinie) {
    for (double anderer : {5.0, -5.0}) {
        Werte werte{};
        werte.fill(anderer);
        werte[0] = 5;
        werte[9] = 0;
        werte[19] = 2 * anderer;  // keeps the others off the lowest division line
        Diagramm d;
        d.fuelle(werte);
        const QImage bild = d.bild();
        const Rot reihe(bild);
        const auto linien = schwarzeLinien(bild);
        ASSERT_FALSE(linien.empty());
        // All positive: the zero line is the category axis; with negatives a line above it.
        const int nulllinie = anderer > 0 ? d.achse() : linien.front();
        if (anderer < 0) {
            EXPECT_LT(nulllinie, d.achse() - 20);
        }
        EXPECT_TRUE(reihe.nahe(reihe.mitte(10), nulllinie, 2)) << anderer;

        d.chart.SetData(10, 1, 0, 1);
        const QImage ohne = d.bild();
        EXPECT_FALSE(Rot(ohne).nahe(reihe.mitte(10), nulllinie, 2)) << anderer;
    }
}

// Equal values, also all zero, are drawn as a flat line inside the plot.
TEST(MSChart, GleicheWerteWerdenGezeichnet) {
    for (double wert : {7.5, 0.0, -0.001, 1e30, 1e-30}) {
        Werte werte{};
        werte.fill(wert);
        Diagramm d;
        d.fuelle(werte);
        const QImage bild = d.bild();
        const Rot reihe(bild);
        ASSERT_TRUE(reihe.da()) << wert;
        EXPECT_GT(reihe.rechts - reihe.links, bild.width() * 0.6) << wert;
        const int hoehe = reihe.oben(1);
        for (int r = 2; r <= 20; ++r) EXPECT_NEAR(reihe.oben(r), hoehe, 1) << wert << " " << r;
        const int achse = d.achse();
        ASSERT_GT(achse, 0);
        EXPECT_GT(hoehe, 20) << wert;
        EXPECT_LE(hoehe, achse) << wert;
    }
}

// Values that are not numbers are left out; the others are still drawn on a
// usable scale, and drawing never fails, even at the ends of the double range.
TEST(MSChart, NichtEndlicheUndExtremeWerte) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Werte werte{};
    for (int i = 0; i < 20; ++i) werte[i] = i + 1;
    werte[4] = nan;
    werte[5] = inf;
    werte[6] = -inf;
    Diagramm d;
    d.fuelle(werte);
    const Rot reihe(d.bild());
    ASSERT_TRUE(reihe.da());
    for (int r : {5, 6, 7}) EXPECT_EQ(reihe.oben(r), -1) << r;
    for (int r : {4, 8}) EXPECT_GE(reihe.oben(r), 0) << r;
    // The infinities did not stretch the scale: 20 stands far above 1.
    EXPECT_LT(reihe.oben(20), reihe.oben(1) - 200);

    for (Werte extrem : {Werte{DBL_MAX, -DBL_MAX}, Werte{DBL_MIN, 4.9e-324}, Werte{nan, nan}}) {
        Diagramm e;
        e.fuelle(extrem);
        EXPECT_FALSE(e.bild().isNull());
    }
    Diagramm winzig(Fehlerkurve, 12, 9);
    winzig.fuelle(werte);
    EXPECT_FALSE(winzig.bild().isNull());
}

// Labels that fit are all shown; long ones are thinned, never overlapped,
// and the first and the last (the unit) stay.
TEST(MSChart, KategoriebeschriftungenUeberlappenNie) {
    struct Fall {
        const char* name;
        QString muster;
        int gezeigt;  // 0: fewer than 21, at least 2
    };
    for (const Fall& fall :
         {Fall{"kurz: alle", QStringLiteral("%1"), 21}, Fall{"lang: ausgeduennt", QStringLiteral("Beschriftung%1"), 0},
          Fall{"ueberlang: ausgeduennt", QString(300, QChar('W')) + QStringLiteral("%1"), 0}}) {
        for (const auto& [name, gestaltung, breite, hoehe] : Diagrammgroessen) {
            SCOPED_TRACE(std::string(fall.name) + ", " + name);
            Diagramm d(gestaltung, breite, hoehe);
            d.fuelle({});
            double breiteste = 0;
            const QFontMetricsF mass(schrift("Arial", 7, true));
            for (int r = 1; r <= 21; ++r) {
                d.chart.RowLabel(r, 1, fall.muster.arg(r));
                breiteste = std::max(breiteste, mass.horizontalAdvance(fall.muster.arg(r)));
            }
            const QImage bild = d.bild();
            const int achse = d.achse();
            ASSERT_GT(achse, 0);
            const double zeile = beschriftungshoehe();
            const auto bloecke =
                textbloecke(bild, achse + static_cast<int>(zeile / 2) + 2, achse + 2 * static_cast<int>(zeile) + 3);
            if (fall.gezeigt) {
                EXPECT_EQ(static_cast<int>(bloecke.size()), fall.gezeigt);
            } else {
                EXPECT_GE(bloecke.size(), 2u);
                EXPECT_LT(bloecke.size(), 21u);
            }
            // Two labels run together would make a block wider than any one label.
            for (auto [von, bis] : bloecke) {
                EXPECT_LE(bis - von, std::min(breiteste, breite / 4.0) + 2);
                EXPECT_GT(von, 0);
                EXPECT_LT(bis, breite);
            }
        }
    }
}

}  // namespace
}  // namespace fluvan::platform
