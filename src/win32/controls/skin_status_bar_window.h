#pragma once
// The window of a skinned status bar: aligned to the bottom of its parent,
// it answers hit tests in its grip with the bottom-right sizing border and
// hands a press there to the top-level window, which then resizes.
#include "core/controls/skin_status_bar.h"
#include "win32/controls/skin_panel_window.h"

namespace zv::win {

class SkinStatusBarWindow : public SkinPanelWindow {
 public:
  // The bar takes its own height whatever `bounds` says.
  SkinStatusBarWindow(Form& owner, Control& parent, std::string name, const Rect& bounds);
  TzsSkinStatusBar& statusBar() { return static_cast<TzsSkinStatusBar&>(panel()); }

 protected:
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  // The grip can size the top-level window only when it is sizable and not
  // maximised.
  void RefreshGripState();
};

}  // namespace zv::win
