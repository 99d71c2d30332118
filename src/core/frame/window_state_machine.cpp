#include "core/frame/window_state_machine.h"

#include <algorithm>
#include <limits>
#include <set>
#include <utility>

namespace zv {

Rect MaximizedRect(const MonitorAreas& areas, bool fullScreen) {
  Rect target = fullScreen ? areas.monitor : areas.work;
  if (fullScreen) return target;
  // A taskbar that hides on an edge the work area does not leave room for.
  if ((areas.autoHideEdges & kAutoHideLeft) && target.left == areas.monitor.left) ++target.left;
  if ((areas.autoHideEdges & kAutoHideTop) && target.top == areas.monitor.top) ++target.top;
  if ((areas.autoHideEdges & kAutoHideRight) && target.right == areas.monitor.right) --target.right;
  if ((areas.autoHideEdges & kAutoHideBottom) && target.bottom == areas.monitor.bottom) --target.bottom;
  return target;
}

Point FreeStripSlot(const Rect& work, Size strip, const std::vector<Point>& taken) {
  // Every step moves at least a pixel and the rows stop at the top, so the
  // search ends even for empty strips.
  const int width = std::max(strip.width, 1);
  const int height = std::max(strip.height, 1);
  std::set<std::pair<int, int>> occupied;
  for (const Point& p : taken) occupied.insert({p.x, p.y});
  const Point first{work.left, work.bottom - strip.height};
  Point slot = first;
  while (occupied.count({slot.x, slot.y}) != 0) {
    slot.x += width;
    if (slot.x + width > work.right) {
      slot.x = work.left;
      slot.y -= height;
      if (slot.y < work.top) return first;
    }
  }
  return slot;
}

namespace {

long long DistanceSquared(const Rect& a, const Rect& b) {
  const long long dx = std::max({0, b.left - a.right, a.left - b.right});
  const long long dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
  return dx * dx + dy * dy;
}

// Shifts `r` into `area`, first cut to the area's size.
Rect MoveInto(Rect r, const Rect& area) {
  const int width = std::min(r.Width(), area.Width());
  const int height = std::min(r.Height(), area.Height());
  const int left = std::clamp(r.left, area.left, area.right - width);
  const int top = std::clamp(r.top, area.top, area.bottom - height);
  return Rect::FromSize(left, top, width, height);
}

}  // namespace

Rect KeepOnAMonitor(const Rect& bounds, const std::vector<Rect>& workAreas) {
  const Rect* nearest = nullptr;
  long long best = std::numeric_limits<long long>::max();
  for (const Rect& area : workAreas) {
    if (!bounds.Intersect(area).IsEmpty()) return bounds;
    const long long d = DistanceSquared(bounds, area);
    if (d < best) {
      best = d;
      nearest = &area;
    }
  }
  return nearest ? MoveInto(bounds, *nearest) : bounds;
}

void WindowStateMachine::RememberNormalBounds() {
  if (!normalBounds_) normalBounds_ = host_.Bounds();
}

WindowState WindowStateMachine::PlatformState() const {
  return state_ == WindowState::wsMaximized && !rolledUpWhileMaximized_ ? WindowState::wsMaximized
                                                                        : WindowState::wsNormal;
}

void WindowStateMachine::ShowMaximizedState() {
  const Rect target = MaximizedTarget();
  if (rolledUpWhileMaximized_) {
    host_.ShowRestored(Strip(target));
  } else {
    host_.ShowMaximized(target, normalBounds_.value_or(host_.NormalPlacement()));
  }
}

void WindowStateMachine::ForgetMaximizedStrip() {
  if (!rolledUpWhileMaximized_) return;
  rolledUpWhileMaximized_ = false;
  rolledUp_ = false;
  Fire(OnChangeRollUpState);
}

void WindowStateMachine::ChangeWindowState(WindowState state) {
  if (state == state_) return;
  // The main form stays normal or maximised: the application is minimised.
  if (state != WindowState::wsMinimized || !host_.IsMainForm()) state_ = state;
  switch (state) {
    case WindowState::wsNormal:
      ForgetMaximizedStrip();
      wasRolledUpWhenMaximized_ = false;
      Restore();
      break;
    case WindowState::wsMinimized: Minimize(); break;
    case WindowState::wsMaximized:
      wasRolledUpWhenMaximized_ = rolledUp_;
      Maximize();
      break;
  }
}

void WindowStateMachine::MinimizeApplication() {
  host_.MinimizeApplication();
  Fire(OnMinimize);
}

// A strip of another form leaves the platform's maximised state, so that
// it is no maximised window of 200 by 31 pixels.
void WindowStateMachine::Minimize() {
  if (host_.IsMainForm()) {
    host_.MinimizeApplication();
  } else {
    RememberNormalBounds();
    const Size strip = host_.MinSize();
    const Point slot = FreeStripSlot(host_.Areas().work, strip, host_.OtherMinimizedStrips());
    host_.ShowRestored(Rect::FromSize(slot.x, slot.y, strip.width, strip.height));
  }
  Fire(OnMinimize);
}

void WindowStateMachine::Maximize() {
  RememberNormalBounds();
  ShowMaximizedState();
  host_.SetSizeGripVisible(false);
  Fire(OnMaximize);
}

void WindowStateMachine::Restore() {
  rolledUpWhileMaximized_ = false;
  Rect target = normalBounds_.value_or(host_.NormalPlacement());
  if (firstShowPending) {
    firstShowPending = false;
    target = host_.FirstShowBounds(target);
  }
  normalBounds_.reset();
  host_.ShowRestored(KeepOnAMonitor(target, host_.WorkAreas()));
  host_.SetSizeGripVisible(true);
  Fire(OnRestore);
}

void WindowStateMachine::SetRolledUp(bool on) {
  if (!rollUpAllowed || state_ == WindowState::wsMinimized) return;
  if (rolledUp_ && state_ == WindowState::wsMaximized && wasRolledUpWhenMaximized_) return;
  // A second roll-up would remember the strip's height as the window's.
  if (on == rolledUp_) return;
  rolledUp_ = on;
  if (state_ == WindowState::wsMaximized) {
    // Set before the platform answers the move, which then finds it expected.
    rolledUpWhileMaximized_ = on;
    ShowMaximizedState();
  } else if (on) {
    Rect bounds = host_.Bounds();
    heightBeforeRollUp_ = bounds.Height();
    host_.SetBounds(Strip(bounds));
  } else if (!host_.RestoreClientHeight()) {
    Rect bounds = host_.Bounds();
    bounds.bottom = bounds.top + heightBeforeRollUp_;
    host_.SetBounds(bounds);
  }
  Fire(OnChangeRollUpState);
}

void WindowStateMachine::ToggleMaximized() {
  ChangeWindowState(state_ == WindowState::wsMaximized ? WindowState::wsNormal : WindowState::wsMaximized);
}

void WindowStateMachine::RestoreItem() {
  if (rolledUp_ && (rolledUpWhileMaximized_ || state_ == WindowState::wsNormal)) {
    SetRolledUp(false);
  } else {
    ChangeWindowState(WindowState::wsNormal);
  }
}

void WindowStateMachine::PlatformStateChanged(WindowState state) {
  // Minimising is the application's; our own moves arrive in the state they expect.
  if (state == WindowState::wsMinimized || state_ == WindowState::wsMinimized || state == PlatformState()) return;
  if (state == WindowState::wsMaximized && state_ == WindowState::wsMaximized) {
    // A maximised strip the platform maximised again (Win+Up): rolled down.
    ForgetMaximizedStrip();
    return;
  }
  state_ = state;
  if (state == WindowState::wsNormal) {
    normalBounds_.reset();
    wasRolledUpWhenMaximized_ = false;
    host_.SetSizeGripVisible(true);
    Fire(OnRestore);
  } else {
    // The platform's restore rectangle is where every restore goes back to.
    normalBounds_ = host_.NormalPlacement();
    wasRolledUpWhenMaximized_ = rolledUp_;
    host_.SetSizeGripVisible(false);
    Fire(OnMaximize);
  }
}

bool WindowStateMachine::PlatformCommand(WindowState command, bool iconic) {
  // Restoring a normal window is the platform's too: it un-snaps it.
  const bool platforms = iconic ? command == WindowState::wsNormal || command == state_
                                : command == WindowState::wsNormal && state_ == WindowState::wsNormal;
  if (platforms) {
    if (command == WindowState::wsNormal) Fire(OnRestore);
    return true;
  }
  ChangeWindowState(command);
  return false;
}

void WindowStateMachine::MonitorsChanged() {
  if (state_ == WindowState::wsMaximized) ShowMaximizedState();
}

}  // namespace zv
