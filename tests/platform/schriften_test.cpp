#include "platform/schriften.h"

#include <gtest/gtest.h>
#include <QFontInfo>

namespace fluvan::platform {
namespace {

// The substitutes are installed and really used, at the designed size and weight.
TEST(Schriften, ErsatzschriftenSindDaUndWerdenGenommen) {
    struct Fall {
        const char* entwurf;
        const char* familie;
        double punkte;
        bool fett;
    };
    for (const Fall& fall :
         {Fall{"Arial", "Liberation Sans", 10.2, true}, Fall{"Arial", "Liberation Sans", 7.8, false},
          Fall{"MS Sans Serif", "DejaVu Sans", 8, false}, Fall{"MS Sans Serif", "DejaVu Sans", 9.6, true}}) {
        const QFont font = schrift(fall.entwurf, fall.punkte, fall.fett);
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), fall.familie) << fall.entwurf;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), fall.punkte);
        EXPECT_EQ(info.bold(), fall.fett);
    }
    EXPECT_EQ(schriftfamilie("Courier"), "Courier");
}

}  // namespace
}  // namespace fluvan::platform
