#pragma once
// Test pictures whose pixels name their own coordinates, so a composed
// picture tells for every pixel where in the source it came from.
#include "core/base/bitmap.h"

namespace zv::test {

constexpr std::uint8_t kCoordTag = 0x5A;

// Pixel (x, y) holds blue = x, green = y (both below 256).
inline Bitmap CoordPicture(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      b.At(x, y) = Pixel{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), kCoordTag, 255};
    }
  }
  return b;
}

// The source coordinates a pixel of a coordinate picture carries; (-1, -1)
// for a pixel no copy reached.
inline Point SourceOf(const Pixel& p) {
  if (p.r != kCoordTag || p.a != 255) return {-1, -1};
  return {p.b, p.g};
}

}  // namespace zv::test
