// The form's window states: the caption commands, the platform's window
// commands and the state machine's requests carried out on the window.
#include <algorithm>
#include <optional>

#include "win32/frame/skin_form.h"
#include "win32/platform/monitor.h"

namespace zv::win {
namespace {

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The forms alive in this process, for the free places of minimised strips.
std::vector<const TzsSkinForm*>& LivingForms() {
  static std::vector<const TzsSkinForm*> forms;
  return forms;
}

std::optional<WindowState> CommandState(WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      return WindowState::wsMinimized;
    case SC_MAXIMIZE:
      return WindowState::wsMaximized;
    case SC_RESTORE:
      return WindowState::wsNormal;
    default:
      return std::nullopt;
  }
}

}  // namespace

void TzsSkinForm::RegisterLiving(const TzsSkinForm* form, bool alive) {
  auto& forms = LivingForms();
  if (alive) {
    forms.push_back(form);
  } else {
    std::erase(forms, form);
  }
}

// The state machine's, which follows the platform's own commands: a
// maximised strip is no platform-maximised window.
FrameState TzsSkinForm::CurrentState() const {
  return {states_.State() == WindowState::wsMaximized,
          IsIconic(window_) != FALSE || states_.State() == WindowState::wsMinimized, states_.ShowsStrip()};
}

// The minimise button and menu item: to the tray when the window always goes there.
void TzsSkinForm::MinimizeCommand() {
  if (AlwaysMinimizeToTray) {
    trayLink_.MinimizeToTray();
  } else {
    states_.ChangeWindowState(WindowState::wsMinimized);
  }
}

void TzsSkinForm::RunOwn(FrameCommand command, const Rect& anchor) {
  switch (command) {
    case FrameCommand::kClose:
      // Posted: closing may destroy the window whose message is being handled.
      PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case FrameCommand::kMaximize:
      states_.ChangeWindowState(WindowState::wsMaximized);
      break;
    case FrameCommand::kRestore:
      states_.ChangeWindowState(WindowState::wsNormal);
      break;
    case FrameCommand::kMinimize:
      states_.ChangeWindowState(WindowState::wsMinimized);
      break;
    case FrameCommand::kMinimizeToTray:
      trayLink_.MinimizeToTray();
      break;
    case FrameCommand::kRollUp:
      states_.SetRolledUp(!states_.RolledUp());
      break;
    case FrameCommand::kSystemMenu:
      ShowSystemMenu(anchor);
      break;
    case FrameCommand::kNone:
      break;
  }
}

bool TzsSkinForm::OnWindowCommand(WPARAM command) {
  const std::optional<WindowState> state = CommandState(command);
  if (!state) return true;
  return states_.PlatformCommand(*state, IsIconic(window_) != FALSE);
}

void TzsSkinForm::OnPlatformSize(WPARAM kind) {
  switch (kind) {
    case SIZE_MAXIMIZED:
      states_.PlatformStateChanged(WindowState::wsMaximized);
      break;
    case SIZE_MINIMIZED:
      states_.PlatformStateChanged(WindowState::wsMinimized);
      break;
    case SIZE_RESTORED:
      states_.PlatformStateChanged(WindowState::wsNormal);
      break;
    default:
      break;
  }
}

// A minimised window's own rectangle is the platform's parking place; the
// one it comes back to is its normal placement.
Rect TzsSkinForm::Bounds() const {
  if (IsIconic(window_)) return NormalPlacement();
  RECT r{};
  GetWindowRect(window_, &r);
  return ToRect(r);
}

// The placement is in workspace coordinates, which start at the work
// area's corner, except for tool windows.
Point TzsSkinForm::WorkspaceOrigin() const {
  if (GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return {0, 0};
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left, work.top};
}

Rect TzsSkinForm::NormalPlacement() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window_, &placement)) return Bounds();
  const Point origin = WorkspaceOrigin();
  return ToRect(placement.rcNormalPosition).Offset(origin.x, origin.y);
}

void TzsSkinForm::SetNormalPlacement(const Rect& normal, UINT show) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window_, &placement)) return;
  const Point origin = WorkspaceOrigin();
  const Rect r = normal.Offset(-origin.x, -origin.y);
  placement.rcNormalPosition = {r.left, r.top, r.right, r.bottom};
  placement.showCmd = show;
  placement.flags = 0;
  SetWindowPlacement(window_, &placement);
}

void TzsSkinForm::SetBounds(const Rect& bounds) {
  SetWindowPos(window_, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// WM_GETMINMAXINFO hands the platform the same target; a window already
// maximised (the work area changed) is moved there directly. The platform
// remembers the strip it was maximised from: it is told the real one.
void TzsSkinForm::ShowMaximized(const Rect& target, const Rect& normal) {
  if (!IsZoomed(window_)) ShowWindow(window_, SW_MAXIMIZE);
  if (Bounds() != target) SetBounds(target);
  if (NormalPlacement() != normal) SetNormalPlacement(normal, SW_SHOWMAXIMIZED);
}

// In one step from the maximised or minimised state, with no stop at the
// platform's old restore rectangle.
void TzsSkinForm::ShowRestored(const Rect& bounds) {
  if (IsZoomed(window_) || IsIconic(window_)) SetNormalPlacement(bounds, SW_RESTORE);
  if (Bounds() != bounds) SetBounds(bounds);
}

// Every visible form of the application goes to the taskbar.
void TzsSkinForm::MinimizeApplication() {
  for (const TzsSkinForm* form : LivingForms()) {
    if (form == this || IsWindowVisible(form->window_)) ShowWindow(form->window_, SW_MINIMIZE);
  }
}

MonitorAreas TzsSkinForm::Areas() const { return MonitorAreasOf(window_); }

std::vector<Rect> TzsSkinForm::WorkAreas() const { return AllWorkAreas(); }

std::vector<Point> TzsSkinForm::OtherMinimizedStrips() const {
  std::vector<Point> strips;
  for (const TzsSkinForm* form : LivingForms()) {
    if (form == this || form->states_.State() != WindowState::wsMinimized || !IsWindowVisible(form->window_)) continue;
    const Rect r = form->Bounds();
    strips.push_back({r.left, r.top});
  }
  return strips;
}

// The limits of the state the machine is moving to (a strip ignores the
// application's minimum height).
Size TzsSkinForm::MinSize() const {
  Size min = frame_.MinSize(Limits);
  const FrameState state = CurrentState();
  if (state.rolledUp || state.minimized) min.height = frame_.MinSize({}).height;
  return min;
}

bool TzsSkinForm::RestoreClientHeight() {
  if (ClientHeight <= 0) return false;
  Rect bounds = Bounds();
  const int frameHeight = bounds.Height() - frame_.ClientFromWindow(bounds).Height();
  bounds.bottom = bounds.top + frameHeight + ClientHeight;
  SetBounds(bounds);
  return true;
}

// The status bar's grip follows the platform's maximised state; it repaints.
void TzsSkinForm::SetSizeGripVisible(bool) {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace zv::win
