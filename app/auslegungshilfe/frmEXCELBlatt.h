#pragma once
// The design-aid window: the sheet that recommends nominal sizes for a flow,
// and its end button. German caption and button in every language.
#include <QWidget>

#include "app/auslegungshilfe/arbeitsblatt.h"

class QPushButton;

namespace fluvan::app {

class frmEXCELBlatt : public QWidget {
    Q_OBJECT
public:
    // Creating the window is its load: the sheet starts from its initial texts.
    frmEXCELBlatt();

    QPushButton* Command1;
    Arbeitsblatt* OLE1;

    void Form_Load();
    void Command1_Click();
};

}  // namespace fluvan::app
