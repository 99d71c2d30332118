#pragma once
// The window of a skin panel: it hosts the core panel, shapes itself from
// rectangles and hands caption clicks to the core. The paint panel and the
// status bar windows host their panels through the same code.
#include <functional>
#include <memory>

#include "core/controls/skin_panel.h"
#include "win32/controls/skin_host_window.h"

namespace zv::win {

class SkinPanelWindow : public SkinHostWindow {
 public:
  SkinPanelWindow(Form& owner, Control& parent, std::string name, const Rect& bounds);
  ~SkinPanelWindow() override;

  TzsSkinPanel& panel() { return *panel_; }

 protected:
  using MakePanel = std::function<std::unique_ptr<TzsSkinPanel>(SkinControlHost&)>;
  SkinPanelWindow(Form& owner, Control& parent, std::string name, const Rect& bounds, const MakePanel& make,
                  const wchar_t* className);

  TzsSkinControl& Skin() override { return *panel_; }
  Rect ChildArea() const override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::unique_ptr<TzsSkinPanel> panel_;
};

}  // namespace zv::win
