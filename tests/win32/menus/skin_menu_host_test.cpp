#include "win32/menus/skin_menu_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "win32/platform/window_class.h"
#include "win32/win32_fixture.h"

namespace zv::win {
namespace {

std::vector<UINT> gOwnerMessages;
std::vector<WPARAM> gCommands;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) gCommands.push_back(LOWORD(wParam));
  if (message == kMsgMenuClosed || message == kMsgMenuCommand) gOwnerMessages.push_back(message);
  return DefWindowProcW(window, message, wParam, lParam);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool Visible(const wchar_t* className) {
  HWND w = FindWindowW(className, nullptr);
  return w && IsWindowVisible(w);
}

struct SkinMenuHostTest : ::testing::Test {
  void SetUp() override {
    RegisterWindowClassOnce({L"ZvMenuTestOwner", OwnerProc});
    owner = CreateWindowExW(0, L"ZvMenuTestOwner", L"owner", WS_OVERLAPPEDWINDOW, 50, 50, 300, 200, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    ShowWindow(owner, SW_SHOW);
    gOwnerMessages.clear();
    gCommands.clear();
  }
  void TearDown() override { DestroyWindow(owner); }
  HWND owner = nullptr;
  PackageSkin skin = test::EmbeddedPackageSkin();
};

TEST_F(SkinMenuHostTest, PopupFromAMenuAnswersKeysAndRunsTheCommand) {
  HMENU sub = CreatePopupMenu();
  AppendMenuW(sub, MF_STRING, 201, L"Deep");
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | MF_GRAYED, 100, L"Off");
  AppendMenuW(menu, MF_STRING, 101, L"&Alpha");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, 102, L"&Beta\tCtrl+B");
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"More");

  SkinMenuHost host(owner, MenuSkinOf(skin));
  TzsSkinPopupMenu popup(host, menu);
  int closes = 0;
  popup.OnMenuClose = [&] { ++closes; };
  popup.Popup(120, 120);
  Pump();
  ASSERT_TRUE(host.Menu().Visible());
  ASSERT_TRUE(Visible(L"ZvSkinPopupWindow"));
  EXPECT_EQ(host.Menu().Top()->Items()[3].node->shortcut, "Ctrl+B");
  EXPECT_EQ(host.Menu().Top()->ActiveIndex(), 1);  // the disabled first item is skipped

  // Keys reach the menu through the message loop, wherever the focus is.
  PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(owner, WM_KEYDOWN, VK_RIGHT, 0);
  Pump();
  ASSERT_EQ(host.Menu().LevelCount(), 2);
  PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(owner, WM_KEYDOWN, VK_UP, 0);
  PostMessageW(owner, WM_KEYDOWN, VK_RETURN, 0);
  Pump();
  EXPECT_FALSE(host.Menu().Visible());
  EXPECT_FALSE(Visible(L"ZvSkinPopupWindow"));
  EXPECT_EQ(gCommands, std::vector<WPARAM>{102});
  EXPECT_EQ(gOwnerMessages, (std::vector<UINT>{kMsgMenuClosed, kMsgMenuClosed, kMsgMenuCommand}));
  EXPECT_EQ(closes, 1);
  DestroyMenu(menu);
}

TEST_F(SkinMenuHostTest, AnotherProgramTakingTheActivationClosesTheMenu) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 101, L"Alpha");
  SkinMenuHost host(owner, MenuSkinOf(skin));
  TzsSkinPopupMenu popup(host, menu);
  popup.Popup(120, 120);
  Pump();
  ASSERT_TRUE(host.Menu().Visible());
  SendMessageW(owner, WM_ACTIVATEAPP, TRUE, 0);  // this program activated: the menu stays
  EXPECT_TRUE(host.Menu().Visible());
  SendMessageW(owner, WM_ACTIVATEAPP, FALSE, 0);
  Pump();
  EXPECT_FALSE(host.Menu().Visible());
  EXPECT_FALSE(Visible(L"ZvSkinPopupWindow"));
  EXPECT_EQ(gOwnerMessages, (std::vector<UINT>{kMsgMenuClosed, kMsgMenuClosed}));
  EXPECT_TRUE(gCommands.empty());
  DestroyMenu(menu);
}

TEST_F(SkinMenuHostTest, APopupWhileOneIsOpenClosesItBeforeReplacingItsItems) {
  HMENU first = CreatePopupMenu();
  AppendMenuW(first, MF_STRING, 101, L"One");
  AppendMenuW(first, MF_STRING, 102, L"Two");
  SkinMenuHost host(owner, MenuSkinOf(skin));
  TzsSkinPopupMenu popup(host, first);
  int closes = 0;
  popup.OnMenuClose = [&] { ++closes; };
  popup.Popup(120, 120);
  Pump();
  ASSERT_TRUE(host.Menu().Visible());
  // The same component again, its menu grown meanwhile: the open menu
  // closes (its control and the form hear 1228), then the new items open.
  AppendMenuW(first, MF_STRING, 103, L"Three");
  popup.Popup(200, 200);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(gOwnerMessages, (std::vector<UINT>{kMsgMenuClosed, kMsgMenuClosed}));
  ASSERT_TRUE(host.Menu().Visible());
  EXPECT_EQ(host.Menu().Top()->Items().size(), 3u);
  PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(owner, WM_KEYDOWN, VK_RETURN, 0);
  Pump();
  EXPECT_EQ(gCommands, std::vector<WPARAM>{102});
  DestroyMenu(first);
}

TEST_F(SkinMenuHostTest, TheWheelScrollsTheMenuUnderTheCursor) {
  HMENU menu = CreatePopupMenu();
  for (UINT i = 0; i < 10; ++i) AppendMenuW(menu, MF_STRING, 100 + i, L"Item");
  SkinMenuHost host(owner, MenuSkinOf(skin));
  host.Menu().Options.maxMenuItemsInWindow = 3;
  TzsSkinPopupMenu popup(host, menu);
  popup.Popup(120, 120);
  Pump();
  const Rect b = host.Menu().Top()->Bounds();
  const LPARAM at = MAKELPARAM(b.left + 20, b.top + 30);
  PostMessageW(owner, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), at);
  Pump();
  EXPECT_EQ(host.Menu().Top()->VisibleStart(), 2);
  PostMessageW(owner, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at);
  Pump();
  EXPECT_EQ(host.Menu().Top()->VisibleStart(), 1);
  EXPECT_TRUE(host.Menu().Visible());
  DestroyMenu(menu);
}

TEST_F(SkinMenuHostTest, HintsGoBelowTheCursorsVisibleShape) {
  // A 32 x 32 cursor, hot spot at row 2, whose rows 0 to 9 are black and
  // whose row 20 inverts the screen; the rest is transparent.
  const auto cursorWith = [](int invertedRow) {
    BYTE andMask[32 * 4], xorMask[32 * 4] = {};
    for (int row = 0; row < 32; ++row) {
      std::fill_n(andMask + row * 4, 4, static_cast<BYTE>(row < 10 ? 0x00 : 0xFF));
      if (row == invertedRow) std::fill_n(xorMask + row * 4, 4, static_cast<BYTE>(0xFF));
    }
    return CreateCursor(GetModuleHandleW(nullptr), 0, 2, 32, 32, andMask, xorMask);
  };
  SkinMenuHost host(owner, MenuSkinOf(skin));
  HCURSOR plain = cursorWith(-1);
  HCURSOR previous = SetCursor(plain);
  EXPECT_EQ(host.CursorHeight(), 10 - 2);
  HCURSOR inverting = cursorWith(20);
  SetCursor(inverting);
  EXPECT_EQ(host.CursorHeight(), 21 - 2);
  SetCursor(previous);
  DestroyCursor(plain);
  DestroyCursor(inverting);
}

TEST_F(SkinMenuHostTest, HintShowsAndHides) {
  SkinMenuHost host(owner, MenuSkinOf(skin));
  host.Hint().ShowAt({200, 200}, {"One@Two", "", nullptr, 0});
  Pump();
  ASSERT_TRUE(Visible(L"ZvSkinHintWindow"));
  RECT r{};
  GetWindowRect(FindWindowW(L"ZvSkinHintWindow", nullptr), &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.bottom - r.top, host.Hint().Window().WindowSize().height);
  host.Hint().Hide();
  Pump();
  EXPECT_FALSE(Visible(L"ZvSkinHintWindow"));
}

}  // namespace
}  // namespace zv::win
