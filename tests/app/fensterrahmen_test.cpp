#include "app/fensterrahmen.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <stdexcept>

#include "app/auslegungshilfe/frmEXCELBlatt.h"
#include "platform/fensteraufnahme.h"
#include "platform/rollflaeche.h"
#include "tests/app/ergebnisfenster.h"
#include "tests/conductivity/dokumente.h"
#include "tests/platform/ausgabe.h"
#include "tests/platform/echteanzeige.h"

namespace fluvan::test {
namespace {

using app::Rahmen;
using app::Rahmenart;

// What each border kind allows the user: a caption bar with which boxes, and
// whether the window can be resized. Inside 1500 x 750 twips is 100 x 50 pixels.
TEST(Fensterrahmen, JedeArtMitIhrenKnoepfenUndIhrerGroesse) {
    struct Fall {
        const char* name;
        Rahmenart art;
        bool rahmenlos, eigeneKnoepfe, dialog, fest;
    };
    const Fall faelle[] = {
        {"ohne", Rahmenart::Ohne, true, false, false, true},
        {"veraenderlich", Rahmenart::Veraenderlich, false, false, false, false},
        {"fest einfach", Rahmenart::FestEinfach, false, true, false, true},
        {"fest als Dialog", Rahmenart::FestDialog, false, true, true, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QWidget fenster;
        app::richteFensterEin(&fenster, "Probe", "Titel", Rahmen{fall.art, 1500, 750, false});
        EXPECT_EQ(fenster.objectName(), "Probe");
        EXPECT_EQ(fenster.windowTitle(), "Titel");
        EXPECT_TRUE(fenster.isWindow());
        const Qt::WindowFlags f = fenster.windowFlags();
        EXPECT_EQ(f.testFlag(Qt::FramelessWindowHint), fall.rahmenlos);
        // Only a close box: no minimise and maximise boxes.
        EXPECT_EQ(f.testFlag(Qt::CustomizeWindowHint), fall.eigeneKnoepfe);
        if (fall.eigeneKnoepfe) {
            EXPECT_TRUE(f.testFlag(Qt::WindowCloseButtonHint));
            EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint));
        }
        EXPECT_EQ(f.testFlag(Qt::MSWindowsFixedSizeDialogHint), fall.dialog);
        EXPECT_EQ(fenster.size(), QSize(100, 50));
        EXPECT_EQ(fenster.minimumSize() == fenster.maximumSize(), fall.fest);
    }
}

// A window with a menu bar: its inside area has the table's size (4500 x 3000
// twips, 300 x 200 pixels) below the bar; a fixed frame then keeps the whole window at that size, a sizeable one
// only lets it not shrink below it.
TEST(Fensterrahmen, MenuefensterInnenflaecheUnterDerLeiste) {
    for (const Rahmenart art : {Rahmenart::FestEinfach, Rahmenart::Veraenderlich}) {
        const bool fest = art != Rahmenart::Veraenderlich;
        SCOPED_TRACE(fest ? "fest" : "veraenderlich");
        QMainWindow fenster;
        const Rahmen rahmen{art, 4500, 3000, false};
        QWidget* innen = app::richteMenuefensterEin(&fenster, "Probe", "Titel", rahmen, QColor(1, 2, 3));
        app::eintrag(fenster.menuBar(), "mnuEnde", "&Ende");
        app::schliesseRahmenAb(&fenster, rahmen);
        EXPECT_EQ(fenster.centralWidget(), innen);
        EXPECT_EQ(innen->size(), QSize(300, 200));
        EXPECT_EQ(innen->minimumSize(), QSize(300, 200));
        EXPECT_EQ(innen->palette().color(innen->backgroundRole()), QColor(1, 2, 3));
        EXPECT_FALSE(fenster.menuBar()->isNativeMenuBar());
        EXPECT_EQ(fenster.height(), 200 + fenster.menuBar()->sizeHint().height());
        EXPECT_EQ(fenster.minimumSize() == fenster.maximumSize(), fest);
    }
}

// The order is the table's, not the order in which the controls were made;
// the first one has the focus when the window opens.
TEST(Fensterrahmen, FokusfolgeNachDenNamen) {
    QWidget fenster;
    QWidget* innen = new QWidget(&fenster);
    const auto feld = [](QWidget* eltern, const char* name) {
        auto* f = new QLineEdit(eltern);
        f->setObjectName(QString::fromLatin1(name));
        return f;
    };
    QLineEdit* a = feld(&fenster, "a");
    QLineEdit* b = feld(innen, "b");  // found inside a container as well
    QLineEdit* c = feld(&fenster, "c");
    const app::Fokusfolge<3> folge = {"c", "a", "b"};
    app::setzeFokusfolge(&fenster, folge);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    EXPECT_EQ(QApplication::focusWidget(), c);
    QTest::keyClick(c, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), a);
    QTest::keyClick(a, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), b);
    QTest::keyClick(b, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), c);
}

// A name the window does not have is a fault of the table, not a control left out.
TEST(Fensterrahmen, FokusfolgeMitUnbekanntemNamen) {
    QWidget fenster;
    new QLineEdit(&fenster);
    const app::Fokusfolge<1> folge = {"fehlt"};
    EXPECT_THROW(app::setzeFokusfolge(&fenster, folge), std::logic_error);
}

// Whether the window manager has framed the window, it stands where Qt put it
// last, and its frame lies in the work area.
bool eingepasst(const QWidget* fenster) {
    const QWindow* flaeche = fenster->windowHandle();
    return flaeche->isExposed() && flaeche->frameGeometry() != flaeche->geometry() &&
           flaeche->geometry() == fenster->geometry() &&
           fenster->screen()->availableGeometry().contains(flaeche->frameGeometry());
}

std::string lagetext(const QRect& r) {
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + " at " + std::to_string(r.x()) + ", " +
           std::to_string(r.y());
}

// The controls of the window of which some corner cannot be seen in the work
// area: neither where it is, nor once the window's inside is scrolled to it.
QStringList unerreichbar(QWidget* fenster) {
    const QRect flaeche = fenster->screen()->availableGeometry();
    QScrollArea* rolle = platform::rollflaeche(fenster);
    QStringList fehlt;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(fenster)) continue;
        const bool gerollt = rolle && rolle->widget()->isAncestorOf(w);
        if (rolle && rolle->isAncestorOf(w) && !gerollt) continue;  // the scroll bars themselves
        const QPoint rechtsUnten(w->width() - 1, w->height() - 1);
        for (const QPoint ecke : {QPoint(0, 0), QPoint(rechtsUnten.x(), 0), QPoint(0, rechtsUnten.y()), rechtsUnten}) {
            QWidget* sichtbar = fenster;
            if (gerollt) {
                const QPoint innen = w->mapTo(rolle->widget(), ecke);
                rolle->ensureVisible(innen.x(), innen.y(), 1, 1);
                sichtbar = rolle->viewport();
            }
            const QPoint wo = w->mapToGlobal(ecke);
            if (!flaeche.contains(wo) || !QRect(sichtbar->mapToGlobal(QPoint()), sichtbar->size()).contains(wo)) {
                fehlt << w->objectName() + QStringLiteral(" (") + QString::fromLatin1(w->metaObject()->className()) +
                             QLatin1Char(')');
                break;
            }
        }
    }
    return fehlt;
}

// A window larger than the screen (here 1920 x 1200; 31500 x 21000 twips is
// 2100 x 1400 pixels), with or without a menu bar: it takes the work area
// within its frame and its inside scrolls, the controls keep their places, the
// focus and the order for Tab; a box over it stays its own. Its picture is
// still the whole inside below the menu bar. A window that fits stays as it is.
TEST(Fensterrahmen, ZuGrossFuerDenBildschirmRolltSeinInneres) {
    for (const bool mitMenue : {false, true}) {
        SCOPED_TRACE(mitMenue ? "mit Menue" : "ohne Menue");
        QMainWindow hauptfenster;
        QWidget schlicht;
        QWidget* fenster = mitMenue ? static_cast<QWidget*>(&hauptfenster) : &schlicht;
        const Rahmen rahmen{Rahmenart::FestEinfach, 31500, 21000};
        QWidget* innen = fenster;
        if (mitMenue) {
            innen = app::richteMenuefensterEin(&hauptfenster, "Probe", "Titel", rahmen, QColor(1, 2, 3));
            app::eintrag(hauptfenster.menuBar(), "mnuEnde", "&Ende");
        } else {
            app::richteFensterEin(&schlicht, "Probe", "Titel", rahmen);
        }
        auto* oben = new QLineEdit(innen);
        oben->setObjectName(QStringLiteral("oben"));
        auto* unten = new QLineEdit(innen);
        unten->setObjectName(QStringLiteral("unten"));
        unten->setGeometry(2000, 1350, 90, 20);
        auto* box = new QWidget(fenster, Qt::Dialog);
        const app::Fokusfolge<2> folge = {"unten", "oben"};
        app::setzeFokusfolge(fenster, folge);
        if (mitMenue) app::schliesseRahmenAb(&hauptfenster, rahmen);
        const int leiste = mitMenue ? hauptfenster.menuBar()->height() : 0;

        fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
        QScrollArea* rolle = platform::rollflaeche(fenster);
        ASSERT_NE(rolle, nullptr);
        const QRect flaeche = fenster->screen()->availableGeometry();
        EXPECT_TRUE(flaeche.contains(fenster->windowHandle()->frameGeometry()));
        EXPECT_EQ(fenster->windowHandle()->frameGeometry().height(), flaeche.height());
        EXPECT_TRUE(rolle->isAncestorOf(unten));
        EXPECT_EQ(unten->geometry(), QRect(2000, 1350, 90, 20));
        EXPECT_EQ(box->parentWidget(), fenster);
        EXPECT_EQ(QApplication::focusWidget(), unten);
        QTest::keyClick(unten, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), oben);
        QTest::keyClick(oben, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), unten);
        // Its text cursor at its left edge in view.
        for (const QPoint ecke : {QPoint(0, 0), QPoint(0, 19)})
            EXPECT_TRUE(rolle->viewport()->rect().contains(unten->mapTo(rolle->viewport(), ecke)))
                << "Tab scrolls to the control";
        EXPECT_EQ(platform::ganzesBild(fenster).deviceIndependentSize().toSize(), QSize(2100, 1400 + leiste));
    }
    QWidget passt;
    app::richteFensterEin(&passt, "Probe", "Titel", Rahmen{Rahmenart::FestEinfach, 4500, 3000});
    passt.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&passt));
    EXPECT_EQ(platform::rollflaeche(&passt), nullptr);
    EXPECT_EQ(passt.size(), QSize(300, 200));
}

// On a small screen at a high scale (1920 x 1080 at scale 2 is 960 x 540) the
// sheet and the design aid are taller than the screen: each takes the screen's
// size, its title bar on the screen, where the user can reach and move it.
// Under a window manager, which adds the frames.
class Zentrierung : public Fenstertest {};

TEST_F(Zentrierung, TitelleisteBleibtAufDemBildschirm) {
    if (!aufX()) {
        laufeAufX({.bildschirm = "1920x1080", .skalierung = "2"});
        return;
    }
    struct Fall {
        const char* name;
        std::function<QWidget*()> zeige;
    };
    const Fall faelle[] = {
        {"Bild1", [] { return platform::zeigeFenster<Bild1>(); }},
        {"frmEXCELBlatt", [] { return platform::zeigeFenster<app::frmEXCELBlatt>(); }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        neuerFall();
        v().Sprache = "D";
        QWidget* fenster = fall.zeige();
        const QRect flaeche = fenster->screen()->availableGeometry();
        ASSERT_EQ(flaeche.size(), QSize(960, 540));
        EXPECT_TRUE(QTest::qWaitFor([&] { return eingepasst(fenster); }, 3000))
            << "frame " << lagetext(fenster->windowHandle()->frameGeometry());
        EXPECT_NE(platform::rollflaeche(fenster), nullptr) << "the screen is too small for it";
        delete platform::fensterZeiger<app::frmEXCELBlatt>().data();
    }
}

// A 1366 x 768 laptop at scale 1.25 (1093 x 614) with a 44-pixel panel at the
// bottom: the sheet and the design aid are taller than the work area; they
// scroll, every control can be seen or scrolled to, and Tab runs as before
// from the control that has the focus when the window opens. The other
// windows fit and stay as they are, without a scroll area.
class KleinerBildschirm : public Ergebnisfenstertest {
protected:
    static constexpr XAnzeige Laptop{.bildschirm = "1366x768", .skalierung = "1.25"};
    static constexpr int Panel = 44;
};

TEST_F(KleinerBildschirm, JedesSteuerelementErreichbar) {
    if (!aufX()) {
        laufeAufX(Laptop);
        return;
    }
    ASSERT_TRUE(fenstermanager::leisteUnten(Panel)) << fenstermanager::arbeitsflaechentext();
    const QRect flaeche = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(flaeche, QRect(0, 0, 1093, 579)) << lagetext(flaeche);
    struct Fall {
        const char* name;
        std::function<QWidget*()> zeige;
        bool rollt;
        QStringList tab;  // the controls that Tab visits, from the first
    };
    const Fall faelle[] = {
        {"frmHauptForm", [this] { return hauptform("D"); }, false, {}},
        {"Bild1", [] { return platform::zeigeFenster<Bild1>(); }, true,
         {"cmdNeueBerechnung", "cmdEnde", "Picture1", "MSChart1", "cmdNeueBerechnung"}},
        // In French the largest.
        {"Bild2", [this] { v().Sprache = "F"; return platform::zeigeFenster<Bild2>(); }, false, {}},
        {"frmEXCELBlatt", [] { return platform::zeigeFenster<app::frmEXCELBlatt>(); }, true, {"B9"}},
        {"frmLeitfaehigkeit",
         [] { return platform::zeigeFenster<app::frmLeitfaehigkeit>(testdokument("auszug.rtf")); }, false, {}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        neuerFall();
        v().Sprache = "D";
        QWidget* fenster = fall.zeige();
        EXPECT_TRUE(QTest::qWaitFor([&] { return eingepasst(fenster); }, 3000))
            << "frame " << lagetext(fenster->windowHandle()->frameGeometry());
        if (!fall.tab.isEmpty()) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
            EXPECT_EQ(tabfolge(static_cast<int>(fall.tab.size())), fall.tab);
        }
        EXPECT_EQ(unerreichbar(fenster).join(QStringLiteral(", ")).toStdString(), "");
        if (QScrollArea* rolle = platform::rollflaeche(fenster); fall.rollt) {
            ASSERT_NE(rolle, nullptr);
            // A scroll bar only where needed: the window is as wide as its inside.
            EXPECT_TRUE(rolle->verticalScrollBar()->isVisible());
            EXPECT_FALSE(rolle->horizontalScrollBar()->isVisible());
        } else {
            EXPECT_EQ(rolle, nullptr);
        }
        delete platform::fensterZeiger<app::frmEXCELBlatt>().data();
    }
}

// What the sheet prints, saves or hands over is the picture of its whole
// inside with the menu bar, however it is scrolled: the same as on a screen
// where it fits at the same scale. The child on the large screen leaves its
// picture for the one on the laptop.
TEST_F(KleinerBildschirm, BlattBildWieAufGrossemBildschirm) {
    if (!aufX()) {
        QTemporaryDir ordner;
        ASSERT_TRUE(ordner.isValid());
        Umgebung umgebung;
        umgebung.setze("FLUVAN_TEST_VERGLEICHSBILD", ordner.filePath(QStringLiteral("gross.png")));
        laufeAufX({.bildschirm = "1920x1200", .skalierung = "1.25"});
        if (IsSkipped()) return;
        ASSERT_TRUE(QFile::exists(ordner.filePath(QStringLiteral("gross.png"))));
        laufeAufX(Laptop);
        return;
    }
    const QString vergleich = qEnvironmentVariable("FLUVAN_TEST_VERGLEICHSBILD");
    const bool laptop = QGuiApplication::primaryScreen()->geometry().height() < 700;
    if (laptop) {
        ASSERT_TRUE(fenstermanager::leisteUnten(Panel)) << fenstermanager::arbeitsflaechentext();
    }
    FakeZwischenablage zwischenablage;
    platform::dienste().zwischenablage = &zwischenablage;
    app::Bild1* b = rechne("GB", "12.5");
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return eingepasst(b); }, 3000));
    QScrollArea* rolle = platform::rollflaeche(b);
    ASSERT_EQ(rolle != nullptr, laptop);
    if (laptop) rolle->verticalScrollBar()->setValue(rolle->verticalScrollBar()->maximum() / 2);
    ASSERT_TRUE(platform::Fensteraufnahme(*b, *b->Picture1));
    const QImage bild = platform::bildVon(*b->Picture1);
    EXPECT_EQ(zwischenablage.inhalt, bild);
    if (!laptop) {
        ASSERT_TRUE(bild.save(vergleich));
        return;
    }
    const QImage gross(vergleich);
    ASSERT_EQ(bild.size(), gross.size());
    EXPECT_TRUE(gleichePixel(bild, gross));
}

}  // namespace
}  // namespace fluvan::test
