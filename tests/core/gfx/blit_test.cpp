#include "core/gfx/blit.h"

#include <gtest/gtest.h>

#include "skin_pictures.h"

namespace zv {
namespace {

using test::CoordPicture;
using test::SourceOf;

constexpr Pixel kMark{7, 7, 7, 7};
constexpr Pixel kAbove{1, 2, 3, 4};

// Every target pixel shows source pixel (x - dx, y - dy) of a `size`
// coordinate picture when that pixel exists, and keeps its mark otherwise.
void ExpectShifted(const Bitmap& out, int dx, int dy, Size size) {
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      const Point s{x - dx, y - dy};
      const bool exists = s.x >= 0 && s.y >= 0 && s.x < size.width && s.y < size.height;
      if (exists) {
        ASSERT_EQ(SourceOf(out.At(x, y)), s) << x << "," << y;
      } else {
        ASSERT_EQ(out.At(x, y), kMark) << x << "," << y;
      }
    }
  }
}

TEST(Blit, SourcePartlyOutsideThePictureCopiesWhatExistsWhereItBelongs) {
  Bitmap picture = CoordPicture(8, 6);
  // From 3 columns left of and 2 rows above the picture to past its far corner.
  const Rect from{-3, -2, 10, 8};
  Bitmap out(14, 11, kMark);
  Blit(out.view(), Point{1, 1}, picture.view(), from);
  ExpectShifted(out, 4, 3, {8, 6});

  Bitmap keyed(14, 11, kMark);
  BlitKeyed(keyed.view(), Point{1, 1}, picture.view(), from, Rgb(1, 2, 3));  // a colour the picture lacks
  ExpectShifted(keyed, 4, 3, {8, 6});

  // The transparent colour is the bottom-left pixel of the part that exists.
  Bitmap transparent(14, 11, kMark);
  BlitTransparent(transparent.view(), Point{1, 1}, picture.view(), from);
  EXPECT_EQ(transparent.At(4, 3 + 5), kMark);
  transparent.At(4, 3 + 5) = picture.At(0, 5);
  ExpectShifted(transparent, 4, 3, {8, 6});

  Bitmap stretched(14, 11, kMark);
  StretchBlit(stretched.view(), Rect{1, 1, 14, 11}, picture.view(), from);  // same size: a plain copy
  ExpectShifted(stretched, 4, 3, {8, 6});
}

TEST(StretchBlit, RowsAboveThePictureStayUntouched) {
  Bitmap picture = CoordPicture(8, 6);
  // The target is a view into a taller bitmap whose row above it is marked
  // differently: a copy of "the row before" at the top would show.
  Bitmap canvas(16, 13, kMark);
  canvas.view().Fill(Rect{0, 0, 16, 1}, kAbove);
  const BitmapView target = canvas.view().Sub(Rect{0, 1, 16, 13});
  // Twice the size, one source row above the picture first.
  StretchBlit(target, Rect{0, 0, 16, 12}, picture.view(), Rect{0, -1, 8, 5});
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int sy = -1 + y / 2;
      if (sy < 0) {
        ASSERT_EQ(target.At(x, y), kMark) << x << "," << y;
      } else {
        ASSERT_EQ(SourceOf(target.At(x, y)), (Point{x / 2, sy})) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(canvas.At(0, 0), kAbove);

  // Columns and rows past every side, enlarged: only pixels that exist land.
  Bitmap out(20, 16, kMark);
  StretchBlit(out.view(), Rect{0, 0, 20, 16}, picture.view(), Rect{-2, -3, 8, 5});
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 20; ++x) {
      const Point s{-2 + x / 2, -3 + y / 2};
      if (s.x < 0 || s.y < 0) {
        ASSERT_EQ(out.At(x, y), kMark) << x << "," << y;
      } else {
        ASSERT_EQ(SourceOf(out.At(x, y)), s) << x << "," << y;
      }
    }
  }
}

// Position plus piece passes the int range here (the sanitizer build
// catches that); the copy must still end where the span does.
TEST(Tile, HugePiecesNearTheEndOfTheIntRange) {
  int copies = 0;
  long long last = 0;
  Tile(1'500'000'000, 2'100'000'000, 1'000'000'000, [&](int pos, int len) {
    ++copies;
    last = 0LL + pos + len;
  });
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(last, 2'100'000'000);
}

}  // namespace
}  // namespace zv
