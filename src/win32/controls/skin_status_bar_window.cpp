#include "win32/controls/skin_status_bar_window.h"

namespace zv::win {

SkinStatusBarWindow::SkinStatusBarWindow(Form& owner, Control& parent, std::string name, const Rect& bounds)
    : SkinPanelWindow(
          owner, parent, std::move(name),
          Rect::FromSize(bounds.left, bounds.top, bounds.Width(), TzsSkinStatusBar::kDefaultHeight),
          [](SkinControlHost& host) { return std::make_unique<TzsSkinStatusBar>(host); }, L"ZvSkinStatusBar") {
  SetAlign(Align::kBottom);
  RefreshGripState();
}

void SkinStatusBarWindow::RefreshGripState() {
  HWND root = hwnd_ ? GetAncestor(hwnd_, GA_ROOT) : nullptr;
  const bool sizable = root && (GetWindowLongW(root, GWL_STYLE) & WS_THICKFRAME) != 0;
  statusBar().SetFormAllowsGrip(sizable && !IsZoomed(root));
}

bool SkinStatusBarWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NCHITTEST: {
      RefreshGripState();
      POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(hwnd_, &p);
      result = statusBar().HitTest({p.x, p.y}) == SkinHitTest::kBottomRight ? HTBOTTOMRIGHT : HTCLIENT;
      return true;
    }
    case WM_NCLBUTTONDOWN:
      if (wParam != HTBOTTOMRIGHT) break;
      // The drag sizes the top-level window, not this child.
      if (HWND root = GetAncestor(hwnd_, GA_ROOT)) {
        ReleaseCapture();
        SendMessageW(root, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, lParam);
      }
      result = 0;
      return true;
    case WM_SIZE:
      RefreshGripState();
      break;
    default:
      break;
  }
  return SkinPanelWindow::HandleMessage(msg, wParam, lParam, result);
}

}  // namespace zv::win
