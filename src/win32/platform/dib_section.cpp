#include "win32/platform/dib_section.h"

#include <string>

#include "core/base/error.h"

namespace zv::win {

DibSection::DibSection(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_.reset(CreateCompatibleDC(nullptr));
  if (width > 0 && height > 0) bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc_ || !bitmap_ || !bits) {
    throw Error("Cannot make a " + std::to_string(width) + " x " + std::to_string(height) + " bitmap");
  }
  pixels_ = static_cast<Pixel*>(bits);
  oldBitmap_ = SelectObject(dc_.get(), bitmap_.get());
}

DibSection::~DibSection() {
  // The bitmap must leave the DC before either is deleted.
  if (dc_ && oldBitmap_) SelectObject(dc_.get(), oldBitmap_);
}

}  // namespace zv::win
