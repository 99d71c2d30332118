#pragma once
// The hint window the skinned frame's caption buttons show their hints in.
// It lives with the hints, below the frame, so that the frame can ask for
// it and the application's hints can serve it without an include running
// up the layers.
#include <string>

#include "core/base/geometry.h"

namespace zv {

class FrameHints {
 public:
  virtual ~FrameHints() = default;
  // `text` is CP936; `object` the button's rectangle in screen coordinates.
  virtual void ShowHint(const std::string& text, const Rect& object) = 0;
  virtual void HideHint() = 0;
};

}  // namespace zv
