#pragma once
// What the caption buttons and caption clicks ask of the window. The
// window-state and system-menu work carries these out; the frame only
// decides which one a click means.
#include "core/base/geometry.h"
#include "core/menus/frame_hints.h"  // the hint window caption buttons ask for

namespace zv {

enum class FrameCommand { kNone, kClose, kMaximize, kRestore, kMinimize, kRollUp, kMinimizeToTray, kSystemMenu };

class FrameCommands {
 public:
  virtual ~FrameCommands() = default;
  // `anchor` is the pressed button's rectangle in screen coordinates, or the
  // cursor's position as an empty rectangle for a click on the caption.
  virtual void Run(FrameCommand command, const Rect& anchor) = 0;
};

}  // namespace zv
