#pragma once
// The window of a skin panel: it hosts the core panel, paints it into a DIB
// section kept per size and blitted once, shapes itself from rectangles and
// hands caption clicks to the core.
#include <vector>

#include "core/skin/skin_panel.h"
#include "win32/forms/control.h"
#include "win32/platform/dib_surface.h"
#include "win32/platform/gdi_text_renderer.h"

namespace zv::win {

class SkinPanelWindow : public Control, private SkinControlHost {
 public:
  SkinPanelWindow(Form& owner, Control& parent, std::string name, const Rect& bounds);
  ~SkinPanelWindow() override;

  TzsSkinPanel& panel() { return panel_; }
  // Moves and sizes through the panel, so the skin decides the size.
  void SetPanelBounds(const Rect& bounds) { panel_.SetBounds(bounds); }
  // The panel painted as a paint message would paint it.
  Bitmap Snapshot();

 protected:
  Rect ChildArea() const override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Paint(HDC dc) override;

 private:
  // SkinControlHost
  Rect Bounds() const override { return bounds(); }
  void ApplyBounds(const Rect& b) override { SetBounds(b); }
  bool HasParent() const override { return parent() != nullptr; }
  void Invalidate() override;
  void SetShape(const std::vector<Rect>& rects) override;
  void PaintParentBackground(const BitmapView& target) override;
  void NotifyChildrenParentBackChanged() override;
  void SetChildrenEnabled(bool enabled) override;
  void SetChildrenVisible(bool visible) override;
  void SetAlignSuspended(bool suspended) override { alignSuspended_ = suspended; }
  void RealignChildren() override;
  bool Enabled() const override;
  ColorRef SystemColorValue(int index) const override;
  TextRenderer& Text() override { return text_; }

  GdiTextRenderer text_;
  TzsSkinPanel panel_;
  bool alignSuspended_ = false;
  DibSurface surface_;  // remade only when the size changes
};

}  // namespace zv::win
