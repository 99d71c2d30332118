#include "core/ui/scaled_layout.h"

#include <gtest/gtest.h>

#include "core/base/display_scale.h"

namespace zv {
namespace {

// A form of 400 x 300 at 96 DPI: a toolbar along the top, a list anchored
// on every side, a button anchored to the bottom-right corner.
std::vector<LayoutItem> Design() {
  LayoutItem bar{Align::kTop, {}, {0, 0, 400, 31}};
  LayoutItem list{Align::kNone, {true, true, true, true}, {8, 39, 392, 251}};
  LayoutItem button{Align::kNone, {false, false, true, true}, {317, 259, 392, 284}};
  return {bar, list, button};
}

std::vector<Rect> Arranged(std::vector<LayoutItem> items, const Rect& from, const Rect& to) {
  std::vector<LayoutItem*> pointers;
  for (LayoutItem& item : items) pointers.push_back(&item);
  ArrangeChildren(pointers, from, to);
  std::vector<Rect> bounds;
  for (const LayoutItem& item : items) bounds.push_back(item.bounds);
  return bounds;
}

// Laid out at a DPI and then resized, every control lies where the 96-DPI
// layout puts it, scaled, within the rounding of one edge.
TEST(ScaledLayoutTest, AnchorsAndAlignmentsKeepScaledMargins) {
  const Rect design{0, 0, 400, 300};
  const Rect grown{0, 0, 520, 390};
  const std::vector<Rect> base = Arranged(Design(), design, grown);
  for (const int dpi : {96, 120, 144, 192}) {
    const std::vector<Rect> at = Arranged(LayoutAtDpi(Design(), dpi), ScaleRect(design, dpi), ScaleRect(grown, dpi));
    for (std::size_t i = 0; i < base.size(); ++i) {
      const Rect want = ScaleRect(base[i], dpi);
      EXPECT_LE(std::abs(at[i].left - want.left) + std::abs(at[i].top - want.top), 1) << dpi << " item " << i;
      EXPECT_LE(std::abs(at[i].right - want.right) + std::abs(at[i].bottom - want.bottom), 1) << dpi << " item " << i;
    }
  }
  EXPECT_EQ(LayoutAtDpi(Design(), 144)[0].bounds, (Rect{0, 0, 600, 47}));
}

// Font heights grow by size whatever their sign; moving between two DPIs
// follows the same rule as from 96.
TEST(ScaledLayoutTest, FontHeightsAndMovesBetweenDpis) {
  EXPECT_EQ(FontHeightAtDpi(-11, 144), -17);
  EXPECT_EQ(FontHeightAtDpi(11, 144), 17);
  EXPECT_EQ(FontHeightAtDpi(-11, 96), -11);
  EXPECT_EQ(FontHeightAtDpi(0, 192), 0);
  EXPECT_EQ(FontHeightAtDpi(-14, 120), -18);  // 17.5
  EXPECT_EQ(RescaleLength(33, 144, 192), 44);
  EXPECT_EQ(RescaleLength(5, 144, 96), 3);                              // 3.33
  EXPECT_EQ(RescaleLength(3, 144, 120), 3);                             // 2.5 rounds up
  EXPECT_EQ(RescaleRect({-3, 0, 9, 1}, 120, 96), (Rect{-2, 0, 7, 1}));  // -2.4, 7.2, 0.8
}

}  // namespace
}  // namespace zv
