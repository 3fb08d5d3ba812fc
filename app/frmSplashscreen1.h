#pragma once
// The info screen: the start screen's texts for 2000 ms, then the main form
// comes back and the info screen closes; while a modal box or dialog is open,
// only once it has been answered.
#include <QTimer>

#include "app/startbild.h"

namespace fluvan::app {

class frmSplashscreen1 : public Startbild {
    Q_OBJECT
public:
    frmSplashscreen1();

    QLabel* Label2;
    QTimer* Timer1;

public slots:
    void Timer1_Timer();

protected:
    // Only its own timer closes the window: a close request from the desktop
    // (a keystroke or the window manager) neither shortens the wait nor ends it.
    void closeEvent(QCloseEvent* ereignis) override;

private:
    bool abgelaufen = false;
};

}  // namespace fluvan::app
