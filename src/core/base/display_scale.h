#pragma once
// Display scale: lengths given for 96 DPI, taken to another DPI by one
// rounding rule. A length or coordinate v becomes v·dpi/96 rounded half up
// (toward +infinity); a point scales each coordinate and a rectangle each
// edge, so pieces that meet at 96 DPI meet at every DPI. Moving between two
// DPIs (a window onto another monitor) follows the same rule, v·to/from.
#include "core/base/geometry.h"

namespace zv {

inline constexpr int kBaseDpi = 96;
// The DPIs a skin can be scaled to: half the base size up to five times it.
inline constexpr int kMinDpi = 48;
inline constexpr int kMaxDpi = 480;

constexpr bool IsSupportedDpi(int dpi) { return dpi >= kMinDpi && dpi <= kMaxDpi; }

// Floor division of (2·v·to + from) by 2·from, so negative values and odd
// DPIs round half up as well. `from` is positive.
constexpr int RescaleLength(long long value, int fromDpi, int toDpi) {
  const long long over = 2ll * fromDpi;
  const long long scaled = 2 * value * toDpi + fromDpi;
  return ClampToInt(scaled / over - (scaled % over < 0 ? 1 : 0));
}

constexpr int ScaleLength(long long value, int dpi) { return RescaleLength(value, kBaseDpi, dpi); }

// A font's height grows by its size whatever its sign (negative: the
// character height, as the platform takes it).
constexpr int RescaleFontHeight(int height, int fromDpi, int toDpi) {
  return height < 0 ? -RescaleLength(-static_cast<long long>(height), fromDpi, toDpi)
                    : RescaleLength(height, fromDpi, toDpi);
}

constexpr Point ScalePoint(Point p, int dpi) { return {ScaleLength(p.x, dpi), ScaleLength(p.y, dpi)}; }

constexpr Size ScaleSize(Size s, int dpi) { return {ScaleLength(s.width, dpi), ScaleLength(s.height, dpi)}; }

constexpr Rect RescaleRect(const Rect& r, int fromDpi, int toDpi) {
  return {RescaleLength(r.left, fromDpi, toDpi), RescaleLength(r.top, fromDpi, toDpi),
          RescaleLength(r.right, fromDpi, toDpi), RescaleLength(r.bottom, fromDpi, toDpi)};
}

constexpr Rect ScaleRect(const Rect& r, int dpi) { return RescaleRect(r, kBaseDpi, dpi); }

}  // namespace zv
