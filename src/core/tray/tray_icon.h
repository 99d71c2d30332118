#pragma once
// The notification-area icon's logic: the tip the platform is given, which
// mouse action on the icon is a click and which a double-click, cycling
// through an icon list, and hiding the application to the icon. The shell
// carries out the platform calls through TrayHost and forwards the icon's
// notifications, timer ticks and the application window's messages here.
#include <functional>
#include <string>
#include <string_view>

#include "core/base/geometry.h"
#include "core/platform/timer_host.h"

namespace zv {

// The mouse notifications the platform sends for the icon.
enum class TrayNotification {
  kMouseMove,
  kLeftDown,
  kLeftUp,
  kLeftDoubleClick,
  kRightDown,
  kRightUp,
  kMiddleDown,
  kMiddleUp,
  kBalloonClick,
};

enum class TrayButton { kLeft, kRight, kMiddle };

// Modifier keys held during a mouse action.
enum TrayShiftBits : unsigned { kTrayShift = 1, kTrayAlt = 2, kTrayCtrl = 4 };

struct TrayMouse {
  TrayButton button = TrayButton::kLeft;
  unsigned shift = 0;
  Point at;  // the cursor, screen coordinates
};

// What the icon asks of the platform.
class TrayHost {
 public:
  virtual ~TrayHost() = default;
  // The notification-area operations; true when the platform took them.
  virtual bool AddIcon(std::string_view tip) = 0;
  virtual bool RemoveIcon() = 0;
  virtual bool UpdateIcon(std::string_view tip) = 0;
  // Makes image `index` of the icon list the icon shown.
  virtual void ShowListImage(int index) = 0;
  // A popup menu is linked and pops up by itself.
  virtual bool HasAutoPopupMenu() const = 0;
  virtual void ShowPopupMenu() = 0;
  // Runs the menu's first item marked as default, if any.
  virtual void RunDefaultMenuItem() = 0;
  // The application's main form and taskbar entry.
  virtual void HideMainWindow() = 0;
  virtual void ShowMainWindow() = 0;
};

// The first characters of CP936 `text` that fit in `units` UTF-16 code
// units (every CP936 character is one), never cutting a double-byte one.
std::string CutToUtf16Units(std::string_view text, std::size_t units);

class TzsTrayIcon {
 public:
  static constexpr int kClickTimer = 1;
  static constexpr int kAnimationTimer = 2;
  // What the platform's wide notification record holds of a tip.
  static constexpr std::size_t kMaxTipUnits = 127;

  TzsTrayIcon(TrayHost& host, TimerHost& timers, unsigned doubleClickTime);
  TzsTrayIcon(const TzsTrayIcon&) = delete;
  TzsTrayIcon& operator=(const TzsTrayIcon&) = delete;
  // Takes the icon out of the notification area.
  ~TzsTrayIcon();

  // Published properties.
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool on);
  bool Enabled = true;
  bool PopupByLeftButton = false;
  bool MinimizeToTray = true;
  bool MinimizedOnStart = false;
  // The icon list by its number of images; 0 means no list.
  int IconCount() const { return iconCount_; }
  void SetIconCount(int count);
  int IconIndex() const { return iconIndex_; }
  void SetIconIndex(int index);
  bool CycleIcons() const { return cycleIcons_; }
  void SetCycleIcons(bool on);
  unsigned AnimateTimerInterval() const { return animateInterval_; }
  void SetAnimateTimerInterval(unsigned milliseconds);

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnBalloonHintClick;
  std::function<void(int nextIndex)> OnCycle;
  std::function<void(const TrayMouse&)> OnMouseDown;
  std::function<void(const TrayMouse&)> OnMouseUp;
  std::function<void(const TrayMouse&)> OnMouseMove;

  // The tip given to the platform: the hint cut to the record, or empty.
  std::string TipText() const;
  bool AddIcon();
  void RemoveIcon();
  void UpdateIcon();

  // After the owner form is loaded; `ownerIsWindowed` when the owner is a
  // form. True when the application must start hidden, which it only may
  // when the icon could be added.
  bool AfterLoading(bool ownerIsWindowed);
  void Notify(TrayNotification what, const TrayMouse& mouse);
  void TimerTick(int id);
  // The application was minimised (its window got SIZE_MINIMIZED).
  void ApplicationMinimized();
  // The shell's taskbar was created again: its icons are gone.
  void TaskbarCreated();
  // Adds the icon, and hides the application only when the icon is there:
  // a failed add must not leave the user without any way back. True when
  // the application was hidden.
  bool DoMinimizeToTray();
  void HideMainWindow() { host_.HideMainWindow(); }
  void ShowMainWindow() { host_.ShowMainWindow(); }

 private:
  void LeftDown(const TrayMouse& mouse);
  void LeftUp(const TrayMouse& mouse);
  void LeftDoubleClick();
  void ClickTimerTick();
  void AnimationTick();
  void Fire(const std::function<void()>& event) const {
    if (event) event();
  }
  void Fire(const std::function<void(const TrayMouse&)>& event, const TrayMouse& mouse) const {
    if (event) event(mouse);
  }

  TrayHost& host_;
  TimerHost& timers_;
  unsigned doubleClickTime_;
  std::string hint_;
  bool showHint_ = true;
  bool iconVisible_ = true;
  int iconCount_ = 0;
  int iconIndex_ = 0;
  bool cycleIcons_ = false;
  unsigned animateInterval_ = 0;
  // Click bookkeeping: a press seen, a release seen within the
  // double-click time, a double-click seen.
  bool clickStarted_ = false;
  bool clickReady_ = false;
  bool wasDoubleClick_ = false;
  bool clickTimerRunning_ = false;
  // The platform holds our icon (IconVisible tells what was asked for).
  bool added_ = false;
};

}  // namespace zv
