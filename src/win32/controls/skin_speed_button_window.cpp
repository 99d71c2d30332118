#include "win32/controls/skin_speed_button_window.h"

#include "win32/menus/application_hints.h"

namespace zv::win {

SkinSpeedButtonWindow::SkinSpeedButtonWindow(Form& owner, Control& parent, std::string name, const Rect& bounds)
    : SkinSpeedButtonWindow(owner, parent, std::move(name), bounds, [](SkinControlHost& host, TimerHost& timers) {
        return std::make_unique<TzsSkinSpeedButton>(host, timers);
      }) {}

SkinSpeedButtonWindow::SkinSpeedButtonWindow(Form& owner, Control& parent, std::string name, const Rect& bounds,
                                             const MakeButton& make)
    : SkinHostWindow(owner, parent, std::move(name)), button_(make(*this, *this)) {
  button_->OnClick = [this] { Click(); };
  button_->Siblings = [this] {
    std::vector<TzsSkinSpeedButton*> buttons;
    for (Control* sibling : this->parent()->children()) {
      if (auto* b = dynamic_cast<SkinSpeedButtonWindow*>(sibling)) buttons.push_back(b->button_.get());
    }
    return buttons;
  };
  SetBounds(bounds);
  CreateHost(L"ZvSkinSpeedButton", WS_VISIBLE, 0);
}

SkinSpeedButtonWindow::~SkinSpeedButtonWindow() = default;

bool SkinSpeedButtonWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ApplicationHints().MouseDown();
      SetCapture(hwnd_);
      button_->MouseDown(MousePoint(lParam));
      return true;
    case WM_MOUSEMOVE:
      if (TrackMouse()) button_->MouseEnter();
      button_->MouseMove(MousePoint(lParam));
      return true;
    case WM_MOUSELEAVE:
      button_->MouseLeave();
      break;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd_) ReleaseCapture();
      button_->MouseUp(MousePoint(lParam));
      return true;
    case WM_ENABLE:
      button_->EnabledChanged();
      break;
    default:
      break;
  }
  return SkinHostWindow::HandleMessage(msg, wParam, lParam, result);
}

}  // namespace zv::win
