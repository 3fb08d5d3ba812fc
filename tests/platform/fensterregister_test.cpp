#include "platform/fensterregister.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QPointer>

namespace fluvan::platform {
namespace {

// A window that counts its loads.
class Zaehlfenster : public QWidget {
public:
    Zaehlfenster() { ++ladungen; }
    static inline int ladungen = 0;
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

}  // namespace
}  // namespace fluvan::platform
