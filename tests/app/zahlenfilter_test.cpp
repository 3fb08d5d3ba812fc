#include "app/zahlenfilter.h"

#include <gtest/gtest.h>

namespace fluvan::app {
namespace {

TEST(Zahlenfilter, LaesstZiffernBackspaceUndPunktDurch) {
    for (int code = '0'; code <= '9'; ++code) EXPECT_EQ(Zahlenfilter(code), code);
    EXPECT_EQ(Zahlenfilter(8), 8);
    EXPECT_EQ(Zahlenfilter('.'), '.');
}

TEST(Zahlenfilter, MachtAusDemKommaEinenPunkt) { EXPECT_EQ(Zahlenfilter(','), '.'); }

TEST(Zahlenfilter, VerwirftAlleAnderenZeichen) {
    for (int code : std::initializer_list<int>{'-', '+', 'e', 'E', ' ', 13, 27, 22, 3, 24, 26, '/', ':', 127, 0xE4})
        EXPECT_EQ(Zahlenfilter(code), 0) << code;
}

}  // namespace
}  // namespace fluvan::app
