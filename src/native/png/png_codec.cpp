// PNG through libpng's simplified interface.
#include "core/platform/png_codec.h"

#include <png.h>

#include <algorithm>
#include <string>

#include "core/base/error.h"

namespace zv {
namespace {

// Frees libpng's state on every path out.
class PngImageScope {
 public:
  PngImageScope() { image_.version = PNG_IMAGE_VERSION; }
  PngImageScope(const PngImageScope&) = delete;
  PngImageScope& operator=(const PngImageScope&) = delete;
  ~PngImageScope() { png_image_free(&image_); }
  png_image* operator->() { return &image_; }
  png_image* get() { return &image_; }

 private:
  png_image image_{};
};

[[noreturn]] void Fail(png_image* image) { throw Error(std::string("PNG error: ") + image->message); }

// Opaque pictures go out as three bytes a pixel.
std::vector<std::uint8_t> Packed(const BitmapView& pixels) {
  std::vector<std::uint8_t> packed;
  packed.reserve(static_cast<std::size_t>(pixels.width()) * pixels.height() * 3);
  for (int y = 0; y < pixels.height(); ++y) {
    const Pixel* row = pixels.Row(y);
    for (int x = 0; x < pixels.width(); ++x) packed.insert(packed.end(), {row[x].b, row[x].g, row[x].r});
  }
  return packed;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const BitmapView& pixels, bool alpha) {
  PngImageScope image;
  image->width = static_cast<png_uint_32>(pixels.width());
  image->height = static_cast<png_uint_32>(pixels.height());
  image->format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
  const std::vector<std::uint8_t> packed = alpha ? std::vector<std::uint8_t>() : Packed(pixels);
  const void* buffer = alpha ? static_cast<const void*>(pixels.Row(0)) : packed.data();
  const png_int_32 stride = alpha ? pixels.stride() * 4 : pixels.width() * 3;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(image.get(), nullptr, &size, 0, buffer, stride, nullptr)) Fail(image.get());
  std::vector<std::uint8_t> bytes(size);
  if (!png_image_write_to_memory(image.get(), bytes.data(), &size, 0, buffer, stride, nullptr)) Fail(image.get());
  bytes.resize(size);
  return bytes;
}

PngImage DecodePng(std::span<const std::uint8_t> bytes) {
  PngImageScope image;
  if (!png_image_begin_read_from_memory(image.get(), bytes.data(), bytes.size())) Fail(image.get());
  const int width = static_cast<int>(std::min<png_uint_32>(image->width, kMaxPictureSide + 1));
  const int height = static_cast<int>(std::min<png_uint_32>(image->height, kMaxPictureSide + 1));
  if (width > kMaxPictureSide || height > kMaxPictureSide ||
      static_cast<std::int64_t>(width) * height > kMaxPicturePixels) {
    throw Error("PNG error: the picture is larger than " + std::to_string(kMaxPictureSide) + " x " +
                std::to_string(kMaxPictureSide) + " or " + std::to_string(kMaxPicturePixels) + " pixels");
  }
  PngImage out;
  out.alpha = (image->format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image->format = PNG_FORMAT_BGRA;
  out.bitmap = Bitmap(width, height);
  if (!png_image_finish_read(image.get(), nullptr, out.bitmap.view().Row(0), width * 4, nullptr)) Fail(image.get());
  if (!out.alpha) {
    const BitmapView v = out.bitmap.view();
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) v.At(x, y).a = 0;
    }
  }
  return out;
}

}  // namespace zv
