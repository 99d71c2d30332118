#pragma once
// What a transparent control paints behind itself: its parent's background
// and the parent's non-windowed children that lie under it. The shell does
// the painting; this decides where and what.
#include <cstddef>
#include <span>
#include <vector>

#include "core/base/geometry.h"

namespace zv {

// A control of the parent as the shell sees it, in parent coordinates.
struct SiblingInfo {
  bool windowed = false;
  bool visible = true;
  Rect bounds;
};

// Coordinates are the transparent control's canvas coordinates.
struct ChildPaint {
  std::size_t index;  // into the siblings handed in
  Point origin;       // where the child's own (0, 0) lands
  Rect clip;          // the child's area
};

struct ParentBackgroundPlan {
  Point parentOrigin;  // where the parent's client (0, 0) lands
  Rect parentClip;     // the parent's client area
  std::vector<ChildPaint> children;  // in z-order, bottom first
};

// `siblings` in z-order, bottom first; `self` is the control's own index.
// Only siblings below it that are non-windowed, visible and overlapping it
// are painted.
ParentBackgroundPlan PlanParentBackground(const Rect& control, Size parentClient,
                                          std::span<const SiblingInfo> siblings, std::size_t self);

}  // namespace zv
