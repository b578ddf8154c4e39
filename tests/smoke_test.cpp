#include <gtest/gtest.h>
#include "core/runtime.h"
TEST(Smoke, Builds) { EXPECT_EQ(merovane::numbertotext(1.5), "1.5"); }
