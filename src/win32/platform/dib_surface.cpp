#include "win32/platform/dib_surface.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace zv::win {

DibSurface::DibSurface() : dc_(CreateCompatibleDC(nullptr)) {
  if (!dc_) throw std::runtime_error("Cannot create a memory device context");
}

DibSurface::~DibSurface() {
  if (original_) SelectObject(dc_.get(), original_);
}

void DibSurface::Resize(Size size) {
  size = {std::max(size.width, 1), std::max(size.height, 1)};
  if (size == size_) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.width;
  info.bmiHeader.biHeight = -size.height;  // top-down, like BitmapView
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) throw std::runtime_error("Cannot create a bitmap of the window's size");
  HGDIOBJ previous = SelectObject(dc_.get(), bitmap.get());
  if (!original_) original_ = previous;
  bitmap_ = std::move(bitmap);  // the old bitmap is no longer selected
  pixels_ = static_cast<Pixel*>(bits);
  size_ = size;
}

void DibSurface::Reserve(Size size) {
  if (size.width <= size_.width && size.height <= size_.height) return;
  Resize({std::max(size.width, size_.width), std::max(size.height, size_.height)});
}

void CopyPixels(const BitmapView& from, Point fromAt, const BitmapView& to, Point toAt, Size size) {
  for (int y = 0; y < size.height; ++y) {
    std::memcpy(to.Row(toAt.y + y) + toAt.x, from.Row(fromAt.y + y) + fromAt.x,
                static_cast<std::size_t>(size.width) * sizeof(Pixel));
  }
}

void CopyColours(const BitmapView& from, Point fromAt, const BitmapView& to, Point toAt, Size size) {
  for (int y = 0; y < size.height; ++y) {
    const Pixel* source = from.Row(fromAt.y + y) + fromAt.x;
    Pixel* target = to.Row(toAt.y + y) + toAt.x;
    for (int x = 0; x < size.width; ++x) target[x] = {source[x].b, source[x].g, source[x].r, target[x].a};
  }
}

}  // namespace zv::win
