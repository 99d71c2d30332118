#pragma once
// A skin panel the owner draws on: it paints through a whole off-screen
// picture (no direct-background mode), then hands the canvas and its client
// rectangle to OnPanelPaint. Outside a paint message it also paints itself on
// erase-background, so children that copy their parent's background see it.
#include <functional>

#include "core/controls/skin_panel.h"

namespace zv {

class TzsSkinPaintPanel : public TzsSkinPanel {
 public:
  explicit TzsSkinPaintPanel(SkinControlHost& host, std::string skinDataName = "panel");

  // The canvas of the whole panel and the area its children share.
  std::function<void(const BitmapView& canvas, const Rect& clientRect)> OnPanelPaint;

  void Paint(const BitmapView& canvas) override;
  // Erase-background: paints the whole panel into `canvas` unless the paint
  // message is being handled (it draws everything itself). True when it painted.
  bool EraseBackground(const BitmapView& canvas);
  // Set by the host while it handles the paint message.
  bool InPaintMessage = false;
};

}  // namespace zv
