#include "win32/skin/skin_panel_window.h"

#include <vector>

#include "win32/forms/form.h"
#include "win32/platform/regions.h"

namespace zv::win {

SkinPanelWindow::SkinPanelWindow(Form& owner, Control& parent, std::string name, const Rect& bounds)
    : Control(owner, &parent, std::move(name)), panel_(*this) {
  // No class background and no redraw styles: the panel paints everything.
  RegisterClassOnce(L"ZvSkinPanel", nullptr, nullptr);
  SetBounds(bounds);
  CreateWindowOf(L"ZvSkinPanel", WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

SkinPanelWindow::~SkinPanelWindow() = default;

Rect SkinPanelWindow::ChildArea() const { return const_cast<TzsSkinPanel&>(panel_).ClientArea(); }

void SkinPanelWindow::Invalidate() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void SkinPanelWindow::SetShape(const std::vector<Rect>& rects) {
  if (!hwnd_) return;
  // The system owns the region once it is set, and frees the one it replaces.
  SetWindowRgn(hwnd_, RegionFromRects(rects), TRUE);
}

void SkinPanelWindow::PaintParentBackground(const BitmapView& target) {
  if (!parent() || !parent()->hwnd() || target.width() < 1 || target.height() < 1) return;
  DibSurface scratch;
  scratch.Resize({target.width(), target.height()});
  const Rect b = bounds();
  SetViewportOrgEx(scratch.dc(), -b.left, -b.top, nullptr);
  HWND parentWindow = parent()->hwnd();
  SendMessageW(parentWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(scratch.dc()), 0);
  SendMessageW(parentWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(scratch.dc()), PRF_CLIENT);
  GdiFlush();
  CopyPixels(scratch.view(), {0, 0}, target, {0, 0}, {target.width(), target.height()});
}

void SkinPanelWindow::NotifyChildrenParentBackChanged() {
  for (Control* child : children()) {
    if (child->hwnd()) SendMessageW(child->hwnd(), ZSM_PARENTBACKCHANGED, 0, 0);
  }
}

void SkinPanelWindow::SetChildrenEnabled(bool enabled) {
  for (Control* child : children()) child->SetEnabled(enabled);
}

void SkinPanelWindow::SetChildrenVisible(bool visible) {
  for (Control* child : children()) ShowWindow(child->hwnd(), visible ? SW_SHOW : SW_HIDE);
}

void SkinPanelWindow::RealignChildren() {
  if (!alignSuspended_) Realign();
}

bool SkinPanelWindow::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

ColorRef SkinPanelWindow::SystemColorValue(int index) const { return GetSysColor(index); }

void SkinPanelWindow::Paint(HDC dc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (client.right < 1 || client.bottom < 1) return;
  surface_.Resize({client.right, client.bottom});
  GdiFlush();
  panel_.Paint(surface_.view());
  BitBlt(dc, 0, 0, client.right, client.bottom, surface_.dc(), 0, 0, SRCCOPY);
}

Bitmap SkinPanelWindow::Snapshot() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  Bitmap out(client.right, client.bottom);
  if (client.right < 1 || client.bottom < 1) return out;
  surface_.Resize({client.right, client.bottom});
  GdiFlush();
  const BitmapView view = surface_.view();
  panel_.Paint(view);
  for (int y = 0; y < client.bottom; ++y) std::copy_n(view.Row(y), client.right, &out.At(0, y));
  return out;
}

bool SkinPanelWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;  // everything is drawn in the paint
      return true;
    case ZSM_PARENTBACKCHANGED:
      panel_.ParentBackChanged();
      return true;
    case WM_SIZE:
      panel_.UpdateWindowShape();
      Invalidate();
      if (alignSuspended_) return true;
      break;
    case WM_MOVE:
      panel_.PositionChanged();
      break;
    case WM_ENABLE:
      panel_.EnabledChanged();
      break;
    case WM_LBUTTONUP:
      panel_.MouseUp({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      break;
    default:
      break;
  }
  return Control::HandleMessage(msg, wParam, lParam, result);
}

}  // namespace zv::win
