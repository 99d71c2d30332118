#include "win32/controls/link_image.h"

#include "core/base/display_scale.h"
#include "win32/forms/application.h"
#include "win32/forms/form.h"

namespace zv::win {

TzsSkinLinkImage::TzsSkinLinkImage(Form& owner, Control& parent, std::string name, const Rect& bounds)
    : Control(owner, &parent, std::move(name)) {
  RegisterClassOnce(L"ZvLinkImage", LoadCursorW(nullptr, IDC_HAND), nullptr);
  SetBounds(bounds);
  CreateWindowOf(L"ZvLinkImage", WS_VISIBLE, 0);
  core_.OnClick = [this] {
    if (OnClick) OnClick();
  };
}

// Heights are asked in 96-DPI units, as the form is designed.
void TzsSkinLinkImage::SetHeight(int height) {
  Rect b = bounds();
  b.bottom = b.top + ScaleLength(height, owner().dpi());
  SetBounds(b);  // the parent's layout may change it again by the alignment
}

void TzsSkinLinkImage::ScaleContents(int, int to) { core_.SetDpi(to); }

Size TzsSkinLinkImage::ClientSize() {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return {r.right, r.bottom};
}

void TzsSkinLinkImage::Invalidate() {
  stale_ = true;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

bool TzsSkinLinkImage::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;  // the blit covers every pixel
      return true;
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      result = 0;
      return true;
    case WM_SYSCOLORCHANGE:
      stale_ = true;
      return false;
    default:
      return Control::HandleMessage(msg, wParam, lParam, result);
  }
}

void TzsSkinLinkImage::Click() {
  Application::Instance().Guard([&] {
    if (shell) {
      core_.Click(*shell);
    } else if (OnClick) {
      OnClick();
    }
  });
}

void TzsSkinLinkImage::Compose(Size size) {
  surface_.Resize(size);
  const BitmapView view = surface_.view();
  view.Fill(view.bounds(), ToPixel(GetSysColor(backgroundSysColor), 255));
  core_.Paint(view);
  stale_ = false;
}

void TzsSkinLinkImage::Paint(HDC dc) {
  const Size size = ClientSize();
  if (size.width <= 0 || size.height <= 0) return;
  if (stale_ || surface_.size() != size) Compose(size);
  BitBlt(dc, 0, 0, size.width, size.height, surface_.dc(), 0, 0, SRCCOPY);
}

}  // namespace zv::win
