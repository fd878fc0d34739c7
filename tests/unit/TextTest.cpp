#include <gtest/gtest.h>
#include "common/Text.h"
TEST(Smoke, Trim) { EXPECT_EQ(xkr::text::trim("  a "), "a"); }
