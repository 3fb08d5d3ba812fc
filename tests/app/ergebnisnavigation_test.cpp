// Navigation between the main form, the sheet and the diagram, and which
// calculation each of them shows.
#include <functional>

#include "app/frmLeitfaehigkeit.h"
#include "tests/app/ergebnisfenster.h"
#include "tests/platform/echteanzeige.h"

namespace fluvan::test {
namespace {

class Ergebnisnavigation : public Ergebnisfenstertest {
protected:
    // The leftmost chart label of a window: the 5 % flow of what it shows.
    static QString fuenfProzent(const platform::MSChart* c) { return c->rowLabel(1); }

    static std::string fenstername(const QWidget* fenster) {
        return fenster ? fenster->objectName().toStdString() : "no window";
    }
};

TEST_F(Ergebnisnavigation, NeueBerechnungZeigtDieHauptformUndSchliesstDasBlatt) {
    for (const bool menue : {false, true}) {
        SCOPED_TRACE(menue ? "mnuNeu" : "cmdNeueBerechnung");
        neuerFall();
        app::Bild1* b = rechne("D", "12.5");
        ASSERT_NE(b, nullptr);
        frmHauptForm* form = platform::offenesFenster<frmHauptForm>();
        form->txtVolumen->setText("7");
        if (menue)
            b->mnuNeu->trigger();
        else
            QTest::mouseClick(b->cmdNeueBerechnung, Qt::LeftButton);
        loescheGeschlosseneFenster();
        EXPECT_EQ(blatt(), nullptr);
        EXPECT_EQ(platform::offenesFenster<frmHauptForm>(), form) << "the open form comes back unchanged";
        EXPECT_EQ(form->txtVolumen->text(), "7");
    }
    // A main form closed meanwhile is created anew.
    neuerFall();
    app::Bild1* b = rechne("GB", "12.5");
    ASSERT_NE(b, nullptr);
    platform::offenesFenster<frmHauptForm>()->close();
    loescheGeschlosseneFenster();
    b->cmdNeueBerechnung->click();
    frmHauptForm* neu = platform::offenesFenster<frmHauptForm>();
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->txtVolumen->text(), "0.0");
    EXPECT_EQ(neu->cmdFehlerkurve->text(), "&Calculation");
}

TEST_F(Ergebnisnavigation, DruckverlustOeffnetDasDiagrammNebenDemBlatt) {
    app::Bild1* b = rechne("D", "12.5");
    ASSERT_NE(b, nullptr);
    b->mnuDruckverlust->trigger();
    app::Bild2* d = diagramm();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(blatt(), b);
    b->mnuDruckverlust->trigger();
    EXPECT_EQ(diagramm(), d) << "one diagram at most";
}

TEST_F(Ergebnisnavigation, EndeDesDiagrammsZeigtDasBlattUndSchliesstDasDiagramm) {
    app::Bild1* b = rechne("D", "12.5");
    b->mnuDruckverlust->trigger();
    diagramm()->mnuEnde->trigger();
    loescheGeschlosseneFenster();
    EXPECT_EQ(diagramm(), nullptr);
    EXPECT_EQ(blatt(), b) << "the open sheet comes to the front";
    EXPECT_TRUE(QTest::qWaitForWindowActive(b));

    // With the sheet closed meanwhile, the end entry creates a new one.
    b->mnuDruckverlust->trigger();
    b->close();
    loescheGeschlosseneFenster();
    ASSERT_NE(diagramm(), nullptr) << "closing the sheet leaves the diagram open";
    diagramm()->mnuEnde->trigger();
    loescheGeschlosseneFenster();
    EXPECT_EQ(diagramm(), nullptr);
    ASSERT_NE(blatt(), nullptr);
    EXPECT_EQ(blatt()->Label1[21]->text(), " 12,5");
}

TEST_F(Ergebnisnavigation, EndeBeendetDasProgrammSofort) {
    app::Bild1* b = rechne("D", "12.5");
    b->cmdEnde->click();
    EXPECT_EQ(ende.beendet, 1);
    b->mnuEnde->trigger();
    EXPECT_EQ(ende.beendet, 2);
}

// Before any complete calculation there is nothing to show.
TEST_F(Ergebnisnavigation, OhneVollstaendigeRechnungOeffnetSichNichts) {
    EXPECT_EQ(rechne("D", "0"), nullptr);
    EXPECT_EQ(meldungen.gezeigt.size(), 1u);
    EXPECT_EQ(app::zeigeErgebnisfenster<app::Bild1>(), nullptr);
    EXPECT_EQ(blatt(), nullptr);
    EXPECT_EQ(app::zeigeErgebnisfenster<app::Bild2>(), nullptr);
    EXPECT_EQ(diagramm(), nullptr);
}

// The shown calculation is the result display's own: another display that
// has not been handed a complete calculation opens nothing.
TEST_F(Ergebnisnavigation, ErgebnisGehoertDerAnzeige) {
    ASSERT_NE(rechne("D", "12.5"), nullptr);
    blatt()->close();
    loescheGeschlosseneFenster();

    app::Ergebnisfenster andere;
    platform::dienste().ergebnis = &andere;
    EXPECT_EQ(app::zeigeErgebnisfenster<app::Bild1>(), nullptr);
    EXPECT_EQ(app::zeigeErgebnisfenster<app::Bild2>(), nullptr);

    platform::dienste().ergebnis = ergebnisse.get();
    app::Bild1* b = app::zeigeErgebnisfenster<app::Bild1>();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Label1[21]->text(), " 12,5");
}

// A new complete calculation reaches an open sheet and an open diagram: both
// read it and come to the front, the same windows as before.
TEST_F(Ergebnisnavigation, NeueRechnungErneuertOffenesBlattUndDiagramm) {
    app::Bild1* b = rechne("D", "12.5");
    b->mnuDruckverlust->trigger();
    app::Bild2* d = diagramm();
    ASSERT_NE(d, nullptr);
    platform::offenesFenster<frmHauptForm>()->txtKunde->setText("Neu AG");

    EXPECT_EQ(rechne("D", "25"), b);
    EXPECT_EQ(diagramm(), d);
    EXPECT_EQ(b->Label1[20]->text(), " 0 -25 m3/Stunde");
    EXPECT_EQ(b->Label1[21]->text(), " 25");
    EXPECT_EQ(b->Label1[36]->text(), " Neu AG");
    EXPECT_EQ(fuenfProzent(b->MSChart1), "1,25");
    EXPECT_EQ(fuenfProzent(d->MSChart2), "1,25");
    EXPECT_EQ(d->MSChart2->value(20), static_cast<double>(v().Druckabfall(1)));
}

// A complete calculation brings the result windows in front of the main form;
// the front one is the active one, and with a diagram open that is the diagram.
TEST_F(Ergebnisnavigation, NeueRechnungAktiviertDasVorderste) {
    for (const bool mitDiagramm : {true, false}) {
        SCOPED_TRACE(mitDiagramm ? "sheet and diagram open" : "sheet open");
        neuerFall();
        app::Bild1* b = rechne("D", "12.5");
        ASSERT_NE(b, nullptr);
        if (mitDiagramm) b->mnuDruckverlust->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowActive(platform::zeigeFenster<frmHauptForm>()));

        ASSERT_EQ(rechne("D", "25"), b);
        QWidget* vorn = mitDiagramm ? static_cast<QWidget*>(diagramm()) : b;
        EXPECT_TRUE(QTest::qWaitForWindowActive(vorn))
            << fenstername(vorn) << " is not active but " << fenstername(QApplication::activeWindow());
    }
}

// Sheet and diagram are both centred and the sheet is the larger: after a new
// calculation the diagram must lie above the sheet, or it is hidden, also
// when the window manager maps the sheet only then: a sheet restored from
// minimized, or a new one after the sheet's new calculation.
TEST_F(Ergebnisnavigation, NeueRechnungLegtDasDiagrammUeberDasBlatt) {
    if (!aufX()) {
        laufeAufX();
        return;
    }
    using namespace fenstermanager;
    // The window a user sees at a point of the screen.
    const auto obenBei = [](QPoint punkt) {
        const QWidget* w = QApplication::widgetAt(punkt);
        return fenstername(w ? w->window() : nullptr);
    };
    enum class Blatt { BliebOffen, Minimiert, Neu };
    const std::pair<Blatt, const char*> faelle[] = {
        {Blatt::BliebOffen, "sheet stayed open"}, {Blatt::Minimiert, "sheet minimized"}, {Blatt::Neu, "new sheet"}};
    for (const auto& [blattfall, name] : faelle) {
        for (const char* sprache : {"D", "GB", "F"}) {
            SCOPED_TRACE(std::string(name) + ", " + sprache);
            neuerFall();
            app::Bild1* b = rechne(sprache, "12.5");
            ASSERT_NE(b, nullptr);
            b->mnuDruckverlust->trigger();
            app::Bild2* d = diagramm();
            ASSERT_TRUE(QTest::qWaitFor([&] { return ruhig() && d->isActiveWindow(); }, 3000));
            const QRect blattflaeche = b->geometry().adjusted(10, 10, -10, -10);
            ASSERT_TRUE(blattflaeche.contains(d->geometry())) << "the sheet can cover the diagram";
            frmHauptForm* form = platform::offenesFenster<frmHauptForm>();
            // The user goes back to the main form for the next calculation.
            if (blattfall == Blatt::Neu)
                b->cmdNeueBerechnung->click();
            else
                platform::zeigeFenster<frmHauptForm>();
            if (blattfall == Blatt::Minimiert) {
                ASSERT_TRUE(minimiere(b));
            }
            ASSERT_TRUE(QTest::qWaitFor([&] { return ruhig() && form->isActiveWindow(); }, 3000))
                << stapeltext({form, b, d});

            b = rechne(sprache, "25");
            ASSERT_NE(b, nullptr);
            const QStringList erwartet = {QStringLiteral("frmHauptForm"), QStringLiteral("Bild1"),
                                          QStringLiteral("Bild2")};
            const auto gestapelt = [&] { return ruhig() && stapelnamen({form, b, d}) == erwartet; };
            EXPECT_TRUE(QTest::qWaitFor(gestapelt, 3000)) << stapeltext({form, b, d});
            QTest::qWait(100);
            EXPECT_TRUE(gestapelt()) << "and stays so: " << stapeltext({form, b, d});
            EXPECT_TRUE(d->isActiveWindow()) << fenstername(QApplication::activeWindow()) << " is active";
            EXPECT_EQ(obenBei(d->geometry().center()), "Bild2") << "the diagram lies above the sheet";
            for (const QPoint ecke : {blattflaeche.topLeft(), blattflaeche.topRight(), blattflaeche.bottomLeft(),
                                      blattflaeche.bottomRight()})
                EXPECT_EQ(obenBei(ecke), "Bild1") << "the sheet lies above the main form";
        }
    }
}

// On Wayland, where a client cannot raise its windows, a new calculation
// shows the covered sheet anew, and the diagram anew once the sheet is on the
// screen again, so that the compositor puts the diagram on top.
TEST_F(Ergebnisnavigation, NeueRechnungZeigtBlattUndDiagrammAufWaylandNeu) {
    if (!aufWayland()) {
        laufeAufWayland();
        return;
    }
    app::Bild1* b = rechne("D", "12.5");
    ASSERT_NE(b, nullptr);
    b->mnuDruckverlust->trigger();
    app::Bild2* d = diagramm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
    frmHauptForm* form = platform::zeigeFenster<frmHauptForm>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->windowHandle()->isExposed(); }, 3000));
    Sichtbarkeitsprotokoll protokoll({b, d});

    ASSERT_EQ(rechne("D", "25"), b);
    EXPECT_EQ(diagramm(), d);
    const QStringList erwartet = {"Bild1 hidden", "Bild1 shown", "Bild1 on the screen",
                                  "Bild2 hidden", "Bild2 shown", "Bild2 on the screen"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return protokoll.ereignisse.size() >= erwartet.size(); }, 3000));
    EXPECT_EQ(protokoll.ereignisse.join(QLatin1String(", ")).toStdString(),
              erwartet.join(QLatin1String(", ")).toStdString());
    EXPECT_EQ(b->Label1[21]->text(), " 25") << "the sheet shows the new calculation";
}

// A command that shows a minimized window brings it back where it was, with
// what it holds, on top and active. Under a window manager.
TEST_F(Ergebnisnavigation, MinimiertesFensterKommtZurueck) {
    if (!aufX()) {
        laufeAufX();
        return;
    }
    using namespace fenstermanager;
    frmHauptForm* form = nullptr;
    app::Bild1* b = nullptr;
    const auto mitDiagramm = [&] { b->mnuDruckverlust->trigger(); };
    const auto mitLeitfaehigkeit = [&] { form->mnuLeitfaehigkeit->trigger(); };
    const auto nichts = [] {};
    struct Fall {
        const char* name;
        std::function<void()> vorher;         // after a calculation
        std::function<QWidget*()> minimiert;  // the window the user minimizes
        std::function<void()> befehl;         // the command that shows it again
    };
    const Fall faelle[] = {
        {"sheet, a new calculation", nichts, [&] { return blatt(); }, [&] { rechne("D", "25"); }},
        {"main form, the sheet's new calculation", nichts, [&] { return form; },
         [&] { b->cmdNeueBerechnung->click(); }},
        {"sheet, the diagram's end entry", mitDiagramm, [&] { return blatt(); },
         [&] { diagramm()->mnuEnde->trigger(); }},
        {"diagram, the sheet's pressure-loss entry", mitDiagramm, [&] { return diagramm(); },
         [&] { b->mnuDruckverlust->trigger(); }},
        {"conductivity window, the main form's entry", mitLeitfaehigkeit,
         [] { return platform::offenesFenster<app::frmLeitfaehigkeit>(); }, mitLeitfaehigkeit},
        {"main form, the conductivity window's end button", mitLeitfaehigkeit, [&] { return form; },
         [] { platform::offenesFenster<app::frmLeitfaehigkeit>()->cmdEnde->click(); }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        neuerFall();
        b = rechne("D", "12.5");
        ASSERT_NE(b, nullptr);
        form = platform::offenesFenster<frmHauptForm>();
        form->txtKunde->setText(QStringLiteral("Kunde AG"));
        fall.vorher();
        ASSERT_TRUE(QTest::qWaitFor(ruhig, 3000));
        QWidget* fenster = fall.minimiert();
        const QPoint ort = fenster->pos();
        ASSERT_TRUE(minimiere(fenster));

        fall.befehl();
        // The window manager writes the window's state apart from its stacking.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return fenster->isActiveWindow() && obenUndAktiv(fenster) && !minimiert(fenster); }, 3000))
            << stapeltext({form, blatt(), diagramm(), fenster});
        EXPECT_FALSE(fenster->isMinimized());
        EXPECT_FALSE(minimiert(fenster));
        EXPECT_EQ(fenster->pos(), ort);
        EXPECT_EQ(form->txtKunde->text(), QStringLiteral("Kunde AG")) << "the main form is the same";
    }
}

// A run that stops early reaches no window: the diagram's end entry and a new
// sheet show the last complete calculation, with the header cells as they are.
TEST_F(Ergebnisnavigation, AbgebrochenerLaufErreichtKeinFenster) {
    app::Bild1* b = rechne("D", "12.5");
    b->mnuDruckverlust->trigger();
    b->cmdNeueBerechnung->click();
    loescheGeschlosseneFenster();

    frmHauptForm* form = platform::offenesFenster<frmHauptForm>();
    form->txtKunde->setText("Später");
    EXPECT_EQ(rechne("D", "99", 0), nullptr) << "DN 2.5 at 99 m3/h: the size check stops the run";
    ASSERT_EQ(meldungen.gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.gezeigt[0].prompt, "Veltrum 220 nur DN 10 ... DN 150!\r\nNicht in DN 20, 32, 65 und DN 125!");
    EXPECT_EQ(v().Durchfluss(1), 99.0f);
    form->cboMIDDaten->setCurrentIndex(0);  // another model selected since

    diagramm()->mnuEnde->trigger();
    loescheGeschlosseneFenster();
    app::Bild1* neu = blatt();
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->Label1[20]->text(), " 0 -12,5 m3/Stunde");
    EXPECT_EQ(neu->Label1[21]->text(), " 12,5");
    EXPECT_EQ(neu->Label1[18]->text(), " Veltrum 220");
    EXPECT_EQ(neu->Label1[19]->text(), " DN 50 - 2\"");
    EXPECT_EQ(neu->MSChart1->rowLabel(20), "12,5");
    EXPECT_EQ(neu->Label1[36]->text(), QString::fromUtf8(" Später")) << "header cells as they are now";

    // The open sheet keeps its header until the next load.
    form->txtKunde->setText("Noch später");
    EXPECT_EQ(neu->Label1[36]->text(), QString::fromUtf8(" Später"));
}

}  // namespace
}  // namespace fluvan::test
