#include "win32/controls/skin_paint_panel_window.h"

namespace zv::win {

SkinPaintPanelWindow::SkinPaintPanelWindow(Form& owner, Control& parent, std::string name, const Rect& bounds)
    : SkinPanelWindow(
          owner, parent, std::move(name), bounds,
          [](SkinControlHost& host) { return std::make_unique<TzsSkinPaintPanel>(host); }, L"ZvSkinPaintPanel") {}

bool SkinPaintPanelWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_PAINT: {
      TzsSkinPaintPanel& p = paintPanel();
      p.InPaintMessage = true;
      const bool handled = SkinPanelWindow::HandleMessage(msg, wParam, lParam, result);
      p.InPaintMessage = false;
      return handled;
    }
    case WM_ERASEBKGND: {
      result = 1;
      if (paintPanel().InPaintMessage || !PaintSurface()) return true;
      const Size size = surface_.size();
      BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, size.width, size.height, surface_.dc(), 0, 0, SRCCOPY);
      return true;
    }
    default:
      return SkinPanelWindow::HandleMessage(msg, wParam, lParam, result);
  }
}

}  // namespace zv::win
