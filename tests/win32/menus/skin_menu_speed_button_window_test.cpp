#include "win32/menus/skin_menu_speed_button_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "win32/forms/form.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

// A form that keeps the menu commands it receives.
class CommandForm : public Form {
 public:
  CommandForm() : Form("CommandForm") { CreateForm({"menu button", {300, 200}, {40, 40}, false}); }
  std::vector<WORD> commands;

 protected:
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (msg == WM_COMMAND && lParam == 0) commands.push_back(LOWORD(wParam));
    return Form::HandleMessage(msg, wParam, lParam, result);
  }
};

HWND ShownPopup() {
  HWND w = FindWindowW(L"ZvSkinPopupWindow", nullptr);
  return w && IsWindowVisible(w) ? w : nullptr;
}

TEST(SkinMenuSpeedButtonWindow, TheDropDownPartOpensTheMenuBelowTheButtonAndRunsTheCommand) {
  const PackageSkin skin = EmbeddedPackageSkin();
  std::unique_ptr<CommandForm> form = Form::Create<CommandForm>();
  ShowWindow(form->hwnd(), SW_SHOWNOACTIVATE);
  SkinMenuHost menus(form->hwnd(), MenuSkinOf(skin));
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 301, L"First");
  AppendMenuW(menu, MF_STRING, 302, L"Second");
  auto& button = form->Add<SkinMenuSpeedButtonWindow>(*form, "msb", Rect{20, 30, 80, 52}, menus, menu);
  TzsSkinMenuSpeedButton& core = button.menuButton();
  core.TrackButtonMode = true;
  int clicks = 0, shown = 0, hidden = 0;
  button.OnClick = [&] { ++clicks; };
  core.OnShowTrackMenu = [&] { ++shown; };
  core.OnHideTrackMenu = [&] { ++hidden; };
  PumpMessages();
  const auto press = [&](int x, int y) {
    SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
  };

  // The button part clicks as a speed button does.
  press(10, 10);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(ShownPopup(), nullptr);

  // The drop-down part opens the menu at the button's bottom-left corner.
  press(55, 10);
  HWND popup = ShownPopup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(hidden, 0);
  EXPECT_TRUE(core.MenuShown());
  RECT buttonRect{}, popupRect{};
  GetWindowRect(button.hwnd(), &buttonRect);
  GetWindowRect(popup, &popupRect);
  EXPECT_EQ(popupRect.left, buttonRect.left);
  EXPECT_EQ(popupRect.top, buttonRect.bottom);
  EXPECT_EQ(clicks, 1);

  // A second press on the drop-down part closes the menu and opens none.
  PostMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 10));
  PostMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(55, 10));
  PumpMessages();
  EXPECT_EQ(ShownPopup(), nullptr);
  EXPECT_FALSE(core.MenuShown());
  press(55, 10);
  ASSERT_NE(ShownPopup(), nullptr);
  hidden = 0;

  // Down to the second item and Return: the command runs, the menu closes.
  PostMessageW(form->hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(form->hwnd(), WM_KEYDOWN, VK_RETURN, 0);
  PumpMessages();
  EXPECT_EQ(ShownPopup(), nullptr);
  EXPECT_EQ(form->commands, std::vector<WORD>{302});
  EXPECT_EQ(hidden, 1);
  EXPECT_FALSE(core.MenuShown());
  DestroyMenu(menu);
}

}  // namespace
}  // namespace zv::win::test
