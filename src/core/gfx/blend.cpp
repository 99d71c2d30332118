#include <algorithm>

#include "core/gfx/effects.h"

namespace zv {

// One form for every machine: (F·α + B·(255 - α)) div 256 with an opaque
// result, so pictures come out the same wherever they are composed.
void AlphaBlend(const BitmapView& background, Point at, const BitmapView& foreground) {
  const Rect area = Rect::FromSize(at.x, at.y, foreground.width(), foreground.height()).Intersect(background.bounds());
  for (int y = area.top; y < area.bottom; ++y) {
    Pixel* b = background.Row(y);
    const Pixel* f = foreground.Row(y - at.y) - at.x;
    for (int x = area.left; x < area.right; ++x) {
      const int alpha = f[x].a;
      if (alpha == 0) continue;
      if (alpha == 255) {
        b[x] = f[x];
        continue;
      }
      const int rest = 255 - alpha;
      b[x].b = static_cast<std::uint8_t>((f[x].b * alpha + b[x].b * rest) >> 8);
      b[x].g = static_cast<std::uint8_t>((f[x].g * alpha + b[x].g * rest) >> 8);
      b[x].r = static_cast<std::uint8_t>((f[x].r * alpha + b[x].r * rest) >> 8);
      b[x].a = 255;
    }
  }
}

void PremultiplyAlpha(const BitmapView& bitmap) {
  for (int y = 0; y < bitmap.height(); ++y) {
    Pixel* p = bitmap.Row(y);
    for (int x = 0; x < bitmap.width(); ++x) {
      const int a = p[x].a;
      if (a == 255) continue;
      p[x].b = static_cast<std::uint8_t>((p[x].b * a + 127) / 255);
      p[x].g = static_cast<std::uint8_t>((p[x].g * a + 127) / 255);
      p[x].r = static_cast<std::uint8_t>((p[x].r * a + 127) / 255);
    }
  }
}

void AlphaFromMask(const BitmapView& bitmap, const BitmapView& mask) {
  if (bitmap.width() != mask.width() || bitmap.height() != mask.height()) return;
  for (int y = 0; y < bitmap.height(); ++y) {
    Pixel* p = bitmap.Row(y);
    const Pixel* m = mask.Row(y);
    for (int x = 0; x < bitmap.width(); ++x) {
      // A sum divided by 3 never ends in a half, so this is the rounded mean.
      p[x].a = static_cast<std::uint8_t>((m[x].r + m[x].g + m[x].b + 1) / 3);
    }
  }
}

}  // namespace zv
