#include "win32/controls/skin_host_window.h"

#include <algorithm>

#include "win32/forms/form.h"
#include "win32/gfx/regions.h"
#include "win32/menus/application_hints.h"

namespace zv::win {

SkinHostWindow::SkinHostWindow(Form& owner, Control& parent, std::string name)
    : Control(owner, &parent, std::move(name)) {}

SkinHostWindow::~SkinHostWindow() {
  if (hinted_) ApplicationHints().MouseLeave(this);
}

void SkinHostWindow::CreateHost(const wchar_t* className, DWORD style, DWORD exStyle) {
  RegisterClassOnce(className, nullptr, nullptr);
  CreateWindowOf(className, style, exStyle);
}

Rect SkinHostWindow::TakeBounds(const Rect& wanted) {
  Skin().SetBounds(wanted);
  return bounds();
}

// A size the skin chose on its own moves the siblings too.
void SkinHostWindow::ApplyBounds(const Rect& b) {
  PlaceWindow(b);
  RealignParent();
}

void SkinHostWindow::Invalidate() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void SkinHostWindow::SetShape(const std::vector<Rect>& rects) {
  if (!hwnd_) return;
  // The system owns the region once it is set, and frees the one it replaces.
  SetWindowRgn(hwnd_, RegionFromRects(rects), TRUE);
}

void SkinHostWindow::PaintParentBackground(const BitmapView& target) {
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

void SkinHostWindow::NotifyChildrenParentBackChanged() {
  for (Control* child : children()) {
    if (child->hwnd()) SendMessageW(child->hwnd(), ZSM_PARENTBACKCHANGED, 0, 0);
  }
}

void SkinHostWindow::SetChildrenEnabled(bool enabled) {
  for (Control* child : children()) child->SetEnabled(enabled);
}

void SkinHostWindow::SetChildrenVisible(bool visible) {
  for (Control* child : children()) ShowWindow(child->hwnd(), visible ? SW_SHOW : SW_HIDE);
}

void SkinHostWindow::RealignChildren() {
  if (!alignSuspended_) Realign();
}

bool SkinHostWindow::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

ColorRef SkinHostWindow::SystemColorValue(int index) const { return GetSysColor(index); }

void SkinHostWindow::Start(int id, unsigned milliseconds) {
  if (hwnd_) SetTimer(hwnd_, static_cast<UINT_PTR>(id), milliseconds, nullptr);
}

void SkinHostWindow::Stop(int id) {
  if (hwnd_) KillTimer(hwnd_, static_cast<UINT_PTR>(id));
}

bool SkinHostWindow::PaintSurface() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (client.right < 1 || client.bottom < 1) return false;
  surface_.Resize({client.right, client.bottom});
  GdiFlush();
  Skin().Paint(surface_.view());
  return true;
}

void SkinHostWindow::ScaleContents(int, int to) { Skin().SetDpi(to); }

void SkinHostWindow::Paint(HDC dc) {
  if (!PaintSurface()) return;
  const Size size = surface_.size();
  BitBlt(dc, 0, 0, size.width, size.height, surface_.dc(), 0, 0, SRCCOPY);
}

Bitmap SkinHostWindow::Snapshot() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  Bitmap out(client.right, client.bottom);
  if (!PaintSurface()) return out;
  const BitmapView view = surface_.view();
  for (int y = 0; y < client.bottom; ++y) std::copy_n(view.Row(y), client.right, &out.At(0, y));
  return out;
}

bool SkinHostWindow::TrackMouse() {
  if (tracking_) return false;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
  tracking_ = TrackMouseEvent(&track) != FALSE;
  hinted_ = true;
  ApplicationHints().MouseOver(this, HintOf(Skin()));
  return true;
}

Point SkinHostWindow::MousePoint(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool SkinHostWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;  // everything is drawn in the paint
      return true;
    case ZSM_PARENTBACKCHANGED:
      Skin().ParentBackChanged();
      return true;
    case WM_TIMER:
      TimerTick(static_cast<int>(wParam));
      return true;
    case WM_MOUSEMOVE:
      TrackMouse();
      break;
    case WM_MOUSELEAVE:
      tracking_ = false;
      hinted_ = false;
      ApplicationHints().MouseLeave(this);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      ApplicationHints().MouseDown();
      break;
    default:
      break;
  }
  return Control::HandleMessage(msg, wParam, lParam, result);
}

}  // namespace zv::win
