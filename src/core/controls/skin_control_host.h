#pragma once
// What a skinned control asks of the window (or the test double) it lives
// in. The control decides; the host only carries out.
#include <vector>

#include "core/base/bitmap.h"
#include "core/platform/text_renderer.h"

namespace zv {

// System colour indexes the controls use.
constexpr int kColorBtnFace = 15;
constexpr int kColorBtnShadow = 16;
constexpr int kColorBtnText = 18;
constexpr int kColorBtnHighlight = 20;

class SkinControlHost {
 public:
  virtual ~SkinControlHost() = default;
  // Position and size in the parent's client coordinates.
  virtual Rect Bounds() const = 0;
  // Moves and sizes the window; does not call back into the control.
  virtual void ApplyBounds(const Rect& bounds) = 0;
  virtual bool HasParent() const = 0;
  // Asks for a paint.
  virtual void Invalidate() = 0;
  // Shapes the window from rectangles in control coordinates; an empty list
  // removes the shape.
  virtual void SetShape(const std::vector<Rect>& rects) = 0;
  // Paints what lies behind the control (parent background and the graphic
  // siblings below it) into `target`, the control's size.
  virtual void PaintParentBackground(const BitmapView& target) = 0;
  // Tells every child its background changed (windowed children by message,
  // graphic ones directly).
  virtual void NotifyChildrenParentBackChanged() = 0;
  // Children of a container control.
  virtual void SetChildrenEnabled(bool enabled) = 0;
  virtual void SetChildrenVisible(bool visible) = 0;
  virtual void SetAlignSuspended(bool suspended) = 0;
  virtual void RealignChildren() = 0;
  virtual bool Enabled() const = 0;
  virtual ColorRef SystemColorValue(int index) const = 0;
  virtual TextRenderer& Text() = 0;
};

}  // namespace zv
