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

// A band of the mask laid out as the frame bands are: `middle` repeated
// along the band from `start` to `end` and cut there, then the end pieces.
struct Piece {
  Rect from;
  Point to;
};

Bitmap BandAcross(const BitmapView& mask, int width, int height, const Rect& middle, int start, int end,
                  const Piece (&ends)[2]) {
  Bitmap band(width, height, kOutside);
  const BitmapView b = band.view();
  Tile(start, end, middle.Width(), [&](int x, int len) {
    Blit(b, Point{x, 0}, mask, Rect{middle.left, middle.top, middle.left + len, middle.bottom});
  });
  for (const Piece& p : ends) Blit(b, p.to, mask, p.from);
  return band;
}

Bitmap BandDown(const BitmapView& mask, int width, int height, const Rect& middle, const Piece (&ends)[2]) {
  Bitmap band(width, height, kOutside);
  const BitmapView b = band.view();
  Tile(0, height, middle.Height(), [&](int y, int len) {
    Blit(b, Point{0, y}, mask, Rect{middle.left, middle.top, middle.right, middle.top + len});
  });
  for (const Piece& p : ends) {
    if (!p.from.IsEmpty()) Blit(b, p.to, mask, p.from);
  }
  return band;
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
    Bitmap top = BandAcross(mask, width, cr.top, Rect{lt.x, 0, rt.x, cr.top}, fitted.leftTop.x,
                                  fitted.rightTop.x,
                                  {{Rect{0, 0, lt.x, cr.top}, {0, 0}}, {Rect{rt.x, 0, mw, cr.top}, {fitted.rightTop.x, 0}}});
    Append(rects, RegionFromMask(top.view(), 0, 0), window);
  }
  if (width > 0 && mh - cr.bottom > 0) {
    const int h = mh - cr.bottom;
    Bitmap bottom =
        BandAcross(mask, width, h, Rect{lb.x, cr.bottom, rb.x, mh}, fitted.leftBottom.x, fitted.rightBottom.x,
                   {{Rect{0, cr.bottom, lb.x, mh}, {0, 0}}, {Rect{rb.x, cr.bottom, mw, mh}, {fitted.rightBottom.x, 0}}});
    Append(rects, RegionFromMask(bottom.view(), 0, ncr.bottom), window);
  }
  if (cr.left > 0 && sideHeight > 0) {
    Bitmap left = BandDown(mask, cr.left, sideHeight, Rect{0, lt.y, cr.left, lb.y},
                           {{Rect{0, cr.top, cr.left, lt.y}, {0, 0}},
                            {Rect{0, lb.y, cr.left, cr.bottom}, {0, sideHeight - (cr.bottom - lb.y)}}});
    Append(rects, RegionFromMask(left.view(), 0, ncr.top), window);
  }
  if (mw - cr.right > 0 && sideHeight > 0) {
    Bitmap right = BandDown(mask, mw - cr.right, sideHeight, Rect{cr.right, rt.y, mw, rb.y},
                            {{Rect{cr.right, cr.top, mw, rt.y}, {0, 0}},
                             {Rect{cr.right, rb.y, mw, cr.bottom}, {0, sideHeight - (cr.bottom - rb.y)}}});
    Append(rects, RegionFromMask(right.view(), ncr.right, ncr.top), window);
  }
  Append(rects, {ncr}, window);
  return rects;
}

}  // namespace zv
