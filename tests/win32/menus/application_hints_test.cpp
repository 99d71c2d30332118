#include "win32/menus/application_hints.h"

#include <gtest/gtest.h>

#include <vector>

#include "win32/controls/skin_panel_window.h"
#include "win32/forms/form.h"
#include "win32/menus/skin_menu_host.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

class HintForm : public Form {
 public:
  HintForm() : Form("HintForm") { CreateForm({"hints", {300, 200}, {60, 60}, false}); }
};

HWND ShownHint() {
  HWND w = FindWindowW(L"ZvSkinHintWindow", nullptr);
  return w && IsWindowVisible(w) ? w : nullptr;
}

// Pumps until the hint window shows, for at most a few seconds.
HWND WaitForHint() {
  for (int i = 0; i < 300 && !ShownHint(); ++i) {
    PumpMessages();
    Sleep(10);
  }
  return ShownHint();
}

TEST(ApplicationHints, AControlWithAHintShowsItInTheSkinnedHintWindow) {
  const PackageSkin skin = EmbeddedPackageSkin();
  std::unique_ptr<HintForm> form = Form::Create<HintForm>();
  ShowWindow(form->hwnd(), SW_SHOWNOACTIVATE);
  SkinMenuHost menus(form->hwnd(), MenuSkinOf(skin));
  TzsApplicationHints& hints = ApplicationHints();
  hints.Add(menus.Hint());
  const unsigned pause = hints.HintPause;
  hints.HintPause = 20;
  auto& plain = form->Add<SkinPanelWindow>(*form, "plain", Rect{10, 10, 60, 60});
  auto& hinted = form->Add<SkinPanelWindow>(*form, "hinted", Rect{100, 10, 160, 60});
  hinted.panel().Hint = "Panel@hint";
  PumpMessages();

  // No hint text: nothing to show.
  SendMessageW(plain.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(hints.Pending());

  POINT at{20, 20};
  ClientToScreen(hinted.hwnd(), &at);
  SetCursorPos(at.x, at.y);
  SendMessageW(hinted.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(hints.Pending());
  HWND shown = WaitForHint();
  ASSERT_NE(shown, nullptr);
  RECT r{};
  GetWindowRect(shown, &r);
  EXPECT_EQ(r.bottom - r.top, menus.Hint().Window().WindowSize().height);  // two lines, skinned frame

  // Leaving the control takes the hint down.
  SendMessageW(hinted.hwnd(), WM_MOUSELEAVE, 0, 0);
  PumpMessages();
  EXPECT_EQ(ShownHint(), nullptr);

  hints.HintPause = pause;
  hints.Remove(menus.Hint());
}

}  // namespace
}  // namespace zv::win::test
