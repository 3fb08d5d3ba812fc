#include "app/auslegungshilfe/arbeitsblatt.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>
#include <numeric>

#include "designaid/auslegungsblock.h"
#include "designaid/zellwert.h"
#include "platform/dienste.h"
#include "platform/qfarbe.h"
#include "platform/qtext.h"
#include "platform/schriften.h"
#include "platform/twips.h"

namespace fluvan::app {

using namespace designaid;

namespace {

constexpr int randPixel = 3;  // the gap between a cell's edge and its text

QFont qSchrift(const Schrift& s) { return platform::schrift(s.name, s.punkt, s.fett); }

QString zellname(const Blattzelle& z) { return platform::qtext(z.bereich.substr(0, z.bereich.find(':'))); }

int spaltenAnfang(int spalte) { return std::accumulate(spaltenbreiten.begin(), spaltenbreiten.begin() + spalte, 0); }

int zeilenAnfang(int zeile) {
    int twips = 0;
    for (int z = 1; z < zeile; ++z) twips += z == zeilen ? letzteZeilenhoehe : zeilenhoehe;
    return twips;
}

// Typing into a chosen cell replaces what it holds, as in a spreadsheet:
// choosing the cell, by click or by keyboard, selects its whole content, and
// the first key typed replaces it. From then on the cell is being edited and
// a click places the cursor, until the cell is left.
class Eingabefeld : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* ereignis) override {
        QLineEdit::focusInEvent(ereignis);
        bearbeitet_ = false;
        selectAll();
    }
    void focusOutEvent(QFocusEvent* ereignis) override {
        QLineEdit::focusOutEvent(ereignis);
        bearbeitet_ = false;
    }
    void mousePressEvent(QMouseEvent* ereignis) override {
        QLineEdit::mousePressEvent(ereignis);
        if (!bearbeitet_) selectAll();
    }
    void mouseMoveEvent(QMouseEvent* ereignis) override {
        if (bearbeitet_) QLineEdit::mouseMoveEvent(ereignis);
    }
    void mouseReleaseEvent(QMouseEvent* ereignis) override {
        QLineEdit::mouseReleaseEvent(ereignis);
        if (!bearbeitet_) selectAll();
    }
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override {
        // A double click edits the cell at the place clicked.
        bearbeitet_ = true;
        setCursorPosition(cursorPositionAt(ereignis->position().toPoint()));
    }
    void keyPressEvent(QKeyEvent* ereignis) override {
        QLineEdit::keyPressEvent(ereignis);
        if (!ereignis->text().isEmpty() || ereignis->key() == Qt::Key_Backspace || ereignis->key() == Qt::Key_Delete)
            bearbeitet_ = true;
    }

private:
    bool bearbeitet_ = false;
};

struct Absatz {
    QString text;
    QList<QTextLayout::FormatRange> formate;
    QFont grundschrift;
};

void haengeAn(Absatz& a, const QString& text, const Schrift& schrift) {
    QTextLayout::FormatRange bereich;
    bereich.start = static_cast<int>(a.text.size());
    bereich.length = static_cast<int>(text.size());
    bereich.format.setFont(qSchrift(schrift));
    bereich.format.setForeground(platform::qfarbe(schrift.farbe));
    a.text += text;
    a.formate.append(bereich);
}

Absatz absatz(const Blattzelle& zelle) {
    Absatz a;
    a.grundschrift = qSchrift(zelle.laeufe[0].schrift);
    for (const Textlauf& lauf : zelle.laeufe) {
        if (!lauf.text.empty()) haengeAn(a, platform::qtext(lauf.text), lauf.schrift);
    }
    return a;
}

// Lays the text out in the field and draws it, left or centred or right,
// at the bottom or in the middle.
void zeichneAbsatz(QPainter& maler, const QRectF& feld, const Absatz& a, Qt::Alignment waagrecht, Senkrecht senkrecht,
                   bool umbrechen) {
    QTextLayout layout(a.text, a.grundschrift, maler.device());
    layout.setFormats(a.formate);
    QTextOption option;
    option.setWrapMode(umbrechen ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    const qreal breite = feld.width() - 2 * randPixel;
    qreal hoehe = 0;
    layout.beginLayout();
    for (QTextLine zeile = layout.createLine(); zeile.isValid(); zeile = layout.createLine()) {
        zeile.setLineWidth(umbrechen ? breite : 1e6);
        qreal x = randPixel;
        if (waagrecht == Qt::AlignHCenter)
            x = (feld.width() - zeile.naturalTextWidth()) / 2;
        else if (waagrecht == Qt::AlignRight)
            x = feld.width() - randPixel - zeile.naturalTextWidth();
        zeile.setPosition(QPointF(x, hoehe));
        hoehe += zeile.height();
    }
    layout.endLayout();
    const qreal y = senkrecht == Senkrecht::Mitte ? (feld.height() - hoehe) / 2 : feld.height() - hoehe - 1;
    layout.draw(&maler, feld.topLeft() + QPointF(0, y));
}

}  // namespace

Arbeitsblatt::Arbeitsblatt(QWidget* parent)
    : QWidget(parent), dezimaltrenner_(platform::dienste().region->Dezimaltrennzeichen()) {
    setFixedSize(rechteck({0, 1, static_cast<int>(spaltenbreiten.size()) - 1, zeilen}).size());
    for (const Blattzelle& zelle : tabelle1) {
        if (zelle.art != Zellart::Eingabe) continue;
        auto* feld = new Eingabefeld(platform::qtext(zelle.laeufe[0].text), this);
        feld->setObjectName(zellname(zelle));
        feld->setFrame(false);
        feld->setFont(qSchrift(zelle.laeufe[0].schrift));
        QPalette farben = feld->palette();
        farben.setColor(QPalette::Base, platform::qfarbe(zelle.mitGrund ? zelle.grund : weiss));
        farben.setColor(QPalette::Text, platform::qfarbe(zelle.laeufe[0].schrift.farbe));
        feld->setPalette(farben);
        feld->setTextMargins(randPixel - 1, 0, randPixel - 1, 0);
        feld->setGeometry(rechteck(bereich(zelle.bereich)));
        connect(feld, &QLineEdit::textChanged, this, &Arbeitsblatt::neuBerechnen);
        eingaben_[feld->objectName()] = feld;
    }
    neuBerechnen();
}

void Arbeitsblatt::aktivieren() {
    if (QLineEdit* b9 = eingabezelle(QStringLiteral("B9"))) b9->setFocus();
}

QLineEdit* Arbeitsblatt::eingabezelle(const QString& zelle) const {
    const auto it = eingaben_.find(zelle);
    return it == eingaben_.end() ? nullptr : it->second;
}

QString Arbeitsblatt::zellText(const QString& zelle) const {
    if (QLineEdit* feld = eingabezelle(zelle)) return feld->text();
    if (const auto it = ergebnisse_.find(zelle); it != ergebnisse_.end()) return it->second.text;
    const Blattzelle* z = blattzelle(zelle.toStdString());
    return z ? absatz(*z).text : QString();
}

void Arbeitsblatt::neuBerechnen() {
    for (const Auslegungsblock& block : auslegungsbloecke) {
        const QLineEdit* feld = eingabezelle(platform::qtext(block.eingabezelle));
        const Zellwert eingabe = leseEingabezelle(feld->text().toStdString(), dezimaltrenner_);
        const Blockergebnis ergebnis = berechne(block, eingabe);
        ergebnisse_[platform::qtext(block.vonZelle)] = {
            QString::fromStdString(anzeigeText(block, ergebnis.von, dezimaltrenner_)), ergebnis.von.has_value()};
        ergebnisse_[platform::qtext(block.bisZelle)] = {
            QString::fromStdString(anzeigeText(block, ergebnis.bis, dezimaltrenner_)), ergebnis.bis.has_value()};
    }
    update();
}

QRect Arbeitsblatt::rechteck(const Bereich& b) const {
    const int x1 = platform::pixel(spaltenAnfang(b.spalte1));
    const int x2 = platform::pixel(spaltenAnfang(b.spalte2 + 1));
    const int y1 = platform::pixel(zeilenAnfang(b.zeile1));
    const int y2 = platform::pixel(zeilenAnfang(b.zeile2 + 1));
    return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}

// A single cell's text runs on over the empty cells to its right, up to the
// next cell that holds something.
int Arbeitsblatt::rechterRandFrei(const Bereich& b) const {
    int naechste = static_cast<int>(spaltenbreiten.size());
    for (const Blattzelle& andere : tabelle1) {
        const Bereich a = bereich(andere.bereich);
        if (a.zeile1 <= b.zeile1 && b.zeile1 <= a.zeile2 && a.spalte1 > b.spalte2)
            naechste = std::min(naechste, a.spalte1);
    }
    return platform::pixel(spaltenAnfang(naechste));
}

void Arbeitsblatt::zeichneZelle(QPainter& maler, const Blattzelle& zelle) const {
    const Bereich b = bereich(zelle.bereich);
    const QRect feld = rechteck(b);
    if (zelle.mitGrund) maler.fillRect(feld, platform::qfarbe(zelle.grund));
    if (zelle.art == Zellart::Eingabe) return;

    Absatz a = absatz(zelle);
    Qt::Alignment waagrecht = zelle.waagrecht == Waagrecht::Mitte ? Qt::AlignHCenter : Qt::AlignLeft;
    if (zelle.art == Zellart::Ergebnis) {
        const Ergebnisanzeige& ergebnis = ergebnisse_.at(zellname(zelle));
        a.text.clear();
        a.formate.clear();
        haengeAn(a, ergebnis.text, zelle.laeufe[0].schrift);
        if (ergebnis.zahl) waagrecht = Qt::AlignRight;
    }

    maler.save();
    if (zelle.gedreht) {
        // Read upwards: the text runs from the bottom of the range to its top.
        maler.translate(feld.left(), feld.bottom() + 1);
        maler.rotate(-90);
        const QRectF gedreht(0, 0, feld.height(), feld.width());
        maler.setClipRect(gedreht);
        zeichneAbsatz(maler, gedreht, a, waagrecht, zelle.senkrecht, zelle.umbrechen);
    } else {
        QRectF flaeche = feld;
        const bool einzeln = b.spalte1 == b.spalte2 && b.zeile1 == b.zeile2;
        if (einzeln && !zelle.umbrechen && waagrecht == Qt::AlignLeft) flaeche.setRight(rechterRandFrei(b));
        maler.setClipRect(flaeche);
        zeichneAbsatz(maler, flaeche, a, waagrecht, zelle.senkrecht, zelle.umbrechen);
    }
    maler.restore();
}

// Our own emblem: a pipe section between two flanges with a flow arrow.
void Arbeitsblatt::zeichneLogo(QPainter& maler) const {
    const QRectF feld = QRectF(rechteck(bereich(logo))).adjusted(12, 8, -12, -8);
    const qreal h = feld.height();
    const QRectF rohr(feld.left() + h * 0.3, feld.center().y() - h * 0.22, feld.width() - h * 0.6, h * 0.44);
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0, 70, 140));
    maler.drawRoundedRect(QRectF(feld.left(), feld.top() + h * 0.1, h * 0.3, h * 0.8), 3, 3);
    maler.drawRoundedRect(QRectF(feld.right() - h * 0.3, feld.top() + h * 0.1, h * 0.3, h * 0.8), 3, 3);
    maler.setBrush(QColor(0, 110, 190));
    maler.drawRect(rohr);
    QPainterPath pfeil;
    const qreal mitte = rohr.center().y();
    pfeil.moveTo(rohr.left() + rohr.width() * 0.15, mitte);
    pfeil.lineTo(rohr.right() - rohr.width() * 0.2, mitte);
    maler.setPen(QPen(Qt::white, h * 0.08, Qt::SolidLine, Qt::RoundCap));
    maler.drawPath(pfeil);
    maler.setPen(Qt::NoPen);
    maler.setBrush(Qt::white);
    const qreal spitze = rohr.right() - rohr.width() * 0.1;
    maler.drawPolygon(QPolygonF({QPointF(spitze, mitte), QPointF(spitze - h * 0.2, mitte - h * 0.14),
                                 QPointF(spitze - h * 0.2, mitte + h * 0.14)}));
    maler.restore();
}

void Arbeitsblatt::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    for (const Blattzelle& zelle : tabelle1) zeichneZelle(maler, zelle);
    const QRect linie = rechteck(bereich(trennlinie));
    maler.setPen(QPen(Qt::black, 1));
    maler.drawLine(linie.bottomLeft(), linie.bottomRight());
    zeichneLogo(maler);
}

}  // namespace fluvan::app
