#include "core/menus/skin_menu.h"

#include <algorithm>
#include <utility>

namespace zv {

TzsSkinMenu::TzsSkinMenu(MenuPlatform& platform, MenuClient* form) : platform_(platform), form_(form) {}

TzsSkinMenu::~TzsSkinMenu() {
  OnMenuClose = nullptr;
  popupControl_ = nullptr;
  form_ = nullptr;
  CloseFrom(0);
}

void TzsSkinMenu::Open(MenuClient* control, const MenuSkin& skin, MenuNode& root, const Rect& anchor,
                       const MenuOpening& how) {
  first_ = !visible_;
  // Closed before the new control is remembered, so that it does not hear
  // the previous menu close.
  CloseAll();
  popupControl_ = control;
  // The monitor the menu opens on, which need not be the form's.
  workArea_ = platform_.WorkAreaAt({anchor.left, anchor.top});
  cues_ = how.fromKeyboard || platform_.KeyboardCues();
  wheelRest_ = 0;
  skin_ = skin;
  const int start = how.startIndex;
  bool anyVisible = false;
  for (std::size_t i = std::max(0, start); i < root.children.size(); ++i) anyVisible |= root.children[i].visible;
  if (start >= 0 && anyVisible) {
    visible_ = true;
    platform_.Timers().Start(kMouseTimerId, kMouseMilliseconds);
    OpenLevel(root, {anchor, how.popupUp, false}, start);
  }
  first_ = false;
}

void TzsSkinMenu::OpenMerged(MenuClient* control, const MenuSkin& skin, MenuNode& first, MenuNode& second,
                             const Rect& anchor, const MenuOpening& how) {
  MenuNode merged;
  merged.children = second.children;
  merged.children.insert(merged.children.end(), first.children.begin(), first.children.end());
  CloseAll();
  merged_ = std::move(merged);
  Open(control, skin, merged_, anchor, how);
}

std::vector<int> TzsSkinMenu::FadeFor(bool freshRoot) const {
  if (!Options.alphaBlend || !platform_.CanLayer()) return {};
  const int target = std::clamp(Options.alphaBlendValue, 0, 255);
  if (freshRoot && Options.alphaBlendAnimation) return FadeSteps(0, target, 10);
  return {target};
}

void TzsSkinMenu::OpenLevel(MenuNode& item, const PopupPlacement& place, int startIndex) {
  const bool freshRoot = first_ && levels_.empty();
  if (freshRoot) platform_.ProcessPendingMessages();
  const int level = static_cast<int>(levels_.size());
  levels_.push_back(std::make_unique<TzsSkinPopupWindow>(*this, level, item, startIndex, place));
  levels_.back()->Show(FadeFor(freshRoot));
}

void TzsSkinMenu::CloseFrom(int level) {
  level = std::max(level, 0);
  while (static_cast<int>(levels_.size()) > level) {
    TzsSkinPopupWindow* closing = levels_.back().get();
    if (scrolling_ == closing) StopScrollTimer();
    if (waitWindow_ == closing) StopWait();
    levels_.pop_back();
  }
  if (level > 0 || !visible_) return;
  visible_ = false;
  StopWait();
  platform_.Timers().Stop(kMouseTimerId);
  commandControl_ = popupControl_;
  MenuClient* control = std::exchange(popupControl_, nullptr);
  if (control) control->MenuClosed();
  if (auto handler = std::exchange(OnMenuClose, nullptr)) handler();
}

void TzsSkinMenu::CloseAll() {
  const bool wasOpen = visible_;
  CloseFrom(0);
  StopWait();
  if (wasOpen && form_) form_->MenuClosed();
}

void TzsSkinMenu::StopWait() {
  platform_.Timers().Stop(kWaitTimerId);
  waitWindow_ = nullptr;
  waitItem_ = -1;
}

void TzsSkinMenu::StartScrollTimer(TzsSkinPopupWindow& window) {
  scrolling_ = &window;
  platform_.Timers().Start(kScrollTimerId, kScrollMilliseconds);
}

void TzsSkinMenu::StopScrollTimer() {
  scrolling_ = nullptr;
  platform_.Timers().Stop(kScrollTimerId);
}

void TzsSkinMenu::ExecuteCommand(MenuNode& item) {
  StopWait();
  CloseAll();
  platform_.Execute(item);
  if (MenuClient* control = std::exchange(commandControl_, nullptr)) control->MenuCommand();
}

void TzsSkinMenu::OpenSubmenu(TzsSkinPopupWindow& window, int index) {
  MenuNode& node = *window.ItemAt(index).node;
  platform_.Execute(node);  // its click handler may fill the submenu
  StopWait();
  CloseFrom(window.Level() + 1);
  if (!node.HasChildren()) return;
  window.SetItemDown(index, true);
  const Rect r = window.ItemAt(index).rect;
  const Rect b = window.Bounds();
  OpenLevel(node, {r.Offset(b.left, b.top), false, true}, 0);
}

void TzsSkinMenu::ActivateItem(TzsSkinPopupWindow& window, int index, bool keyboard, bool execute) {
  TzsSkinMenuItem& item = window.ItemAt(index);
  if (execute && (!item.node->enabled || item.down)) return;
  if (!item.node->HasChildren()) {
    if (execute) {
      ExecuteCommand(*item.node);
    } else {
      StopWait();
      CloseFrom(window.Level() + 1);
    }
    return;
  }
  if (execute) {
    OpenSubmenu(window, index);
  } else if (!keyboard) {
    CloseFrom(window.Level() + 1);
    waitWindow_ = &window;
    waitItem_ = index;
    platform_.Timers().Start(kWaitTimerId, kWaitMilliseconds);
  }
}

bool TzsSkinMenu::KeyDown(int key) {
  TzsSkinPopupWindow* top = Top();
  if (!top) return false;
  if (key == kKeyMenu || key == kKeyF10) {
    CloseAll();
    return true;
  }
  if (key == kKeyLeft || key == kKeyEscape) {
    if (levels_.size() >= 2) {
      // The item that opened the level, which the mouse may have left.
      const MenuNode* opener = &top->ParentNode();
      CloseFrom(LevelCount() - 1);
      TzsSkinPopupWindow& parent = *levels_.back();
      parent.SetItemDown(parent.IndexOf(opener), false);
    } else if (key == kKeyEscape) {
      CloseAll();
    }
    return true;
  }
  top->KeyDown(key);
  return true;
}

void TzsSkinMenu::MouseWheel(Point screen, int delta) {
  wheelRest_ += std::clamp(delta, -0x8000, 0x7FFF);  // a wheel's delta is 16 bits
  const int notches = wheelRest_ / kWheelDelta;
  wheelRest_ %= kWheelDelta;
  if (notches == 0 || levels_.empty()) return;
  TzsSkinPopupWindow* target = Top();
  for (const auto& level : levels_) {
    if (level->IsUnderCursor(screen)) target = level.get();
  }
  target->Wheel(notches);
}

void TzsSkinMenu::MouseDownAt(Point screen) {
  for (const auto& level : levels_) {
    if (level->Bounds().Contains(screen)) return;
  }
  CloseAll();
}

void TzsSkinMenu::TimerTick(int id) {
  if (id == kWaitTimerId) {
    TzsSkinPopupWindow* window = waitWindow_;
    const int index = waitItem_;
    StopWait();
    if (window) ActivateItem(*window, index, false, true);
  } else if (id == kScrollTimerId) {
    if (scrolling_) scrolling_->ScrollTick();
  } else if (id == kMouseTimerId) {
    const Point cursor = platform_.CursorPos();
    for (std::size_t i = 0; i < levels_.size(); ++i) levels_[i]->MouseMoved(cursor, levels_[i]->IsUnderCursor(cursor));
  }
}

}  // namespace zv
