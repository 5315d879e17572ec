#include <gtest/gtest.h>
#include "engine/numbers.h"
using namespace numerina;
TEST(Smoke, Plain) { EXPECT_EQ(PlainNumberText(8), "8"); }
