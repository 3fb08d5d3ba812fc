#include "app/fensterrahmen.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <functional>
#include <stdexcept>

#include "app/auslegungshilfe/frmEXCELBlatt.h"
#include "tests/app/fenster.h"
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

// On a small screen at a high scale (1920 x 1080 at scale 2 is 960 x 540) the
// sheet and the design aid are taller than the screen: centred, each keeps its
// title bar on the screen, where the user can reach and move it. Under a
// window manager, which adds the frames.
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
        // Placed by the window manager, with its frame.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return fenster->windowHandle()->isExposed() && fenster->frameGeometry() != fenster->geometry(); },
            3000));
        const QRect flaeche = fenster->screen()->availableGeometry();
        ASSERT_EQ(flaeche.size(), QSize(960, 540));
        ASSERT_GT(fenster->frameGeometry().height(), flaeche.height()) << "the screen is too small for it";
        EXPECT_TRUE(flaeche.contains(fenster->frameGeometry().topLeft()))
            << "frame at " << fenster->frameGeometry().x() << ", " << fenster->frameGeometry().y();
        delete platform::fensterZeiger<app::frmEXCELBlatt>().data();
    }
}

}  // namespace
}  // namespace fluvan::test
