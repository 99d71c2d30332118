#pragma once
// What the caption buttons and caption clicks ask of the window. The
// window-state and system-menu work carries these out; the frame only
// decides which one a click means.
#include <string>

#include "core/base/geometry.h"

namespace zv {

enum class FrameCommand { kNone, kClose, kMaximize, kRestore, kMinimize, kRollUp, kMinimizeToTray, kSystemMenu };

class FrameCommands {
 public:
  virtual ~FrameCommands() = default;
  // `anchor` is the pressed button's rectangle in screen coordinates, or the
  // cursor's position as an empty rectangle for a click on the caption.
  virtual void Run(FrameCommand command, const Rect& anchor) = 0;
};

// The hint window the caption buttons show their hints in.
class FrameHints {
 public:
  virtual ~FrameHints() = default;
  // `text` is CP936; `object` the button's rectangle in screen coordinates.
  virtual void ShowHint(const std::string& text, const Rect& object) = 0;
  virtual void HideHint() = 0;
};

}  // namespace zv
