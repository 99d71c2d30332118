#pragma once
// TzsSkinMenu: the menu manager. It keeps the stack of open levels (index 0
// is the root), opens a hovered submenu after the wait timer, carries out
// the chosen command and tells the control and form that opened the menu.
#include <functional>
#include <memory>
#include <vector>

#include "core/menus/popup_window.h"

namespace zv {

// How a menu is asked for.
struct MenuOpening {
  bool popupUp = false;       // above the anchor when there is room
  int startIndex = 0;         // the first of the root's items shown
  bool fromKeyboard = false;  // accelerators are shown underlined
};

class TzsSkinMenu {
 public:
  static constexpr int kWaitTimerId = 1;
  static constexpr int kMouseTimerId = 2;
  static constexpr int kScrollTimerId = 3;
  static constexpr unsigned kWaitMilliseconds = 500;
  static constexpr unsigned kMouseMilliseconds = 50;
  static constexpr unsigned kScrollMilliseconds = 100;

  // `form` hears 1228 whenever every level closes; may be nullptr.
  TzsSkinMenu(MenuPlatform& platform, MenuClient* form);
  ~TzsSkinMenu();
  TzsSkinMenu(const TzsSkinMenu&) = delete;
  TzsSkinMenu& operator=(const TzsSkinMenu&) = delete;

  MenuOptions Options;
  // One-shot: fires once when the root level closes, then is cleared.
  std::function<void()> OnMenuClose;

  // Opens the children of `root` from the start index on at `anchor`
  // (screen), in the work area of the monitor holding the anchor, drawn
  // from `skin`; `control` hears 1228 and 1229. Nothing opens (and the
  // manager stays closed) when there is nothing from the start index on.
  void Open(MenuClient* control, const MenuSkin& skin, MenuNode& root, const Rect& anchor, const MenuOpening& how = {});
  // The children of `second` followed by those of `first`.
  void OpenMerged(MenuClient* control, const MenuSkin& skin, MenuNode& first, MenuNode& second, const Rect& anchor,
                  const MenuOpening& how = {});
  // Frees level n and every deeper one; level 0 ends the menu.
  void CloseFrom(int level);
  void CloseAll();

  bool Visible() const { return visible_; }
  int LevelCount() const { return static_cast<int>(levels_.size()); }
  TzsSkinPopupWindow& LevelAt(int level) { return *levels_[level]; }
  TzsSkinPopupWindow* Top() { return levels_.empty() ? nullptr : levels_.back().get(); }

  // Keys go to the topmost level; returns false when no menu took it.
  bool KeyDown(int key);
  // The wheel turned by `delta` (kWheelDelta a notch) over `screen`: the
  // level under it, else the topmost, scrolls.
  void MouseWheel(Point screen, int delta);
  // A click outside every level closes the menu.
  void MouseDownAt(Point screen);
  void TimerTick(int id);

  // Called by the levels.
  void ActivateItem(TzsSkinPopupWindow& window, int index, bool keyboard, bool execute);
  void StartScrollTimer(TzsSkinPopupWindow& window);
  void StopScrollTimer();
  MenuPlatform& Platform() { return platform_; }
  const MenuSkin& Skin() const { return skin_; }
  const Rect& WorkArea() const { return workArea_; }
  // Accelerators are drawn underlined.
  bool ShowsCues() const { return cues_; }

 private:
  void OpenLevel(MenuNode& item, const PopupPlacement& place, int startIndex);
  void StopWait();
  void ExecuteCommand(MenuNode& item);
  void OpenSubmenu(TzsSkinPopupWindow& window, int index);
  std::vector<int> FadeFor(bool freshRoot) const;

  MenuPlatform& platform_;
  MenuClient* form_;
  MenuSkin skin_;
  Rect workArea_;
  std::vector<std::unique_ptr<TzsSkinPopupWindow>> levels_;
  bool visible_ = false;
  bool first_ = false;
  bool cues_ = false;
  int wheelRest_ = 0;  // a part of a notch from fine-grained wheels
  TzsSkinPopupWindow* waitWindow_ = nullptr;
  int waitItem_ = -1;
  TzsSkinPopupWindow* scrolling_ = nullptr;
  MenuClient* popupControl_ = nullptr;
  MenuClient* commandControl_ = nullptr;
  MenuNode merged_;
};

}  // namespace zv
