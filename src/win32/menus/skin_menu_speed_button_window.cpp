#include "win32/menus/skin_menu_speed_button_window.h"

namespace zv::win {

SkinMenuSpeedButtonWindow::SkinMenuSpeedButtonWindow(Form& owner, Control& parent, std::string name, const Rect& bounds,
                                                     SkinMenuHost& menus, HMENU menu)
    : SkinSpeedButtonWindow(owner, parent, std::move(name), bounds,
                            [](SkinControlHost& host, TimerHost& timers) {
                              return std::make_unique<TzsSkinMenuSpeedButton>(host, timers);
                            }),
      menus_(menus),
      popup_(menus, menu) {
  menuButton().ShowTrackMenu = [this](const Rect& anchor) { ShowTrackMenu(anchor); };
}

SkinMenuSpeedButtonWindow::~SkinMenuSpeedButtonWindow() {
  // The menu must not call back into a button that is gone.
  if (menuButton().MenuShown()) menus_.Menu().OnMenuClose = nullptr;
}

void SkinMenuSpeedButtonWindow::ShowTrackMenu(const Rect& anchor) {
  // The press that closed our open menu only closes it, as with platform menus.
  if (menus_.ClosedByPressOn(hwnd_)) {
    menuButton().TrackMenuClosed();
    return;
  }
  POINT corners[2] = {{anchor.left, anchor.top}, {anchor.right, anchor.bottom}};
  MapWindowPoints(hwnd_, nullptr, corners, 2);
  popup_.OnMenuClose = [this] { menuButton().TrackMenuClosed(); };
  popup_.PopupFrom({corners[0].x, corners[0].y, corners[1].x, corners[1].y}, false);
  // An empty menu opens nothing and so never closes.
  if (!menus_.Menu().Visible()) menuButton().TrackMenuClosed();
}

}  // namespace zv::win
