#include "core/status/frame_style.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

constexpr ColorRef kBack = 0x00ABCDEF;
const FrameColours kColours{Rgb(1, 1, 1), Rgb(2, 2, 2), Rgb(3, 3, 3), Rgb(4, 4, 4), Rgb(5, 5, 5)};
constexpr ColorRef kFlat = 0x00010101, kHighlight = 0x00020202, kLight = 0x00030303, kShadow = 0x00040404,
                   kDark = 0x00050505;

struct Canvas {
  Bitmap bitmap{12, 8, ToPixel(kBack)};
  ColorRef At(int x, int y) const { return ToColorRef(bitmap.At(x, y)); }
  void Draw(TFrameStyleEx style, TSbBorderSides sides = kAllSides) {
    DrawFrame(bitmap.view(), {1, 1, 11, 7}, style, kColours, sides);
  }
};

TEST(FrameStyle, FlatLeavesOutTheCorners) {
  Canvas c;
  c.Draw(fsFlat);
  EXPECT_EQ(c.At(1, 1), kBack);
  EXPECT_EQ(c.At(10, 1), kBack);
  EXPECT_EQ(c.At(1, 6), kBack);
  EXPECT_EQ(c.At(10, 6), kBack);
  for (int x = 2; x <= 9; ++x) {
    EXPECT_EQ(c.At(x, 1), kFlat) << x;
    EXPECT_EQ(c.At(x, 6), kFlat) << x;
  }
  for (int y = 2; y <= 5; ++y) {
    EXPECT_EQ(c.At(1, y), kFlat) << y;
    EXPECT_EQ(c.At(10, y), kFlat) << y;
  }
  EXPECT_EQ(c.At(2, 2), kBack);  // one pixel wide
  EXPECT_EQ(c.At(0, 0), kBack);  // nothing outside
  EXPECT_EQ(c.At(11, 7), kBack);
}

TEST(FrameStyle, BevelsDrawTheirRings) {
  struct Case {
    TFrameStyleEx style;
    ColorRef outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
  };
  const Case cases[] = {
      {fsGroove, kShadow, kHighlight, kHighlight, kShadow},  {fsBump, kHighlight, kShadow, kShadow, kHighlight},
      {fsLowered, kShadow, kHighlight, kDark, kLight},       {fsButtonDown, kDark, kHighlight, kShadow, kLight},
      {fsRaised, kLight, kDark, kHighlight, kShadow},        {fsButtonUp, kHighlight, kDark, kLight, kShadow},
      {fsStatus, kShadow, kHighlight, kBack, kBack},         {fsPopup, kHighlight, kShadow, kBack, kBack},
      {fsFlatBold, kFlat, kFlat, kFlat, kFlat},
  };
  for (const Case& k : cases) {
    Canvas c;
    c.Draw(k.style);
    SCOPED_TRACE(k.style);
    EXPECT_EQ(c.At(1, 1), k.outerTopLeft);
    EXPECT_EQ(c.At(5, 1), k.outerTopLeft);
    EXPECT_EQ(c.At(1, 4), k.outerTopLeft);
    EXPECT_EQ(c.At(10, 6), k.outerBottomRight);
    EXPECT_EQ(c.At(5, 6), k.outerBottomRight);
    EXPECT_EQ(c.At(10, 3), k.outerBottomRight);
    EXPECT_EQ(c.At(2, 2), k.innerTopLeft);
    EXPECT_EQ(c.At(9, 5), k.innerBottomRight);
    EXPECT_EQ(c.At(5, 3), kBack);  // the middle stays
    EXPECT_EQ(c.At(0, 0), kBack);
  }
}

TEST(FrameStyle, NoneAndMissingSidesDrawNothingThere) {
  Canvas none;
  none.Draw(fsNone);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 12; ++x) EXPECT_EQ(none.At(x, y), kBack);
  }
  Canvas topOnly;
  topOnly.Draw(fsStatus, sdTop);
  EXPECT_EQ(topOnly.At(5, 1), kShadow);
  EXPECT_EQ(topOnly.At(1, 4), kBack);
  EXPECT_EQ(topOnly.At(5, 6), kBack);
  EXPECT_EQ(topOnly.At(10, 4), kBack);
}

TEST(FrameStyle, FlatRoundedCutsItsCorners) {
  Canvas c;
  c.Draw(fsFlatRounded);
  EXPECT_EQ(c.At(1, 1), kBack);
  EXPECT_EQ(c.At(2, 1), kBack);
  EXPECT_EQ(c.At(3, 1), kFlat);
  EXPECT_EQ(c.At(2, 2), kFlat);  // the diagonal pixel
  EXPECT_EQ(c.At(9, 5), kFlat);
  EXPECT_EQ(c.At(10, 6), kBack);
  EXPECT_EQ(c.At(1, 3), kFlat);
}

TEST(FrameStyle, InsetsAndThickness) {
  const int expectedInset[kFrameStyleCount] = {0, 1, 2, 2, 2, 2, 2, 2, 1, 1, 2, 0};
  for (int s = 0; s < kFrameStyleCount; ++s) {
    const auto style = static_cast<TFrameStyleEx>(s);
    EXPECT_EQ(TextInset(style), expectedInset[s]) << s;
    // The text never starts on a frame line, except where the inset is nil.
    if (expectedInset[s] > 0) {
      EXPECT_LE(FrameThickness(style), TextInset(style)) << s;
    }
  }
  EXPECT_EQ(TextInset(static_cast<TFrameStyleEx>(99)), 0);  // out of range reads as none
}

TEST(FrameStyle, FlatColourIsLightened) {
  const FrameColours colours = MakeFrameColours(SystemPalette::Classic(), Rgb(128, 128, 128), 30);
  EXPECT_EQ(colours.flat, Rgb(159, 159, 159));
  EXPECT_EQ(colours.shadow, Rgb(128, 128, 128));
  EXPECT_EQ(colours.highlight, Rgb(255, 255, 255));
}

}  // namespace
}  // namespace zv
