#pragma once
// Owning, move-only wrappers for Win32 handles and scoped helpers for device
// contexts. Ownership handed to the system is given up with release().
#include <windows.h>

#include <utility>

namespace zv::win {

template <typename H, BOOL(WINAPI* Close)(H)>
class Owned {
 public:
  Owned() = default;
  explicit Owned(H h) : h_(h) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  Owned& operator=(Owned&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, nullptr));
    return *this;
  }
  ~Owned() { reset(); }

  H get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  H release() { return std::exchange(h_, nullptr); }
  void reset(H h = nullptr) {
    if (h_) Close(h_);
    h_ = h;
  }

 private:
  H h_ = nullptr;
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteFontObject(HFONT h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteBrushObject(HBRUSH h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteBitmapObject(HBITMAP h) { return DeleteObject(h); }

using Font = Owned<HFONT, DeleteFontObject>;
using Brush = Owned<HBRUSH, DeleteBrushObject>;
using BitmapHandle = Owned<HBITMAP, DeleteBitmapObject>;
using Icon = Owned<HICON, DestroyIcon>;
using MemoryDc = Owned<HDC, DeleteDC>;

// SelectObject for a scope.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint / EndPaint for a scope.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  HDC dc() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace zv::win
