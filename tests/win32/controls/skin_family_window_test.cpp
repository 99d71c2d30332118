#include <gtest/gtest.h>

#include "controls/skin_family_skin.h"
#include "win32/forms/form.h"
#include "win32/controls/skin_paint_panel_window.h"
#include "win32/controls/skin_panel_window.h"
#include "win32/controls/skin_speed_button_window.h"
#include "win32/controls/skin_status_bar_window.h"
#include "win32/controls/skin_updown_window.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

using zv::test::Traced;

class FamilyForm : public Form {
 public:
  FamilyForm() : Form("FamilyForm") { CreateForm({"skin family", {400, 240}, {30, 30}, false}); }
};

struct FamilyFixture : ::testing::Test {
  zv::test::FakeSkinSource skin = zv::test::FamilySkin();
  std::unique_ptr<FamilyForm> form = Form::Create<FamilyForm>();

  void Show() {
    ShowWindow(form->hwnd(), SW_SHOWNOACTIVATE);
    PumpMessages();
  }
  static void Click(HWND hwnd, int x, int y) {
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  static LRESULT HitTestAt(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  }
};

TEST_F(FamilyFixture, StatusBarSitsAtTheBottomAndItsGripSizesTheForm) {
  auto& bar = form->Add<SkinStatusBarWindow>(*form, "bar", Rect{0, 0, 100, 60});
  Show();
  RECT client{};
  GetClientRect(form->hwnd(), &client);
  EXPECT_EQ(WindowBounds(bar), (Rect{0, client.bottom - 21, client.right, client.bottom}));
  const int w = client.right;
  EXPECT_EQ(HitTestAt(bar.hwnd(), w - 5, 10), HTBOTTOMRIGHT);
  EXPECT_EQ(HitTestAt(bar.hwnd(), w - 5, 20), HTCLIENT);  // the two rows below the grip
  EXPECT_EQ(HitTestAt(bar.hwnd(), w / 2, 10), HTCLIENT);

  bar.statusBar().SetSkinData(&skin);
  EXPECT_EQ(HitTestAt(bar.hwnd(), w - 5, 10), HTBOTTOMRIGHT);  // 12 x 14 gripper at the corner
  EXPECT_EQ(HitTestAt(bar.hwnd(), w - 5, 5), HTCLIENT);
  const Bitmap shot = bar.Snapshot();
  EXPECT_EQ(shot.At(w - 12, 7), Traced(100, 0));

  // A maximised form hides the grip.
  ShowWindow(form->hwnd(), SW_MAXIMIZE);
  PumpMessages();
  GetClientRect(form->hwnd(), &client);
  EXPECT_EQ(HitTestAt(bar.hwnd(), client.right - 5, 10), HTCLIENT);
}

TEST_F(FamilyFixture, SpeedButtonsClickAndKeepOneOfTheirGroupDown) {
  auto& first = form->Add<SkinSpeedButtonWindow>(*form, "sb1", Rect{10, 10, 40, 40});
  auto& second = form->Add<SkinSpeedButtonWindow>(*form, "sb2", Rect{50, 10, 80, 40});
  first.button().SetGroupIndex(1);
  second.button().SetGroupIndex(1);
  int clicks = 0;
  first.OnClick = [&] { ++clicks; };
  second.OnClick = [&] { ++clicks; };
  first.button().SetSkinData(&skin);
  second.button().SetSkinData(&skin);
  Show();
  EXPECT_EQ(WindowBounds(first), (Rect{10, 10, 30, 30}));  // the skin's size

  Click(first.hwnd(), 5, 5);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(first.button().Down());
  Click(second.hwnd(), 5, 5);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(second.button().Down());
  EXPECT_FALSE(first.button().Down());
  EXPECT_EQ(second.Snapshot().At(1, 1), Traced(41, 101));  // the down look
  EXPECT_EQ(first.Snapshot().At(1, 1), Traced(1, 101));

  // Held in repeat mode, the window's timer clicks again.
  first.button().RepeatMode = true;
  SendMessageW(first.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 3);
  SendMessageW(first.hwnd(), WM_TIMER, TzsSkinSpeedButton::kRepeatTimerId, 0);
  EXPECT_EQ(clicks, 4);
  SendMessageW(first.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 4);
}

TEST_F(FamilyFixture, UpDownStepsOnClickAndRepeatsWhileHeld) {
  auto& updown = form->Add<SkinUpDownWindow>(*form, "ud", Point{20, 50});
  EXPECT_EQ(WindowBounds(updown), (Rect{20, 50, 70, 75}));
  int ups = 0, downs = 0, changes = 0;
  updown.updown().OnUpButtonClick = [&] { ++ups; };
  updown.updown().OnDownButtonClick = [&] { ++downs; };
  updown.updown().OnChange = [&] { ++changes; };
  Show();
  Click(updown.hwnd(), 40, 10);
  EXPECT_EQ(updown.updown().Position(), 1);
  SendMessageW(updown.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 10));
  SendMessageW(updown.hwnd(), WM_TIMER, TzsSkinUpDown::kRepeatTimerId, 0);
  SendMessageW(updown.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(40, 10));
  EXPECT_EQ(updown.updown().Position(), 3);
  Click(updown.hwnd(), 5, 10);
  EXPECT_EQ(updown.updown().Position(), 2);
  EXPECT_EQ(ups, 3);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(changes, 4);

  updown.updown().SetSkinData(&skin);
  EXPECT_EQ(WindowBounds(updown), (Rect{20, 50, 60, 70}));
  EXPECT_EQ(updown.Snapshot().At(25, 5), Traced(5, 165));
}

TEST_F(FamilyFixture, PaintPanelHandsItsCanvasOverAndPaintsOnErase) {
  auto& panel = form->Add<SkinPaintPanelWindow>(*form, "pp", Rect{100, 60, 220, 140});
  panel.paintPanel().SetSkinData(&skin);
  int paints = 0;
  Rect client;
  panel.paintPanel().OnPanelPaint = [&](const BitmapView& canvas, const Rect& r) {
    ++paints;
    client = r;
    canvas.Fill(Rect{60, 40, 61, 41}, Pixel{1, 2, 3, 0});
  };
  Show();
  UpdateWindow(panel.hwnd());
  EXPECT_GE(paints, 1);
  EXPECT_EQ(client, (Rect{2, 2, 118, 78}));

  // Erase-background outside the paint message paints the panel into the DC.
  DibSurface target;
  target.Resize({120, 80});
  target.view().Fill(target.view().bounds(), Pixel{9, 9, 9, 0});
  EXPECT_EQ(SendMessageW(panel.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.dc()), 0), 1);
  GdiFlush();
  EXPECT_EQ(target.view().At(0, 0), Traced(141, 4));
  EXPECT_EQ(target.view().At(60, 40), (Pixel{1, 2, 3, 0}));
}

// A plain child window that counts the background notices it hears.
class BackgroundListener : public Control {
 public:
  BackgroundListener(Form& owner, Control& parent, std::string name) : Control(owner, &parent, std::move(name)) {
    RegisterClassOnce(L"ZvBackgroundListener", nullptr, nullptr);
    SetBounds({4, 4, 20, 20});
    CreateWindowOf(L"ZvBackgroundListener", WS_VISIBLE, 0);
  }
  int notices = 0;

 protected:
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (msg == ZSM_PARENTBACKCHANGED) ++notices;
    return Control::HandleMessage(msg, wParam, lParam, result);
  }
};

TEST_F(FamilyFixture, TheFormsLayoutResizesThroughTheSkin) {
  // The panel record stretches its client piece; the up-down record is fixed.
  zv::test::FakeSkinSource stretchy(std::string(zv::test::kFamilySkinIni) + "stretcheffect=1\r\n",
                                    {zv::test::TracePicture(220, 220, 77)});
  auto& updown = form->Add<SkinUpDownWindow>(*form, "ud", Point{0, 0});
  auto& panel = form->Add<SkinPanelWindow>(*form, "panel", Rect{0, 30, 100, 90});
  auto& child = form->Add<BackgroundListener>(panel, "child");
  updown.updown().SetSkinData(&skin);
  panel.panel().SetSkinData(&stretchy);
  updown.SetAlign(Align::kTop);
  panel.SetAlign(Align::kTop);
  Show();
  EXPECT_EQ(WindowBounds(updown), (Rect{0, 0, 40, 20}));
  EXPECT_EQ(WindowBounds(panel).top, 20);  // below what the up-down kept

  const int before = child.notices;
  RECT frame{};
  GetWindowRect(form->hwnd(), &frame);
  SetWindowPos(form->hwnd(), nullptr, 0, 0, frame.right - frame.left + 50, frame.bottom - frame.top + 30,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpMessages();
  RECT client{};
  GetClientRect(form->hwnd(), &client);
  EXPECT_EQ(WindowBounds(updown), (Rect{0, 0, 40, 20}));
  EXPECT_EQ(WindowBounds(panel).Width(), client.right);
  EXPECT_GT(child.notices, before);
}

}  // namespace
}  // namespace zv::win::test
