#pragma once
// Turning the bytes of a picture file into pixels. Windows decodes with WIC
// and GDI, the native build with libjpeg-turbo and giflib.
#include <cstdint>
#include <span>

#include "core/base/bitmap.h"

namespace zv {

// Pictures past these are refused before any pixel memory is taken.
inline constexpr int kMaxPictureSide = 8192;
inline constexpr std::int64_t kMaxPicturePixels = 16 * 1024 * 1024;

enum class PictureFormat { kBitmap, kIcon, kEnhancedMetafile, kMetafile, kGif, kJpeg };

struct Picture {
  PictureFormat format = PictureFormat::kBitmap;
  Bitmap bitmap;
  // Alpha counts (0 shows what lies behind); otherwise every pixel is opaque.
  bool transparent = false;
};

class PictureDecoder {
 public:
  virtual ~PictureDecoder() = default;
  // Throws an Error with the format's decoding message for bytes that do not
  // hold a valid picture, or one larger than the decoder's limits.
  virtual Picture Decode(std::span<const std::uint8_t> bytes, PictureFormat format) = 0;
};

}  // namespace zv
