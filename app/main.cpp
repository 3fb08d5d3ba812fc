// Fluvan II starts on the start screen; nothing else runs before the user's choice.
#include <QApplication>

#include "app/ergebnisanzeige.h"
#include "app/frmSplashscreen.h"
#include "platform/anwendung.h"
#include "platform/dienste.h"
#include "platform/fensterregister.h"

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    fluvan::platform::richteAnwendungEin();
    fluvan::platform::dienste().ergebnis = &fluvan::app::ergebnisanzeige();
    fluvan::platform::zeigeFenster<fluvan::app::frmSplashscreen>();
    return anwendung.exec();
}
