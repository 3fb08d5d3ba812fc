#pragma once
// The pressure-loss diagram: the pressure loss of one complete calculation over its flows.
#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include "platform/bildhalter.h"
#include "platform/mschart.h"

namespace fluvan::app {

class Bild2 : public QMainWindow {
    Q_OBJECT
public:
    Bild2();

    platform::MSChart* MSChart2;
    platform::Bildhalter* Picture2;  // holds the captured picture

    QMenu* mnuDruck;
    QAction* mnuDiagrammDruck;
    QAction* mnuWordeinbinden;
    QAction* mnuEnde;

public slots:
    // Fills the chart from the last complete calculation.
    void Form_Load();
    // Printing and the word-processor hand-over of the window picture.
    void mnuDiagrammDruck_Click();
    void mnuWordeinbinden_Click();
    void WordAnwendungStarten1();
    // Shows the result sheet, then closes the diagram.
    void mnuEnde_Click();
};

}  // namespace fluvan::app
