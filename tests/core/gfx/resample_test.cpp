#include "core/gfx/resample.h"

#include <gtest/gtest.h>

#include <set>

#include "core/base/display_scale.h"

namespace zv {
namespace {

Bitmap Noise(int width, int height) {
  Bitmap b(width, height);
  unsigned seed = 12345;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      seed = seed * 1103515245u + 12345u;
      b.At(x, y) = {static_cast<std::uint8_t>(seed >> 8), static_cast<std::uint8_t>(seed >> 16),
                    static_cast<std::uint8_t>(seed >> 24), static_cast<std::uint8_t>(seed >> 4)};
    }
  }
  return b;
}

GridAxis Scaled(std::vector<int> cuts, int dpi) {
  GridAxis axis{cuts, {}};
  for (const int c : cuts) axis.to.push_back(ScaleLength(c, dpi));
  return axis;
}

Bitmap Resampled(Bitmap& source, const GridAxis& x, const GridAxis& y, ResampleFilter filter) {
  Bitmap out(x.to.back(), y.to.back());
  ResampleGrid(source.view(), x, y, out.view(), filter);
  return out;
}

// Whole factors replicate each pixel, with either filter.
TEST(ResampleTest, IntegerFactorsReplicatePixels) {
  Bitmap source = Noise(7, 5);
  for (const int dpi : {192, 288}) {
    const int f = dpi / kBaseDpi;
    for (const ResampleFilter filter : {ResampleFilter::kArea, ResampleFilter::kNearest}) {
      const Bitmap out = Resampled(source, Scaled({0, 3, 7}, dpi), Scaled({0, 2, 5}, dpi), filter);
      ASSERT_EQ(out.width(), 7 * f);
      for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) ASSERT_EQ(out.At(x, y), source.At(x / f, y / f)) << x << "," << y;
      }
    }
  }
}

// Each cell scales on its own: at 1.5x the pixel on a cut mixes nothing
// from across it, where one filter over the whole picture would.
TEST(ResampleTest, CellsDoNotBleedAcrossCuts) {
  const Pixel red{0, 0, 255, 255}, blue{255, 0, 0, 255};
  Bitmap source(7, 1, blue);
  for (int x = 0; x < 3; ++x) source.At(x, 0) = red;
  const GridAxis x = Scaled({0, 3, 7}, 144);  // 0, 5, 11
  const Bitmap out = Resampled(source, x, Scaled({0, 1}, 144), ResampleFilter::kArea);
  for (int i = 0; i < out.width(); ++i) EXPECT_EQ(out.At(i, 0), i < 5 ? red : blue) << i;
  // The inside of a cell is filtered: one pixel of 1.5 covers two sources.
  Bitmap ramp(2, 1);
  ramp.At(0, 0) = {0, 0, 0, 0};
  ramp.At(1, 0) = {200, 200, 200, 200};
  const Bitmap smooth = Resampled(ramp, Scaled({0, 2}, 144), Scaled({0, 1}, 144), ResampleFilter::kArea);
  EXPECT_EQ(smooth.At(1, 0).r, 100);
}

// A two-level mask stays two-level at every scale with the nearest sample.
TEST(ResampleTest, NearestKeepsMasksTwoLevel) {
  Bitmap mask(9, 9, {0, 0, 0, 0});
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) {
      if ((x + y) % 3 == 0) mask.At(x, y) = {255, 255, 255, 0};
    }
  }
  for (const int dpi : {72, 120, 144, 168}) {
    const Bitmap out = Resampled(mask, Scaled({0, 4, 9}, dpi), Scaled({0, 9}, dpi), ResampleFilter::kNearest);
    std::set<int> levels;
    for (const Pixel& p : out.pixels()) levels.insert(p.r);
    EXPECT_EQ(levels, (std::set<int>{0, 255})) << dpi;
  }
}

}  // namespace
}  // namespace zv
