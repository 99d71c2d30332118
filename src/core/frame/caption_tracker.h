#pragma once
// The mouse over the caption objects: which object is under the mouse,
// which is pressed, their looks, and the command a completed click runs.
#include <cstdlib>
#include <vector>

#include "core/frame/caption_objects.h"
#include "core/frame/frame_commands.h"

namespace zv {

enum class MouseButton { kLeft, kRight };

struct TrackContext {
  bool windowActive = true;
  bool inSizeMove = false;
  FrameState state;
  bool alwaysMinimizeToTray = false;
};

struct PressResult {
  bool capture = false;                        // the window captures the mouse until the release
  FrameCommand command = FrameCommand::kNone;  // run at the press (the system menu)
  bool changed = false;                        // a look changed: repaint
  bool downEvent = false;                      // the pressed object reports the press (not a command button)
  Rect objectRect;                             // the pressed object's rectangle (window coordinates)
};

struct ReleaseResult {
  bool releaseCapture = false;
  FrameCommand command = FrameCommand::kNone;
  bool changed = false;
  int upEvent = -1;  // the object reporting the release (the mouse still on it), or -1
};

class CaptionTracker {
 public:
  static constexpr int kNone = -1;

  void Reset(std::vector<CaptionObject>* objects);
  int underMouse() const { return underMouse_; }
  int pressed() const { return pressed_; }
  // Where the mouse's moves go: the pressed object, else the one under the mouse.
  int moveTarget() const { return pressed_ != kNone ? pressed_ : underMouse_; }

  // Finds the object under `p` (window coordinates) and moves the hover to
  // it; with `tracking` off every object leaves. Returns whether a look
  // changed. Nothing happens while the window is inactive or moving.
  bool Track(Point p, bool tracking, const TrackContext& context);
  // Every object leaves (before a command, at deactivation).
  bool LeaveAll();
  PressResult Press(MouseButton button, Point p, const TrackContext& context);
  // `p` is where the button came up; the object's hover decides whether
  // the click completes.
  ReleaseResult Release(MouseButton button, const TrackContext& context);
  // Another window took the capture: the pressed button comes up, no command runs.
  bool CaptureLost();
  // The second press of a double-click: a press like any other, so that its
  // release completes a second click, except on the system-menu button,
  // where it closes the window and nothing stays pressed.
  PressResult DoubleClick(Point p, const TrackContext& context);
  // The objects' looks were reset: the next Track enters afresh.
  void ForgetHover() { underMouse_ = previous_ = kNone; }
  // A press on the caption moves the window: nothing stays pressed.
  void ClearPressed() { pressed_ = kNone; }

 private:
  CaptionObject* At(int index) const;
  void Enter(CaptionObject& o);
  void Leave(CaptionObject& o);

  std::vector<CaptionObject>* objects_ = nullptr;
  int underMouse_ = kNone;
  int previous_ = kNone;
  int pressed_ = kNone;
};

// The platform's move and size loop as the frame sees it. A loop ends the
// same way however it started (the caption, a border, the keyboard), so
// the moving flag never outlives it; a press during which a loop ran and
// ended is the end of a drag, not a fresh press on the caption.
class SizeMoveMarks {
 public:
  bool inSizeMove() const { return inSizeMove_; }
  // Whether the window's contents follow the drag (the platform's setting,
  // read as each loop starts); otherwise an outline moves.
  bool fullDrag() const { return inSizeMove_ && fullDrag_; }
  void EnterLoop(bool fullDrag = true) {
    inSizeMove_ = true;
    fullDrag_ = fullDrag;
  }
  void ExitLoop() {
    inSizeMove_ = false;
    loopEnded_ = true;
  }
  // Called as a button press arrives, before the platform handles it.
  void BeginPress() { loopEnded_ = false; }
  // After the platform has handled the press: whether a loop ran in it.
  bool LoopEndedInPress() const { return loopEnded_; }

 private:
  bool inSizeMove_ = false;
  bool fullDrag_ = true;
  bool loopEnded_ = false;
};

// A left press on the caption that becomes the platform's move only once
// the mouse, still held, leaves the drag box around where it went down. A
// click, and each click of a double-click, stay clicks, also where the
// move loop would hold the mouse from the press on (a window manager's
// move under Wine takes the second click of a double-click).
class CaptionDrag {
 public:
  void Press(Point screen) {
    pending_ = true;
    start_ = screen;
  }
  void End() { pending_ = false; }
  bool Pending() const { return pending_; }
  // Where the mouse went down: the move follows the mouse from there.
  Point Start() const { return start_; }
  // Whether the move starts now: the mouse is past `box` (half the drag
  // box's width and height) from where it went down. It starts once.
  bool StartsMove(Point screen, Size box) {
    if (!pending_ || (std::abs(screen.x - start_.x) <= box.width && std::abs(screen.y - start_.y) <= box.height)) {
      return false;
    }
    pending_ = false;
    return true;
  }

 private:
  bool pending_ = false;
  Point start_;
};

// What a completed click on a button with `command` asks for in `state`.
FrameCommand CommandFor(ButtonCommand command, const TrackContext& context);

// A double-click on the caption: restore a minimised or maximised window,
// maximise a normal one, otherwise roll up or down (nothing without the
// roll-up icon).
FrameCommand CaptionDoubleClickCommand(const FrameState& state, bool resizable, const BorderIcons& icons);

}  // namespace zv
