#include "platform/schriften.h"

#include <gtest/gtest.h>
#include <QFontInfo>

namespace fluvan::platform {
namespace {

// The substitutes are installed and really used, at the designed size and weight.
TEST(Schriften, ErsatzschriftenSindDaUndWerdenGenommen) {
    struct Fall {
        const char* name;
        const char* entwurf;
        const char* familie;
        double punkte;
        bool fett;
    };
    // clang-format off
    const Fall faelle[] = {
        {"Arial 10,2 fett",        "Arial",         "Liberation Sans", 10.2, true},
        {"Arial 7,8",              "Arial",         "Liberation Sans", 7.8,  false},
        {"MS Sans Serif 8",        "MS Sans Serif", "DejaVu Sans",     8,    false},
        {"MS Sans Serif 9,6 fett", "MS Sans Serif", "DejaVu Sans",     9.6,  true},
    };
    // clang-format on
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const QFont font = schrift(fall.entwurf, fall.punkte, fall.fett);
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), fall.familie);
        EXPECT_DOUBLE_EQ(font.pointSizeF(), fall.punkte);
        EXPECT_EQ(info.bold(), fall.fett);
    }
    EXPECT_EQ(schriftfamilie("Courier"), "Courier");
}

}  // namespace
}  // namespace fluvan::platform
