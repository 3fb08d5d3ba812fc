#pragma once
// A fixture for the windows of the shell: a fresh calculation state, recording
// fakes behind the services, and no window left over afterwards.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>


#include "app/Bild1.h"
#include "app/Bild2.h"
#include "app/frmHauptForm.h"
#include "app/frmLeitfaehigkeit.h"
#include "app/frmSplashscreen.h"
#include "app/frmSplashscreen1.h"
#include "base/variable.h"
#include "fakes/fakes.h"
#include "platform/dienste.h"
#include "platform/fensterregister.h"

namespace fluvan::test {

using namespace fakes;
using namespace app;

class ZaehlendesEnde : public platform::Programmende {
public:
    void beenden() override { ++beendet; }
    int beendet = 0;
};

// Lets the deletions of closed windows happen, as the event loop would.
inline void loescheGeschlosseneFenster() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The names of the controls that Tab visits, from the focused one on.
inline QStringList tabfolge(int schritte) {
    QStringList folge;
    for (int i = 0; i < schritte; ++i) {
        folge << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return folge;
}

class Fenstertest : public ::testing::Test {
protected:
    void SetUp() override {
        base::Variable::instanz() = base::Variable{};
        meldungen.gezeigt.clear();
        region.trenner = ",";
        ende.beendet = 0;
        anzeige.gezeigt = 0;
        anzeige.ergebnis.reset();
        gesichert = platform::dienste();
        platform::dienste() = {&meldungen, &region, &ende, &anzeige};
    }

    void TearDown() override {
        delete platform::fensterZeiger<frmHauptForm>().data();
        delete platform::fensterZeiger<frmSplashscreen>().data();
        delete platform::fensterZeiger<frmSplashscreen1>().data();
        delete platform::fensterZeiger<app::frmLeitfaehigkeit>().data();
        delete platform::fensterZeiger<app::Bild1>().data();
        delete platform::fensterZeiger<app::Bild2>().data();
        loescheGeschlosseneFenster();
        platform::dienste() = gesichert;
        base::Variable::instanz() = base::Variable{};
    }

    // A new case inside one test: as if the test had just begun.
    void neuerFall() {
        TearDown();
        SetUp();
    }

    // The main form as a language button opens it.
    frmHauptForm* hauptform(const char* sprache) {
        base::Variable::instanz().Sprache = sprache;
        return platform::zeigeFenster<frmHauptForm>();
    }

    base::Variable& v() { return base::Variable::instanz(); }

    AufzeichnendeMeldungen meldungen;
    FesteRegion region{","};
    ZaehlendesEnde ende;
    ZaehlendeAnzeige anzeige;

private:
    platform::Dienste gesichert{};
};

}  // namespace fluvan::test
