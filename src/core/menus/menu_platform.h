#pragma once
// What the skinned menus ask of the shell: windows to show levels in,
// timers, text, system colours and carrying out commands. Tests use fakes.
#include <memory>
#include <vector>

#include "core/base/bitmap.h"
#include "core/menus/menu_node.h"
#include "core/platform/text_renderer.h"
#include "core/platform/timer_host.h"

namespace zv {

// System colour indexes of the plain look.
constexpr int kSysColorWindow = 5;
constexpr int kSysColorWindowText = 8;
constexpr int kSysColorBtnFace = 15;
constexpr int kSysColorBtnShadow = 16;
constexpr int kSysColorBtnText = 18;
constexpr int kSysColorBtnHighlight = 20;
constexpr int kSysColorInfoText = 23;
constexpr int kSysColorInfoBk = 24;

// Messages to the control and form that opened a menu.
constexpr unsigned kMsgMenuClosed = 1228;
constexpr unsigned kMsgMenuCommand = 1229;

// Key codes the menus answer.
constexpr int kKeyReturn = 13;
constexpr int kKeyMenu = 18;  // Alt
constexpr int kKeyEscape = 27;
constexpr int kKeyEnd = 35;
constexpr int kKeyHome = 36;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyF10 = 121;

// One notch of the mouse wheel.
constexpr int kWheelDelta = 120;

// One top-level window of a menu level or a hint.
class PopupHost {
 public:
  virtual ~PopupHost() = default;
  // Shows the window top-most at `bounds` (screen) without activating it,
  // shaped by `region` (window coordinates; empty: no shape). `fade` lists
  // the opacities to step through, the last one kept; empty: opaque.
  virtual void Show(const Rect& bounds, const std::vector<Rect>& region, const std::vector<int>& fade) = 0;
  virtual void Hide() = 0;
  // Asks for a paint; the shell then calls the window's Paint.
  virtual void Invalidate() = 0;
  // True when this window is the one under the screen point.
  virtual bool IsUnderCursor(Point screen) const = 0;
};

// Told when the menu it opened closes (1228) or ran a command (1229).
class MenuClient {
 public:
  virtual ~MenuClient() = default;
  virtual void MenuClosed() = 0;
  virtual void MenuCommand() = 0;
};

class TzsSkinPopupWindow;
class TzsSkinHintWindow;

class MenuPlatform {
 public:
  virtual ~MenuPlatform() = default;
  virtual TextRenderer& Text() = 0;
  virtual TimerHost& Timers() = 0;
  virtual ColorRef SystemColor(int index) const = 0;
  virtual Point CursorPos() const = 0;
  // The shell's window for a new level; it paints through window.Paint.
  virtual std::unique_ptr<PopupHost> CreatePopupHost(TzsSkinPopupWindow& window) = 0;
  virtual std::unique_ptr<PopupHost> CreateHintHost(TzsSkinHintWindow& window) = 0;
  // The work area of the monitor holding the active (or main) form.
  virtual Rect WorkArea() const = 0;
  // The work area of the monitor holding the screen point.
  virtual Rect WorkAreaAt(Point screen) const = 0;
  // The user asked to see access keys underlined at all times.
  virtual bool KeyboardCues() const { return false; }
  // How far below the cursor's position its visible shape ends.
  virtual int CursorHeight() const { return 20; }
  // Carries out the item's command through its platform menu (its click
  // handler may refill the item's children).
  virtual void Execute(MenuNode& item) = 0;
  // Lets pending messages run before the first window of a fresh menu.
  virtual void ProcessPendingMessages() {}
  // Layered windows with opacity are available.
  virtual bool CanLayer() const { return false; }
};

// The opacities of a fade from `from` up to `target` by `step`, ending
// exactly at the target; nothing when the step cannot rise.
std::vector<int> FadeSteps(int from, int target, int step);

}  // namespace zv
