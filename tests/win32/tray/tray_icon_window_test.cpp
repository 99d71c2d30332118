#include "win32/tray/tray_icon_window.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "win32/win32_fixture.h"

namespace zv::win {
namespace {

// The notification area of the platform: the icon goes in and out, the
// icon's mouse notifications become events, and minimising the owner hides
// it behind the icon.
struct OwnerWindow {
  HWND hwnd = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  ~OwnerWindow() { DestroyWindow(hwnd); }
};

TEST(TrayIconWindow, RealNotificationArea) {
  OwnerWindow ownerWindow;
  HWND owner = ownerWindow.hwnd;
  ASSERT_TRUE(owner);
  {
    TrayIconWindow window(owner, LoadIconW(nullptr, IDI_APPLICATION));
    TzsTrayIcon& tray = window.tray();
    int clicks = 0;
    int doubleClicks = 0;
    tray.OnClick = [&] { ++clicks; };
    tray.OnDblClick = [&] { ++doubleClicks; };
    tray.SetHint("Zorvane");
    if (!tray.AddIcon()) {
      // Wine has a notification area only with a display; scripts/test.sh
      // runs this test again under Xvfb, where it must not be skipped.
      if (!std::getenv("ZV_REQUIRE_TRAY")) GTEST_SKIP() << "no notification area (Wine's null graphics driver)";
      FAIL() << "the notification area refused the icon";
    }

    const auto send = [&](UINT mouse) { SendMessageW(window.hwnd(), TrayIconWindow::kCallbackMessage, 1, mouse); };
    send(WM_LBUTTONDOWN);
    send(WM_LBUTTONUP);
    SendMessageW(window.hwnd(), WM_TIMER, TzsTrayIcon::kClickTimer, 0);
    send(WM_LBUTTONDOWN);
    send(WM_LBUTTONUP);
    send(WM_LBUTTONDBLCLK);
    send(WM_LBUTTONUP);
    SendMessageW(window.hwnd(), WM_TIMER, TzsTrayIcon::kClickTimer, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);

    // A restarted taskbar has forgotten the icon; it is added again.
    NOTIFYICONDATAW record{sizeof record};
    record.hWnd = window.hwnd();
    record.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &record));
    SendMessageW(window.hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &record)) << "the icon did not come back";

    ShowWindow(owner, SW_MINIMIZE);
    test::PumpMessages();
    EXPECT_FALSE(IsWindowVisible(owner));
    window.ShowMainWindow();
    EXPECT_TRUE(IsWindowVisible(owner));

    tray.RemoveIcon();
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &record)) << "the icon is still there";
  }
  // Starting in the tray: the owner stays hidden, behind the icon.
  TrayIconWindow start(owner, LoadIconW(nullptr, IDI_APPLICATION));
  start.tray().MinimizedOnStart = true;
  EXPECT_FALSE(start.Loaded());
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_TRUE(start.tray().IconVisible());
}

// Without an icon of its own the tray shows the application's; a new icon is
// taken as a copy. The shell's TaskbarCreated is let through the message
// filter, so that it reaches an elevated process too.
TEST(TrayIconWindow, IconAndTheTaskbarMessage) {
  std::vector<std::pair<HWND, UINT>> allowed;
  TrayIconWindow window(nullptr, nullptr, [&](HWND hwnd, UINT message) { allowed.emplace_back(hwnd, message); });
  EXPECT_TRUE(window.icon()) << "no application icon";
  EXPECT_EQ(allowed, (std::vector<std::pair<HWND, UINT>>{{window.hwnd(), RegisterWindowMessageW(L"TaskbarCreated")}}));

  const HICON warning = LoadIconW(nullptr, IDI_WARNING);
  window.SetIcon(warning);
  EXPECT_TRUE(window.icon());
  EXPECT_NE(window.icon(), warning);
}

// An owner whose own procedure takes the focus at activation, as plain
// windows do: the control that had the focus gets it back. A window shown
// while minimised comes back restored and in front.
TEST(TrayIconWindow, OwnerKeepsItsFocusAndComesBackRestored) {
  OwnerWindow ownerWindow;
  OwnerWindow other;
  HWND owner = ownerWindow.hwnd;
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, owner, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  TrayIconWindow window(owner, nullptr);
  window.tray().MinimizeToTray = false;
  SetForegroundWindow(owner);
  SetFocus(edit);
  SetForegroundWindow(other.hwnd);
  SetForegroundWindow(owner);
  test::PumpMessages();
  EXPECT_EQ(GetFocus(), edit);

  ShowWindow(owner, SW_MINIMIZE);
  ShowWindow(owner, SW_HIDE);
  SetForegroundWindow(other.hwnd);
  ShowWindow(owner, SW_SHOWNA);
  test::PumpMessages();
  EXPECT_TRUE(IsWindowVisible(owner));
  EXPECT_FALSE(IsIconic(owner));
  EXPECT_EQ(GetForegroundWindow(), owner);
}

}  // namespace
}  // namespace zv::win
