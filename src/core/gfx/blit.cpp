#include "core/gfx/blit.h"

#include <cstring>
#include <optional>
#include <vector>

namespace zv {

void Blit(const BitmapView& dst, const Rect& clip, Point at, const BitmapView& src, const Rect& from) {
  // Clip the source to its bitmap, moving the destination along.
  const Rect s = from.Intersect(src.bounds());
  if (s.IsEmpty()) return;
  Rect d = Rect::FromSize(at.x + s.left - from.left, at.y + s.top - from.top, s.Width(), s.Height());
  const Rect dc = d.Intersect(clip).Intersect(dst.bounds());
  if (dc.IsEmpty()) return;
  const int sx = s.left + dc.left - d.left;
  const int sy = s.top + dc.top - d.top;
  const std::size_t bytes = static_cast<std::size_t>(dc.Width()) * sizeof(Pixel);
  for (int y = 0; y < dc.Height(); ++y) {
    std::memmove(dst.Row(dc.top + y) + dc.left, src.Row(sy + y) + sx, bytes);
  }
}

namespace {

// Calls draw(target pixel, source pixel) for each pixel of `from` that lies
// inside both bitmaps once its top-left is put at `at`.
template <typename Draw>
void EachPixel(const BitmapView& dst, Point at, const BitmapView& src, const Rect& from, Draw draw) {
  const Rect f = from.Intersect(src.bounds());
  if (f.IsEmpty()) return;
  const Rect visible = Rect::FromSize(at.x + f.left - from.left, at.y + f.top - from.top, f.Width(), f.Height())
                           .Intersect(dst.bounds());
  for (int y = visible.top; y < visible.bottom; ++y) {
    const Pixel* row = src.Row(y - at.y + from.top);
    Pixel* out = dst.Row(y);
    for (int x = visible.left; x < visible.right; ++x) draw(out[x], row[x - at.x + from.left]);
  }
}

ColorRef BottomLeftColor(const BitmapView& src, const Rect& from) {
  const Rect f = from.Intersect(src.bounds());
  return f.IsEmpty() ? 0 : ToColorRef(src.At(f.left, f.bottom - 1));
}

}  // namespace

void BlitKeyed(const BitmapView& dst, Point at, const BitmapView& src, const Rect& from, ColorRef key) {
  EachPixel(dst, at, src, from, [key](Pixel& out, Pixel p) {
    if (ToColorRef(p) != key) out = p;
  });
}

void BlitTransparent(const BitmapView& dst, Point at, const BitmapView& src, const Rect& from) {
  BlitKeyed(dst, at, src, from, BottomLeftColor(src, from));
}

void BlitDisabled(const BitmapView& dst, Point at, const BitmapView& src, const Rect& from, ColorRef highlight,
                  ColorRef shadow) {
  const ColorRef key = BottomLeftColor(src, from);
  const auto shape = [key](Pixel ink) {
    return [key, ink](Pixel& out, Pixel p) {
      const ColorRef c = ToColorRef(p);
      if (c != key && c != Rgb(255, 255, 255)) out = ink;
    };
  };
  EachPixel(dst, {at.x + 1, at.y + 1}, src, from, shape(ToPixel(highlight, 255)));
  EachPixel(dst, at, src, from, shape(ToPixel(shadow, 255)));
}

void StretchBlit(const BitmapView& dst, const Rect& clip, const Rect& to, const BitmapView& src, const Rect& from) {
  if (to.IsEmpty() || from.IsEmpty()) return;
  const Rect dc = to.Intersect(clip).Intersect(dst.bounds());
  if (dc.IsEmpty()) return;
  // Rectangles from a skin may span more than an int holds. No picture or
  // target comes near a billion pixels, and below that the sampling fits
  // in 64 bits.
  constexpr long long kMaxSpan = 1LL << 30;
  const long long fw = 0LL + from.right - from.left, fh = 0LL + from.bottom - from.top;
  const long long tw = 0LL + to.right - to.left, th = 0LL + to.bottom - to.top;
  if (fw > kMaxSpan || fh > kMaxSpan || tw > kMaxSpan || th > kMaxSpan) return;
  // Source column for each destination column, sampled at pixel centres.
  std::vector<int> columns(static_cast<std::size_t>(dc.Width()));
  for (int x = dc.left; x < dc.right; ++x) {
    columns[static_cast<std::size_t>(x - dc.left)] =
        from.left + static_cast<int>(((2 * (0LL + x - to.left) + 1) * fw) / (2 * tw));
  }
  const std::size_t bytes = static_cast<std::size_t>(dc.Width()) * sizeof(Pixel);
  const bool columnsInside = columns.front() >= 0 && columns.back() < src.width();
  // The source row of the previous destination row, when that row was
  // copied whole. No row number can stand for "none": rows above the
  // picture are negative too.
  std::optional<int> lastRow;
  for (int y = dc.top; y < dc.bottom; ++y) {
    const int sy = from.top + static_cast<int>(((2 * (0LL + y - to.top) + 1) * fh) / (2 * th));
    Pixel* out = dst.Row(y) + dc.left;
    if (sy == lastRow) {  // enlarging: repeat the row just made
      std::memcpy(out, dst.Row(y - 1) + dc.left, bytes);
      continue;
    }
    lastRow.reset();
    if (sy < 0 || sy >= src.height()) continue;
    const Pixel* in = src.Row(sy);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const int sx = columns[i];
      if (sx >= 0 && sx < src.width()) out[i] = in[sx];
    }
    if (columnsInside) lastRow = sy;
  }
}

}  // namespace zv
