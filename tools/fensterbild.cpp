// A helper for looking at the windows on a display: starts like the program,
// then presses the flag button of the language given as first argument, as a
// user would; with "info" as second argument it then chooses the info entry.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/frmHauptForm.h"
#include "app/frmSplashscreen.h"
#include "platform/fensterregister.h"

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    auto* start = fluvan::platform::zeigeFenster<fluvan::app::frmSplashscreen>();
    const QString sprache = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    QTimer::singleShot(500, start, [start, sprache] {
        QPushButton* knopf = sprache == "D"    ? start->cmdDeutsch
                             : sprache == "GB" ? start->cmdEnglisch
                             : sprache == "F"  ? start->cmdFranz
                             : sprache == "E"  ? start->cmdSpan
                                               : nullptr;
        if (knopf) QTest::mouseClick(knopf, Qt::LeftButton);
    });
    if (argc > 2 && QString::fromLatin1(argv[2]) == "info") {
        QTimer::singleShot(1000, [] {
            if (auto* form = fluvan::platform::offenesFenster<fluvan::app::frmHauptForm>()) form->mnuInfo->trigger();
        });
    }
    return anwendung.exec();
}
