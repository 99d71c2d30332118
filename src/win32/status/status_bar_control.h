#pragma once
// TSbStatusBar as a window: hosts the core bar, paints it into a DIB section
// of its size with one blit, runs its panes on the process-wide timers and
// turns a press on the size grip into a resize of the top-level window.
#include <memory>
#include <string>
#include <utility>

#include "core/status/status_bar.h"
#include "win32/forms/control.h"
#include "win32/platform/dib_surface.h"
#include "win32/platform/gdi_text_renderer.h"
#include "win32/status/status_timers.h"
#include "win32/status/ux_status_theme.h"
#include "win32/status/win_local_time.h"

namespace zv::win {

class TSbStatusBar : public Control, private StatusBarHost {
 public:
  TSbStatusBar(Form& owner, Control& parent, std::string name, const Rect& bounds);
  ~TSbStatusBar() override;

  zv::TSbStatusBar& bar() { return *bar_; }
  // Creates a pane of type P on the bar, e.g. AddPane<TSbClockStatus>(localTime()).
  template <class P, class... Args>
  P& AddPane(Args&&... args) {
    return bar_->AddPane<P>(ProcessStatusLists(), std::forward<Args>(args)...);
  }
  LocalTime& localTime() { return localTime_; }
  const std::string& PaneCaption(std::size_t index) const { return bar_->Pane(index).Caption(); }

  // Loading ends: the bar's standard look (its height too) and the clock's
  // first text.
  void Loaded();
  // Draws the bar as it is now onto `dc` at (0, 0).
  void PaintTo(HDC dc);
  // The cursor the bar shows at a client point, or null for the class cursor.
  HCURSOR CursorAt(Point client);

 protected:
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void ScaleContents(int from, int to) override;

 private:
  void Invalidate(const Rect& rect) override;
  void RedrawNow(const Rect& rect) override;
  bool WindowSizeable() override;
  bool WindowMaximised() override;
  bool VisualStylesActive() override;

  void ReadSystemColours();
  void ApplyClientSize();
  // Hands the press to the top-level window as a sizing from its corner.
  void StartGripSizing(Point client);

  SystemPalette palette_;
  GdiTextRenderer text_;
  UxStatusTheme theme_;
  WinLocalTime localTime_;
  DibSurface surface_;
  std::unique_ptr<zv::TSbStatusBar> bar_;
};

}  // namespace zv::win
