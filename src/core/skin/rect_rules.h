#pragma once
// Small rectangle and point tests the skin engine shares. Note the two
// different containment rules: PointInRectInclusive counts the right and
// bottom edges as inside, RectInRect uses the usual half-open test.
#include "core/base/geometry.h"

namespace zv {

bool RectsEqual(const Rect& a, const Rect& b);
Rect NullRect();
// True when the rect has no area (right - left <= 0 or bottom - top <= 0).
bool IsNullRect(const Rect& r);
// True when either coordinate is 0: such a point counts as unset.
bool IsNullPoint(Point p);
bool PointInRectInclusive(const Rect& r, Point p);
// Both the top-left and the bottom-right corner of `inner` lie in `outer`
// by the half-open test.
bool RectInRect(const Rect& inner, const Rect& outer);
int RectWidth(const Rect& r);
int RectHeight(const Rect& r);

}  // namespace zv
