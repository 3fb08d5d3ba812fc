// A helper for looking at the windows on a display: starts like the program,
// then presses the flag button of the language given as first argument, as a
// user would; with "info" as second argument it then chooses the info entry,
// with "leitfaehigkeit" the conductivity entry, and with a document as third
// argument it shows the conductivity window on that document instead.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/frmHauptForm.h"
#include "app/frmLeitfaehigkeit.h"
#include "app/frmSplashscreen.h"
#include "platform/anwendung.h"
#include "platform/fensterregister.h"

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    fluvan::platform::richteAnwendungEin();
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
    if (argc > 2 && QString::fromLatin1(argv[2]) == "leitfaehigkeit") {
        const std::string dokument = argc > 3 ? argv[3] : "";
        QTimer::singleShot(1000, [dokument] {
            if (!dokument.empty())
                fluvan::platform::zeigeFenster<fluvan::app::frmLeitfaehigkeit>(dokument);
            else if (auto* form = fluvan::platform::offenesFenster<fluvan::app::frmHauptForm>())
                form->mnuLeitfaehigkeit->trigger();
        });
    }
    return anwendung.exec();
}
