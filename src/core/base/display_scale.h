#pragma once
// Display scale: lengths given for 96 DPI, taken to another DPI by one
// rounding rule. A length or coordinate v becomes v·dpi/96 rounded half up
// (toward +infinity); a point scales each coordinate and a rectangle each
// edge, so pieces that meet at 96 DPI meet at every DPI.
#include "core/base/geometry.h"

namespace zv {

inline constexpr int kBaseDpi = 96;
// The DPIs a skin can be scaled to: half the base size up to five times it.
inline constexpr int kMinDpi = 48;
inline constexpr int kMaxDpi = 480;

constexpr bool IsSupportedDpi(int dpi) { return dpi >= kMinDpi && dpi <= kMaxDpi; }

// Floor division, so negative values round half up as well.
constexpr int ScaleLength(long long value, int dpi) {
  const long long scaled = value * dpi + kBaseDpi / 2;
  const long long quotient = scaled / kBaseDpi - (scaled % kBaseDpi < 0 ? 1 : 0);
  return ClampToInt(quotient);
}

constexpr Point ScalePoint(Point p, int dpi) { return {ScaleLength(p.x, dpi), ScaleLength(p.y, dpi)}; }

constexpr Size ScaleSize(Size s, int dpi) { return {ScaleLength(s.width, dpi), ScaleLength(s.height, dpi)}; }

constexpr Rect ScaleRect(const Rect& r, int dpi) {
  return {ScaleLength(r.left, dpi), ScaleLength(r.top, dpi), ScaleLength(r.right, dpi), ScaleLength(r.bottom, dpi)};
}

}  // namespace zv
