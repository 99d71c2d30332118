#include "core/gfx/regions.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "core/gfx/blit.h"

namespace zv {
namespace {

bool IsBlack(const Pixel& p) {
  std::uint32_t v;
  std::memcpy(&v, &p, sizeof v);
  // Blue, green and red are the first three bytes whatever the byte order.
  constexpr std::uint32_t kColour = std::endian::native == std::endian::little ? 0x00FFFFFFu : 0xFFFFFF00u;
  return (v & kColour) == 0;
}

constexpr Pixel kOutside{255, 255, 255, 0};

// The part of a mask band placed at `at` in the window that lies inside the
// window. Only that part is ever allocated, so a band far larger than the
// window (a client rectangle 200000 rows down, say) costs no more than the
// window; copies go to band coordinates and are clipped to the part.
class VisibleBand {
 public:
  VisibleBand(const Rect& window, Point at, int width, int height)
      : at_(at),
        area_(Rect{at.x, at.y, ClampToInt(0LL + at.x + width), ClampToInt(0LL + at.y + height)}.Intersect(window)) {
    if (!area_.IsEmpty()) bitmap_ = Bitmap(area_.Width(), area_.Height(), kOutside);
  }
  bool IsEmpty() const { return area_.IsEmpty(); }
  // The band's columns and rows past these do not show.
  int ShownWidth() const { return ClampToInt(0LL + area_.right - at_.x); }
  int ShownHeight() const { return ClampToInt(0LL + area_.bottom - at_.y); }
  void Copy(Point to, const BitmapView& mask, const Rect& from) {
    const Point at{ClampToInt(0LL + to.x + at_.x - area_.left), ClampToInt(0LL + to.y + at_.y - area_.top)};
    Blit(bitmap_.view(), at, mask, from);
  }
  std::vector<Rect> Runs() { return RegionFromMask(bitmap_.view(), area_.left, area_.top); }

 private:
  Point at_;
  Rect area_;
  Bitmap bitmap_;
};

// A band laid out as the frame bands are: `middle` repeated along it from
// `start` to `end` and cut there (or where the band stops showing), then
// the end pieces.
struct Piece {
  Rect from;
  Point to;
};

std::vector<Rect> BandAcross(VisibleBand band, const BitmapView& mask, const Rect& middle, int start, int end,
                             const Piece (&ends)[2]) {
  if (band.IsEmpty()) return {};
  Tile(start, std::min(end, band.ShownWidth()), middle.Width(), [&](int x, int len) {
    band.Copy(Point{x, 0}, mask, Rect{middle.left, middle.top, middle.left + len, middle.bottom});
  });
  for (const Piece& p : ends) band.Copy(p.to, mask, p.from);
  return band.Runs();
}

std::vector<Rect> BandDown(VisibleBand band, const BitmapView& mask, const Rect& middle, const Piece (&ends)[2]) {
  if (band.IsEmpty()) return {};
  Tile(0, band.ShownHeight(), middle.Height(), [&](int y, int len) {
    band.Copy(Point{0, y}, mask, Rect{middle.left, middle.top, middle.right, middle.top + len});
  });
  for (const Piece& p : ends) {
    if (!p.from.IsEmpty()) band.Copy(p.to, mask, p.from);
  }
  return band.Runs();
}

// Keeps the parts inside the window.
void Append(std::vector<Rect>& to, const std::vector<Rect>& more, const Rect& window) {
  for (const Rect& r : more) {
    const Rect inside = r.Intersect(window);
    if (!inside.IsEmpty()) to.push_back(inside);
  }
}

}  // namespace

std::vector<Rect> RegionFromMask(const BitmapView& mask, int x0, int y0) {
  std::vector<Rect> rects;
  const int w = mask.width();
  for (int y = 0; y < mask.height(); ++y) {
    const Pixel* row = mask.Row(y);
    int x = 0;
    while (x < w) {
      while (x < w && !IsBlack(row[x])) ++x;
      if (x == w) break;
      const int start = x;
      while (x < w && IsBlack(row[x])) ++x;
      rects.push_back(Rect{x0 + start, y0 + y, x0 + x, y0 + y + 1});
    }
  }
  return rects;
}

std::vector<Rect> RegionFromFrameMask(const SkinPoints& record, const SkinPoints& fitted, int width, int height,
                                      const BitmapView& mask) {
  const Point lt = record.leftTop, rt = record.rightTop, lb = record.leftBottom, rb = record.rightBottom;
  const Rect& cr = record.clientRect;
  const Rect& ncr = fitted.clientRect;
  if (fitted.rightTop.x < fitted.leftTop.x || fitted.leftBottom.y < fitted.leftTop.y) return {};
  const int mw = mask.width();
  const int mh = mask.height();
  const int sideHeight = ncr.Height();
  const Rect window{0, 0, width, height};
  std::vector<Rect> rects;

  if (width > 0 && cr.top > 0) {
    Append(rects,
           BandAcross(VisibleBand(window, {0, 0}, width, cr.top), mask, Rect{lt.x, 0, rt.x, cr.top}, fitted.leftTop.x,
                      fitted.rightTop.x,
                      {{Rect{0, 0, lt.x, cr.top}, {0, 0}}, {Rect{rt.x, 0, mw, cr.top}, {fitted.rightTop.x, 0}}}),
           window);
  }
  if (width > 0 && mh - cr.bottom > 0) {
    const int h = mh - cr.bottom;
    Append(rects,
           BandAcross(
               VisibleBand(window, {0, ncr.bottom}, width, h), mask, Rect{lb.x, cr.bottom, rb.x, mh},
               fitted.leftBottom.x, fitted.rightBottom.x,
               {{Rect{0, cr.bottom, lb.x, mh}, {0, 0}}, {Rect{rb.x, cr.bottom, mw, mh}, {fitted.rightBottom.x, 0}}}),
           window);
  }
  if (cr.left > 0 && sideHeight > 0) {
    Append(rects,
           BandDown(VisibleBand(window, {0, ncr.top}, cr.left, sideHeight), mask, Rect{0, lt.y, cr.left, lb.y},
                    {{Rect{0, cr.top, cr.left, lt.y}, {0, 0}},
                     {Rect{0, lb.y, cr.left, cr.bottom}, {0, sideHeight - (cr.bottom - lb.y)}}}),
           window);
  }
  if (mw - cr.right > 0 && sideHeight > 0) {
    Append(rects,
           BandDown(VisibleBand(window, {ncr.right, ncr.top}, mw - cr.right, sideHeight), mask,
                    Rect{cr.right, rt.y, mw, rb.y},
                    {{Rect{cr.right, cr.top, mw, rt.y}, {0, 0}},
                     {Rect{cr.right, rb.y, mw, cr.bottom}, {0, sideHeight - (cr.bottom - rb.y)}}}),
           window);
  }
  Append(rects, {ncr}, window);
  return rects;
}

}  // namespace zv
