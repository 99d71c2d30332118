#pragma once
// The window of a paint panel: the panel's owner draws in OnPanelPaint, and
// erase-background outside the paint message (a transparent child copying
// its parent, say) gets the whole panel painted into the given DC.
#include "core/controls/skin_paint_panel.h"
#include "win32/controls/skin_panel_window.h"

namespace zv::win {

class SkinPaintPanelWindow : public SkinPanelWindow {
 public:
  SkinPaintPanelWindow(Form& owner, Control& parent, std::string name, const Rect& bounds);
  TzsSkinPaintPanel& paintPanel() { return static_cast<TzsSkinPaintPanel&>(panel()); }

 protected:
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace zv::win
