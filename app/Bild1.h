#pragma once
// The result sheet: the error-curve chart, the header of the sizing case and
// the value table of one complete calculation.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <array>

#include "output/blattinhalt.h"
#include "platform/bildhalter.h"
#include "platform/bmpspeicherung.h"
#include "platform/mschart.h"
#include "platform/rechteck.h"
#include "platform/umbruchknopf.h"

namespace fluvan::app {

class Bild1 : public QMainWindow {
    Q_OBJECT
public:
    Bild1();

    // Label1(0) .. Label1(54); output::label1 names the roles of its indexes.
    std::array<QLabel*, output::label1::Anzahl> Label1{};
    QLabel* Label2;  // caption customer
    QLabel* Label3;  // caption TAG number
    QLabel* Label4;  // velocity heading
    QLabel* Label5;  // caption pressure loss
    QLabel* Label6;  // pressure loss
    QLabel* Label7;  // "mbar"
    QLabel* Label8;  // caption sales-order number
    QLabel* Label9;  // sales-order number
    platform::Rechteck* Shape1;
    platform::Rechteck* Shape2;
    platform::Rechteck* Shape3;
    platform::Rechteck* Shape4;
    platform::Rechteck* Shape5;
    platform::Rechteck* Shape6;
    platform::Rechteck* Shape7;
    QWidget* Line26 = nullptr;  // English window only
    QLabel* Image1;
    platform::MSChart* MSChart1;
    platform::Umbruchknopf* cmdNeueBerechnung;
    platform::Umbruchknopf* cmdEnde;
    platform::Bildhalter* Picture1;  // holds the captured picture
    // The save dialog: the name confirmed last, kept while the sheet is open.
    platform::BmpSpeicherung CommonDialog1;

    QMenu* mnuDiagrammdrucken;
    QAction* mnuDrucken;
    QAction* mnuWord;
    QMenu* mnuNeueBerechnung;
    QAction* mnuSpeichern;
    QAction* mnuNeu;
    QAction* mnuDruckverlust;
    QAction* mnuEnde;

public slots:
    // Fills chart, header and table from the last complete calculation.
    void Form_Load();
    void cmdNeueBerechnung_Click();
    void mnuNeu_Click();
    void mnuDruckverlust_Click();
    void cmdEnde_Click();
    void mnuEnde_Click();
    // Printing, saving and the word-processor hand-over of the window picture.
    void mnuDrucken_Click();
    void mnuSpeichern_Click();
    void mnuWord_Click();
    void WordAnwendungStarten();

private:
    void baueSteuerelemente(QWidget* innen);
    void baueMenue();
    void verbinde();
};

}  // namespace fluvan::app
