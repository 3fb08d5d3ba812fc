#include "platform/umbruchlabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>

namespace fluvan::platform {

namespace {

// The width of one line as Qt's layout counts it when it breaks lines: the
// advance plus the overhang of the last letter.
qreal zeilenbreite(const QString& zeile, const QFont& schrift) {
    QTextLayout layout(zeile, schrift);
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine linie = layout.createLine();
    linie.setLineWidth(1e6);  // wider than any caption
    layout.endLayout();
    return linie.naturalTextWidth();
}

// The lines of a text broken at its blanks to the width in pixels: a line ends
// before the word that would make it wider; the blanks at a break go, and
// those at the end of a paragraph go where they would stick out of the box.
QString zeilenAnBlanks(const QString& text, const QFont& schrift, int breite) {
    QStringList zeilen;
    for (const QString& absatz : text.split(u'\n')) {
        QString zeile;
        bool ohneWort = true;  // leading blanks of a paragraph stay with its first word
        qsizetype i = 0;
        while (i < absatz.size()) {
            qsizetype wortanfang = i;
            while (wortanfang < absatz.size() && absatz[wortanfang] == u' ') ++wortanfang;
            qsizetype wortende = wortanfang;
            while (wortende < absatz.size() && absatz[wortende] != u' ') ++wortende;
            const bool nurBlanks = wortanfang == wortende;
            const QString laenger = zeile + absatz.sliced(i, wortende - i);
            // Blanks at the end take no room, as in the platform's layout.
            if (ohneWort || nurBlanks || zeilenbreite(laenger, schrift) <= breite) {
                zeile = laenger;
            } else {
                zeilen << zeile;
                zeile = absatz.sliced(wortanfang, wortende - wortanfang);
            }
            ohneWort = ohneWort && nurBlanks;
            i = wortende;
        }
        // The blanks at its end count where they fit, as when Qt centres them.
        qsizetype ende = zeile.size();
        while (ende > 0 && zeile[ende - 1] == u' ') --ende;
        const bool ragenHinaus = ende > 0 && ende < zeile.size() && zeilenbreite(zeile, schrift) > breite;
        zeilen << (ragenHinaus ? zeile.first(ende) : zeile);
    }
    return zeilen.join(u'\n');
}

}  // namespace

Umbruchlabel::Umbruchlabel(QWidget* eltern) : QLabel(eltern) { setWordWrap(true); }

QRect Umbruchlabel::textfeld() const {
    // As QLabel places plain text: the margin all round, an indent on the
    // aligned sides (half an "x" when the label has a frame and no indent).
    QRect feld = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int einzug = indent();
    if (einzug < 0 && frameWidth()) einzug = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (einzug > 0) {
        const int a = textflags();
        if (a & Qt::AlignLeft) feld.setLeft(feld.left() + einzug);
        if (a & Qt::AlignRight) feld.setRight(feld.right() - einzug);
        if (a & Qt::AlignTop) feld.setTop(feld.top() + einzug);
        if (a & Qt::AlignBottom) feld.setBottom(feld.bottom() - einzug);
    }
    return feld;
}

int Umbruchlabel::textflags() const {
    const bool rechtsNachLinks = text().isRightToLeft();
    return QStyle::visualAlignment(rechtsNachLinks ? Qt::RightToLeft : Qt::LeftToRight, alignment()) |
           (rechtsNachLinks ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
}

int Umbruchlabel::heightForWidth(int breite) const {
    const QRect feld = textfeld();
    const int textbreite = feld.width() + breite - width();
    const QString zeilen = zeilenAnBlanks(text(), font(), textbreite);
    // Centring plays no part in the height.
    const int flags = textflags() & ~(Qt::AlignHCenter | Qt::AlignVCenter);
    const QRect umriss = fontMetrics().boundingRect(QRect(0, 0, textbreite, 2000), flags, zeilen);
    return std::max(umriss.height() + height() - feld.height(), minimumHeight());
}

void Umbruchlabel::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    drawFrame(&maler);
    const QRect feld = textfeld();
    // The lines go to the painter ready broken, so that it breaks nowhere else.
    const QString zeilen = zeilenAnBlanks(text(), font(), feld.width());
    style()->drawItemText(&maler, feld, textflags(), palette(), isEnabled(), zeilen, foregroundRole());
}

}  // namespace fluvan::platform
