#include "core/gfx/layer.h"

#include <algorithm>

namespace zv {

std::uint8_t LayerFade::Start(std::uint8_t target) {
  target_ = target;
  // A tenth per tick; at least 1, or a target below 10 would never be reached.
  step_ = static_cast<std::uint8_t>(std::max(1, target / 10));
  current_ = 0;
  running_ = true;
  return current_;
}

std::uint8_t LayerFade::Tick() {
  if (!running_) return current_;
  current_ = static_cast<std::uint8_t>(std::min<int>(current_ + step_, target_));
  if (current_ == target_) running_ = false;
  return current_;
}

Rect ChooseWorkArea(const MonitorFacts& facts, bool workArea) {
  // A failed monitor query falls back to the whole-system values rather than
  // leaving the caller with whatever its rectangle held.
  if (facts.monitorCount > 1 && facts.hasMonitorApi && facts.nearest) {
    return workArea ? facts.nearest->work : facts.nearest->monitor;
  }
  return workArea ? facts.systemWorkArea : Rect{0, 0, facts.screen.width, facts.screen.height};
}

}  // namespace zv
