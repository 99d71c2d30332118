#pragma once
// 32-bit top-down pixels. Every pixel algorithm takes a BitmapView; Bitmap
// owns its pixels. On Windows a view can point into a DIB section, so GDI and
// the core draw into the same memory.
#include <cstdint>
#include <vector>

#include "core/base/geometry.h"

namespace zv {

// A pixel as it lies in memory: blue, green, red, alpha (a DIB's BGRA).
struct Pixel {
  std::uint8_t b = 0;
  std::uint8_t g = 0;
  std::uint8_t r = 0;
  std::uint8_t a = 0;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};
static_assert(sizeof(Pixel) == 4);

// A colour as the platform writes it: 0x00BBGGRR.
using ColorRef = std::uint32_t;
constexpr ColorRef Rgb(int r, int g, int b) {
  return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c) { return c & 0xFF; }
constexpr int GreenOf(ColorRef c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(ColorRef c) { return (c >> 16) & 0xFF; }
constexpr Pixel ToPixel(ColorRef c, std::uint8_t alpha = 0) {
  return {static_cast<std::uint8_t>(BlueOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
          static_cast<std::uint8_t>(RedOf(c)), alpha};
}
constexpr ColorRef ToColorRef(Pixel p) { return Rgb(p.r, p.g, p.b); }

class BitmapView {
 public:
  BitmapView() = default;
  // stride counts pixels, not bytes.
  BitmapView(Pixel* pixels, int width, int height, int stride)
      : pixels_(pixels), width_(width), height_(height), stride_(stride) {}

  int width() const { return width_; }
  int height() const { return height_; }
  int stride() const { return stride_; }
  Rect bounds() const { return {0, 0, width_, height_}; }
  Pixel* Row(int y) const { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  Pixel& At(int x, int y) const { return Row(y)[x]; }
  // The part of this view inside `r` (clipped to the view).
  BitmapView Sub(const Rect& r) const;
  void Fill(const Rect& r, Pixel p) const;

 private:
  Pixel* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
};

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Pixel fill = {});

  int width() const { return width_; }
  int height() const { return height_; }
  BitmapView view() { return {pixels_.data(), width_, height_, width_}; }
  Pixel& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Pixel& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const std::vector<Pixel>& pixels() const { return pixels_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace zv
