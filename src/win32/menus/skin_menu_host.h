#pragma once
// The skinned menus and hint in real windows: top-level popup windows that
// never take the focus, timers on a message window, keys and outside clicks
// caught by a message hook while a menu is open (losing the activation to
// another program closes it too), and commands sent to the owner window as
// WM_COMMAND. TzsSkinPopupMenu shows a platform popup menu (HMENU) through
// this machinery.
#include <windows.h>

#include <functional>
#include <memory>

#include "core/menus/skin_hint.h"
#include "core/menus/skin_menu.h"
#include "win32/platform/gdi_text_renderer.h"

namespace zv::win {

// A platform menu as the core sees it; captions in CP936, "\t" starting the
// shortcut text.
MenuNode MenuNodeFromHmenu(HMENU menu);

// Sends 1228 and 1229 to a window.
class WindowMenuClient : public MenuClient {
 public:
  explicit WindowMenuClient(HWND window) : window_(window) {}
  void MenuClosed() override;
  void MenuCommand() override;

 private:
  HWND window_;
};

class SkinMenuHost : public MenuPlatform, private TimerHost {
 public:
  // `owner` receives the commands and, as the form, 1228 when a menu closes.
  SkinMenuHost(HWND owner, const MenuSkin& skin);
  ~SkinMenuHost() override;
  SkinMenuHost(const SkinMenuHost&) = delete;
  SkinMenuHost& operator=(const SkinMenuHost&) = delete;

  TzsSkinMenu& Menu() { return *menu_; }
  TzsSkinHint& Hint() { return *hint_; }
  const MenuSkin& Skin() const { return skin_; }
  // Where the skin comes from at a DPI; without it the skin given stays.
  void SetSkinAtDpi(std::function<MenuSkin(int dpi)> skinAt, int dpi);
  // The skin at `dpi` for what shows next (the hint shows with it too).
  void SetDpi(int dpi);
  // The skin for a menu opening at `anchor`: at its monitor's DPI.
  const MenuSkin& SkinAt(const Rect& anchor);
  HWND Owner() const { return owner_; }

  // MenuPlatform.
  TextRenderer& Text() override { return text_; }
  TimerHost& Timers() override { return *this; }
  ColorRef SystemColor(int index) const override { return GetSysColor(index); }
  Point CursorPos() const override;
  std::unique_ptr<PopupHost> CreatePopupHost(TzsSkinPopupWindow& window) override;
  std::unique_ptr<PopupHost> CreateHintHost(TzsSkinHintWindow& window) override;
  Rect WorkArea() const override;
  Rect WorkAreaAt(Point screen) const override;
  bool KeyboardCues() const override;
  int CursorHeight() const override;
  void Execute(MenuNode& item) override;
  void ProcessPendingMessages() override;
  bool CanLayer() const override { return true; }

  // Handed every message of the thread while a menu is open; true swallows it.
  bool FilterMessage(MSG& msg);
  // True while `window` handles the button press that just closed the
  // menu, so that a press on a menu's own button closes it and no more.
  bool ClosedByPressOn(HWND window) const;

 private:
  void Start(int id, unsigned milliseconds) override;
  void Stop(int id) override;
  static LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND owner_;
  std::function<MenuSkin(int dpi)> skinAt_;
  int dpi_ = 0;
  MenuSkin skin_;
  GdiTextRenderer text_;
  HWND timerWindow_ = nullptr;
  HHOOK hook_ = nullptr;
  HHOOK sentHook_ = nullptr;
  WindowMenuClient form_;
  std::unique_ptr<TzsSkinMenu> menu_;
  std::unique_ptr<TzsSkinHint> hint_;
  MSG closingPress_{};  // the press that closed the menu last
};

// A platform popup menu shown skinned.
class TzsSkinPopupMenu {
 public:
  TzsSkinPopupMenu(SkinMenuHost& host, HMENU menu) : host_(host), menu_(menu) {}

  std::function<void()> OnPopup;
  std::function<void()> OnMenuClose;

  // Opens the menu's items at the screen point; the owner hears the command,
  // 1229 and 1228.
  void Popup(int x, int y);
  // For a menu speed button: anchored to its rectangle, opening upwards
  // when asked.
  void PopupFrom(const Rect& anchor, bool popupUp);

 private:
  SkinMenuHost& host_;
  HMENU menu_;
  MenuNode root_;
  std::unique_ptr<WindowMenuClient> control_;
};

}  // namespace zv::win
