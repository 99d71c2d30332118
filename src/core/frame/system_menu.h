#pragma once
// The skinned window's system menu: the window commands that fit its state,
// rebuilt for each showing, or merged into an application's own menu.
#include <string>
#include <string_view>
#include <vector>

#include "core/frame/window_state_machine.h"
#include "core/menus/menu_node.h"
#include "core/skin/resource_strings.h"

namespace zv {

struct SystemMenuItem {
  std::string name;      // "ZSF_..." for the window's own items
  std::string caption;   // "-" for a separator
  std::string shortcut;  // shown beside the caption, e.g. "Alt+F4"
  int command = 0;       // an application item's command (WM_COMMAND)
  bool isDefault = false;  // Close: what a double-click on the system-menu button does
  friend bool operator==(const SystemMenuItem&, const SystemMenuItem&) = default;
};

// What the menu's items depend on.
struct SystemMenuWindow {
  WindowState state = WindowState::wsNormal;
  bool rolledUp = false;
  bool mdiChild = false;
  bool resizable = true;
  bool minimizeIcon = true;
  bool maximizeIcon = true;
  bool rollUpIcon = true;
  bool minimizeToTrayIcon = true;
};

// Captions come from `strings` (when the skin data has them) or are the
// built-in ones.
std::vector<SystemMenuItem> DefaultSystemMenu(const SystemMenuWindow& window, const TzsResourceStrData* strings);
// The application's `items` without any earlier window items, the window's
// items that fit above them and Close below; no separator is added.
std::vector<SystemMenuItem> MergeSystemMenu(std::vector<SystemMenuItem> items, const SystemMenuWindow& window,
                                            const TzsResourceStrData* strings);

// The menu a linked tray icon gets from the form: restore, close.
std::vector<SystemMenuItem> TrayMenu(bool mdiChild, const TzsResourceStrData* strings);

// The item as the skinned menus show it; `command` is what it dispatches
// (none for a separator).
MenuNode MenuNodeOf(const SystemMenuItem& item, int command = 0);

}  // namespace zv
