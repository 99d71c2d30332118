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

FrameState TzsSkinForm::CurrentState() const {
  return {IsZoomed(window_) != FALSE, IsIconic(window_) != FALSE || states_.State() == WindowState::wsMinimized,
          states_.RolledUp()};
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
// one it comes back to is its normal placement (workspace coordinates).
Rect TzsSkinForm::Bounds() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (IsIconic(window_) && GetWindowPlacement(window_, &placement)) {
    Rect normal = ToRect(placement.rcNormalPosition);
    if (!(GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
      RECT work{};
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
      normal = normal.Offset(work.left, work.top);
    }
    return normal;
  }
  RECT r{};
  GetWindowRect(window_, &r);
  return ToRect(r);
}

void TzsSkinForm::SetBounds(const Rect& bounds) {
  SetWindowPos(window_, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// WM_GETMINMAXINFO hands the platform the same target; a window already
// maximised (the work area changed) is moved there directly.
void TzsSkinForm::ShowMaximized(const Rect& target) {
  if (!IsZoomed(window_)) ShowWindow(window_, SW_MAXIMIZE);
  if (Bounds() != target) SetBounds(target);
}

void TzsSkinForm::ShowRestored(const Rect& normal) {
  if (IsZoomed(window_) || IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
  if (Bounds() != normal) SetBounds(normal);
}

void TzsSkinForm::MinimizeApplication() { ShowWindow(window_, SW_MINIMIZE); }

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

void TzsSkinForm::SetClientHeight(int height) {
  Rect bounds = Bounds();
  const int frameHeight = bounds.Height() - frame_.ClientFromWindow(bounds).Height();
  bounds.bottom = bounds.top + frameHeight + height;
  SetBounds(bounds);
}

// The status bar's grip follows the platform's maximised state; it repaints.
void TzsSkinForm::SetSizeGripVisible(bool) {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace zv::win
