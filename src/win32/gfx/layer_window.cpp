#include "win32/gfx/layer_window.h"

#include "core/gfx/effects.h"
#include "win32/platform/window_class.h"

namespace zv::win {

namespace {

constexpr wchar_t kLayerClass[] = L"ZvLayerWindow";
constexpr UINT_PTR kFadeTimer = 1;

using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);

// Looked up once: an older system simply has no layered windows.
UpdateLayeredWindowFn UpdateLayered() {
  static const auto fn = reinterpret_cast<UpdateLayeredWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "UpdateLayeredWindow")));
  return fn;
}

LRESULT CALLBACK LayerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_TIMER:
      if (auto* manager = reinterpret_cast<TzsLayerManager*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
        manager->Tick();
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}


}  // namespace

TzsLayerWindow::TzsLayerWindow(const Rect& bounds, void* owner) {
  RegisterWindowClassOnce({kLayerClass, LayerProc, CS_SAVEBITS});
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE, kLayerClass, L"", WS_POPUP,
                          bounds.left, bounds.top, bounds.Width(), bounds.Height(), nullptr, nullptr,
                          GetModuleHandleW(nullptr), owner);
}

TzsLayerWindow::~TzsLayerWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

TzsLayerManager::TzsLayerManager() = default;

TzsLayerManager::~TzsLayerManager() { Hide(); }

bool TzsLayerManager::LayeringAvailable() {
  OSVERSIONINFOW version{sizeof version};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const bool known = GetVersionExW(&version) != FALSE;
#pragma GCC diagnostic pop
  return known && UpdateLayered() != nullptr &&
         SupportsLayering(static_cast<int>(version.dwMajorVersion), static_cast<int>(version.dwMinorVersion));
}

void TzsLayerManager::Show(int x, int y, std::uint8_t targetAlpha, const BitmapView& mask,
                           const BitmapView& picture) {
  if (!LayeringAvailable() || picture.width() < 1 || picture.height() < 1) return;
  Hide();
  visible_ = true;
  size_ = {picture.width(), picture.height()};
  layer_ = std::make_unique<TzsLayerWindow>(Rect::FromSize(x, y, size_.width, size_.height), this);
  bitmap_.Resize(size_);
  const BitmapView pixels = bitmap_.view();
  CopyPixels(picture, {0, 0}, pixels, {0, 0}, size_);
  AlphaFromMask(pixels, mask);
  PremultiplyAlpha(pixels);
  fade_.Start(targetAlpha);
  Update();
  SetWindowPos(layer_->hwnd(), TopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  if (fade_.running()) SetTimer(layer_->hwnd(), kFadeTimer, LayerFade::kTickMs, nullptr);
}

void TzsLayerManager::Tick() {
  if (!layer_) return;
  fade_.Tick();
  Update();
  if (!fade_.running()) KillTimer(layer_->hwnd(), kFadeTimer);
}

void TzsLayerManager::Update() {
  RECT window{};
  GetWindowRect(layer_->hwnd(), &window);
  POINT destination{window.left, window.top};
  SIZE size{size_.width, size_.height};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, fade_.current(), AC_SRC_ALPHA};
  UpdateLayered()(layer_->hwnd(), nullptr, &destination, &size, bitmap_.dc(), &source, 0, &blend, ULW_ALPHA);
}

void TzsLayerManager::Hide() {
  if (!layer_) return;
  KillTimer(layer_->hwnd(), kFadeTimer);
  fade_.Stop();
  visible_ = false;
  SetWindowPos(layer_->hwnd(), nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  layer_.reset();
}

}  // namespace zv::win
