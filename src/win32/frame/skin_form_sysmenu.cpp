// The skinned system menu: rebuilt for each showing from the window's state,
// shown through the skinned popup menus, its items carried out as state
// operations.
#include "core/menus/menu_skin.h"
#include "win32/frame/skin_form.h"

namespace zv::win {
namespace {

// Command identifiers of the menu's items, in the order of the items.
constexpr int kFirstItemCommand = 0x7A10;

MenuNode NodeOf(const SystemMenuItem& item, int command) {
  MenuNode node;
  node.caption = item.caption;
  node.shortcut = item.shortcut;
  node.name = item.name;
  node.command = item.caption == "-" ? 0 : command;
  return node;
}

}  // namespace

std::vector<SystemMenuItem> TzsSkinForm::SystemMenuItems() const {
  SystemMenuWindow window;
  window.state = states_.State();
  window.rolledUp = states_.RolledUp();
  window.minimizeIcon = options_.icons.minimize;
  window.maximizeIcon = options_.icons.maximize;
  window.rollUpIcon = options_.icons.rollUp && states_.rollUpAllowed;
  window.minimizeToTrayIcon = options_.icons.minimizeToTray;
  return DefaultSystemMenu(window, data_ ? data_->ResourceStrData() : nullptr);
}

void TzsSkinForm::ShowSystemMenu(const Rect& anchor) {
  CloseSystemMenu();
  if (!menuHost_) menuHost_ = std::make_unique<SkinMenuHost>(window_, data_ ? MenuSkinOf(*data_) : MenuSkin{});
  systemMenuItems_ = SystemMenuItems();
  systemMenuRoot_ = {};
  for (std::size_t i = 0; i < systemMenuItems_.size(); ++i) {
    systemMenuRoot_.children.push_back(NodeOf(systemMenuItems_[i], kFirstItemCommand + static_cast<int>(i)));
  }
  menuHost_->Menu().Open(nullptr, menuHost_->Skin(), menuHost_->WorkArea(), systemMenuRoot_, anchor);
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
  if (HIWORD(command) != 0 || index < 0 || index >= static_cast<int>(systemMenuItems_.size())) return false;
  RunSystemMenuItem(systemMenuItems_[static_cast<std::size_t>(index)].name);
  return true;
}

// Without a linked tray icon, minimising to the tray minimises to the taskbar.
void TzsSkinForm::RunSystemMenuItem(const std::string& name) {
  if (name == "ZSF_MINITEM" || name == "ZSF_MINTOTRAY") {
    states_.ChangeWindowState(WindowState::wsMinimized);
  } else if (name == "ZSF_MAXITEM") {
    states_.ChangeWindowState(WindowState::wsMaximized);
  } else if (name == "ZSF_RESTORE") {
    states_.RestoreItem();
  } else if (name == "ZSF_ROLLUP") {
    states_.SetRolledUp(true);
  } else if (name == "ZSF_CLOSE") {
    PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

}  // namespace zv::win
