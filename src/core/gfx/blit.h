#pragma once
// Rectangle copies between bitmap views, clipped on both sides the way the
// platform's blits clip, so a skin record pointing outside its picture can
// never read or write outside memory.
#include <algorithm>

#include "core/base/bitmap.h"

namespace zv {

// Copies `src` rectangle `from` to `dst` with its top-left at `at`, drawing
// only inside `clip` (in `dst` coordinates). Row copies, no per-pixel calls.
void Blit(const BitmapView& dst, const Rect& clip, Point at, const BitmapView& src, const Rect& from);
inline void Blit(const BitmapView& dst, Point at, const BitmapView& src, const Rect& from) {
  Blit(dst, dst.bounds(), at, src, from);
}

// Nearest-neighbour scaled copy of `from` over `to`, drawing only inside `clip`.
void StretchBlit(const BitmapView& dst, const Rect& clip, const Rect& to, const BitmapView& src, const Rect& from);
inline void StretchBlit(const BitmapView& dst, const Rect& to, const BitmapView& src, const Rect& from) {
  StretchBlit(dst, dst.bounds(), to, src, from);
}

// Copies `from` of `src` to `at`, leaving out pixels of colour `key`.
void BlitKeyed(const BitmapView& dst, Point at, const BitmapView& src, const Rect& from, ColorRef key);
// The same with the colour of the bottom-left pixel of `from` as the key (the
// platform's default transparent colour for glyphs and images).
void BlitTransparent(const BitmapView& dst, Point at, const BitmapView& src, const Rect& from);
// A disabled image as the platform draws one: its shape (what is neither the
// key colour of BlitTransparent nor white) in `highlight` one pixel down and
// right, then in `shadow` in place.
void BlitDisabled(const BitmapView& dst, Point at, const BitmapView& src, const Rect& from, ColorRef highlight,
                  ColorRef shadow);

// Calls copy(position, length) for each copy of a piece `tile` long laid from
// `start` to `end`, the last one cut short. A piece of no size is not
// repeated at all (it would never advance). Worked in 64 bits, so no
// position or length taken from a skin can overflow.
template <typename Copy>
void Tile(int start, int end, int tile, Copy copy) {
  if (tile <= 0) return;
  const long long n = (static_cast<long long>(end) - start) / tile;
  for (long long i = 0; i <= n; ++i) {
    const long long pos = start + i * tile;
    const long long len = tile - std::max(0LL, pos + tile - end);
    if (len > 0) copy(static_cast<int>(pos), static_cast<int>(len));
  }
}

}  // namespace zv
