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

// Font heights grow by size whatever their sign; moving between two DPIs
// follows the same rule as from 96.
TEST(DisplayScaleTest, FontHeightsAndMovesBetweenDpis) {
  EXPECT_EQ(ScaleFontHeight(-11, 144), -17);
  EXPECT_EQ(ScaleFontHeight(11, 144), 17);
  EXPECT_EQ(ScaleFontHeight(-11, 96), -11);
  EXPECT_EQ(ScaleFontHeight(0, 192), 0);
  EXPECT_EQ(ScaleFontHeight(-14, 120), -18);  // 17.5
  EXPECT_EQ(RescaleLength(33, 144, 192), 44);
  EXPECT_EQ(RescaleLength(5, 144, 96), 3);                              // 3.33
  EXPECT_EQ(RescaleLength(3, 144, 120), 3);                             // 2.5 rounds up
  EXPECT_EQ(RescaleRect({-3, 0, 9, 1}, 120, 96), (Rect{-2, 0, 7, 1}));  // -2.4, 7.2, 0.8
}

}  // namespace
}  // namespace zv
