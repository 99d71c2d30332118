#include "core/frame/system_menu.h"

#include <algorithm>
#include <array>

namespace zv {
namespace {

struct WindowItem {
  const char* name;
  const char* resourceKey;
  const char* builtIn;
  bool (*present)(const SystemMenuWindow&);
};

bool Minimized(const SystemMenuWindow& w) { return w.state == WindowState::wsMinimized; }
bool Maximized(const SystemMenuWindow& w) { return w.state == WindowState::wsMaximized; }

// In the default menu's order; Close comes last in both menus. Move and
// Size start the platform's keyboard loops, as on every Windows window.
constexpr std::array<WindowItem, 7> kWindowItems = {{
    {"ZSF_MOVE", "ZSF_MOVE", "&Move", [](const SystemMenuWindow& w) { return w.state == WindowState::wsNormal; }},
    {"ZSF_SIZE", "ZSF_SIZE", "&Size",
     [](const SystemMenuWindow& w) { return w.state == WindowState::wsNormal && !w.rolledUp && w.resizable; }},
    {"ZSF_MINITEM", "MI_MINCAPTION", "Mi&nimize",
     [](const SystemMenuWindow& w) { return w.minimizeIcon && !Minimized(w); }},
    {"ZSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize",
     [](const SystemMenuWindow& w) { return w.maximizeIcon && !Maximized(w); }},
    {"ZSF_RESTORE", "MI_RESTORECAPTION", "&Restore",
     [](const SystemMenuWindow& w) { return Minimized(w) || Maximized(w) || w.rolledUp; }},
    {"ZSF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp",
     [](const SystemMenuWindow& w) {
       return w.rollUpIcon && !w.rolledUp && !Minimized(w) && !(w.mdiChild && Maximized(w));
     }},
    {"ZSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray",
     [](const SystemMenuWindow& w) { return w.minimizeToTrayIcon; }},
}};
constexpr WindowItem kClose{"ZSF_CLOSE", "MI_CLOSECAPTION", "&Close", nullptr};
// The order the merge leaves the window's items in, above the application's.
constexpr std::array<const char*, 7> kMergedOrder = {"ZSF_MOVE",    "ZSF_SIZE",   "ZSF_MINITEM",  "ZSF_RESTORE",
                                                     "ZSF_MAXITEM", "ZSF_ROLLUP", "ZSF_MINTOTRAY"};

// A resource string left empty by a skin would leave an item without text.
std::string Caption(const WindowItem& item, const TzsResourceStrData* strings) {
  std::string text = strings ? strings->GetResString(item.resourceKey) : std::string();
  return text.empty() ? item.builtIn : text;
}

SystemMenuItem Make(const WindowItem& item, const SystemMenuWindow& window, const TzsResourceStrData* strings) {
  SystemMenuItem made{item.name, Caption(item, strings), ""};
  if (&item == &kClose) {
    made.shortcut = window.mdiChild ? "Ctrl+F4" : "Alt+F4";
    made.isDefault = true;
  }
  return made;
}

SystemMenuItem Separator() { return {"", "-", ""}; }

const WindowItem& ItemNamed(std::string_view name) {
  return *std::find_if(kWindowItems.begin(), kWindowItems.end(),
                       [&](const WindowItem& item) { return name == item.name; });
}

}  // namespace

std::vector<SystemMenuItem> DefaultSystemMenu(const SystemMenuWindow& window, const TzsResourceStrData* strings) {
  std::vector<SystemMenuItem> items;
  for (const WindowItem& item : kWindowItems) {
    if (item.present(window)) items.push_back(Make(item, window, strings));
  }
  if (!items.empty()) items.push_back(Separator());
  items.push_back(Make(kClose, window, strings));
  return items;
}

std::vector<SystemMenuItem> MergeSystemMenu(std::vector<SystemMenuItem> items, const SystemMenuWindow& window,
                                            const TzsResourceStrData* strings) {
  std::erase_if(items, [](const SystemMenuItem& item) {
    return item.name == kClose.name || std::any_of(kWindowItems.begin(), kWindowItems.end(),
                                                   [&](const WindowItem& w) { return item.name == w.name; });
  });
  std::vector<SystemMenuItem> merged;
  for (const char* name : kMergedOrder) {
    const WindowItem& item = ItemNamed(name);
    if (item.present(window)) merged.push_back(Make(item, window, strings));
  }
  merged.insert(merged.end(), items.begin(), items.end());
  merged.push_back(Make(kClose, window, strings));
  return merged;
}

MenuNode MenuNodeOf(const SystemMenuItem& item, int command) {
  MenuNode node;
  node.caption = item.caption;
  node.shortcut = item.shortcut;
  node.name = item.name;
  node.isDefault = item.isDefault;
  node.command = item.caption == "-" ? 0 : command;
  return node;
}

std::vector<SystemMenuItem> TrayMenu(bool mdiChild, const TzsResourceStrData* strings) {
  SystemMenuWindow window;
  window.mdiChild = mdiChild;
  SystemMenuItem restore = Make(ItemNamed("ZSF_RESTORE"), window, strings);
  SystemMenuItem close = Make(kClose, window, strings);
  // A tray menu's default is what the icon's double-click does: restore.
  restore.name = "TRAY_ZSF_RESTORE";
  restore.isDefault = true;
  close.name = "TRAY_ZSF_CLOSE";
  close.isDefault = false;
  return {restore, Separator(), close};
}

}  // namespace zv
