#include "app/frmSplashscreen1.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "platform/qt_meldungen.h"
#include "tests/app/ergebnisfenster.h"
#include "tests/app/fenster.h"
#include "tests/platform/antworter.h"
#include "tests/platform/ausgabe.h"

namespace fluvan::test {
namespace {

class Infobild : public Fenstertest {};

TEST_F(Infobild, InfoSchliesstDieHauptformUndZeigtDasInfobild) {
    frmHauptForm* form = hauptform("GB");
    form->mnuInfo->trigger();
    loescheGeschlosseneFenster();
    EXPECT_EQ(platform::fensterZeiger<frmHauptForm>().data(), nullptr);
    frmSplashscreen1* info = platform::offenesFenster<frmSplashscreen1>();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->Timer1->isActive());
    EXPECT_EQ(info->Timer1->interval(), 2000);
    EXPECT_EQ(v().Sprache, "GB");
}

TEST_F(Infobild, NachDemTimerKommtDieHauptformFrischZurueck) {
    frmHauptForm* form = hauptform("F");
    form->cboMIDDaten->setCurrentIndex(0);
    form->cboEinheiten->setCurrentIndex(9);
    form->txtDichte->setText("850");
    form->txtLaenge->setText("300");
    form->Option3->setChecked(true);
    QTest::keyClicks(form->txtKunde, "Kunde ");
    QTest::keyClicks(form->txtTAG, "FT-101");
    QTest::keyClicks(form->txtVKNummer, "4711");
    form->mnuInfo->trigger();
    loescheGeschlosseneFenster();

    platform::offenesFenster<frmSplashscreen1>()->Timer1_Timer();
    loescheGeschlosseneFenster();

    EXPECT_EQ(platform::fensterZeiger<frmSplashscreen1>().data(), nullptr);
    form = platform::offenesFenster<frmHauptForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->cboMIDDaten->currentText(), "Veltrum 220");
    EXPECT_EQ(form->cboEinheiten->currentText(), "m3");
    EXPECT_EQ(form->cboZeitEinheiten->currentText(), "Heure");
    EXPECT_EQ(v().Geraetetyp, "Veltrum 220");
    EXPECT_EQ(v().VolumenEinheit, "m3");
    EXPECT_EQ(form->txtDichte->text(), "1000");
    EXPECT_EQ(form->txtVisco->text(), "1");
    EXPECT_EQ(form->txtLaenge->text(), "68");
    EXPECT_EQ(form->txtVolumen->text(), "0.0");
    EXPECT_TRUE(form->Option1->isChecked());
    // The header boxes show what the next result sheet will print.
    EXPECT_EQ(v().Kunde, "Kunde ");
    EXPECT_EQ(form->txtKunde->text(), "Kunde ");
    EXPECT_EQ(form->txtTAG->text(), "FT-101");
    EXPECT_EQ(form->txtVKNummer->text(), "4711");
}

// Neither a close request from the desktop nor a key or a click ends the wait.
TEST_F(Infobild, NurDerTimerSchliesstDasInfobild) {
    hauptform("D")->mnuInfo->trigger();
    loescheGeschlosseneFenster();
    QPointer<frmSplashscreen1> info = platform::offenesFenster<frmSplashscreen1>();
    ASSERT_FALSE(info.isNull());
    EXPECT_FALSE(info->close());
    QTest::keyClick(info, Qt::Key_Escape);
    QTest::keyClick(info, Qt::Key_F4, Qt::AltModifier);
    QTest::mouseClick(info, Qt::LeftButton);
    loescheGeschlosseneFenster();
    ASSERT_FALSE(info.isNull());
    EXPECT_EQ(platform::offenesFenster<frmSplashscreen1>(), info);
    EXPECT_TRUE(info->Timer1->isActive());

    info->Timer1_Timer();
    loescheGeschlosseneFenster();
    EXPECT_EQ(platform::fensterZeiger<frmSplashscreen1>().data(), nullptr);
    EXPECT_NE(platform::offenesFenster<frmHauptForm>(), nullptr);
}

TEST_F(Infobild, EineOffeneHauptformKommtNurNachVorn) {
    hauptform("D")->mnuInfo->trigger();
    loescheGeschlosseneFenster();
    // Another window brought the main form back meanwhile.
    frmHauptForm* form = platform::zeigeFenster<frmHauptForm>();
    form->txtVolumen->setText("12");
    platform::offenesFenster<frmSplashscreen1>()->Timer1_Timer();
    loescheGeschlosseneFenster();
    EXPECT_EQ(platform::offenesFenster<frmHauptForm>(), form);
    EXPECT_EQ(form->txtVolumen->text(), "12");
}

// In the running program: the info entry leaves no window open for a moment,
// yet the program goes on; the info screen's timer, single shot at 2000 ms,
// brings the main form back.
TEST_F(Infobild, InfoBeendetDasProgrammNicht) {
    hauptform("E");
    QElapsedTimer uhr;
    qint64 zurueckNach = -1;
    int letztesFensterZu = 0;
    bool timerGeprueft = false;
    const auto verbindung = QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { ++letztesFensterZu; });
    QTimer::singleShot(0, [&] {
        uhr.start();
        platform::offenesFenster<frmHauptForm>()->mnuInfo->trigger();
        frmSplashscreen1* info = platform::offenesFenster<frmSplashscreen1>();
        ASSERT_NE(info, nullptr);
        EXPECT_TRUE(info->Timer1->isActive());
        EXPECT_TRUE(info->Timer1->isSingleShot());
        EXPECT_EQ(info->Timer1->interval(), 2000);
        timerGeprueft = true;
    });
    QTimer pruefer;
    pruefer.setInterval(20);
    QObject::connect(&pruefer, &QTimer::timeout, [&] {
        if (zurueckNach < 0 && platform::offenesFenster<frmHauptForm>() && uhr.isValid()) {
            zurueckNach = uhr.elapsed();
            // A little longer, to see that the last-window signal does not follow.
            QTimer::singleShot(200, [] { QCoreApplication::exit(0); });
        }
    });
    pruefer.start();
    // A loaded machine may be slow; the bound only ends a test that hangs.
    QTimer::singleShot(20000, [] { QCoreApplication::exit(1); });
    const int ende = QApplication::exec();
    QObject::disconnect(verbindung);
    EXPECT_TRUE(timerGeprueft);
    // Some Qt versions quit at that signal, others look again: it must not come at all.
    EXPECT_EQ(letztesFensterZu, 0);
    EXPECT_EQ(ende, 0) << "the main form did not come back";
    EXPECT_GE(zurueckNach, 0);
    EXPECT_EQ(platform::offenesFenster<frmSplashscreen1>(), nullptr);
}

// The info screen's time runs out while a box or dialog waits for the user:
// the real box, over the info screen, and a word processor that refuses the
// document a moment after the hand-over.
class InfobildWartet : public Ergebnisfenstertest {
protected:
    void SetUp() override {
        Ergebnisfenstertest::SetUp();
        platform::Dienste& dienste = platform::dienste();
        dienste.meldungen = &echteMeldungen;
        dienste.zwischenablage = &zwischenablage;
        dienste.speicherdialog = &speicherdialog;
        dienste.starter = &starter;
        starter = AufzeichnenderStarter();
        starter.spaeter = true;
        starter.gelingt = [](const QString&) { return false; };
    }
    platform::QtMeldungen echteMeldungen;
    platform::QtSpeicherdialog speicherdialog;
    FakeZwischenablage zwischenablage;
    AufzeichnenderStarter starter;
    EigenerTempOrdner temp;
};

TEST_F(InfobildWartet, BisDieMeldungBeantwortetIst) {
    struct Fall {
        const char* name;
        bool blatt;      // the sheet's hand-over fails late
        bool diagramm;   // the diagram's hand-over fails late, after the sheet's
        bool speichern;  // the sheet's save dialog is open instead
    };
    const Fall faelle[] = {
        {"Uebergabe des Blatts scheitert spaet", true, false, false},
        {"Uebergabe des Diagramms scheitert spaet", false, true, false},
        {"zwei spaete Fehlschlaege uebereinander", true, true, false},
        {"Speicherdialog des Blatts offen", false, false, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        neuerFall();
        app::Bild1* b = rechne("GB", "12.5");
        ASSERT_NE(b, nullptr);
        b->mnuDruckverlust->trigger();
        app::Bild2* d = diagramm();
        ASSERT_NE(d, nullptr);
        if (fall.blatt) b->mnuWord->trigger();
        if (fall.diagramm) d->mnuWordeinbinden->trigger();
        platform::offenesFenster<frmHauptForm>()->mnuInfo->trigger();
        loescheGeschlosseneFenster();
        const QPointer<frmSplashscreen1> info = platform::offenesFenster<frmSplashscreen1>();
        ASSERT_FALSE(info.isNull());
        // The outcomes find the info screen active, as the user has just opened it.
        ASSERT_TRUE(QTest::qWaitForWindowActive(info));

        // A shorter time, so that the test stays quick; the box is answered
        // only once it has run out.
        bool abgelaufen = false;
        QObject::connect(info->Timer1, &QTimer::timeout, info, [&] { abgelaufen = true; });
        info->Timer1->start(20);
        struct Stand {
            bool abgelaufen, infoOffen, hauptform;
            int offen;  // boxes and dialogs on screen
        };
        std::vector<Stand> beimAntworten;
        Antworter antworter(
            [&] { return abgelaufen; },
            [&] {
                const QWidgetList fenster = QApplication::topLevelWidgets();
                beimAntworten.push_back(
                    {abgelaufen, platform::offenesFenster<frmSplashscreen1>() != nullptr,
                     platform::offenesFenster<frmHauptForm>() != nullptr,
                     static_cast<int>(std::count_if(fenster.begin(), fenster.end(), [](const QWidget* w) {
                         return w->isVisible() && qobject_cast<const QDialog*>(w);
                     }))});
            });
        // The outcomes come from the event loop, the second inside the box of
        // the first.
        for (std::size_t nummer = 0; nummer < starter.ausstehend.size(); ++nummer)
            QTimer::singleShot(0, [this, nummer] { starter.melde(nummer); });
        if (fall.speichern) QTimer::singleShot(0, b, [b] { b->mnuSpeichern->trigger(); });

        EXPECT_TRUE(QTest::qWaitFor([&] { return !platform::offenesFenster<frmSplashscreen1>(); }, 10000));
        loescheGeschlosseneFenster();

        const std::size_t erwartet = fall.blatt + fall.diagramm + fall.speichern;
        ASSERT_EQ(antworter.gesehen.size(), erwartet);
        for (std::size_t i = 0; i < erwartet; ++i) {
            SCOPED_TRACE(i);
            const Gesehen& gesehen = antworter.gesehen[i];
            // Still on screen after the time ran out, the info screen behind
            // it and the main form not yet back.
            EXPECT_TRUE(beimAntworten[i].abgelaufen);
            EXPECT_TRUE(gesehen.sichtbar);
            EXPECT_TRUE(beimAntworten[i].infoOffen);
            EXPECT_FALSE(beimAntworten[i].hauptform);
            // Stacked, the upper one is answered first.
            EXPECT_EQ(beimAntworten[i].offen, static_cast<int>(erwartet - i));
            if (fall.speichern) {
                EXPECT_EQ(gesehen.was, "QFileDialog");
                EXPECT_EQ(gesehen.eltern, b);
            } else {
                EXPECT_EQ(gesehen.was, "Operation not possible!");
                EXPECT_EQ(gesehen.eltern, nullptr);
            }
        }
        // Once answered, the info screen has gone and the main form is back.
        EXPECT_TRUE(info.isNull());
        EXPECT_NE(platform::offenesFenster<frmHauptForm>(), nullptr);
        EXPECT_EQ(blatt(), b);
        EXPECT_EQ(diagramm(), d);
        EXPECT_EQ(ende.beendet, 0);
    }
}

}  // namespace
}  // namespace fluvan::test
