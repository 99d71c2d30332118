#include "win32/tray/tray_icon_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <stdexcept>

#include "win32/forms/application.h"
#include "win32/platform/dpi.h"
#include "win32/platform/text.h"
#include "win32/platform/window_class.h"

namespace zv::win {
namespace {

constexpr wchar_t kTrayClass[] = L"ZvTrayIcon";
constexpr UINT_PTR kOwnerSubclassId = 0x7A76;  // "zv"
constexpr UINT kBalloonClick = WM_USER + 5;    // NIN_BALLOONUSERCLICK
// Posted to our window when the owner was shown by a program's call.
constexpr UINT kOwnerShown = WM_APP + 1;

// The program's icon at the notification area's size (the small icon at
// the system's DPI), or the system's application icon when it has none;
// the caller owns it.
HICON ApplicationIcon() {
  const int dpi = WindowDpi(nullptr);
  const int w = SystemMetricAt(SM_CXSMICON, dpi), h = SystemMetricAt(SM_CYSMICON, dpi);
  if (auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, w, h, 0))) {
    return icon;
  }
  return CopyIcon(LoadIconW(nullptr, IDI_APPLICATION));
}

unsigned KeyboardShift() {
  unsigned shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kTrayShift;
  if (GetKeyState(VK_MENU) < 0) shift |= kTrayAlt;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kTrayCtrl;
  return shift;
}

struct CallbackEvent {
  UINT message;
  TrayNotification what;
  TrayButton button;
};
constexpr CallbackEvent kCallbackEvents[] = {
    {WM_MOUSEMOVE, TrayNotification::kMouseMove, TrayButton::kLeft},
    {WM_LBUTTONDOWN, TrayNotification::kLeftDown, TrayButton::kLeft},
    {WM_LBUTTONUP, TrayNotification::kLeftUp, TrayButton::kLeft},
    {WM_LBUTTONDBLCLK, TrayNotification::kLeftDoubleClick, TrayButton::kLeft},
    {WM_RBUTTONDOWN, TrayNotification::kRightDown, TrayButton::kRight},
    {WM_RBUTTONUP, TrayNotification::kRightUp, TrayButton::kRight},
    {WM_MBUTTONDOWN, TrayNotification::kMiddleDown, TrayButton::kMiddle},
    {WM_MBUTTONUP, TrayNotification::kMiddleUp, TrayButton::kMiddle},
    {kBalloonClick, TrayNotification::kBalloonClick, TrayButton::kLeft},
};

}  // namespace

void TrayIconWindow::AllowFromAnyProcess(HWND window, UINT message) {
  ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
}

TrayIconWindow::TrayIconWindow(HWND owner, HICON icon, const MessageFilter& allow)
    : owner_(owner),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      icon_(icon ? CopyIcon(icon) : ApplicationIcon()),
      tray_(*this, *this, GetDoubleClickTime()) {
  RegisterWindowClassOnce({kTrayClass, WindowProc});
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kTrayClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) throw std::runtime_error("Cannot create the tray icon's window");
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // An elevated process hears the shell's broadcast only through the filter.
  allow(hwnd_, taskbarCreated_);
  if (owner_) SetWindowSubclass(owner_, OwnerProc, kOwnerSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

TrayIconWindow::~TrayIconWindow() {
  // The icon and the timers go while our window still exists.
  tray_.RemoveIcon();
  Stop(TzsTrayIcon::kClickTimer);
  Stop(TzsTrayIcon::kAnimationTimer);
  if (owner_) RemoveWindowSubclass(owner_, OwnerProc, kOwnerSubclassId);
  DestroyWindow(hwnd_);
}

bool TrayIconWindow::Loaded() {
  if (!tray_.AfterLoading(owner_ != nullptr)) return true;
  HideMainWindow();
  return false;
}

void TrayIconWindow::SetIcon(HICON icon) {
  icon_.reset(CopyIcon(icon));
  tray_.UpdateIcon();
}

void TrayIconWindow::SetIconList(const std::vector<HICON>& icons) {
  iconList_.clear();
  for (HICON icon : icons) iconList_.emplace_back(CopyIcon(icon));
  tray_.SetIconCount(static_cast<int>(iconList_.size()));
}

bool TrayIconWindow::Notify(DWORD operation, std::string_view tip) {
  NOTIFYICONDATAW record{sizeof record};
  record.hWnd = hwnd_;
  record.uID = 1;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kCallbackMessage;
  record.hIcon = icon_.get();
  // The core cut the tip to what szTip holds; the copy stays bounded anyway.
  const std::wstring wide = Wide(tip).substr(0, std::size(record.szTip) - 1);
  wide.copy(record.szTip, wide.size());
  return Shell_NotifyIconW(operation, &record) != FALSE;
}

bool TrayIconWindow::AddIcon(std::string_view tip) { return Notify(NIM_ADD, tip); }
bool TrayIconWindow::RemoveIcon() { return Notify(NIM_DELETE, {}); }
bool TrayIconWindow::UpdateIcon(std::string_view tip) { return Notify(NIM_MODIFY, tip); }

void TrayIconWindow::ShowListImage(int index) {
  if (index >= 0 && static_cast<std::size_t>(index) < iconList_.size()) {
    icon_.reset(CopyIcon(iconList_[index].get()));
  }
}

void TrayIconWindow::ShowPopupMenu() {
  POINT cursor;
  if (!showMenu || !GetCursorPos(&cursor)) return;
  SetForegroundWindow(hwnd_);
  showMenu(cursor);
  // Lets the menu close when the user clicks elsewhere.
  PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void TrayIconWindow::RunDefaultMenuItem() {
  if (runDefaultItem) runDefaultItem();
}

void TrayIconWindow::HideMainWindow() {
  if (owner_) ShowWindow(owner_, SW_HIDE);
}

void TrayIconWindow::ShowMainWindow() {
  if (!owner_) return;
  ShowWindow(owner_, IsIconic(owner_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(owner_);
}

void TrayIconWindow::Start(int id, unsigned milliseconds) {
  SetTimer(hwnd_, static_cast<UINT_PTR>(id), milliseconds, nullptr);
}
void TrayIconWindow::Stop(int id) { KillTimer(hwnd_, static_cast<UINT_PTR>(id)); }

void TrayIconWindow::HandleCallback(LPARAM lParam) {
  const UINT message = LOWORD(lParam);
  for (const CallbackEvent& event : kCallbackEvents) {
    if (event.message != message) continue;
    POINT cursor{};
    GetCursorPos(&cursor);
    tray_.Notify(event.what, {event.button, KeyboardShift(), {cursor.x, cursor.y}});
    return;
  }
}

LRESULT TrayIconWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kCallbackMessage) {
    Application::Instance().Guard([&] { HandleCallback(lParam); });
    return 0;
  }
  if (msg == WM_TIMER) {
    Application::Instance().Guard([&] { tray_.TimerTick(static_cast<int>(wParam)); });
    return 0;
  }
  if (msg == kOwnerShown) {
    OwnerShown();
    return 0;
  }
  if (msg == taskbarCreated_) {
    tray_.TaskbarCreated();
    return 0;
  }
  // Only its owner destroys this window, and it never holds up the end of a session.
  if (msg == WM_CLOSE) return 0;
  if (msg == WM_QUERYENDSESSION) return TRUE;
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK TrayIconWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TrayIconWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->HandleMessage(msg, wParam, lParam) : DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK TrayIconWindow::OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR data) {
  auto* self = reinterpret_cast<TrayIconWindow*>(data);
  if (msg == WM_SIZE && wParam == SIZE_MINIMIZED) {
    Application::Instance().Guard([&] { self->tray_.ApplicationMinimized(); });
  }
  // Restoring and bringing forward wait until the showing is complete.
  if (msg == WM_SHOWWINDOW && wParam && lParam == 0) PostMessageW(self->hwnd_, kOwnerShown, 0, 0);
  if (msg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) self->ownerFocus_ = GetFocus();
  const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
  // After the owner's own handling, which may have taken the focus itself.
  if (msg == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) self->RestoreOwnerFocus(reinterpret_cast<HWND>(lParam));
  return result;
}

// The control that had the focus when the owner was deactivated gets it
// back, unless the window that just lost the activation is that control or
// its parent.
void TrayIconWindow::RestoreOwnerFocus(HWND deactivated) {
  const HWND control = ownerFocus_;
  if (!control || !IsChild(owner_, control)) return;
  if (deactivated == control || deactivated == GetParent(control)) return;
  SetFocus(control);
}

void TrayIconWindow::OwnerShown() {
  if (IsIconic(owner_)) ShowWindow(owner_, SW_RESTORE);
  SetForegroundWindow(owner_);
}

}  // namespace zv::win
