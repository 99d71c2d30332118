#pragma once
// The platform theme's status-bar parts, drawn into the bar's pixels.
#include <windows.h>
#include <uxtheme.h>

#include "core/status/bar_host.h"
#include "win32/platform/dib_surface.h"

namespace zv::win {

class UxStatusTheme : public StatusTheme {
 public:
  UxStatusTheme() = default;
  UxStatusTheme(const UxStatusTheme&) = delete;
  UxStatusTheme& operator=(const UxStatusTheme&) = delete;
  ~UxStatusTheme() override { Close(); }

  // (Re)opens the "Status" class for `hwnd`; after a theme change too.
  void Open(HWND hwnd);
  void Close();
  // Visual styles are on and the theme has the status-bar class.
  bool Active() const;

  void DrawPart(const BitmapView& target, StatusThemePart part, const Rect& rect, const Rect& clip) override;

 private:
  HTHEME theme_ = nullptr;
  DibSurface scratch_;
};

}  // namespace zv::win
