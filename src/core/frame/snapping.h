#pragma once
// Magnetic edges: a moving window whose edge comes within `margin` pixels
// of the work area's edge snaps to it, and follows the cursor again once
// the cursor has moved more than `margin` pixels from where it snapped.
#include "core/base/geometry.h"

namespace zv {

struct SnapState {
  bool left = false, top = false, right = false, bottom = false;
  Point cursorAtSnap;  // also set at the start of each move loop
};

// The window's new top-left for the `proposed` rectangle (its size is kept).
Point SnapToWorkArea(const Rect& proposed, const Rect& work, int margin, Point cursor, SnapState& state);

}  // namespace zv
