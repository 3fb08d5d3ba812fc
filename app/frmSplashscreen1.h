#pragma once
// The info screen: the start screen's texts for 2000 ms, then the main form
// comes back and the info screen closes.
#include <QTimer>

#include "app/startbild.h"

namespace fluvan {

class frmSplashscreen1 : public Startbild {
    Q_OBJECT
public:
    frmSplashscreen1();

    QLabel* Label2;
    QTimer* Timer1;

public slots:
    void Timer1_Timer();
};

}  // namespace fluvan
