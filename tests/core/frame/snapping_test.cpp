#include "core/frame/snapping.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(SnappingTest, EdgesSnapAndLetGoAfterTheMargin) {
  const Rect work{0, 0, 1920, 1040};
  SnapState state;
  // Three pixels from the left edge: snapped, the cursor remembered.
  EXPECT_EQ(SnapToWorkArea(Rect::FromSize(3, 100, 400, 300), work, 5, {50, 110}, state), (Point{0, 100}));
  EXPECT_TRUE(state.left);
  // Still near, the cursor within the margin: stays at the edge.
  EXPECT_EQ(SnapToWorkArea(Rect::FromSize(2, 100, 400, 300), work, 5, {53, 110}, state), (Point{0, 100}));
  // The cursor has moved 7 pixels: the window follows it again.
  EXPECT_EQ(SnapToWorkArea(Rect::FromSize(4, 100, 400, 300), work, 5, {57, 110}, state), (Point{7, 100}));
  // The right and bottom edges snap by the window's size; far away nothing happens.
  SnapState other;
  EXPECT_EQ(SnapToWorkArea(Rect::FromSize(1518, 738, 400, 300), work, 5, {1600, 800}, other), (Point{1520, 740}));
  SnapState far;
  EXPECT_EQ(SnapToWorkArea(Rect::FromSize(500, 400, 400, 300), work, 5, {600, 450}, far), (Point{500, 400}));
}

}  // namespace
}  // namespace zv
