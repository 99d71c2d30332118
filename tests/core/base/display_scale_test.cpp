#include "core/base/display_scale.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

// Half a pixel rounds up, toward +infinity, for negative values too.
TEST(DisplayScaleTest, RoundsHalfUpAtEveryScale) {
  EXPECT_EQ(ScaleLength(7, kBaseDpi), 7);
  EXPECT_EQ(ScaleLength(1, 144), 2);    // 1.5
  EXPECT_EQ(ScaleLength(2, 120), 3);    // 2.5
  EXPECT_EQ(ScaleLength(3, 120), 4);    // 3.75
  EXPECT_EQ(ScaleLength(1, 120), 1);    // 1.25
  EXPECT_EQ(ScaleLength(-1, 144), -1);  // -1.5
  EXPECT_EQ(ScaleLength(-3, 144), -4);  // -4.5
  EXPECT_EQ(ScaleLength(-3, 120), -4);  // -3.75
  EXPECT_EQ(ScaleLength(2'000'000'000, 480), 2147483647);
  EXPECT_EQ(ScaleRect({1, 2, 3, 4}, 144), (Rect{2, 3, 5, 6}));
  EXPECT_TRUE(IsSupportedDpi(48) && IsSupportedDpi(480));
  EXPECT_FALSE(IsSupportedDpi(47) || IsSupportedDpi(481) || IsSupportedDpi(0));
}

}  // namespace
}  // namespace zv
