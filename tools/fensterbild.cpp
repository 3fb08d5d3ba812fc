// A helper for looking at the windows on a display: starts like the program,
// then presses the flag button of the language given as first argument, as a
// user would; with "info" as second argument it then chooses the info entry,
// with "leitfaehigkeit" the conductivity entry (with a document as third
// argument it shows the conductivity window on that document instead), with
// "bild1" it calculates 12.5 m3 per hour at DN 50 and shows the result sheet,
// with "bild2" also the pressure-loss diagram.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/Bild1.h"
#include "app/ergebnisanzeige.h"
#include "app/frmHauptForm.h"
#include "app/frmLeitfaehigkeit.h"
#include "app/frmSplashscreen.h"
#include "platform/dienste.h"
#include "platform/fensterregister.h"

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    fluvan::platform::dienste().ergebnis = &fluvan::app::ergebnisanzeige();
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
    const QString folge = argc > 2 ? QString::fromLatin1(argv[2]) : QString();
    if (folge == "bild1" || folge == "bild2") {
        QTimer::singleShot(1000, [folge] {
            auto* form = fluvan::platform::offenesFenster<fluvan::app::frmHauptForm>();
            if (!form) return;
            form->txtKunde->setText(QStringLiteral("Muster GmbH"));
            form->txtTAG->setText(QStringLiteral("FT-101"));
            form->txtVKNummer->setText(QStringLiteral("4711"));
            form->cboMIDDN->setCurrentIndex(9);
            form->txtVolumen->setText(QStringLiteral("12.5"));
            QTest::mouseClick(form->cmdFehlerkurve, Qt::LeftButton);
            if (folge != "bild2") return;
            QTimer::singleShot(500, [] {
                if (auto* blatt = fluvan::platform::offenesFenster<fluvan::app::Bild1>()) blatt->mnuDruckverlust->trigger();
            });
        });
    }
    return anwendung.exec();
}
