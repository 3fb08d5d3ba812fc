#include "platform/modaldialoge.h"

#include <gtest/gtest.h>
#include <QPrinter>
#include <QTest>

#include "platform/ausgabedienste.h"
#include "platform/qt_meldungen.h"
#include "tests/platform/antworter.h"

namespace fluvan::platform {
namespace {

using test::Antworter;

enum class Art { Meldung, Druckdialog, Speicherdialog };

// Shows the box or dialog of this kind as the program does.
void zeige(Art art) {
    switch (art) {
        case Art::Meldung: QtMeldungen().MsgBox("Operation not possible!", base::MeldungsStil::Ausruf); break;
        case Art::Druckdialog: {
            QPrinter drucker;
            QtDruckdialog().ShowPrinter(drucker);
            break;
        }
        case Art::Speicherdialog: QtSpeicherdialog().ShowSave(QStringLiteral("*.bmp"), QString()); break;
    }
}

class Modaldialoge : public ::testing::TestWithParam<Art> {
protected:
    void SetUp() override {
        fenster.resize(300, 200);
        fenster.show();
        anderes.resize(200, 100);
        anderes.show();
    }
    // The window that will be active, though it asks for nothing.
    void aktiviereAnderes() {
        anderes.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    }
    QWidget fenster, anderes;
};

INSTANTIATE_TEST_SUITE_P(Art, Modaldialoge, ::testing::Values(Art::Meldung, Art::Druckdialog, Art::Speicherdialog),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Art::Meldung: return "Meldung";
                                 case Art::Druckdialog: return "Druckdialog";
                                 case Art::Speicherdialog: return "Speicherdialog";
                             }
                             return "";
                         });

TEST_P(Modaldialoge, UeberDemFragendenFenster) {
    aktiviereAnderes();
    Antworter antworter;
    {
        const FragendesFenster fragt(&fenster);
        zeige(GetParam());
    }
    ASSERT_EQ(antworter.gesehen.size(), 1u);
    EXPECT_EQ(antworter.gesehen[0].eltern, &fenster);
    EXPECT_TRUE(antworter.gesehen[0].sichtbar);
    EXPECT_EQ(dialogEltern(), nullptr);
}

// Not the active window: it may go while the box is open.
TEST_P(Modaldialoge, OhneFragendesFensterUeberKeinem) {
    aktiviereAnderes();
    Antworter antworter;
    zeige(GetParam());
    ASSERT_EQ(antworter.gesehen.size(), 1u);
    EXPECT_EQ(antworter.gesehen[0].eltern, nullptr);
    EXPECT_TRUE(antworter.gesehen[0].sichtbar);
}

// An outcome arrives while the window's own box waits for the user: what it
// shows is no command of that window, and stands over none, not even the box.
TEST_P(Modaldialoge, SpaetImDialogEinesFragendenFenstersUeberKeinem) {
    bool innen = false;
    Antworter antworter([&] { return innen; });
    {
        const FragendesFenster fragt(&fenster);
        QTimer::singleShot(0, [&] {
            innen = true;
            zeige(GetParam());
        });
        QtMeldungen().MsgBox("Density ?", base::MeldungsStil::Frage);
        EXPECT_EQ(dialogEltern(), &fenster);
    }
    ASSERT_EQ(antworter.gesehen.size(), 2u);
    EXPECT_EQ(antworter.gesehen[0].eltern, nullptr);
    EXPECT_EQ(antworter.gesehen[1].was, "Density ?");
    EXPECT_EQ(antworter.gesehen[1].eltern, &fenster);
}

// What waits for the answer runs once the box has gone, and not before.
TEST(WartetAufAntwort, ErstWennDieMeldungBeantwortetIst) {
    QObject kontext;
    int gelaufen = 0;
    EXPECT_FALSE(wartetAufAntwort(kontext, [&] { ++gelaufen; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(gelaufen, 0);

    bool wartet = false;
    QTimer::singleShot(0, [&] { wartet = wartetAufAntwort(kontext, [&] { ++gelaufen; }); });
    Antworter antworter([&] { return wartet; }, [&] { EXPECT_EQ(gelaufen, 0); });
    QtMeldungen().MsgBox("Operation not possible!", base::MeldungsStil::Ausruf);
    EXPECT_TRUE(wartet);
    EXPECT_EQ(antworter.gesehen.size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return gelaufen > 0; }, 1000));
    EXPECT_EQ(gelaufen, 1);
}

}  // namespace
}  // namespace fluvan::platform
