#pragma once
// A menu speed button in a window: the speed button's window with a core
// TzsSkinMenuSpeedButton, whose drop-down part opens a platform popup menu
// through the skinned menus, anchored to the button's screen rectangle.
// The chosen command goes to the menu host's owner as WM_COMMAND.
#include "core/menus/skin_menu_speed_button.h"
#include "win32/controls/skin_speed_button_window.h"
#include "win32/menus/skin_menu_host.h"

namespace zv::win {

class SkinMenuSpeedButtonWindow : public SkinSpeedButtonWindow {
 public:
  SkinMenuSpeedButtonWindow(Form& owner, Control& parent, std::string name, const Rect& bounds, SkinMenuHost& menus,
                            HMENU menu);
  ~SkinMenuSpeedButtonWindow() override;

  TzsSkinMenuSpeedButton& menuButton() { return static_cast<TzsSkinMenuSpeedButton&>(button()); }

 private:
  void ShowTrackMenu(const Rect& anchor);

  SkinMenuHost& menus_;
  TzsSkinPopupMenu popup_;
};

}  // namespace zv::win
