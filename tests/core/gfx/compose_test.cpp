#include "core/gfx/compose.h"

#include <gtest/gtest.h>

#include "skin_pictures.h"

namespace zv {
namespace {

using test::CoordPicture;
using test::SourceOf;

// A 30 x 30 skin rectangle at (5, 7) cut into a regular three-by-three grid:
// corners 10 wide, middles 10 wide, client piece 10 x 10.
struct GridSkin {
  Bitmap picture = CoordPicture(60, 60);
  SkinPieces skin;
  GridSkin() {
    skin.picture = picture.view();
    skin.skinRect = Rect{5, 7, 35, 37};
    skin.points = {{10, 10}, {20, 10}, {10, 20}, {20, 20}, Rect{10, 10, 20, 20}};
  }
  // Fitted points for a W x H target, as the control's sizing fits them.
  SkinPoints Fitted(int w, int h) const {
    const int dw = w - 30, dh = h - 30;
    return {{10, 10}, {20 + dw, 10}, {10, 20 + dh}, {20 + dw, 20 + dh}, Rect{10, 10, 20 + dw, 20 + dh}};
  }
};

// Where a target coordinate must come from in a repeated grid: corners at
// their own offsets, middles counted from the start of the span.
int GridSource(int t, int spanStart, int spanEnd) {
  if (t < spanStart) return t;
  if (t >= spanEnd) return 20 + (t - spanEnd);
  return 10 + (t - spanStart) % 10;
}

void ExpectRepeatedGrid(const Bitmap& out, int w, int h) {
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Point expected{5 + GridSource(x, 10, w - 10), 7 + GridSource(y, 10, h - 10)};
      ASSERT_EQ(SourceOf(out.At(x, y)), expected) << "at " << x << "," << y;
    }
  }
}

TEST(ComposeNineSlice, NaturalSizeIsAnExactCopyOfTheSkinRectangle) {
  GridSkin g;
  Bitmap out;
  ComposeNineSlice(out, {30, 30}, g.skin, g.Fitted(30, 30), true);
  ASSERT_EQ(out.width(), 30);
  ASSERT_EQ(out.height(), 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) ASSERT_EQ(out.At(x, y), g.picture.At(5 + x, 7 + y));
  }
}

TEST(ComposeNineSlice, RepeatsMiddlesWholeOnExactMultiplesAndCutsTheLastTile) {
  GridSkin g;
  for (const Size size : {Size{50, 60}, Size{45, 33}, Size{21, 71}, Size{123, 97}}) {
    Bitmap out;
    ComposeNineSlice(out, size, g.skin, g.Fitted(size.width, size.height), true);
    ASSERT_EQ(out.width(), size.width);
    ExpectRepeatedGrid(out, size.width, size.height);
  }
}

TEST(ComposeNineSlice, StretchedMiddlesCoverTheirSpanMonotonically) {
  GridSkin g;
  g.skin.topStretch = g.skin.leftStretch = true;
  Bitmap out;
  ComposeNineSlice(out, {70, 50}, g.skin, g.Fitted(70, 50), false);
  // Top middle spans columns 10..60 and shows source columns 15..24 in order.
  int previous = 14;
  for (int x = 10; x < 60; ++x) {
    const Point s = SourceOf(out.At(x, 3));
    ASSERT_EQ(s.y, 10);
    ASSERT_GE(s.x, previous);
    ASSERT_LE(s.x - previous, 1);
    previous = s.x;
  }
  EXPECT_EQ(SourceOf(out.At(10, 3)).x, 15);
  EXPECT_EQ(SourceOf(out.At(59, 3)).x, 24);
  // Left middle likewise downwards; the right middle still repeats.
  EXPECT_EQ(SourceOf(out.At(2, 10)).y, 17);
  EXPECT_EQ(SourceOf(out.At(2, 39)).y, 26);
  EXPECT_EQ(SourceOf(out.At(62, 31)).y, 7 + 10 + 21 % 10);
  // Corners untouched by the stretch; the client was not drawn.
  EXPECT_EQ(SourceOf(out.At(0, 0)), (Point{5, 7}));
  EXPECT_EQ(SourceOf(out.At(69, 49)), (Point{34, 36}));
  EXPECT_EQ(SourceOf(out.At(30, 25)), (Point{-1, -1}));
}

TEST(ComposeNineSlice, ClientStretchTypes) {
  GridSkin g;
  g.skin.stretchEffect = true;
  const Rect nr{10, 10, 45, 60};  // fitted client area of a 55 x 70 target
  for (StretchType type : {StretchType::stFull, StretchType::stHorz, StretchType::stVert}) {
    g.skin.stretchType = type;
    Bitmap out;
    ComposeNineSlice(out, {55, 70}, g.skin, g.Fitted(55, 70), true);
    for (int y = nr.top; y < nr.bottom; ++y) {
      for (int x = nr.left; x < nr.right; ++x) {
        const Point s = SourceOf(out.At(x, y));
        ASSERT_TRUE(s.x >= 15 && s.x < 25 && s.y >= 17 && s.y < 27) << static_cast<int>(type) << " at " << x << "," << y;
      }
    }
    const Point lastX = SourceOf(out.At(nr.right - 1, 30));
    const Point lastY = SourceOf(out.At(20, nr.bottom - 1));
    if (type == StretchType::stHorz) {
      // Each 10-column copy stretched to the client height; the last copy cut.
      EXPECT_EQ(lastX.x, 15 + (34 % 10));
      EXPECT_EQ(lastY.y, 26);
      EXPECT_EQ(out.At(12, 40), out.At(32, 40));
    } else if (type == StretchType::stVert) {
      EXPECT_EQ(lastX.x, 24);
      EXPECT_EQ(lastY.y, 17 + (49 % 10));
      EXPECT_EQ(out.At(30, 12), out.At(30, 42));
    } else {
      EXPECT_EQ(lastX.x, 24);
      EXPECT_EQ(lastY.y, 26);
    }
  }
}

TEST(ComposeNineSlice, StopsEarlyOrSkipsPiecesOfNoSize) {
  GridSkin g;
  const Pixel mark{1, 2, 3, 4};
  // Corner points leaving no middle: the target is sized but left as it was.
  SkinPieces flat = g.skin;
  flat.points.rightBottom = flat.points.leftTop;
  Bitmap out(40, 40, mark);
  ComposeNineSlice(out, {40, 40}, flat, g.Fitted(40, 40), true);
  EXPECT_EQ(out.At(0, 0), mark);
  EXPECT_EQ(out.At(20, 20), mark);

  // An empty picture: resized, nothing drawn.
  SkinPieces empty = g.skin;
  empty.picture = BitmapView();
  Bitmap other(3, 3, mark);
  ComposeNineSlice(other, {12, 9}, empty, g.Fitted(12, 9), true);
  EXPECT_EQ(other.width(), 12);
  EXPECT_EQ(other.height(), 9);
  EXPECT_EQ(other.At(11, 8), Pixel{});

  // A top middle of zero width and an empty client piece are simply not repeated.
  SkinPieces thin = g.skin;
  thin.points.rightTop = thin.points.leftTop;
  thin.points.clientRect = Rect{10, 10, 10, 20};
  Bitmap out2(60, 60, mark);
  ComposeNineSlice(out2, {60, 60}, thin, g.Fitted(60, 60), true);
  EXPECT_EQ(out2.At(30, 3), mark);
  EXPECT_EQ(out2.At(30, 30), mark);
  EXPECT_EQ(SourceOf(out2.At(30, 55)).y, 7 + 25);  // the bottom middle still repeats
}

TEST(ComposeNineSlice, FittedPointsFarBeyondTheTargetOnlyDrawWhatShows) {
  GridSkin g;
  SkinPoints far = g.Fitted(40, 40);
  far.rightTop.x = far.rightBottom.x = 1'000'000'000;
  far.leftBottom.y = far.rightBottom.y = 1'000'000'000;
  far.clientRect.right = far.clientRect.bottom = 1'000'000'000;
  Bitmap out;
  ComposeNineSlice(out, {40, 40}, g.skin, far, true);
  for (int x = 10; x < 40; ++x) ASSERT_EQ(SourceOf(out.At(x, 0)), (Point{5 + 10 + (x - 10) % 10, 7})) << x;
  EXPECT_EQ(SourceOf(out.At(39, 39)), (Point{5 + 19, 7 + 19}));
}

TEST(ComposeNineSlice, SkinRectangleOutsideThePictureIsClipped) {
  GridSkin g;
  g.skin.skinRect = Rect{45, 45, 75, 75};  // reaches 15 pixels past the 60 x 60 picture
  Bitmap out(80, 80, Pixel{9, 9, 9, 9});
  ComposeNineSlice(out, {80, 80}, g.skin, g.Fitted(80, 80), true);
  EXPECT_EQ(SourceOf(out.At(0, 0)), (Point{45, 45}));
  EXPECT_EQ(out.At(79, 79), (Pixel{9, 9, 9, 9}));  // its source lies outside the picture
}

TEST(ComposeStrips, HorizontalStripRepeatsOrStretchesTheMiddle) {
  Bitmap picture = CoordPicture(40, 20);
  const Rect s{4, 2, 16, 10};  // 12 wide: left 3, middle 5, right 4
  Bitmap out;
  ComposeHorizontalStrip(3, 4, out, false, 20, s, picture.view());
  ASSERT_EQ(out.width(), 20);
  ASSERT_EQ(out.height(), 8);
  for (int x = 0; x < 20; ++x) {
    const int expected = x < 3 ? 4 + x : x >= 16 ? 12 + (x - 16) : 7 + (x - 3) % 5;
    ASSERT_EQ(SourceOf(out.At(x, 5)), (Point{expected, 7})) << x;
  }
  ComposeHorizontalStrip(3, 4, out, true, 27, s, picture.view());
  EXPECT_EQ(SourceOf(out.At(3, 0)).x, 7);
  EXPECT_EQ(SourceOf(out.At(22, 0)).x, 11);
  EXPECT_EQ(SourceOf(out.At(23, 0)).x, 12);

  // No middle: the ends only, nothing repeated between them.
  Bitmap bare;
  ComposeHorizontalStrip(6, 6, bare, false, 20, s, picture.view());
  EXPECT_EQ(SourceOf(bare.At(5, 0)).x, 9);
  EXPECT_EQ(SourceOf(bare.At(10, 0)), (Point{-1, -1}));
  EXPECT_EQ(SourceOf(bare.At(14, 0)).x, 10);
  // Narrower than both ends together.
  ComposeHorizontalStrip(3, 4, bare, false, 5, s, picture.view());
  EXPECT_EQ(SourceOf(bare.At(0, 0)).x, 4);
  EXPECT_EQ(SourceOf(bare.At(4, 0)).x, 15);
}

TEST(ComposeStrips, VerticalStripRepeatsTheMiddleDownwards) {
  Bitmap picture = CoordPicture(20, 40);
  const Rect s{2, 4, 8, 16};  // 12 high: top 2, middle 6, bottom 4
  Bitmap out;
  ComposeVerticalStrip(2, 4, out, false, 25, s, picture.view());
  ASSERT_EQ(out.width(), 6);
  ASSERT_EQ(out.height(), 25);
  for (int y = 0; y < 25; ++y) {
    const int expected = y < 2 ? 4 + y : y >= 21 ? 12 + (y - 21) : 6 + (y - 2) % 6;
    ASSERT_EQ(SourceOf(out.At(1, y)), (Point{3, expected})) << y;
  }
}

// A frame-like skin: a 40 x 30 rectangle at (2, 3) whose corner points lie
// inside the border bands, as a window frame's do.
struct FrameSkin {
  Bitmap picture = CoordPicture(50, 40);
  SkinPieces skin;
  FrameSkin() {
    skin.picture = picture.view();
    skin.skinRect = Rect{2, 3, 42, 33};
    skin.points = {{8, 6}, {30, 6}, {8, 24}, {30, 24}, Rect{4, 5, 36, 26}};
  }
  SkinPoints Fitted(int w, int h) const {
    const int dw = w - 40, dh = h - 30;
    return {{8, 6}, {30 + dw, 6}, {8, 24 + dh}, {30 + dw, 24 + dh}, Rect{4, 5, 36 + dw, 26 + dh}};
  }
};

TEST(ComposeFrameBands, BandsRepeatFromTheirStartAndKeepTheCorners) {
  FrameSkin f;
  const FrameBands b = ComposeFrameBands({100, 80}, f.skin, f.Fitted(100, 80));
  ASSERT_EQ(b.top.width(), 100);
  ASSERT_EQ(b.top.height(), 5);
  ASSERT_EQ(b.bottom.height(), 4);
  ASSERT_EQ(b.left.width(), 4);
  ASSERT_EQ(b.left.height(), 71);
  ASSERT_EQ(b.right.width(), 4);
  ASSERT_EQ(b.right.height(), 71);
  for (int x = 0; x < 100; ++x) {
    const int top = x < 8 ? x : x >= 90 ? 30 + (x - 90) : 8 + x % 22;
    ASSERT_EQ(SourceOf(b.top.At(x, 4)), (Point{2 + top, 3 + 4})) << x;
    const int bottom = x < 8 ? x : x >= 90 ? 30 + (x - 90) : 8 + x % 22;
    ASSERT_EQ(SourceOf(b.bottom.At(x, 0)), (Point{2 + bottom, 3 + 26})) << x;
  }
  for (int y = 0; y < 71; ++y) {
    const int side = y < 1 ? 5 + y : y >= 69 ? 24 + (y - 69) : 6 + y % 18;
    ASSERT_EQ(SourceOf(b.left.At(3, y)), (Point{2 + 3, 3 + side})) << y;
    ASSERT_EQ(SourceOf(b.right.At(0, y)), (Point{2 + 36, 3 + side})) << y;
  }
}

TEST(ComposeFrameBands, StretchedBandsAndSkippedBands) {
  FrameSkin f;
  f.skin.topStretch = f.skin.leftStretch = true;
  FrameBands b = ComposeFrameBands({100, 80}, f.skin, f.Fitted(100, 80));
  EXPECT_EQ(SourceOf(b.top.At(8, 0)).x, 2 + 8);
  EXPECT_EQ(SourceOf(b.top.At(89, 0)).x, 2 + 29);
  EXPECT_EQ(SourceOf(b.top.At(90, 0)).x, 2 + 30);
  // The left middle is stretched over rows 1..69 between its two end pieces.
  EXPECT_EQ(SourceOf(b.left.At(0, 1)).y, 3 + 6);
  EXPECT_EQ(SourceOf(b.left.At(0, 68)).y, 3 + 23);
  EXPECT_EQ(SourceOf(b.left.At(0, 69)).y, 3 + 24);

  // No top border and no right middle: those bands stay empty, the side
  // bands take the freed height.
  f.skin.points.rightTop.y = f.skin.points.rightBottom.y;
  SkinPoints fitted = f.Fitted(100, 80);
  fitted.clientRect.top = 0;
  b = ComposeFrameBands({100, 80}, f.skin, fitted);
  EXPECT_EQ(b.top.width(), 0);
  EXPECT_EQ(b.right.width(), 0);
  EXPECT_EQ(b.left.height(), 76);
  EXPECT_EQ(b.bottom.height(), 4);
}

TEST(ComposeFrameBands, BandsAreNeverLargerThanTheTarget) {
  FrameSkin f;
  const Point none{-1, -1};
  // A client rectangle far below and above the target: top and bottom bands
  // keep the rows that can show, the top its first, the bottom its last.
  SkinPoints fitted = f.Fitted(100, 80);
  fitted.clientRect.top = 1'000'000'000;
  fitted.clientRect.bottom = -1'000'000'000;
  FrameBands b = ComposeFrameBands({100, 80}, f.skin, fitted);
  ASSERT_EQ(b.top.width(), 100);
  ASSERT_EQ(b.top.height(), 80);
  EXPECT_EQ(SourceOf(b.top.At(0, 36)), (Point{2, 39}));
  EXPECT_EQ(SourceOf(b.top.At(0, 37)), none);  // below the picture
  ASSERT_EQ(b.bottom.height(), 80);
  EXPECT_EQ(SourceOf(b.bottom.At(0, 79)), (Point{2, 32}));
  EXPECT_EQ(SourceOf(b.bottom.At(0, 47)), (Point{2, 0}));
  EXPECT_EQ(SourceOf(b.bottom.At(0, 46)), none);
  EXPECT_EQ(b.left.width(), 0);  // nothing left between them

  // Side bands wider than the target: the left keeps its first columns, the
  // right (drawn at the target's right edge) its last.
  fitted = f.Fitted(100, 80);
  fitted.clientRect = Rect{1'000'000'000, 0, -1, 80};
  b = ComposeFrameBands({100, 80}, f.skin, fitted);
  ASSERT_EQ(b.left.width(), 100);
  ASSERT_EQ(b.left.height(), 80);
  EXPECT_EQ(SourceOf(b.left.At(10, 1)), (Point{12, 10}));
  EXPECT_EQ(SourceOf(b.left.At(48, 1)), none);  // right of the picture
  ASSERT_EQ(b.right.width(), 100);              // 101 wide, drawn from x = -1
  EXPECT_EQ(SourceOf(b.right.At(0, 1)), (Point{39, 10}));
  EXPECT_EQ(SourceOf(b.right.At(2, 1)), (Point{41, 10}));
  EXPECT_EQ(SourceOf(b.right.At(3, 1)), none);
}

}  // namespace
}  // namespace zv
