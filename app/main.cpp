// Fluvan II starts on the start screen; nothing else runs before the user's choice.
#include <QApplication>

#include "app/ergebnisanzeige.h"
#include "app/frmSplashscreen.h"
#include "app/programmsymbol.h"
#include "platform/anwendung.h"
#include "platform/dienste.h"
#include "platform/fensterregister.h"

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    fluvan::platform::richteAnwendungEin();
    // Boxes and dialogs carry the program's icon too; a Wayland desktop finds
    // the windows' icon and name through the desktop entry.
    QApplication::setWindowIcon(fluvan::app::programmsymbol());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(fluvan::app::Programmkennung));
    fluvan::platform::dienste().ergebnis = &fluvan::app::ergebnisanzeige();
    fluvan::platform::zeigeFenster<fluvan::app::frmSplashscreen>();
    return anwendung.exec();
}
