#pragma once
// The skinned window's states: normal, minimised and maximised as the
// platform knows them, plus the skin's roll-up to the caption strip, and the
// rectangles each puts the window in. The caption buttons, the caption's
// double-click, the system menu and the platform's own window commands all
// end here; the host moves the window.
#include <functional>
#include <optional>
#include <vector>

#include "core/base/geometry.h"

namespace zv {

enum class WindowState { wsNormal, wsMinimized, wsMaximized };

// Edges of a monitor where an auto-hiding taskbar waits.
enum AutoHideEdgeBits : unsigned { kAutoHideLeft = 1, kAutoHideTop = 2, kAutoHideRight = 4, kAutoHideBottom = 8 };

struct MonitorAreas {
  Rect monitor;
  Rect work;
  unsigned autoHideEdges = 0;
};

// Where a maximised window goes: the whole monitor or its work area, one
// pixel short of each edge where an auto-hiding taskbar waits, so that the
// pointer can still call it up.
Rect MaximizedRect(const MonitorAreas& areas, bool fullScreen);

// The first free place for a minimised caption strip in `work`: from the
// bottom-left corner rightwards, then a row higher; the bottom-left corner
// when every place is taken. `taken` are the other strips' top-left corners.
Point FreeStripSlot(const Rect& work, Size strip, const std::vector<Point>& taken);

// `bounds` when it shares a pixel with one of `workAreas`; else moved (and
// cut to fit) into the nearest one, as after a monitor was unplugged.
Rect KeepOnAMonitor(const Rect& bounds, const std::vector<Rect>& workAreas);

// What the state operations ask of the window. The platform keeps a restore
// rectangle of its own (its normal placement): moves in its normal state
// update it, its maximised state keeps it, and its own restore returns there.
class WindowStateHost {
 public:
  virtual ~WindowStateHost() = default;
  virtual Rect Bounds() const = 0;  // screen coordinates
  virtual void SetBounds(const Rect& bounds) = 0;
  // The platform's restore rectangle.
  virtual Rect NormalPlacement() const = 0;
  // The platform's own maximised state at `target`, restoring to `normal`.
  virtual void ShowMaximized(const Rect& target, const Rect& normal) = 0;
  // The platform's normal state at `bounds`, which becomes its restore rectangle.
  virtual void ShowRestored(const Rect& bounds) = 0;
  virtual void MinimizeApplication() = 0;
  virtual bool IsMainForm() const = 0;
  virtual MonitorAreas Areas() const = 0;           // of the window's monitor
  virtual std::vector<Rect> WorkAreas() const = 0;  // of every monitor
  // Top-left corners of the other visible minimised strips.
  virtual std::vector<Point> OtherMinimizedStrips() const = 0;
  // The frame's size limits (GetMinWidth, GetMinHeight) in the current state.
  virtual Size MinSize() const = 0;
  // Gives the window the client height the form keeps (its ClientHeight);
  // false when it keeps none.
  virtual bool RestoreClientHeight() = 0;
  virtual void SetSizeGripVisible(bool visible) = 0;
  // The first show's place for a window of `size` (centred or as it stands).
  virtual Rect FirstShowBounds(const Rect& normal) const = 0;
};

class WindowStateMachine {
 public:
  explicit WindowStateMachine(WindowStateHost& host) : host_(host) {}

  WindowState State() const { return state_; }
  bool RolledUp() const { return rolledUp_; }
  // The window shows its caption strip. A window rolled up before it was
  // maximised fills the work area while maximised, though still rolled up.
  bool ShowsStrip() const { return rolledUp_ && !(state_ == WindowState::wsMaximized && wasRolledUpWhenMaximized_); }
  const std::optional<Rect>& NormalBounds() const { return normalBounds_; }

  bool rollUpAllowed = true;  // biRollUp in BorderIcons
  bool maximizeOnFullScreen = false;
  bool firstShowPending = true;

  std::function<void()> OnMinimize;
  std::function<void()> OnMaximize;
  std::function<void()> OnRestore;
  std::function<void()> OnChangeRollUpState;

  void ChangeWindowState(WindowState state);
  // The whole application to the taskbar, whichever form asks; its state stays.
  void MinimizeApplication();
  void SetRolledUp(bool on);
  // The maximise button and the caption's double-click.
  void ToggleMaximized();
  // The system menu's restore item: rolls down when rolled up, else restores.
  void RestoreItem();
  // The platform's minimise, maximise and restore commands (taskbar,
  // Win+Arrow, the taskbar's window menu). True when the platform must carry
  // the command out itself: bringing a minimised window back in the state
  // it had.
  bool PlatformCommand(WindowState command, bool iconic);
  // The platform maximised, minimised or restored the window by itself
  // (taskbar, Win+Arrow, Aero Snap, a shortcut set to run maximised);
  // brings our state in step.
  void PlatformStateChanged(WindowState state);
  // Work area or displays changed: a maximised window follows its monitor.
  void MonitorsChanged();

 private:
  void Minimize();
  void Maximize();
  void Restore();
  void Fire(const std::function<void()>& event) const {
    if (event) event();
  }
  void RememberNormalBounds();
  // The platform state our own moves leave the window in: a maximised strip
  // is the platform's normal state, so that every platform lets it be that small.
  WindowState PlatformState() const;
  Rect MaximizedTarget() const { return MaximizedRect(host_.Areas(), maximizeOnFullScreen); }
  Rect Strip(const Rect& at) const { return {at.left, at.top, at.right, at.top + host_.MinSize().height}; }
  void ShowMaximizedState();
  // The strip belonged to a maximised state that has ended: the window is
  // rolled down without a move of its own.
  void ForgetMaximizedStrip();

  WindowStateHost& host_;
  WindowState state_ = WindowState::wsNormal;
  bool rolledUp_ = false;
  bool rolledUpWhileMaximized_ = false;
  bool wasRolledUpWhenMaximized_ = false;
  int heightBeforeRollUp_ = 0;
  std::optional<Rect> normalBounds_;
};

}  // namespace zv
