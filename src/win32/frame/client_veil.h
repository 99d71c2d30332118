#pragma once
// The veil over an inactive window's client area: a child window on top of
// the form's controls showing a veiled picture of them, gone at activation.
#include <windows.h>

#include "core/base/bitmap.h"
#include "core/frame/client_looks.h"
#include "win32/platform/dib_surface.h"

namespace zv::win {

class ClientVeil {
 public:
  ClientVeil() = default;
  ClientVeil(const ClientVeil&) = delete;
  ClientVeil& operator=(const ClientVeil&) = delete;
  ~ClientVeil() { Hide(); }

  // Takes a picture of `form`'s client area, veils it by `type` with
  // `background` (the bare client background) and lays it over the client.
  void Show(HWND form, const BitmapView& background, ClientInActiveEffectType type);
  void Hide();
  HWND window() const { return window_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  DibSurface picture_;
};

}  // namespace zv::win
