#include "core/frame/caption_tracker.h"

namespace zv {
void CaptionTracker::Reset(std::vector<CaptionObject>* objects) {
  objects_ = objects;
  underMouse_ = previous_ = pressed_ = kNone;
}

CaptionObject* CaptionTracker::At(int index) const {
  if (!objects_ || index < 0 || index >= static_cast<int>(objects_->size())) return nullptr;
  return &(*objects_)[static_cast<std::size_t>(index)];
}

void CaptionTracker::Enter(CaptionObject& o) {
  o.mouseIn = true;
  if (o.kind != ObjectKind::kCaption) o.active = true;
}

void CaptionTracker::Leave(CaptionObject& o) {
  o.mouseIn = false;
  if (o.kind != ObjectKind::kCaption) o.active = false;
}

bool CaptionTracker::Track(Point p, bool tracking, const TrackContext& context) {
  if (!objects_ || objects_->empty() || !context.windowActive || context.inSizeMove) return false;
  previous_ = underMouse_;
  int found = kNone;
  if (tracking) {
    for (int i = 0; i < static_cast<int>(objects_->size()); ++i) {
      const CaptionObject& o = (*objects_)[static_cast<std::size_t>(i)];
      if (o.enabled && o.Takes(p)) {
        found = i;
        break;
      }
    }
  }
  // While a button is held, no other object takes the hover.
  if (pressed_ != kNone && found != pressed_) found = kNone;
  underMouse_ = found;
  if (underMouse_ == previous_) return false;
  if (CaptionObject* old = At(previous_); old && old->enabled && old->visible) Leave(*old);
  if (CaptionObject* now = At(underMouse_); now && now->enabled && now->visible) Enter(*now);
  return true;
}

bool CaptionTracker::LeaveAll() { return Track({-1, -1}, false, {}); }

PressResult CaptionTracker::Press(MouseButton button, Point p, const TrackContext& context) {
  PressResult result;
  result.changed = Track(p, true, context);
  CaptionObject* o = At(underMouse_);
  if (!o) return result;
  result.capture = o->kind != ObjectKind::kCaption;
  result.downEvent = !o->HasCommand();
  result.objectRect = o->rect;
  pressed_ = underMouse_;
  if (button != MouseButton::kLeft || !o->Presses() || !o->enabled || o->down) return result;
  o->down = true;
  result.changed = true;
  if (o->HasCommand() && o->command == ButtonCommand::cmSysMenu) {
    result.command = FrameCommand::kSystemMenu;
  }
  return result;
}

ReleaseResult CaptionTracker::Release(MouseButton button, const TrackContext& context) {
  ReleaseResult result;
  CaptionObject* o = At(pressed_);
  if (!o) {
    pressed_ = kNone;
    return result;
  }
  if (o->mouseIn) result.upEvent = pressed_;
  pressed_ = kNone;
  result.releaseCapture = o->kind != ObjectKind::kCaption;
  if (button != MouseButton::kLeft || !o->Presses()) return result;
  const bool completed = o->active && o->enabled && o->down;
  result.changed = o->down;
  o->down = false;
  if (!completed || !o->HasCommand()) return result;
  result.command = CommandFor(o->command, context);
  if (result.command != FrameCommand::kNone && result.command != FrameCommand::kRollUp) result.changed |= LeaveAll();
  return result;
}

bool CaptionTracker::CaptureLost() {
  CaptionObject* o = At(pressed_);
  pressed_ = kNone;
  if (!o || !o->down) return false;
  o->down = false;
  return true;
}

PressResult CaptionTracker::DoubleClick(Point p, const TrackContext& context) {
  PressResult result = Press(MouseButton::kLeft, p, context);
  CaptionObject* o = At(pressed_);
  if (!o || !o->HasCommand() || o->command != ButtonCommand::cmSysMenu) return result;
  o->down = false;
  pressed_ = kNone;
  result.capture = false;
  result.command = FrameCommand::kClose;
  result.changed = true;
  return result;
}

FrameCommand CommandFor(ButtonCommand command, const TrackContext& context) {
  const FrameState& s = context.state;
  switch (command) {
    case ButtonCommand::cmClose:
      return FrameCommand::kClose;
    case ButtonCommand::cmMaximize:
      return s.maximized ? FrameCommand::kRestore : FrameCommand::kMaximize;
    case ButtonCommand::cmMinimize:
      if (context.alwaysMinimizeToTray) return FrameCommand::kMinimizeToTray;
      return s.minimized ? FrameCommand::kRestore : FrameCommand::kMinimize;
    case ButtonCommand::cmRollUp:
      return FrameCommand::kRollUp;
    case ButtonCommand::cmMinimizeToTray:
      return FrameCommand::kMinimizeToTray;
    case ButtonCommand::cmSysMenu:
    case ButtonCommand::cmDefault:
      return FrameCommand::kNone;
  }
  return FrameCommand::kNone;
}

FrameCommand CaptionDoubleClickCommand(const FrameState& state, bool resizable, const BorderIcons& icons) {
  if (resizable && state.minimized) return FrameCommand::kRestore;
  if (resizable && !state.maximized && !state.rolledUp && icons.maximize) return FrameCommand::kMaximize;
  if (resizable && state.maximized && !state.rolledUp) return FrameCommand::kRestore;
  return icons.rollUp ? FrameCommand::kRollUp : FrameCommand::kNone;
}

}  // namespace zv
