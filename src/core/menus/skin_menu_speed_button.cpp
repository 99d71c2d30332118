#include "core/menus/skin_menu_speed_button.h"

#include "core/gfx/glyphs.h"

namespace zv {

TzsSkinMenuSpeedButton::TzsSkinMenuSpeedButton(SkinControlHost& host, TimerHost& timers)
    : TzsSkinSpeedButton(host, timers, "toolmenubutton") {}

Rect TzsSkinMenuSpeedButton::TrackArea() const {
  if (!TrackButtonMode) return {};
  const Size s = CurrentSize();
  return TrackPosition == TzsTrackPosition::zstpRight ? Rect{s.width - kTrackSize, 0, s.width, s.height}
                                                      : Rect{0, s.height - kTrackSize, s.width, s.height};
}

void TzsSkinMenuSpeedButton::MouseDown(Point p) {
  if (!host_.Enabled() || menuShown_) return;
  if (TrackButtonMode && !TrackArea().Contains(p)) {
    TzsSkinSpeedButton::MouseDown(p);
    return;
  }
  menuShown_ = true;
  host_.Invalidate();
  if (OnShowTrackMenu) OnShowTrackMenu();
  const Size s = CurrentSize();
  if (ShowTrackMenu) ShowTrackMenu({0, 0, s.width, s.height});
}

void TzsSkinMenuSpeedButton::MouseUp(Point p) {
  if (!menuShown_) TzsSkinSpeedButton::MouseUp(p);
}

void TzsSkinMenuSpeedButton::TrackMenuClosed() {
  if (!menuShown_) return;
  menuShown_ = false;
  host_.Invalidate();
  if (OnHideTrackMenu) OnHideTrackMenu();
}

void TzsSkinMenuSpeedButton::Paint(const BitmapView& canvas) {
  TzsSkinSpeedButton::Paint(canvas);
  const Rect track = TrackArea();
  const Rect arrowArea =
      track.IsEmpty() ? Rect{canvas.width() - kTrackSize, 0, canvas.width(), canvas.height()} : track;
  const Pixel ink = ToPixel(host_.SystemColorValue(kColorBtnText), 255);
  DrawArrow(canvas, arrowArea, ArrowDirection::kDown, ink);
  if (track.IsEmpty()) return;
  const Pixel line = ToPixel(host_.SystemColorValue(kColorBtnShadow), 255);
  if (TrackPosition == TzsTrackPosition::zstpRight) {
    canvas.Fill(Rect{track.left, 2, track.left + 1, canvas.height() - 2}.Intersect(canvas.bounds()), line);
  } else {
    canvas.Fill(Rect{2, track.top, canvas.width() - 2, track.top + 1}.Intersect(canvas.bounds()), line);
  }
}

}  // namespace zv
