#include "platform/twips.h"

#include <gtest/gtest.h>
#include <QWidget>

namespace fluvan::platform {
namespace {

TEST(Twips, FuenfzehnTwipsSindEinPixel) {
    EXPECT_EQ(pixel(1440), 96);
    EXPECT_EQ(pixel(15), 1);
    EXPECT_EQ(pixel(7), 0);
    EXPECT_EQ(pixel(8), 1);
    EXPECT_EQ(pixel(5748), 383);
    EXPECT_EQ(pixel(7572), 505);
    EXPECT_EQ(pixel(0), 0);
}

// Each edge is rounded for itself, as the designed values give it.
TEST(Twips, PlatziertLinksObenBreiteHoehe) {
    QWidget eltern;
    auto* kind = new QWidget(&eltern);
    platziere(kind, 3240, 5640, 2172, 288);
    EXPECT_EQ(kind->geometry(), QRect(216, 376, 145, 19));
    platziere(kind, Twips{120, 1440, 1692, 288});
    EXPECT_EQ(kind->geometry(), QRect(8, 96, 113, 19));
}

TEST(Twips, FesteInnengroesse) {
    QWidget fenster;
    festeInnengroesse(&fenster, 5760, 7560);
    EXPECT_EQ(fenster.minimumSize(), QSize(384, 504));
    EXPECT_EQ(fenster.maximumSize(), QSize(384, 504));
}

}  // namespace
}  // namespace fluvan::platform
