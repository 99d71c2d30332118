#include "core/controls/parent_background.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(PaintParentBackground, PaintsTheParentAndOverlappedGraphicSiblingsBelow) {
  const Rect control{10, 20, 110, 70};
  const SiblingInfo siblings[] = {
      {false, true, Rect{0, 0, 15, 25}},     // 0: overlaps the corner
      {true, true, Rect{20, 30, 40, 40}},    // 1: windowed: paints itself
      {false, false, Rect{20, 30, 40, 40}},  // 2: hidden
      {false, true, Rect{110, 20, 130, 70}}, // 3: touches only the right edge (half-open)
      {false, true, Rect{50, 60, 80, 90}},   // 4: overlaps the bottom
      {false, true, Rect{10, 20, 110, 70}},  // 5: the control itself
      {false, true, Rect{30, 30, 60, 60}},   // 6: above the control
  };
  const ParentBackgroundPlan plan = PlanParentBackground(control, {200, 100}, siblings, 5);
  EXPECT_EQ(plan.parentOrigin, (Point{-10, -20}));
  EXPECT_EQ(plan.parentClip, (Rect{-10, -20, 190, 80}));
  ASSERT_EQ(plan.children.size(), 2u);
  EXPECT_EQ(plan.children[0].index, 0u);
  EXPECT_EQ(plan.children[0].origin, (Point{-10, -20}));
  EXPECT_EQ(plan.children[0].clip, (Rect{-10, -20, 5, 5}));
  EXPECT_EQ(plan.children[1].index, 4u);
  EXPECT_EQ(plan.children[1].origin, (Point{40, 40}));
  EXPECT_EQ(plan.children[1].clip, (Rect{40, 40, 70, 70}));
}

}  // namespace
}  // namespace zv
