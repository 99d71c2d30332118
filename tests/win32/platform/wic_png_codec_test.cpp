// PNG through WIC: what the Windows build of the command line writes reads
// back with the same pixels, with and without alpha; damaged bytes are an
// error.
#include <gtest/gtest.h>

#include "core/base/error.h"
#include "core/platform/png_codec.h"

namespace zv {
namespace {

Bitmap Pattern() {
  Bitmap b(5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      b.At(x, y) = {static_cast<std::uint8_t>(40 * x), static_cast<std::uint8_t>(80 * y),
                    static_cast<std::uint8_t>(7 * x + y), static_cast<std::uint8_t>(x == 0 ? 0 : 255)};
    }
  }
  return b;
}

TEST(WicPngCodecTest, RoundTripKeepsThePixels) {
  Bitmap source = Pattern();
  const std::vector<std::uint8_t> withAlpha = EncodePng(source.view(), true);
  ASSERT_GT(withAlpha.size(), 8u);
  EXPECT_EQ(withAlpha[1], 'P');
  const PngImage back = DecodePng(withAlpha);
  EXPECT_TRUE(back.alpha);
  // Fully transparent pixels may lose their colour in a codec; the visible ones may not.
  for (int y = 0; y < 3; ++y) {
    for (int x = 1; x < 5; ++x) EXPECT_EQ(back.bitmap.At(x, y), source.At(x, y)) << x << "," << y;
    EXPECT_EQ(back.bitmap.At(0, y).a, 0);
  }
  const PngImage opaque = DecodePng(EncodePng(source.view(), false));
  EXPECT_FALSE(opaque.alpha);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const Pixel want{source.At(x, y).b, source.At(x, y).g, source.At(x, y).r, 0};
      EXPECT_EQ(opaque.bitmap.At(x, y), want) << x << "," << y;
    }
  }
  std::vector<std::uint8_t> damaged = withAlpha;
  damaged.resize(damaged.size() / 2);
  EXPECT_THROW(DecodePng(damaged), Error);
  EXPECT_THROW(DecodePng({}), Error);
}

}  // namespace
}  // namespace zv
