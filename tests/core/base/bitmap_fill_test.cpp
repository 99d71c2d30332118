#include <gtest/gtest.h>

#include "core/base/bitmap.h"

namespace zv {
namespace {

TEST(BitmapFill, RectanglesOutsideTheViewTouchNothing) {
  const Pixel back{1, 2, 3, 4}, ink{9, 9, 9, 9};
  Bitmap bitmap(8, 4, back);
  const BitmapView view = bitmap.view();
  // Left of, above, right of, below, inverted: none may write (or crash).
  for (const Rect r : {Rect{-5, 0, -1, 4}, Rect{0, -3, 8, -1}, Rect{9, 0, 12, 4}, Rect{0, 5, 8, 9}, Rect{6, 1, 2, 3}}) {
    view.Fill(r, ink);
  }
  for (const Pixel& p : bitmap.pixels()) EXPECT_EQ(p, back);
  view.Fill({-2, -2, 2, 1}, ink);  // partly inside: clipped
  EXPECT_EQ(bitmap.At(0, 0), ink);
  EXPECT_EQ(bitmap.At(1, 0), ink);
  EXPECT_EQ(bitmap.At(2, 0), back);
  EXPECT_EQ(bitmap.At(0, 1), back);
  EXPECT_TRUE(view.Sub({10, 10, 12, 12}).bounds().IsEmpty());
}

}  // namespace
}  // namespace zv
