#include "core/controls/parent_background.h"

namespace zv {

ParentBackgroundPlan PlanParentBackground(const Rect& control, Size parentClient,
                                          std::span<const SiblingInfo> siblings, std::size_t self) {
  ParentBackgroundPlan plan;
  plan.parentOrigin = Point{-control.left, -control.top};
  plan.parentClip = Rect{0, 0, parentClient.width, parentClient.height}.Offset(-control.left, -control.top);
  for (std::size_t i = 0; i < self && i < siblings.size(); ++i) {
    const SiblingInfo& s = siblings[i];
    if (s.windowed || !s.visible || s.bounds.Intersect(control).IsEmpty()) continue;
    const Point origin{s.bounds.left - control.left, s.bounds.top - control.top};
    plan.children.push_back({i, origin, Rect::FromSize(origin.x, origin.y, s.bounds.Width(), s.bounds.Height())});
  }
  return plan;
}

}  // namespace zv
