#pragma once
// A 32-bit top-down DIB section selected into its own memory DC: GDI draws
// into it and the core reads and writes the same pixels through view().
#include <windows.h>

#include "core/base/bitmap.h"
#include "win32/platform/handles.h"

namespace zv::win {

class DibSection {
 public:
  DibSection() = default;
  // Throws an Error when the system cannot make the bitmap.
  DibSection(int width, int height);
  DibSection(DibSection&&) noexcept = default;
  DibSection& operator=(DibSection&&) noexcept = default;
  ~DibSection();

  HDC dc() const { return dc_.get(); }
  Size size() const { return {width_, height_}; }
  // Call GdiFlush before reading what GDI drew.
  BitmapView view() const { return {pixels_, width_, height_, width_}; }

 private:
  MemoryDc dc_;
  BitmapHandle bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
  Pixel* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace zv::win
