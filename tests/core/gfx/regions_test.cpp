#include "core/gfx/regions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/gfx/blit.h"

namespace zv {
namespace {

constexpr Pixel kBlack{0, 0, 0, 0};
constexpr Pixel kWhite{255, 255, 255, 0};

TEST(RegionFromMask, OneRectanglePerRunOfBlackPixels) {
  Bitmap mask(8, 3, kWhite);
  for (int x = 3; x < 8; ++x) mask.At(x, 1) = kBlack;  // to the row's end
  mask.At(0, 0) = kBlack;                            // a single pixel
  mask.At(2, 0) = Pixel{0, 0, 0, 255};               // alpha does not matter
  mask.At(3, 0) = kBlack;
  mask.At(5, 0) = Pixel{0, 0, 1, 0};  // nearly black is outside
  mask.At(6, 0) = Pixel{1, 0, 0, 0};
  mask.At(7, 0) = Pixel{0, 1, 0, 0};
  const std::vector<Rect> expected = {{0, 0, 1, 1}, {2, 0, 4, 1}, {3, 1, 8, 2}};
  EXPECT_EQ(RegionFromMask(mask.view()), expected);

  const std::vector<Rect> offset = {{10, 20, 11, 21}, {12, 20, 14, 21}, {13, 21, 18, 22}};
  EXPECT_EQ(RegionFromMask(mask.view(), 10, 20), offset);
}

TEST(RegionFromMask, NeverMergesRowsAndHasNoRectangleLimit) {
  Bitmap block(5, 2, kBlack);
  const std::vector<Rect> rows = {{0, 0, 5, 1}, {0, 1, 5, 2}};
  EXPECT_EQ(RegionFromMask(block.view()), rows);

  Bitmap empty(6, 6, kWhite);
  EXPECT_TRUE(RegionFromMask(empty.view()).empty());
  EXPECT_TRUE(RegionFromMask(BitmapView()).empty());

  // A checkerboard of 200 x 120 has 12000 runs, beyond the old cap of 10001.
  Bitmap checker(200, 120, kWhite);
  for (int y = 0; y < 120; ++y) {
    for (int x = (y % 2); x < 200; x += 2) checker.At(x, y) = kBlack;
  }
  const std::vector<Rect> runs = RegionFromMask(checker.view());
  ASSERT_EQ(runs.size(), 12000u);
  EXPECT_EQ(runs.back(), (Rect{199, 119, 200, 120}));
}

// Marks every pixel the rectangles cover; a pixel covered twice is a fault.
Bitmap Coverage(const std::vector<Rect>& rects, int w, int h) {
  Bitmap cover(w, h, kWhite);
  for (const Rect& r : rects) {
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        const bool inside = Rect{0, 0, w, h}.Contains({x, y});
        EXPECT_TRUE(inside) << x << "," << y;
        if (!inside) continue;
        EXPECT_EQ(cover.At(x, y), kWhite) << "covered twice at " << x << "," << y;
        cover.At(x, y) = kBlack;
      }
    }
  }
  return cover;
}

// A 20 x 16 frame mask with a three-pixel cut at each corner, a notch in
// the top middle and one in the left middle.
struct FrameMask {
  Bitmap mask{20, 16, kBlack};
  SkinPoints record{{5, 4}, {15, 4}, {5, 12}, {15, 12}, Rect{3, 3, 17, 13}};
  explicit FrameMask(bool notches = true) {
    for (const Point c : {Point{0, 0}, Point{19, 0}, Point{0, 15}, Point{19, 15}}) {
      const int dx = c.x == 0 ? 1 : -1, dy = c.y == 0 ? 1 : -1;
      mask.At(c.x, c.y) = mask.At(c.x + dx, c.y) = mask.At(c.x, c.y + dy) = kWhite;
    }
    if (!notches) return;
    mask.At(10, 0) = kWhite;
    mask.At(0, 8) = kWhite;
  }
  SkinPoints Fitted(int w, int h) const {
    const int dw = w - 20, dh = h - 16;
    return {{5, 4}, {15 + dw, 4}, {5, 12 + dh}, {15 + dw, 12 + dh}, Rect{3, 3, 17 + dw, 13 + dh}};
  }
};

TEST(RegionFromFrameMask, KeepsCornersAtTheCornersAndRepeatsTheMiddles) {
  FrameMask f;
  const int w = 50, h = 40;
  const std::vector<Rect> rects = RegionFromFrameMask(f.record, f.Fitted(w, h), w, h, f.mask.view());
  const Bitmap cover = Coverage(rects, w, h);
  std::vector<Point> outside = {{0, 0}, {1, 0}, {0, 1}, {49, 0}, {48, 0}, {49, 1},
                                {0, 39}, {1, 39}, {0, 38}, {49, 39}, {48, 39}, {49, 38}};
  for (const int x : {10, 20, 30, 40}) outside.push_back({x, 0});  // top notch every 10 columns from 5
  for (const int y : {7, 15, 23, 31}) outside.push_back({0, y});   // left notch every 8 rows below the top piece
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool out = std::find(outside.begin(), outside.end(), Point{x, y}) != outside.end();
      ASSERT_EQ(cover.At(x, y), out ? kWhite : kBlack) << x << "," << y;
    }
  }
  // The fitted client rectangle is always wholly inside.
  EXPECT_NE(std::find(rects.begin(), rects.end(), (Rect{3, 3, 47, 37})), rects.end());

  // At the mask's own size a mask with even edges gives back itself. (Side
  // middles repeat from the band's first row, so a notch there may shift.)
  const FrameMask even(false);
  const Bitmap same = Coverage(RegionFromFrameMask(even.record, even.Fitted(20, 16), 20, 16,
                                                   const_cast<Bitmap&>(even.mask).view()), 20, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 20; ++x) ASSERT_EQ(same.At(x, y), even.mask.At(x, y)) << x << "," << y;
  }
}

// The side bands as one rectangle per run of each row: each band composed
// into a bitmap (middle repeated from the band's first row, end pieces over
// it) and scanned row by row.
Bitmap SideBandsByRows(const SkinPoints& record, const SkinPoints& fitted, int w, int h, const Bitmap& maskBitmap) {
  const BitmapView mask = const_cast<Bitmap&>(maskBitmap).view();
  const Rect& cr = record.clientRect;
  const int side = fitted.clientRect.Height();
  std::vector<Rect> rows;
  const auto band = [&](int x0, int left, int right, int middleTop, int middleBottom) {
    Bitmap b(right - left, side, kWhite);
    Tile(0, side, middleBottom - middleTop, [&](int y, int len) {
      Blit(b.view(), {0, y}, mask, Rect{left, middleTop, right, middleTop + len});
    });
    Blit(b.view(), {0, 0}, mask, Rect{left, cr.top, right, middleTop});
    Blit(b.view(), {0, side - (cr.bottom - middleBottom)}, mask, Rect{left, middleBottom, right, cr.bottom});
    for (const Rect& r : RegionFromMask(b.view(), x0, fitted.clientRect.top)) {
      if (const Rect in = r.Intersect({0, 0, w, h}); !in.IsEmpty()) rows.push_back(in);
    }
  };
  band(0, 0, cr.left, record.leftTop.y, record.leftBottom.y);
  band(fitted.clientRect.right, cr.right, mask.width(), record.rightTop.y, record.rightBottom.y);
  return Coverage(rows, w, h);
}

TEST(RegionFromFrameMask, SideBandRowsWithTheSameRunsShareRectangles) {
  FrameMask f;
  f.mask.At(19, 5) = kWhite;   // a notch in the right middle
  f.mask.At(18, 12) = kWhite;  // and one in the right band's lower end piece
  const auto check = [&](int w, int h, const SkinPoints& fitted) {
    const std::vector<Rect> rects = RegionFromFrameMask(f.record, fitted, w, h, f.mask.view());
    const Bitmap merged = Coverage(rects, w, h);
    const Bitmap perRow = SideBandsByRows(f.record, fitted, w, h, f.mask);
    const int top = std::max(0, fitted.clientRect.top), bottom = std::min(h, fitted.clientRect.bottom);
    int differ = 0;
    for (int y = top; y < bottom; ++y) {
      for (const int x : {0, 1, 2, fitted.clientRect.right, w - 2, w - 1}) differ += merged.At(x, y) != perRow.At(x, y);
    }
    EXPECT_EQ(differ, 0) << w << "x" << h;
    return rects.size();
  };
  // Over 1700 rows of side bands; a notch every 8 rows on each side.
  EXPECT_LT(check(50, 900, f.Fitted(50, 900)), 500u);
  // Sides far past the window's bottom are cut there.
  SkinPoints far = f.Fitted(50, 300);
  far.clientRect.bottom = far.leftBottom.y = far.rightBottom.y = 5000;
  EXPECT_LT(check(50, 300, far), 200u);
}

TEST(RegionFromFrameMask, CrossedPointsGiveNoRegion) {
  FrameMask f;
  SkinPoints crossed = f.Fitted(50, 40);
  crossed.rightTop.x = crossed.leftTop.x - 1;
  EXPECT_TRUE(RegionFromFrameMask(f.record, crossed, 50, 40, f.mask.view()).empty());
  crossed = f.Fitted(50, 40);
  crossed.leftBottom.y = crossed.leftTop.y - 1;
  EXPECT_TRUE(RegionFromFrameMask(f.record, crossed, 50, 40, f.mask.view()).empty());

  // A middle piece of no size is not repeated: its stretch of border stays out.
  SkinPoints flat = f.record;
  flat.rightTop.x = flat.leftTop.x;
  SkinPoints fitted = f.Fitted(50, 40);
  const Bitmap cover = Coverage(RegionFromFrameMask(flat, fitted, 50, 40, f.mask.view()), 50, 40);
  EXPECT_EQ(cover.At(2, 1), kBlack);    // left corner piece
  EXPECT_EQ(cover.At(25, 1), kWhite);   // no middle
  EXPECT_EQ(cover.At(25, 20), kBlack);  // client
}

TEST(RegionFromFrameMask, BandsFarBeyondTheWindowCostOnlyTheWindow) {
  // Bands a billion rows long give the same region as bands that merely
  // pass the window's edge: only what shows is ever made.
  FrameMask f;
  const auto tallTop = [&](int far) {  // a client rectangle `far` rows down
    SkinPoints record = f.record;
    record.clientRect.top = far;
    SkinPoints fitted = f.Fitted(50, 40);
    fitted.clientRect.top = fitted.clientRect.bottom = far;
    return Coverage(RegionFromFrameMask(record, fitted, 50, 40, f.mask.view()), 50, 40);
  };
  const auto tallSides = [&](int far) {  // side bands reaching `far` down
    SkinPoints fitted = f.Fitted(50, 40);
    fitted.clientRect.bottom = fitted.leftBottom.y = fitted.rightBottom.y = far;
    return Coverage(RegionFromFrameMask(f.record, fitted, 50, 40, f.mask.view()), 50, 40);
  };
  const Bitmap top = tallTop(100);
  EXPECT_EQ(tallTop(1'000'000'000).pixels(), top.pixels());
  EXPECT_EQ(top.At(0, 0), kWhite);   // the mask's own corner
  EXPECT_EQ(top.At(5, 15), kBlack);  // the mask's last row
  EXPECT_EQ(top.At(5, 16), kWhite);  // the band below the mask
  const Bitmap sides = tallSides(100);
  EXPECT_EQ(tallSides(1'000'000'000).pixels(), sides.pixels());
  EXPECT_EQ(sides.At(0, 38), kBlack);  // the left band goes on to the window's bottom
  EXPECT_EQ(sides.At(0, 39), kWhite);  // with its notch every 8 rows
  const auto wideLeft = [&](int far) {  // a left band `far` columns wide
    SkinPoints record = f.record;
    record.clientRect.left = far;
    return RegionFromFrameMask(record, f.Fitted(50, 40), 50, 40, f.mask.view());
  };
  EXPECT_EQ(wideLeft(1'000'000'000), wideLeft(100));
}

}  // namespace
}  // namespace zv
