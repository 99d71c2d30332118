#include "core/skin/record_pieces.h"

#include <gtest/gtest.h>

#include <limits>

namespace zv {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();

// Points a skin writes near the top of the int range stay there when the
// size grows, instead of wrapping round to far negative values.
TEST(RecordPiecesTest, FittedPointsStayInsideTheIntRange) {
  SkinPieces pieces;
  pieces.skinRect = {0, 0, 30, 20};
  pieces.points = {{5, 5}, {kMax - 10, 5}, {5, kMax - 10}, {kMax - 10, kMax - 10}, Rect{2, 2, kMax, kMax}};
  SkinPoints fitted;
  EXPECT_EQ(FitSizeToSkin(SkinSizing::kBoth, pieces, {8000, 6000}, fitted), (Size{8000, 6000}));
  EXPECT_EQ(fitted.rightTop, (Point{kMax, 5}));
  EXPECT_EQ(fitted.leftBottom, (Point{5, kMax}));
  EXPECT_EQ(fitted.rightBottom, (Point{kMax, kMax}));
  EXPECT_EQ(fitted.clientRect, (Rect{2, 2, kMax, kMax}));
  EXPECT_EQ(FitSizeToSkin(SkinSizing::kHorizontal, pieces, {8000, 6000}, fitted), (Size{8000, 20}));
  EXPECT_EQ(fitted.rightTop, (Point{kMax, 5}));
}

}  // namespace
}  // namespace zv
