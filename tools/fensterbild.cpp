// A helper for looking at the windows on a display: starts like the program,
// then presses the flag button of the language given as first argument, as a
// user would. A second argument then acts on the main form:
//   info            chooses the info entry
//   leitfaehigkeit  chooses the conductivity entry, or with a document as
//                   third argument shows the conductivity window on it
//   stoff           chooses the conductivity entry and clicks the medium named
//                   by the third argument (default "Acetone") in its list
//   liste           opens the list of nominal sizes
//   auslegung       opens the design aid, clicks its first input cell and
//                   types the third argument (default "10")
//   bild1           calculates 12.5 m3 per hour at DN 50: the result sheet;
//                   a third argument such as "USGallon/Sekunde" chooses the
//                   volume and time units by their list texts, a fourth the
//                   full-scale value
//   bild2           the same, then the pressure-loss diagram
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <string>

#include "app/Bild1.h"
#include "app/auslegungshilfe/frmEXCELBlatt.h"
#include "app/ergebnisanzeige.h"
#include "app/frmHauptForm.h"
#include "app/frmLeitfaehigkeit.h"
#include "app/frmSplashscreen.h"
#include "conductivity/stofftabelle.h"
#include "platform/anwendung.h"
#include "platform/dienste.h"
#include "platform/fensterregister.h"

using fluvan::app::frmEXCELBlatt;
using fluvan::app::frmHauptForm;
using fluvan::platform::offenesFenster;

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    fluvan::platform::richteAnwendungEin();
    fluvan::platform::dienste().ergebnis = &fluvan::app::ergebnisanzeige();
    auto* start = fluvan::platform::zeigeFenster<fluvan::app::frmSplashscreen>();
    const QString sprache = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    const QString schritt = argc > 2 ? QString::fromLatin1(argv[2]) : QString();
    const std::string drittes = argc > 3 ? argv[3] : "";
    const QString endwert = QString::fromLatin1(argc > 4 ? argv[4] : "12.5");
    QTimer::singleShot(500, start, [start, sprache] {
        QPushButton* knopf = sprache == "D"    ? start->cmdDeutsch
                             : sprache == "GB" ? start->cmdEnglisch
                             : sprache == "F"  ? start->cmdFranz
                             : sprache == "E"  ? start->cmdSpan
                                               : nullptr;
        if (knopf) QTest::mouseClick(knopf, Qt::LeftButton);
    });
    QTimer::singleShot(1000, [schritt, drittes, endwert] {
        if (schritt == "leitfaehigkeit" && !drittes.empty()) {
            fluvan::platform::zeigeFenster<fluvan::app::frmLeitfaehigkeit>(drittes);
            return;
        }
        frmHauptForm* form = offenesFenster<frmHauptForm>();
        if (!form) return;
        if (schritt == "info") form->mnuInfo->trigger();
        if (schritt == "leitfaehigkeit" || schritt == "stoff") form->mnuLeitfaehigkeit->trigger();
        if (schritt == "stoff") {
            const std::string name = drittes.empty() ? "Acetone" : drittes;
            QTimer::singleShot(500, [name] {
                auto* fenster = offenesFenster<fluvan::app::frmLeitfaehigkeit>();
                const fluvan::conductivity::Stoff* stoff = fluvan::conductivity::findeStoff(name);
                if (!fenster || !stoff) return;
                QListWidgetItem* eintrag =
                    fenster->List1->item(static_cast<int>(stoff - fluvan::conductivity::Stofftabelle.data()));
                fenster->List1->scrollToItem(eintrag);
                QTest::mouseClick(fenster->List1->viewport(), Qt::LeftButton, {},
                                  fenster->List1->visualItemRect(eintrag).center());
            });
        }
        if (schritt == "liste") form->cboMIDDN->showPopup();
        if (schritt == "bild1" || schritt == "bild2") {
            form->txtKunde->setText(QStringLiteral("Muster GmbH"));
            form->txtTAG->setText(QStringLiteral("FT-101"));
            form->txtVKNummer->setText(QStringLiteral("4711"));
            form->cboMIDDN->setCurrentIndex(9);
            const QStringList einheit = QString::fromStdString(drittes).split(u'/');
            if (einheit.size() == 2) {
                form->cboEinheiten->setCurrentIndex(form->cboEinheiten->findText(einheit[0]));
                form->cboZeitEinheiten->setCurrentIndex(form->cboZeitEinheiten->findText(einheit[1]));
            }
            form->txtVolumen->setText(endwert);
            QTest::mouseClick(form->cmdFehlerkurve, Qt::LeftButton);
            if (schritt == "bild2")
                QTimer::singleShot(500, [] {
                    if (auto* blatt = offenesFenster<fluvan::app::Bild1>()) blatt->mnuDruckverlust->trigger();
                });
        }
        if (schritt == "auslegung") {
            form->mnuEXCEL->trigger();
            const QString text = drittes.empty() ? QStringLiteral("10") : QString::fromStdString(drittes);
            QTimer::singleShot(500, [text] {
                frmEXCELBlatt* blatt = offenesFenster<frmEXCELBlatt>();
                if (!blatt) return;
                QLineEdit* b9 = blatt->OLE1->eingabezelle(QStringLiteral("B9"));
                QTest::mouseClick(b9, Qt::LeftButton, {}, b9->rect().center());
                QTest::keyClicks(b9, text);
            });
        }
    });
    return anwendung.exec();
}
