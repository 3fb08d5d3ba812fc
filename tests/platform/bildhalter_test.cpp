#include "platform/bildhalter.h"

#include "platform/fensteraufnahme.h"
#include "tests/platform/ausgabe.h"

namespace fluvan::test {
namespace {

using BildhalterTest = Ausgabetest;

// The holder keeps the last capture, but the window shows none of it: the
// next capture, and so the next print, file or document, has the same holder
// as the first.
TEST_F(BildhalterTest, HaeltDieAufnahmeUndZeigtNichtsDavon) {
    Testfenster fenster(640, 480);
    fenster.show();
    const QRect halter(fenster.Picture1->mapTo(&fenster, QPoint(0, 0)), fenster.Picture1->size());

    ASSERT_TRUE(platform::Fensteraufnahme(fenster, *fenster.Picture1));
    const QImage erstes = platform::bildVon(*fenster.Picture1);
    fenster.faerbeBlock(QColor(250, 200, 0));
    ASSERT_TRUE(platform::Fensteraufnahme(fenster, *fenster.Picture1));
    const QImage zweites = platform::bildVon(*fenster.Picture1);

    EXPECT_FALSE(gleichePixel(erstes, zweites));
    EXPECT_TRUE(gleichePixel(zweites, zwischenablage.inhalt));
    EXPECT_TRUE(gleichePixel(zweites.copy(halter), erstes.copy(halter)));
}

}  // namespace
}  // namespace fluvan::test
