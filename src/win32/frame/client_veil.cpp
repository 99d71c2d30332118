#include "win32/frame/client_veil.h"

#include "win32/platform/window_class.h"

namespace zv::win {
namespace {

constexpr wchar_t kClassName[] = L"ZvClientVeil";

}  // namespace

LRESULT CALLBACK ClientVeil::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ClientVeil*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (self) {
        const Size s = self->picture_.size();
        BitBlt(dc, 0, 0, s.width, s.height, self->picture_.dc(), 0, 0, SRCCOPY);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks reach the controls and activate the form
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

void ClientVeil::Show(HWND form, const BitmapView& background, ClientInActiveEffectType type) {
  RECT r{};
  GetClientRect(form, &r);
  if (r.right <= 0 || r.bottom <= 0) return;
  Hide();
  picture_.Resize({r.right, r.bottom});
  HDC dc = GetDC(form);
  BitBlt(picture_.dc(), 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
  ReleaseDC(form, dc);
  GdiFlush();
  VeilClient(picture_.view(), background, type);
  RegisterWindowClassOnce({kClassName, Proc});
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, r.right, r.bottom, form, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void ClientVeil::Hide() {
  if (!window_) return;
  DestroyWindow(window_);
  window_ = nullptr;
}

}  // namespace zv::win
