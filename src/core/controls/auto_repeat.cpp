#include "core/controls/auto_repeat.h"

#include <algorithm>

namespace zv {

void AutoRepeat::Start(unsigned interval) {
  interval_ = std::max(interval, kShortestInterval);
  running_ = true;
  repeating_ = false;
  timers_.Start(id_, kFirstPause);
}

void AutoRepeat::Stop() {
  if (!running_) return;
  running_ = false;
  repeating_ = false;
  timers_.Stop(id_);
}

bool AutoRepeat::Tick() {
  if (!running_) return false;
  if (!repeating_) {
    repeating_ = true;
    timers_.Start(id_, interval_);
  }
  return true;
}

}  // namespace zv
