#pragma once
// TzsLayerWindow and TzsLayerManager: a picture with per-pixel alpha shown in
// a top-level layered window that fades in. Where layered windows are not
// available the manager shows nothing.
#include <windows.h>

#include <memory>

#include "core/base/bitmap.h"
#include "core/gfx/layer.h"
#include "win32/platform/dib_surface.h"

namespace zv::win {

// A hidden pop-up tool window with the layered style; a click never
// activates it.
class TzsLayerWindow {
 public:
  TzsLayerWindow(const Rect& bounds, void* owner);
  TzsLayerWindow(const TzsLayerWindow&) = delete;
  TzsLayerWindow& operator=(const TzsLayerWindow&) = delete;
  ~TzsLayerWindow();
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

class TzsLayerManager {
 public:
  TzsLayerManager();
  TzsLayerManager(const TzsLayerManager&) = delete;
  TzsLayerManager& operator=(const TzsLayerManager&) = delete;
  ~TzsLayerManager();

  bool TopMost = true;

  // Shows `picture` at (x, y) with its alpha taken from `mask` (same size;
  // white opaque) and fades it in to `targetAlpha` in 25 ms steps.
  void Show(int x, int y, std::uint8_t targetAlpha, const BitmapView& mask, const BitmapView& picture);
  void Hide();

  bool visible() const { return visible_; }
  std::uint8_t currentAlpha() const { return fade_.current(); }
  bool fading() const { return fade_.running(); }
  HWND layerWindow() const { return layer_ ? layer_->hwnd() : nullptr; }
  // One timer step (the layer window's timer calls it).
  void Tick();

  // Whether this platform has per-pixel layered windows.
  static bool LayeringAvailable();

 private:
  void Update();

  std::unique_ptr<TzsLayerWindow> layer_;
  DibSurface bitmap_;
  Size size_;
  LayerFade fade_;
  bool visible_ = false;
};

}  // namespace zv::win
