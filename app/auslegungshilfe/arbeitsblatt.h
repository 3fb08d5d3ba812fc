#pragma once
// Our own sheet in place of the embedded worksheet: it draws "Tabelle1", lets
// the user type into its four input cells and recomputes every block on each
// change.
#include <QString>
#include <QWidget>
#include <map>
#include <string>

#include "designaid/tabelle1.h"

class QLineEdit;

namespace fluvan::app {

class Arbeitsblatt : public QWidget {
    Q_OBJECT
public:
    explicit Arbeitsblatt(QWidget* parent = nullptr);

    // Makes the sheet ready for input, with B9 the active cell.
    void aktivieren();

    // What the cell shows: its text, the typed text of an input cell, or the
    // result of a result cell; empty for a cell that holds nothing.
    QString zellText(const QString& zelle) const;

    // The input cell B9, B14, B24 or B29, or nullptr.
    QLineEdit* eingabezelle(const QString& zelle) const;

    // Where a cell or range lies on the sheet, in pixels.
    QRect rechteck(const designaid::Bereich& b) const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    struct Ergebnisanzeige {
        QString text;
        bool zahl = false;
    };

    void neuBerechnen();
    int rechterRandFrei(const designaid::Bereich& b) const;
    void zeichneZelle(QPainter& maler, const designaid::Blattzelle& zelle) const;
    void zeichneLogo(QPainter& maler) const;

    std::string dezimaltrenner_;
    std::map<QString, QLineEdit*> eingaben_;
    std::map<QString, Ergebnisanzeige> ergebnisse_;
};

}  // namespace fluvan::app
