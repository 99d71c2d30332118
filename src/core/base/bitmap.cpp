#include "core/base/bitmap.h"

#include <algorithm>
#include <stdexcept>

namespace zv {

BitmapView BitmapView::Sub(const Rect& r) const {
  const Rect c = r.Intersect(bounds());
  if (c.IsEmpty()) return {};
  return {pixels_ + static_cast<std::ptrdiff_t>(c.top) * stride_ + c.left, c.Width(), c.Height(), stride_};
}

void BitmapView::Fill(const Rect& r, Pixel p) const {
  const Rect c = r.Intersect(bounds());
  if (c.IsEmpty()) return;  // a rectangle beside the view intersects inverted
  for (int y = c.top; y < c.bottom; ++y) std::fill(Row(y) + c.left, Row(y) + c.right, p);
}

Bitmap::Bitmap(int width, int height, Pixel fill) : width_(width), height_(height) {
  if (width < 0 || height < 0) throw std::invalid_argument("negative bitmap size");
  pixels_.assign(static_cast<std::size_t>(width) * height, fill);
}

}  // namespace zv
