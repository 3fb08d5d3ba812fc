#include "engine/zahlen.h"

#include <gtest/gtest.h>

TEST(Zahlen, Platzhalter) { EXPECT_EQ(fluvan::zahlText(1.5f, ","), "1,5"); }
