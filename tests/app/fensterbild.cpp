// A helper for looking at the windows on a display: starts like the program,
// then presses the flag button of the language given as argument, as a user would.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/frmSplashscreen.h"
#include "platform/fensterregister.h"

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    auto* start = fluvan::plattform::zeigeFenster<fluvan::frmSplashscreen>();
    const QString sprache = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    QTimer::singleShot(500, start, [start, sprache] {
        QPushButton* knopf = sprache == "D"    ? start->cmdDeutsch
                             : sprache == "GB" ? start->cmdEnglisch
                             : sprache == "F"  ? start->cmdFranz
                             : sprache == "E"  ? start->cmdSpan
                                               : nullptr;
        if (knopf) QTest::mouseClick(knopf, Qt::LeftButton);
    });
    return anwendung.exec();
}
