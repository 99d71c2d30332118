#pragma once
// PNG files, for the command line's pictures and for skins. The native build
// codes them with libpng, Windows with WIC: the pixels are the same, the
// bytes may differ.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/base/bitmap.h"
#include "core/platform/picture_decoder.h"

namespace zv {

struct PngImage {
  Bitmap bitmap;
  bool alpha = false;  // the file has an alpha channel; without one every alpha reads 0, as BMP gives it
};

// 8-bit colour, with the pixels' alpha as a channel when `alpha` is set.
std::vector<std::uint8_t> EncodePng(const BitmapView& pixels, bool alpha);
// Any PNG as 8-bit colour. Throws zv::Error ("PNG error: ...") for damaged
// bytes and for pictures past kMaxPictureSide or kMaxPicturePixels, before
// their pixels are allocated.
PngImage DecodePng(std::span<const std::uint8_t> bytes);

// True for names ending in ".png", in any case.
inline bool IsPngName(std::string_view name) {
  if (name.size() < 4) return false;
  const std::string_view end = name.substr(name.size() - 4);
  constexpr std::string_view kPng = ".png";
  for (std::size_t i = 0; i < 4; ++i) {
    const char c = end[i] >= 'A' && end[i] <= 'Z' ? static_cast<char>(end[i] - 'A' + 'a') : end[i];
    if (c != kPng[i]) return false;
  }
  return true;
}

}  // namespace zv
