#include "win32/skin/skin_panel_window.h"

#include <vector>

#include "win32/forms/form.h"

namespace zv::win {

HRGN RegionFromRects(const std::vector<Rect>& rects) {
  if (rects.empty()) return nullptr;
  // One region from the whole list at once; no per-rectangle combining.
  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  RECT bounds{rects[0].left, rects[0].top, rects[0].right, rects[0].bottom};
  auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const Rect& r = rects[i];
    out[i] = {r.left, r.top, r.right, r.bottom};
    bounds = {std::min<LONG>(bounds.left, r.left), std::min<LONG>(bounds.top, r.top),
              std::max<LONG>(bounds.right, r.right), std::max<LONG>(bounds.bottom, r.bottom)};
  }
  header->rcBound = bounds;
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

SkinPanelWindow::SkinPanelWindow(Form& owner, Control& parent, std::string name, const Rect& bounds)
    : Control(owner, &parent, std::move(name)), panel_(*this) {
  // No class background and no redraw styles: the panel paints everything.
  RegisterClassOnce(L"ZvSkinPanel", nullptr, nullptr);
  SetBounds(bounds);
  CreateWindowOf(L"ZvSkinPanel", WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

SkinPanelWindow::~SkinPanelWindow() {
  if (surfaceDc_) {
    SelectObject(surfaceDc_, oldSurface_);
    DeleteDC(surfaceDc_);
  }
  if (surface_) DeleteObject(surface_);
}

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
  if (!parent() || !parent()->hwnd()) return;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), target.width(), -target.height(), 1, 32, BI_RGB};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) {
    DeleteDC(dc);
    return;
  }
  HGDIOBJ old = SelectObject(dc, dib);
  const Rect b = bounds();
  SetViewportOrgEx(dc, -b.left, -b.top, nullptr);
  HWND parentWindow = parent()->hwnd();
  SendMessageW(parentWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parentWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const BitmapView painted(static_cast<Pixel*>(bits), target.width(), target.height(), target.width());
  for (int y = 0; y < target.height(); ++y) std::copy_n(painted.Row(y), target.width(), target.Row(y));
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
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

void SkinPanelWindow::EnsureSurface(int width, int height) {
  if (surface_ && surfaceSize_ == Size{width, height}) return;
  if (!surfaceDc_) surfaceDc_ = CreateCompatibleDC(nullptr);
  if (surface_) {
    SelectObject(surfaceDc_, oldSurface_);
    DeleteObject(surface_);
  }
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  void* bits = nullptr;
  surface_ = CreateDIBSection(surfaceDc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  surfaceBits_ = static_cast<Pixel*>(bits);
  surfaceSize_ = surface_ ? Size{width, height} : Size{};
  if (surface_) oldSurface_ = SelectObject(surfaceDc_, surface_);
}

void SkinPanelWindow::Paint(HDC dc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (client.right < 1 || client.bottom < 1) return;
  EnsureSurface(client.right, client.bottom);
  if (!surface_) return;
  GdiFlush();
  panel_.Paint(BitmapView(surfaceBits_, client.right, client.bottom, client.right));
  BitBlt(dc, 0, 0, client.right, client.bottom, surfaceDc_, 0, 0, SRCCOPY);
}

Bitmap SkinPanelWindow::Snapshot() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  Bitmap out(client.right, client.bottom);
  if (client.right < 1 || client.bottom < 1) return out;
  EnsureSurface(client.right, client.bottom);
  if (!surface_) return out;
  GdiFlush();
  const BitmapView view(surfaceBits_, client.right, client.bottom, client.right);
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
