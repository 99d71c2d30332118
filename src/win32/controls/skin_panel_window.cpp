#include "win32/controls/skin_panel_window.h"

namespace zv::win {

SkinPanelWindow::SkinPanelWindow(Form& owner, Control& parent, std::string name, const Rect& bounds)
    : SkinPanelWindow(
          owner, parent, std::move(name), bounds,
          [](SkinControlHost& host) { return std::make_unique<TzsSkinPanel>(host); }, L"ZvSkinPanel") {}

SkinPanelWindow::SkinPanelWindow(Form& owner, Control& parent, std::string name, const Rect& bounds,
                                 const MakePanel& make, const wchar_t* className)
    : SkinHostWindow(owner, parent, std::move(name)), panel_(make(*this)) {
  SetBounds(bounds);
  CreateHost(className, WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

SkinPanelWindow::~SkinPanelWindow() = default;

Rect SkinPanelWindow::ChildArea() const { return panel_->ClientArea(); }

bool SkinPanelWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SIZE:
      panel_->UpdateWindowShape();
      Invalidate();
      if (alignSuspended_) return true;
      break;
    case WM_MOVE:
      panel_->PositionChanged();
      break;
    case WM_ENABLE:
      panel_->EnabledChanged();
      break;
    case WM_LBUTTONUP:
      panel_->MouseUp(MousePoint(lParam));
      break;
    default:
      break;
  }
  return SkinHostWindow::HandleMessage(msg, wParam, lParam, result);
}

}  // namespace zv::win
