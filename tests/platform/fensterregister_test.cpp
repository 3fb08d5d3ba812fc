#include "platform/fensterregister.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include "tests/platform/echteanzeige.h"

namespace fluvan::platform {
namespace {

// A window that counts its loads.
class Zaehlfenster : public QWidget {
public:
    Zaehlfenster() { ++ladungen; }
    static inline int ladungen = 0;
};

// Another kind of window, shown over the first.
class Deckfenster : public QWidget {};

// Both kinds at a size a screen holds, and none left over after a case.
struct ZweiFenster {
    ZweiFenster() {
        Zaehlfenster::ladungen = 0;
        fenster = zeigeFenster<Zaehlfenster>();
        fenster->setObjectName(QStringLiteral("fenster"));
        fenster->resize(300, 200);
        decke = zeigeFenster<Deckfenster>();
        decke->setObjectName(QStringLiteral("decke"));
        decke->resize(400, 300);
    }
    ~ZweiFenster() {
        delete fensterZeiger<Zaehlfenster>().data();
        delete fensterZeiger<Deckfenster>().data();
    }
    Zaehlfenster* fenster;
    Deckfenster* decke;
};

TEST(Fensterregister, EinFensterJeRolle) {
    Zaehlfenster::ladungen = 0;
    Zaehlfenster* eins = zeigeFenster<Zaehlfenster>();
    EXPECT_EQ(zeigeFenster<Zaehlfenster>(), eins);
    EXPECT_EQ(Zaehlfenster::ladungen, 1) << "showing the open window loads nothing";
    EXPECT_EQ(offenesFenster<Zaehlfenster>(), eins);

    QPointer<Zaehlfenster> alt = eins;
    schliesseFenster<Zaehlfenster>();
    EXPECT_EQ(offenesFenster<Zaehlfenster>(), nullptr) << "closed counts as gone at once";
    Zaehlfenster* zwei = zeigeFenster<Zaehlfenster>();
    EXPECT_EQ(Zaehlfenster::ladungen, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alt.isNull()) << "closing destroys";
    EXPECT_EQ(offenesFenster<Zaehlfenster>(), zwei);
    delete zwei;
    EXPECT_EQ(offenesFenster<Zaehlfenster>(), nullptr);
}

// A native child widget's handle is a child of its window's handle, beside
// any wait for the window: a window on the screen runs what waits for it at
// once, whatever else its handle holds.
TEST(Fensterregister, WennAbgebildetMitNativemKind) {
    ZweiFenster zwei;
    auto* kind = new QWidget(zwei.fenster);
    kind->winId();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(zwei.fenster));
    ASSERT_FALSE(zwei.fenster->windowHandle()->findChildren<QWindow*>().isEmpty());
    bool gelaufen = false;
    wennAbgebildet(zwei.fenster, [&] { gelaufen = true; });
    EXPECT_TRUE(gelaufen);
}

// Under a window manager an open window that is covered or minimized comes
// back on top and active, where it was and without a new load.
TEST(Fensterregister, HoltOffenesFensterNachVorn) {
    if (!test::aufX()) {
        test::laufeAufX();
        return;
    }
    using namespace test::fenstermanager;
    for (const bool minimieren : {false, true}) {
        SCOPED_TRACE(minimieren ? "minimized" : "covered");
        ZweiFenster zwei;
        // The second is on top and active for the window manager and for Qt.
        ASSERT_TRUE(QTest::qWaitFor([&] { return zwei.decke->isActiveWindow() && obenUndAktiv(zwei.decke); }, 3000))
            << stapeltext({zwei.fenster, zwei.decke});
        const QPoint ort = zwei.fenster->pos();
        if (minimieren) {
            ASSERT_TRUE(minimiere(zwei.fenster));
        }

        EXPECT_EQ(zeigeFenster<Zaehlfenster>(), zwei.fenster);
        EXPECT_TRUE(QTest::qWaitFor([&] { return zwei.fenster->isActiveWindow() && obenUndAktiv(zwei.fenster); }, 3000))
            << stapeltext({zwei.fenster, zwei.decke});
        EXPECT_FALSE(minimiert(zwei.fenster));
        EXPECT_FALSE(zwei.fenster->isMinimized());
        EXPECT_EQ(zwei.fenster->pos(), ort);
        EXPECT_EQ(Zaehlfenster::ladungen, 1);
    }
}

// A Wayland client can neither raise nor restore a window: one that is not
// the active one is shown anew, the same window with what it holds.
TEST(Fensterregister, ZeigtOffenesFensterAufWaylandNeu) {
    if (!test::aufWayland()) {
        test::laufeAufWayland();
        return;
    }
    ZweiFenster zwei;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(zwei.fenster));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(zwei.decke));
    ASSERT_FALSE(zwei.fenster->isActiveWindow());
    zwei.fenster->setWindowTitle(QStringLiteral("unverändert"));
    test::Sichtbarkeitsprotokoll protokoll({zwei.fenster});

    EXPECT_EQ(zeigeFenster<Zaehlfenster>(), zwei.fenster);
    const QStringList erwartet = {"fenster hidden", "fenster shown", "fenster on the screen"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return protokoll.ereignisse == erwartet; }, 3000))
        << protokoll.ereignisse.join(QLatin1String(", ")).toStdString();
    EXPECT_EQ(offenesFenster<Zaehlfenster>(), zwei.fenster);
    EXPECT_EQ(zwei.fenster->windowTitle(), QStringLiteral("unverändert"));
    EXPECT_EQ(Zaehlfenster::ladungen, 1);
}

}  // namespace
}  // namespace fluvan::platform
