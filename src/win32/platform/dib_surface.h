#pragma once
// A top-down 32-bit DIB section selected into its own memory DC, so GDI and
// the core draw into the same pixels. It is reallocated only when its size
// changes.
#include <windows.h>

#include "core/base/bitmap.h"
#include "win32/platform/handles.h"

namespace zv::win {

class DibSurface {
 public:
  DibSurface();
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;
  ~DibSurface();

  // Makes the surface exactly `size`; keeps the pixels when the size is unchanged.
  void Resize(Size size);
  // Grows the surface to hold at least `size`.
  void Reserve(Size size);
  Size size() const { return size_; }
  HDC dc() const { return dc_.get(); }
  // The pixels; call GdiFlush() before reading what GDI drew.
  BitmapView view() const { return {pixels_, size_.width, size_.height, size_.width}; }

 private:
  MemoryDc dc_;
  BitmapHandle bitmap_;
  HGDIOBJ original_ = nullptr;
  Pixel* pixels_ = nullptr;
  Size size_;
};

// Lets GDI draw over the part `clip` of any view: the pixels are copied into
// `scratch`, `draw(dc, offset)` runs with the clip's top-left at -offset, and
// the colours come back. Only pixels inside `clip` can change, and the
// target keeps its alpha, which GDI does not keep.
template <typename Draw>
void DrawWithGdi(DibSurface& scratch, const BitmapView& target, Rect clip, Draw draw);

void CopyPixels(const BitmapView& from, Point fromAt, const BitmapView& to, Point toAt, Size size);
// The same, leaving the target's alpha as it was.
void CopyColours(const BitmapView& from, Point fromAt, const BitmapView& to, Point toAt, Size size);

template <typename Draw>
void DrawWithGdi(DibSurface& scratch, const BitmapView& target, Rect clip, Draw draw) {
  clip = clip.Intersect(target.bounds());
  if (clip.IsEmpty()) return;
  const Size size{clip.Width(), clip.Height()};
  scratch.Reserve(size);
  CopyPixels(target, {clip.left, clip.top}, scratch.view(), {0, 0}, size);
  draw(scratch.dc(), Point{clip.left, clip.top});
  GdiFlush();
  CopyColours(scratch.view(), {0, 0}, target, {clip.left, clip.top}, size);
}

}  // namespace zv::win
