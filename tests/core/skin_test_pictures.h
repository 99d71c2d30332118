#pragma once
// Small pictures and packages for the skin format tests.
#include <string>

#include "core/base/bmp.h"
#include "core/base/byte_stream.h"
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

// A blank 1-bit BMP: a few bytes a row, yet width x height pixels decoded.
inline std::vector<std::uint8_t> BlankBmp(int width, int height) {
  const auto stride = static_cast<std::uint32_t>((width + 31) / 32 * 4);
  const std::uint32_t offset = kBmpFileHeaderSize + 40 + 8;
  std::vector<std::uint8_t> bytes;
  ByteWriter w(bytes);
  w.WriteU8('B');
  w.WriteU8('M');
  w.WriteU32(offset + stride * height);
  w.WriteU32(0);
  w.WriteU32(offset);
  w.WriteU32(40);
  w.WriteI32(width);
  w.WriteI32(height);
  w.WriteU16(1);
  w.WriteU16(1);
  for (int i = 0; i < 6; ++i) w.WriteU32(0);  // no compression, sizes, resolution, colour counts
  w.WriteU32(0);                              // black
  w.WriteU32(0x00FFFFFF);                     // white
  bytes.resize(bytes.size() + static_cast<std::size_t>(stride) * height, 0);
  return bytes;
}

inline std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace zv::test
