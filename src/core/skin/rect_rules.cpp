#include "core/skin/rect_rules.h"

namespace zv {

bool RectsEqual(const Rect& a, const Rect& b) { return a == b; }

Rect NullRect() { return {0, 0, 0, 0}; }

// Compared in 64 bits so that rects with extreme coordinates cannot overflow.
bool IsNullRect(const Rect& r) {
  return static_cast<long long>(r.right) - r.left <= 0 || static_cast<long long>(r.bottom) - r.top <= 0;
}

bool IsNullPoint(Point p) { return p.x == 0 || p.y == 0; }

bool PointInRectInclusive(const Rect& r, Point p) {
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

bool RectInRect(const Rect& inner, const Rect& outer) {
  return outer.Contains({inner.left, inner.top}) && outer.Contains({inner.right, inner.bottom});
}

// Read coordinates are never negative, so the difference always fits; the
// 64-bit step only keeps computed extremes from overflowing (C++20 wraps).
int RectWidth(const Rect& r) { return static_cast<int>(static_cast<long long>(r.right) - r.left); }
int RectHeight(const Rect& r) { return static_cast<int>(static_cast<long long>(r.bottom) - r.top); }

}  // namespace zv
