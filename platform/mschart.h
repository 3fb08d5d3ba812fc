#pragma once
// Our chart control: a data grid of 21 rows and 1 column, drawn as one red
// series over the categories in row order.
#include <QString>
#include <QWidget>
#include <array>

namespace fluvan::platform {

// The design of a chart, fixed when its window builds it; the same for both
// charts but for these texts and the title size.
struct Diagrammgestaltung {
    QString titel;            // top, centred, Arial regular, black
    double titelPunkte = 10;  // 10 pt on the error-curve chart, 7 pt on the pressure-loss chart
    QString fussnote;         // bottom left, MS Sans Serif 7.8 pt; empty: no footnote
    QString wertachsentitel;  // "± F [%]" or "mbar", written horizontally beside the value axis
    QString reihenname;       // the column label: "Fehlerkurve" or "Druckverlust"
};

class MSChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int Zeilen = 21;
    explicit MSChart(const Diagrammgestaltung& gestaltung, QWidget* parent = nullptr);

    // The data-grid operations the windows' fill calls (rows 1..21, column 1, level 1).
    // nullmarke 0: the value is present. Out-of-range rows/columns are ignored.
    void SetData(int zeile, int spalte, double wert, int nullmarke);
    void RowLabel(int zeile, int ebene, const QString& text);

    // Read back what the grid holds, for tests and tools (rows 1..21).
    Q_INVOKABLE int rowCount() const;
    Q_INVOKABLE QString rowLabel(int zeile) const;
    Q_INVOKABLE double value(int zeile) const;
    Q_INVOKABLE bool isNull(int zeile) const;
    Q_INVOKABLE QString columnLabel() const;
    const Diagrammgestaltung& gestaltung() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    struct Zelle {
        double wert = 0;
        bool leer = true;  // the null mark: no value
        QString beschriftung;
    };
    static bool gueltigeZeile(int zeile) { return zeile >= 1 && zeile <= Zeilen; }

    Diagrammgestaltung entwurf;
    std::array<Zelle, Zeilen> zellen;
};

}  // namespace fluvan::platform
