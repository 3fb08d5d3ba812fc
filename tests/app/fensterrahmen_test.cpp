#include "app/fensterrahmen.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <stdexcept>

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

}  // namespace
}  // namespace fluvan::test
