// The skinned system menu: rebuilt for each showing from the window's state,
// shown through the skinned popup menus, its items carried out as state
// operations.
#include <windowsx.h>

#include <utility>

#include "core/menus/menu_skin.h"
#include "win32/frame/skin_form.h"
#include "win32/tray/tray_icon_window.h"

namespace zv::win {
namespace {

// Command identifiers of the menu's items, in the order of the items.
constexpr int kFirstItemCommand = 0x7A10;

}  // namespace

std::vector<SystemMenuItem> TzsSkinForm::SystemMenuItems() const {
  SystemMenuWindow window;
  window.state = states_.State();
  window.rolledUp = states_.RolledUp();
  window.minimizeIcon = options_.icons.minimize;
  window.maximizeIcon = options_.icons.maximize;
  window.rollUpIcon = options_.icons.rollUp;
  window.minimizeToTrayIcon = options_.icons.minimizeToTray;
  window.resizable = Resizable();
  const TzsResourceStrData* strings = data_ ? data_->ResourceStrData() : nullptr;
  if (SystemMenu.empty()) return DefaultSystemMenu(window, strings);
  return UseDefaultSysMenu ? MergeSystemMenu(SystemMenu, window, strings) : SystemMenu;
}

void TzsSkinForm::ShowSystemMenu(const Rect& anchor, bool fromKeyboard) {
  ShowMenuItems(SystemMenuItems(), anchor, fromKeyboard);
}

void TzsSkinForm::ShowSystemMenuAt(LPARAM screenPoint) {
  const Point at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
  Run(FrameCommand::kSystemMenu, {at.x, at.y, at.x, at.y});
}

// Each platform button's rectangle in screen coordinates, or "invisible".
void TzsSkinForm::DescribeTitleBar(TITLEBARINFOEX& info) const {
  const Rect window = Bounds();
  const Rect caption = frame_.CaptionRect().Offset(window.left, window.top);
  info.rcTitleBar = {caption.left, caption.top, caption.right, caption.bottom};
  const std::pair<int, ButtonCommand> buttons[] = {
      {2, ButtonCommand::cmMinimize}, {3, ButtonCommand::cmMaximize}, {5, ButtonCommand::cmClose}};
  for (const auto& [index, command] : buttons) {
    info.rgrect[index] = {};
    info.rgstate[index] = STATE_SYSTEM_INVISIBLE;
    for (const CaptionObject& o : frame_.objects()) {
      if (!o.HasCommand() || o.command != command || !o.visible || !o.enabled) continue;
      const Rect r = o.hitRect.Offset(window.left, window.top);
      info.rgrect[index] = {r.left, r.top, r.right, r.bottom};
      info.rgstate[index] = 0;
      break;
    }
  }
}

void TzsSkinForm::ShowMenuItems(std::vector<SystemMenuItem> items, const Rect& anchor, bool fromKeyboard) {
  CloseSystemMenu();
  TzsSkinData* skin = MenuData();
  if (!menuHost_) {
    menuHost_ = std::make_unique<SkinMenuHost>(window_, MenuSkin{});
    menuHost_->SetSkinAtDpi([skin](int dpi) { return skin ? MenuSkinOf(*skin, dpi) : MenuSkin{}; }, dpi_);
  }
  menuHost_->Menu().Options = menuOptions_;
  shownMenuItems_ = std::move(items);
  shownMenuRoot_ = {};
  for (std::size_t i = 0; i < shownMenuItems_.size(); ++i) {
    shownMenuRoot_.children.push_back(MenuNodeOf(shownMenuItems_[i], kFirstItemCommand + static_cast<int>(i)));
  }
  TzsSkinMenu& menu = menuHost_->Menu();
  menu.Open(nullptr, menuHost_->SkinAt(anchor), shownMenuRoot_, anchor, {.fromKeyboard = fromKeyboard});
  if (!menu.Visible()) return;
  if (OnSkinMenuOpen) OnSkinMenuOpen();
  menu.OnMenuClose = [this] {
    if (OnSkinMenuClose) OnSkinMenuClose();
  };
}

// A tray icon without a menu of its own gets the form's restore/close menu.
void TzsSkinForm::SetTrayIcon(TrayIconWindow* tray) {
  if (tray_ && ownTrayMenu_) tray_->showMenu = nullptr;
  ownTrayMenu_ = false;
  tray_ = tray;
  trayLink_.alwaysShowInTray = AlwaysShowInTray;
  trayLink_.Link(tray ? &tray->tray() : nullptr);
  if (tray_ && !tray_->showMenu) {
    tray_->showMenu = [this](POINT at) {
      ShowMenuItems(TrayMenu(false, data_ ? data_->ResourceStrData() : nullptr), {at.x, at.y, at.x, at.y});
    };
    ownTrayMenu_ = true;
  }
}

// Alt+Space opens the menu under the system-menu button, or at the frame's
// top-left corner when the skin has none.
Rect TzsSkinForm::SystemButtonAnchor() const {
  const Rect window = Bounds();
  for (const CaptionObject& o : frame_.objects()) {
    if (o.command == ButtonCommand::cmSysMenu) return o.rect.Offset(window.left, window.top);
  }
  const Rect caption = frame_.CaptionRect().Offset(window.left, window.top);
  return {caption.left, caption.top, caption.left, caption.bottom};
}

bool TzsSkinForm::SystemMenuOpen() const { return menuHost_ && menuHost_->Menu().Visible(); }

void TzsSkinForm::CloseSystemMenu() {
  if (SystemMenuOpen()) menuHost_->Menu().CloseAll();
}

bool TzsSkinForm::OnSystemMenuCommand(WPARAM command) {
  const int index = static_cast<int>(LOWORD(command)) - kFirstItemCommand;
  if (HIWORD(command) != 0 || index < 0 || index >= static_cast<int>(shownMenuItems_.size())) return false;
  // Copied: the item may open another menu, which replaces the shown items.
  RunMenuItem(SystemMenuItem(shownMenuItems_[static_cast<std::size_t>(index)]));
  return true;
}

void TzsSkinForm::RunMenuItem(const SystemMenuItem& item) {
  const std::string& name = item.name;
  if (name == "ZSF_MOVE" || name == "ZSF_SIZE") {
    // The platform's keyboard loop: arrows move or size, Enter ends, Esc puts it back.
    PostMessageW(window_, WM_SYSCOMMAND, name == "ZSF_MOVE" ? SC_MOVE : SC_SIZE, 0);
  } else if (name == "ZSF_MINITEM") {
    MinimizeCommand();
  } else if (name == "ZSF_MINTOTRAY") {
    trayLink_.MinimizeToTray();
  } else if (name == "TRAY_ZSF_RESTORE") {
    trayLink_.RestoreFromTray();
  } else if (name == "ZSF_MAXITEM") {
    states_.ChangeWindowState(WindowState::wsMaximized);
  } else if (name == "ZSF_RESTORE") {
    states_.RestoreItem();
  } else if (name == "ZSF_ROLLUP") {
    states_.SetRolledUp(true);
  } else if (name == "ZSF_CLOSE" || name == "TRAY_ZSF_CLOSE") {
    PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  } else if (item.command != 0) {
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(item.command, 0), 0);
  }
}

}  // namespace zv::win
