#include "core/tray/tray_icon.h"

#include <algorithm>

namespace zv {

std::string CutToUtf16Units(std::string_view text, std::size_t units) {
  std::size_t end = 0;
  for (std::size_t count = 0; count < units && end < text.size(); ++count) {
    const auto c = static_cast<unsigned char>(text[end]);
    const std::size_t length = c >= 0x81 && c <= 0xFE ? 2 : 1;
    if (end + length > text.size()) break;  // a lead byte without its trail byte
    end += length;
  }
  return std::string(text.substr(0, end));
}

TzsTrayIcon::TzsTrayIcon(TrayHost& host, TimerHost& timers, unsigned doubleClickTime)
    : host_(host), timers_(timers), doubleClickTime_(doubleClickTime) {}

TzsTrayIcon::~TzsTrayIcon() {
  timers_.Stop(kClickTimer);
  timers_.Stop(kAnimationTimer);
  if (added_) host_.RemoveIcon();
}

void TzsTrayIcon::SetHint(std::string hint) {
  hint_ = std::move(hint);
  UpdateIcon();
}

void TzsTrayIcon::SetShowHint(bool on) {
  showHint_ = on;
  UpdateIcon();
}

void TzsTrayIcon::SetIconVisible(bool on) {
  if (on) {
    AddIcon();
  } else {
    RemoveIcon();
  }
}

void TzsTrayIcon::SetIconCount(int count) {
  iconCount_ = std::max(count, 0);
  SetIconIndex(0);
}

void TzsTrayIcon::SetIconIndex(int index) {
  iconIndex_ = iconCount_ > 0 ? std::clamp(index, 0, iconCount_ - 1) : 0;
  if (iconCount_ > 0) host_.ShowListImage(iconIndex_);
  UpdateIcon();
}

void TzsTrayIcon::SetCycleIcons(bool on) {
  cycleIcons_ = on;
  if (on) SetIconIndex(0);
  SetAnimateTimerInterval(animateInterval_);
}

// A zero interval never ticks, as with the platform's timers.
void TzsTrayIcon::SetAnimateTimerInterval(unsigned milliseconds) {
  animateInterval_ = milliseconds;
  if (cycleIcons_ && milliseconds > 0) {
    timers_.Start(kAnimationTimer, milliseconds);
  } else {
    timers_.Stop(kAnimationTimer);
  }
}

std::string TzsTrayIcon::TipText() const {
  return showHint_ ? CutToUtf16Units(hint_, kMaxTipUnits) : std::string();
}

// A second add of an icon the platform holds would fail, so it is asked once.
bool TzsTrayIcon::AddIcon() {
  iconVisible_ = true;
  if (!added_) added_ = host_.AddIcon(TipText());
  return added_;
}

void TzsTrayIcon::RemoveIcon() {
  iconVisible_ = false;
  if (added_) host_.RemoveIcon();
  added_ = false;
}

void TzsTrayIcon::UpdateIcon() {
  if (added_) host_.UpdateIcon(TipText());
}

bool TzsTrayIcon::AfterLoading(bool ownerIsWindowed) {
  const bool startHidden = ownerIsWindowed && MinimizedOnStart;
  if (startHidden) {
    iconVisible_ = true;
    MinimizeToTray = true;
  }
  UpdateIcon();
  SetIconVisible(iconVisible_);
  return startHidden && added_;
}

void TzsTrayIcon::Notify(TrayNotification what, const TrayMouse& mouse) {
  if (!Enabled) return;
  switch (what) {
    case TrayNotification::kMouseMove: Fire(OnMouseMove, mouse); break;
    case TrayNotification::kLeftDown: LeftDown(mouse); break;
    case TrayNotification::kLeftUp: LeftUp(mouse); break;
    case TrayNotification::kLeftDoubleClick: LeftDoubleClick(); break;
    case TrayNotification::kRightDown:
      Fire(OnMouseDown, mouse);
      if (host_.HasAutoPopupMenu()) host_.ShowPopupMenu();
      break;
    case TrayNotification::kRightUp:
    case TrayNotification::kMiddleUp: Fire(OnMouseUp, mouse); break;
    case TrayNotification::kMiddleDown: Fire(OnMouseDown, mouse); break;
    case TrayNotification::kBalloonClick: Fire(OnBalloonHintClick); break;
  }
}

// A single click is told one double-click time after the press, unless a
// double-click came first or the button was held past that time.
void TzsTrayIcon::LeftDown(const TrayMouse& mouse) {
  timers_.Start(kClickTimer, doubleClickTime_);
  clickTimerRunning_ = true;
  Fire(OnMouseDown, mouse);
  clickStarted_ = true;
  if (PopupByLeftButton && host_.HasAutoPopupMenu()) host_.ShowPopupMenu();
}

void TzsTrayIcon::LeftUp(const TrayMouse& mouse) {
  if (clickStarted_) {
    clickReady_ = true;
    if (!clickTimerRunning_) {
      clickReady_ = false;
      clickStarted_ = false;
      Fire(OnClick);
    }
  }
  clickStarted_ = false;
  Fire(OnMouseUp, mouse);
}

void TzsTrayIcon::LeftDoubleClick() {
  clickReady_ = false;
  wasDoubleClick_ = true;
  Fire(OnDblClick);
  if (host_.HasAutoPopupMenu() && !PopupByLeftButton) host_.RunDefaultMenuItem();
}

void TzsTrayIcon::TimerTick(int id) {
  if (id == kClickTimer) ClickTimerTick();
  if (id == kAnimationTimer) AnimationTick();
}

void TzsTrayIcon::ClickTimerTick() {
  timers_.Stop(kClickTimer);
  clickTimerRunning_ = false;
  if (!wasDoubleClick_ && clickReady_) {
    clickReady_ = false;
    Fire(OnClick);
  }
  wasDoubleClick_ = false;
}

void TzsTrayIcon::AnimationTick() {
  if (iconCount_ == 0) return;
  host_.ShowListImage(iconIndex_);
  const int next = iconIndex_ + 1 < iconCount_ ? iconIndex_ + 1 : 0;
  if (OnCycle) OnCycle(next);
  UpdateIcon();
  iconIndex_ = next;
}

void TzsTrayIcon::ApplicationMinimized() {
  if (MinimizeToTray) DoMinimizeToTray();
}

void TzsTrayIcon::TaskbarCreated() {
  added_ = false;
  if (iconVisible_) AddIcon();
}

bool TzsTrayIcon::DoMinimizeToTray() {
  if (!AddIcon()) return false;
  host_.HideMainWindow();
  return true;
}

}  // namespace zv
