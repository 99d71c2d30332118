#include "win32/controls/skin_updown_window.h"

namespace zv::win {

SkinUpDownWindow::SkinUpDownWindow(Form& owner, Control& parent, std::string name, Point at)
    : SkinHostWindow(owner, parent, std::move(name)), updown_(*this, *this) {
  const Rect b = bounds();
  SetBounds(Rect::FromSize(at.x, at.y, b.Width(), b.Height()));
  CreateHost(L"ZvSkinUpDown", WS_VISIBLE, 0);
}

SkinUpDownWindow::~SkinUpDownWindow() = default;

bool SkinUpDownWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(hwnd_);
      updown_.MouseDown(MousePoint(lParam));
      return true;
    case WM_MOUSEMOVE:
      TrackMouse();
      updown_.MouseMove(MousePoint(lParam));
      return true;
    case WM_MOUSELEAVE:
      updown_.MouseLeave();
      break;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd_) ReleaseCapture();
      updown_.MouseUp(MousePoint(lParam));
      return true;
    case WM_ENABLE:
      updown_.EnabledChanged();
      break;
    case WM_SIZE:
      updown_.UpdateWindowShape();
      Invalidate();
      break;
    default:
      break;
  }
  return SkinHostWindow::HandleMessage(msg, wParam, lParam, result);
}

}  // namespace zv::win
