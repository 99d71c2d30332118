#pragma once
// TzsSkinMenuSpeedButton: a speed button with a drop-down part that opens
// a skinned popup menu below it. In track-button mode only the drop-down
// part (a strip at the right or the bottom) opens the menu and the rest
// clicks as a speed button does.
#include <functional>

#include "core/controls/skin_speed_button.h"

namespace zv {

enum class TzsTrackPosition { zstpRight, zstpBottom };

class TzsSkinMenuSpeedButton : public TzsSkinSpeedButton {
 public:
  static constexpr int kTrackSize = 12;

  TzsSkinMenuSpeedButton(SkinControlHost& host, TimerHost& timers);

  bool TrackButtonMode = false;
  TzsTrackPosition TrackPosition = TzsTrackPosition::zstpRight;
  bool NewStyle = false;

  // Opens the menu anchored to the button (button coordinates); the shell
  // turns it into a TzsSkinPopupMenu::PopupFrom.
  std::function<void(const Rect& anchor)> ShowTrackMenu;
  std::function<void()> OnShowTrackMenu;
  std::function<void()> OnHideTrackMenu;

  // The drop-down part in button coordinates; empty outside track mode.
  Rect TrackArea() const;
  bool MenuShown() const { return menuShown_; }
  // A press on the drop-down part opens the menu.
  void MouseDown(Point p) override;
  void MouseUp(Point p) override;
  // The menu it opened has closed (1228).
  void TrackMenuClosed();
  void Paint(const BitmapView& canvas) override;

 private:
  bool menuShown_ = false;
};

}  // namespace zv
