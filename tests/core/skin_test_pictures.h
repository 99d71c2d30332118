#pragma once
// Small pictures and packages for the skin format tests.
#include <string>

#include "core/base/bmp.h"
#include "core/skin/package.h"

namespace zv::test {

// A `bits`-deep picture with a colour for each pixel from `seed`.
inline BmpPicture SamplePicture(int bits, int width, int height, int seed) {
  BmpPicture p;
  p.bitCount = bits;
  p.bitmap = Bitmap(width, height);
  const int colours = bits <= 8 ? 1 << bits : 0;
  for (int i = 0; i < colours; ++i) {
    p.palette.push_back({static_cast<std::uint8_t>(i + seed), static_cast<std::uint8_t>(i * 2), 40, 0});
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (bits <= 8) {
        const auto index = static_cast<std::uint8_t>((x + y + seed) % colours);
        p.indices.push_back(index);
        p.bitmap.At(x, y) = p.palette[index];
      } else {
        p.bitmap.At(x, y) = {static_cast<std::uint8_t>(x + seed), static_cast<std::uint8_t>(y), 9,
                             static_cast<std::uint8_t>(bits == 32 ? seed : 0)};
      }
    }
  }
  return p;
}

inline SkinPackage SamplePackage() {
  SkinPackage package;
  package.picture = SamplePicture(24, 13, 7, 1);
  package.mask = SamplePicture(8, 13, 7, 2);
  package.activePictures = {SamplePicture(24, 5, 3, 3), SamplePicture(4, 9, 2, 4), SamplePicture(1, 17, 3, 5),
                            SamplePicture(32, 2, 2, 6)};
  package.definitionText = "[VERSION]\r\nskinname=Sample\r\n\r\n[PICTURES]\r\n";
  return package;
}

inline std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace zv::test
