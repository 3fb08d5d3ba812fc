#pragma once
// The start screen: the language choice with four flag buttons.
#include <QPushButton>
#include <string_view>

#include "app/startbild.h"

namespace fluvan::app {

class frmSplashscreen : public Startbild {
    Q_OBJECT
public:
    frmSplashscreen();

    QPushButton* cmdDeutsch;
    QPushButton* cmdEnglisch;
    QPushButton* cmdFranz;
    QPushButton* cmdSpan;

public slots:
    void cmdDeutsch_Click();
    void cmdEnglisch_Click();
    void cmdFranz_Click();
    void cmdSpan_Click();

private:
    void Sprachwahl(std::string_view sprache);
};

}  // namespace fluvan::app
