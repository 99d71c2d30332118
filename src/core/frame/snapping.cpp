#include "core/frame/snapping.h"

#include <cstdlib>

namespace zv {
namespace {

// One edge along one axis: `position` is the window's left (or top),
// `edgeOffset` what lies between it and the edge tested (0, or the size).
int SnapAxis(int position, int edgeOffset, int target, int margin, int cursor, int& remembered, bool& snapped) {
  const int edge = position + edgeOffset;
  const bool near = target - margin < edge && edge < target + margin;
  int result = position;
  if (near && !snapped) {
    result = target - edgeOffset;
    remembered = cursor;
  } else if (snapped) {
    result = std::abs(cursor - remembered) > margin ? cursor + target - remembered - edgeOffset : target - edgeOffset;
  }
  snapped = near;
  return result;
}

}  // namespace

Point SnapToWorkArea(const Rect& proposed, const Rect& work, int margin, Point cursor, SnapState& s) {
  Point at{proposed.left, proposed.top};
  at.x = SnapAxis(at.x, 0, work.left, margin, cursor.x, s.cursorAtSnap.x, s.left);
  at.y = SnapAxis(at.y, 0, work.top, margin, cursor.y, s.cursorAtSnap.y, s.top);
  at.x = SnapAxis(at.x, proposed.Width(), work.right, margin, cursor.x, s.cursorAtSnap.x, s.right);
  at.y = SnapAxis(at.y, proposed.Height(), work.bottom, margin, cursor.y, s.cursorAtSnap.y, s.bottom);
  return at;
}

}  // namespace zv
