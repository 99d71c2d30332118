// The main window wearing the skin's frame, against the core's answers.
#include "win32/frame/skin_form.h"

#include <commctrl.h>

#include <cstdlib>
#include <set>

#include "core/app/program_strings.h"
#include "core/app/texts.h"

#include "win32/frame/skin_form_fixture.h"
#include "win32/gfx/regions.h"
#include "win32/menus/application_hints.h"
#include "win32/platform/monitor.h"
#include "win32/tray/tray_icon_window.h"

namespace zv::win::test {
namespace {

TEST_F(SkinFormTest, ClientAreaHitCodesRegionAndLimits) {
  Open();
  const RECT r = WindowRect();
  const int w = r.right - r.left, h = r.bottom - r.top;
  RECT client{};
  GetClientRect(hwnd(), &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd(), &origin);
  EXPECT_EQ(origin.x - r.left, 4);
  EXPECT_EQ(origin.y - r.top, 27);
  EXPECT_EQ(client.right, w - 8);
  EXPECT_EQ(client.bottom, h - 31);
  EXPECT_EQ(client.right, 791);  // the designed client size is kept

  EXPECT_EQ(HitAt(w / 2, 12), HTCAPTION);
  EXPECT_EQ(HitAt(1, h / 2), HTLEFT);
  EXPECT_EQ(HitAt(w - 2, h - 2), HTBOTTOMRIGHT);
  EXPECT_EQ(HitAt(w / 2, h / 2), HTCLIENT);
  // The standard buttons answer the platform's own codes, the others "object".
  EXPECT_EQ(HitAt(w - 59, 15), HTMINBUTTON);
  EXPECT_EQ(HitAt(w - 36, 15), HTMAXBUTTON);
  EXPECT_EQ(HitAt(10, 14), HTSYSMENU);
  EXPECT_EQ(HitAt(w - 82, 15), HTOBJECT);  // roll-up
  EXPECT_EQ(HitAt(w - 10, 15), HTCLOSE);
  TITLEBARINFOEX bar{};
  bar.cbSize = sizeof bar;
  SendMessageW(hwnd(), WM_GETTITLEBARINFOEX, 0, reinterpret_cast<LPARAM>(&bar));
  EXPECT_EQ(bar.rgrect[5].left, r.left + w - 24);
  EXPECT_EQ(bar.rgrect[5].bottom, r.top + 26);
  EXPECT_EQ(bar.rgrect[3].left, r.left + w - 47);
  EXPECT_EQ(bar.rgrect[2].right, r.left + w - 49);
  EXPECT_EQ(bar.rgstate[5], 0u);
  // While a button is under the mouse the bare frame answers "object" too.
  EXPECT_EQ(HitAt(1, h / 2), HTOBJECT);

  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(hwnd(), actual), ERROR);
  HRGN expected = RegionFromRects(form->zsfrm->frame().Region());
  EXPECT_TRUE(EqualRgn(actual, expected));
  EXPECT_TRUE(PtInRegion(actual, w / 2, 0));
  EXPECT_FALSE(PtInRegion(actual, 0, 0));  // the rounded corner
  DeleteObject(actual);
  DeleteObject(expected);

  // On a monitor left of and above the primary one the coordinates are negative.
  SetWindowPos(hwnd(), nullptr, -1500, -300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(WindowRect().left, -1500);
  EXPECT_EQ(HitAt(w / 2, 12), HTCAPTION);
  EXPECT_EQ(HitAt(w / 2, h / 2), HTCLIENT);

  MINMAXINFO info{};
  SendMessageW(hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMinTrackSize.y, 31);
}

TEST_F(SkinFormTest, InquiriesAndTheFramePicture) {
  Open();
  EXPECT_EQ(SendMessageW(hwnd(), 45490, 0, 0), 12853);
  const SkinFrame& frame = form->zsfrm->frame();
  const Size size = frame.size();
  DibSurface printed;
  printed.Resize(size);
  EXPECT_EQ(SendMessageW(hwnd(), 45513, reinterpret_cast<WPARAM>(printed.dc()), 0), 12851);
  EXPECT_EQ(SendMessageW(hwnd(), 48203, reinterpret_cast<WPARAM>(printed.dc()), 16802), 16802);
  // The printed frame against the core's picture, active or not.
  const auto differing = [&](bool active) {
    SendMessageW(hwnd(), WM_PRINT, reinterpret_cast<WPARAM>(printed.dc()), PRF_NONCLIENT);
    GdiFlush();
    Bitmap expected(size.width, size.height);
    frame.Paint(expected.view(), text, texts::kMainCaption, active);
    const Rect client = frame.ClientRect();
    int count = 0;
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) {
        if (client.Contains({x, y})) continue;
        const Pixel a = printed.view().At(x, y), b = expected.At(x, y);
        if (a.r != b.r || a.g != b.g || a.b != b.b) ++count;
      }
    }
    return count;
  };
  EXPECT_EQ(differing(GetActiveWindow() == hwnd()), 0);
  SendMessageW(hwnd(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(differing(false), 0);
  // Activation without an active WM_NCACTIVATE (Wine, restored by the
  // window manager) still gives the active look.
  SendMessageW(hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(differing(true), 0);
}

TEST_F(SkinFormTest, CloseButtonClosesAndCaptureLossCancels) {
  Open();
  SendMessageW(hwnd(), WM_NCACTIVATE, TRUE, 0);
  const int w = WindowRect().right - WindowRect().left;
  // Pressed, then another window takes the capture: nothing happens.
  Mouse(WM_NCLBUTTONDOWN, HTOBJECT, w - 10, 15);
  EXPECT_EQ(GetCapture(), hwnd());
  ReleaseCapture();
  Mouse(WM_NCLBUTTONUP, HTOBJECT, w - 10, 15);
  PumpMessages();
  ASSERT_TRUE(IsWindow(hwnd()));

  Mouse(WM_NCLBUTTONDOWN, HTOBJECT, w - 10, 15);
  Mouse(WM_NCLBUTTONUP, HTOBJECT, w - 10, 15);
  PumpMessages();
  EXPECT_FALSE(IsWindow(form->hwnd()));
}

TEST_F(SkinFormTest, SkinChangesAndThePlatformFrame) {
  Open();
  // The skin is put in force again: the frame follows the new pictures.
  form->zsSkinData1->SetSkinList(form->zsCompressedSkinList1.get());
  PumpMessages();
  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(hwnd(), actual), ERROR);
  HRGN expected = RegionFromRects(form->zsfrm->frame().Region());
  EXPECT_TRUE(EqualRgn(actual, expected));
  DeleteObject(expected);
  RECT client{};
  GetClientRect(hwnd(), &client);
  EXPECT_EQ(client.right, 791);

  // Not skinnable: the platform's frame, no region, and the inquiry says so.
  form->zsSkinData1->SetSkinnableForm(false);
  PumpMessages();
  EXPECT_EQ(SendMessageW(hwnd(), 45490, 0, 0), 12852);
  EXPECT_EQ(GetWindowRgn(hwnd(), actual), ERROR);
  EXPECT_NE(SendMessageW(hwnd(), WM_NCHITTEST, 0, MAKELPARAM(WindowRect().left + 1, WindowRect().top + 1)), HTOBJECT);
  form->zsSkinData1->SetSkinnableForm(true);
  PumpMessages();
  EXPECT_EQ(SendMessageW(hwnd(), 45490, 0, 0), 12853);
  EXPECT_NE(GetWindowRgn(hwnd(), actual), ERROR);
  DeleteObject(actual);
}

TEST_F(SkinFormTest, MaximiseAndRestoreByButtonsAndPlatformCommands) {
  Open();
  const Rect normal = Rect::FromSize(40, 30, 820, 560);
  SetWindowPos(hwnd(), nullptr, normal.left, normal.top, normal.Width(), normal.Height(), SWP_NOZORDER);
  const Rect target = MaximizedRect(MonitorAreasOf(hwnd()), false);

  ClickButton(ButtonCommand::cmMaximize);
  EXPECT_TRUE(IsZoomed(hwnd()));
  EXPECT_EQ(State(), WindowState::wsMaximized);
  EXPECT_EQ(Bounds(), target);
  EXPECT_TRUE(form->zsfrm->frame().state().maximized);
  EXPECT_FALSE(form->SbStatusBar1->bar().GripActive());  // a maximised window has no size grip
  ClickButton(ButtonCommand::cmMaximize);                // now the restore button
  EXPECT_TRUE(form->SbStatusBar1->bar().GripActive());
  EXPECT_FALSE(IsZoomed(hwnd()));
  EXPECT_EQ(State(), WindowState::wsNormal);
  EXPECT_EQ(Bounds(), normal);

  // The platform's own commands reach the same states.
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_EQ(State(), WindowState::wsMaximized);
  EXPECT_EQ(Bounds(), target);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(State(), WindowState::wsNormal);
  EXPECT_EQ(Bounds(), normal);

  // The main form minimises the application and comes back as it was:
  // maximised when it was maximised.
  int minimized = 0;
  form->zsfrm->states().OnMinimize = [&] { ++minimized; };
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(hwnd()));
  EXPECT_EQ(minimized, 1);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(hwnd()));
  EXPECT_TRUE(IsZoomed(hwnd()));
  EXPECT_EQ(State(), WindowState::wsMaximized);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(Bounds(), normal);

  // Maximised from the taskbar's menu while minimised: restore still knows
  // the normal rectangle, not the minimised window's parking place.
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_TRUE(IsZoomed(hwnd()));
  EXPECT_EQ(Bounds(), target);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(Bounds(), normal);

  // Without a tray icon the tray button minimises to the taskbar.
  ClickButton(ButtonCommand::cmMinimizeToTray);
  EXPECT_TRUE(IsIconic(hwnd()));
  EXPECT_EQ(minimized, 3);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(Bounds(), normal);
  form->zsfrm->states().OnMinimize = nullptr;
}

TEST_F(SkinFormTest, RollUpLeavesTheCaptionStripAndBack) {
  Open();
  const Rect normal = Bounds();
  ClickButton(ButtonCommand::cmRollUp);
  EXPECT_TRUE(form->zsfrm->states().RolledUp());
  EXPECT_EQ(Bounds(), Rect::FromSize(normal.left, normal.top, normal.Width(), 31));
  EXPECT_TRUE(form->zsfrm->frame().state().rolledUp);
  const int w = normal.Width();
  Mouse(WM_NCMOUSEMOVE, HTCAPTION, w / 2, 12);  // the button is left
  EXPECT_EQ(HitAt(w / 2, 12), HTCAPTION);
  // The strip's borders size no more.
  EXPECT_NE(HitAt(w / 2, 29), HTBOTTOM);
  EXPECT_NE(HitAt(w - 2, 29), HTBOTTOMRIGHT);
  ClickButton(ButtonCommand::cmRollUp);
  EXPECT_FALSE(form->zsfrm->states().RolledUp());
  EXPECT_EQ(Bounds(), normal);
}

// The platform's "always underline access keys" off for a scope (Wine has it on).
struct NoKeyboardCues {
  BOOL saved = FALSE;
  NoKeyboardCues() {
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &saved, 0);
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, nullptr, 0);
  }
  ~NoKeyboardCues() {
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(saved)), 0);
  }
};

TEST_F(SkinFormTest, SystemMenuFromTheCaptionAndAltSpace) {
  Open();
  TzsSkinForm& skinForm = *form->zsfrm;
  const std::vector<std::string> normal{"ZSF_MOVE",      "ZSF_SIZE", "ZSF_MINITEM", "ZSF_MAXITEM", "ZSF_ROLLUP",
                                        "ZSF_MINTOTRAY", "",         "ZSF_CLOSE"};
  std::string menuEvents;
  skinForm.OnSkinMenuOpen = [&] { menuEvents += "open "; };
  skinForm.OnSkinMenuClose = [&] { menuEvents += "close "; };
  const int w = WindowRect().right - WindowRect().left;
  const NoKeyboardCues noCues;
  Mouse(WM_NCRBUTTONDOWN, HTCAPTION, w / 2, 12);
  Mouse(WM_NCRBUTTONUP, HTCAPTION, w / 2, 12);
  EXPECT_EQ(OpenMenuNames(skinForm), normal);
  EXPECT_EQ(menuEvents, "open ");
  // Opened at the cursor, by the mouse: no underlined accelerators.
  EXPECT_EQ(skinForm.MenuHost()->Menu().LevelAt(0).Bounds().left, WindowRect().left + w / 2);
  EXPECT_FALSE(skinForm.MenuHost()->Menu().ShowsCues());
  // A quick second right click is a press: it closes the menu and opens none.
  Mouse(WM_NCRBUTTONDBLCLK, HTCAPTION, w / 2, 12);
  Mouse(WM_NCRBUTTONUP, HTCAPTION, w / 2, 12);
  EXPECT_TRUE(OpenMenuNames(skinForm).empty());
  EXPECT_EQ(menuEvents, "open close ");
  Mouse(WM_NCRBUTTONDOWN, HTCAPTION, w / 2, 12);
  Mouse(WM_NCRBUTTONUP, HTCAPTION, w / 2, 12);
  menuEvents = "open ";

  // The keyboard goes to the open menu: Esc closes it.
  PostMessageW(hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
  PumpMessages();
  EXPECT_TRUE(OpenMenuNames(skinForm).empty());
  EXPECT_EQ(menuEvents, "open close ");

  // Alt+Space opens it again, with the items of the maximised window.
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
  EXPECT_EQ(OpenMenuNames(skinForm),
            (std::vector<std::string>{"ZSF_MINITEM", "ZSF_RESTORE", "ZSF_ROLLUP", "ZSF_MINTOTRAY", "", "ZSF_CLOSE"}));
  EXPECT_TRUE(skinForm.MenuHost()->Menu().ShowsCues());
  // SC_KEYMENU while it is open closes it and goes no further.
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  EXPECT_TRUE(OpenMenuNames(skinForm).empty());

  // The chosen item runs the state operation: restore, by keyboard.
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
  TzsSkinPopupWindow& level = skinForm.MenuHost()->Menu().LevelAt(0);
  for (int i = 0; i < 6 && (level.ActiveIndex() < 0 || level.Items()[level.ActiveIndex()].node->name != "ZSF_RESTORE");
       ++i) {
    PostMessageW(hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    PumpMessages();
  }
  PostMessageW(hwnd(), WM_KEYDOWN, VK_RETURN, 0);
  PumpMessages();
  EXPECT_FALSE(IsZoomed(hwnd()));
  EXPECT_EQ(State(), WindowState::wsNormal);
}

// With a linked icon the tray button hides the window behind the icon; a
// double-click on the icon brings it back, a right click shows the form's
// tray menu. Needs a notification area: scripts/test.sh runs it under Xvfb.
TEST_F(SkinFormTest, TrayLinkedWindowGoesToTheIconAndBack) {
  Open();
  TzsSkinForm& skinForm = *form->zsfrm;
  TrayIconWindow tray(hwnd(), LoadIconW(nullptr, IDI_APPLICATION));
  if (!tray.tray().AddIcon()) {
    if (!std::getenv("ZV_REQUIRE_TRAY")) GTEST_SKIP() << "no notification area (Wine's null graphics driver)";
    FAIL() << "the notification area refused the icon";
  }
  skinForm.SetTrayIcon(&tray);
  ClickButton(ButtonCommand::cmMinimizeToTray);
  PumpMessages();
  EXPECT_FALSE(IsWindowVisible(hwnd()));

  const auto send = [&](UINT mouse) { SendMessageW(tray.hwnd(), TrayIconWindow::kCallbackMessage, 1, mouse); };
  send(WM_RBUTTONDOWN);
  send(WM_RBUTTONUP);
  EXPECT_EQ(OpenMenuNames(skinForm), (std::vector<std::string>{"TRAY_ZSF_RESTORE", "", "TRAY_ZSF_CLOSE"}));
  skinForm.MenuHost()->Menu().CloseAll();

  for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) send(mouse);
  PumpMessages();
  EXPECT_TRUE(IsWindowVisible(hwnd()));
  EXPECT_FALSE(IsIconic(hwnd()));
  skinForm.SetTrayIcon(nullptr);
}

TEST_F(SkinFormTest, ButtonHintsGoToTheHintWindow) {
  Open();
  RecordingHints hints;
  form->zsfrm->SetHints(&hints);
  form->zsfrm->ShowObjectHint = true;
  std::vector<std::string> events;
  form->zsfrm->OnMouseEnterEvent = [&](const std::string& name) { events.push_back("enter " + name); };
  form->zsfrm->OnMouseLeaveEvent = [&](const std::string& name) { events.push_back("leave " + name); };
  const int w = WindowRect().right - WindowRect().left;
  Mouse(WM_NCMOUSEMOVE, HTOBJECT, w - 10, 15);
  Mouse(WM_NCMOUSEMOVE, HTCAPTION, w / 2, 12);
  const std::string close = ProgramResourceStrings().GetResString("CLOSEBUTTON_HINT");
  EXPECT_EQ(hints.log, (std::vector<std::string>{"show " + close, "hide"}));
  SendMessageW(hwnd(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(events,
            (std::vector<std::string>{"enter closebutton", "leave closebutton", "enter caption", "leave caption"}));
  form->zsfrm->OnMouseEnterEvent = form->zsfrm->OnMouseLeaveEvent = nullptr;
  SendMessageW(hwnd(), WM_NCACTIVATE, TRUE, 0);
  // Without one of its own the form uses the application's hints.
  form->zsfrm->SetHints(nullptr);
  Mouse(WM_NCMOUSEMOVE, HTOBJECT, w - 10, 15);
  EXPECT_TRUE(ApplicationHints().Pending());
  Mouse(WM_NCMOUSEMOVE, HTCAPTION, w / 2, 12);
  EXPECT_FALSE(ApplicationHints().Pending());
  form->zsfrm->ShowObjectHint = false;
}

TEST_F(SkinFormTest, ObjectEventsResourceHintsAndTheActivationReset) {
  Open();
  TzsSkinForm& skinForm = *form->zsfrm;
  RecordingHints hints;
  skinForm.SetHints(&hints);
  skinForm.ShowObjectHint = true;
  std::vector<std::string> events;
  auto record = [&](const char* what) {
    return [&events, what](const std::string& name, int x, int y, const Rect&, MouseButton) {
      events.push_back(std::string(what) + " " + name + " " + std::to_string(x) + "," + std::to_string(y));
    };
  };
  skinForm.OnMouseDownEvent = record("down");
  skinForm.OnMouseUpEvent = record("up");
  skinForm.OnMouseMoveEvent = [&](const std::string& name, int, int, const Rect&) { events.push_back("move " + name); };
  const int w = WindowRect().right - WindowRect().left;
  SendMessageW(hwnd(), WM_NCACTIVATE, TRUE, 0);
  Mouse(WM_NCMOUSEMOVE, HTOBJECT, w - 82, 15);  // the roll-up button: the program's string, not the skin's "RollUp"
  EXPECT_EQ(hints.log, std::vector<std::string>{"show " + ProgramResourceStrings().GetResString("ROLLUPBUTTON_HINT")});
  // A right click on a command button reports only the release; on the caption both.
  Mouse(WM_NCRBUTTONDOWN, HTOBJECT, w - 82, 15);
  Mouse(WM_NCRBUTTONUP, HTOBJECT, w - 82, 16);
  Mouse(WM_NCMOUSEMOVE, HTCAPTION, w / 2, 12);
  Mouse(WM_NCRBUTTONDOWN, HTOBJECT, w / 2, 12);
  Mouse(WM_NCRBUTTONUP, HTOBJECT, w / 2, 12);
  EXPECT_EQ(events, (std::vector<std::string>{"move rollupbutton", "up rollupbutton " + std::to_string(w - 82) + ",16",
                                              "move caption", "down caption " + std::to_string(w / 2) + ",12",
                                              "up caption " + std::to_string(w / 2) + ",12"}));
  skinForm.OnMouseDownEvent = skinForm.OnMouseUpEvent = nullptr;
  skinForm.OnMouseMoveEvent = nullptr;

  // An activation clears the buttons' looks without announcing itself twice.
  Mouse(WM_NCMOUSEMOVE, HTOBJECT, w - 10, 15);
  ASSERT_TRUE(skinForm.frame().objects()[0].active);
  int announced = 0;
  skinForm.OnActivate = [&] { ++announced; };
  SendMessageW(hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_FALSE(skinForm.frame().objects()[0].active || skinForm.frame().objects()[0].mouseIn);
  EXPECT_TRUE(skinForm.frame().objects()[5].active);
  EXPECT_EQ(announced, 0);
  Mouse(WM_NCMOUSEMOVE, HTOBJECT, w - 10, 15);  // the next move lights it again
  EXPECT_TRUE(skinForm.frame().objects()[0].active);
  skinForm.OnActivate = nullptr;
  skinForm.ShowObjectHint = false;
  skinForm.SetHints(nullptr);

  // The application decides whether its own buttons show.
  TzsSkinData& data = *skinForm.SkinData();
  auto& tray = dynamic_cast<TzsDataSkinStdButton&>(*data.ObjectList()[data.FindObjectRecord("traybutton")]);
  tray.command = ButtonCommand::cmDefault;
  std::vector<std::string> asked;
  skinForm.OnActivateCustomObject = [&](const std::string& name, bool& visible) {
    asked.push_back(name);
    visible = true;
  };
  skinForm.SetSkinData(&data);
  EXPECT_EQ(std::set<std::string>(asked.begin(), asked.end()), std::set<std::string>{"traybutton"});
  EXPECT_TRUE(skinForm.frame().objects()[6].visible);
  skinForm.OnActivateCustomObject = nullptr;
  skinForm.SetSkinData(&data);
  EXPECT_FALSE(skinForm.frame().objects()[6].visible);
  tray.command = ButtonCommand::cmMinimizeToTray;
  skinForm.SetSkinData(&data);
  EXPECT_TRUE(skinForm.frame().objects()[6].visible);
}

TEST_F(SkinFormTest, GlowWindowFollowsTheHoveredButton) {
  Open();
  TzsSkinForm& skinForm = *form->zsfrm;
  TzsSkinData& data = *skinForm.SkinData();
  TzsDataSkinObject& close = *data.ObjectList()[data.FindObjectRecord("closebutton")];
  close.glowLayerPictureIndex = close.glowLayerMaskPictureIndex = 0;
  close.glowLayerOffsetX = 2;
  close.glowLayerOffsetY = 3;
  const int w = WindowRect().right - WindowRect().left;
  const auto glow = [] {
    HWND layer = FindWindowW(L"ZvLayerWindow", nullptr);
    return layer && IsWindowVisible(layer) ? layer : nullptr;
  };
  SendMessageW(hwnd(), WM_NCACTIVATE, TRUE, 0);
  Mouse(WM_NCMOUSEMOVE, HTOBJECT, w - 10, 15);
  ASSERT_NE(glow(), nullptr);
  RECT at{};
  GetWindowRect(glow(), &at);
  EXPECT_EQ(at.left, WindowRect().left + w - 24 - 2);
  EXPECT_EQ(at.top, WindowRect().top + 5 - 3);
  Mouse(WM_NCMOUSEMOVE, HTCAPTION, w / 2, 12);
  EXPECT_EQ(glow(), nullptr);
  Mouse(WM_NCMOUSEMOVE, HTOBJECT, w - 10, 15);
  ASSERT_NE(glow(), nullptr);
  SendMessageW(hwnd(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(glow(), nullptr);
  // Off in the skin data: none.
  SendMessageW(hwnd(), WM_NCACTIVATE, TRUE, 0);
  data.ShowCaptionButtonGlowFrames = false;
  skinForm.SetSkinData(&data);
  Mouse(WM_NCMOUSEMOVE, HTOBJECT, w - 10, 15);
  EXPECT_EQ(glow(), nullptr);
  data.ShowCaptionButtonGlowFrames = true;
  close.glowLayerPictureIndex = close.glowLayerMaskPictureIndex = -1;
}

// A window hooked twice answers once: the subclass chain does not recurse.
TEST(SkinFormAttachTest, AttachingTwiceDoesNotRecurse) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  GdiTextRenderer text;
  {
    TzsSkinForm first(window, text);
    TzsSkinForm second(window, text);
    EXPECT_EQ(SendMessageW(window, 45490, 0, 0), 12853);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(200, 150)), HTCLIENT);
  }
  DestroyWindow(window);
}

TEST_F(SkinFormTest, SmallIconOnTheSystemMenuButtonAndTheCaptionsActiveLook) {
  Open();
  TzsSkinForm& skinForm = *form->zsfrm;
  skinForm.SetShowIcon(true);
  const CaptionObject& sysMenu = skinForm.frame().objects()[4];
  ASSERT_EQ(sysMenu.command, ButtonCommand::cmSysMenu);
  EXPECT_EQ(sysMenu.rect.Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(sysMenu.rect.Height(), GetSystemMetrics(SM_CYSMICON));
  EXPECT_EQ(skinForm.frame().objects()[5].rect.left, 3 + sysMenu.rect.Width());
  skinForm.SetShowIcon(false);
  EXPECT_EQ(skinForm.frame().objects()[4].rect, (Rect{3, 8, 17, 20}));

  // The caption follows activation, and the events say so.
  std::vector<bool> activations;
  skinForm.OnActivate = [&] { activations.push_back(true); };
  skinForm.OnDeActivate = [&] { activations.push_back(false); };
  SendMessageW(hwnd(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(skinForm.frame().objects()[5].active);
  SendMessageW(hwnd(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_TRUE(skinForm.frame().objects()[5].active);
  EXPECT_EQ(activations, (std::vector<bool>{false, true}));
  skinForm.OnActivate = skinForm.OnDeActivate = nullptr;
}

// A bare top-level window, hidden, with what its own procedure is handed
// recorded below the skinned form's hook.
struct PlainWindow {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 10, 10, 400, 300, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  std::vector<int> cursorCodes;
  std::vector<WPARAM> buttonHits;  // hit codes of the non-client button messages handed down
  int sizeChanges = 0;
  GdiTextRenderer text;
  std::unique_ptr<TzsSkinForm> form;

  PlainWindow() {
    SetWindowSubclass(window, Record, 1, reinterpret_cast<DWORD_PTR>(this));
    form = std::make_unique<TzsSkinForm>(window, text);
  }
  ~PlainWindow() {
    form.reset();
    RemoveWindowSubclass(window, Record, 1);
    DestroyWindow(window);
  }
  static LRESULT CALLBACK Record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* w = reinterpret_cast<PlainWindow*>(self);
    if (msg == WM_SETCURSOR) w->cursorCodes.push_back(LOWORD(lParam));
    if (msg >= WM_NCLBUTTONDOWN && msg <= WM_NCMBUTTONDBLCLK) w->buttonHits.push_back(wParam);
    if (msg == WM_WINDOWPOSCHANGING && !(reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_NOSIZE)) ++w->sizeChanges;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  Rect Bounds() const {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
  }
  // Whether the window's middle is the middle of its monitor.
  bool Centred() const {
    const Rect m = MonitorAreasOf(window).monitor, b = Bounds();
    return std::abs((b.left + b.right) - (m.left + m.right)) <= 1 &&
           std::abs((b.top + b.bottom) - (m.top + m.bottom)) <= 1;
  }
};

// The platform's own button codes are for it to know where the buttons are;
// the frame still runs them: the platform's default procedure never sees
// their presses (it would run its own loop and draw classic buttons).
TEST(SkinFormLooksTest, PlatformButtonCodesAreRunByTheFrame) {
  PlainWindow w;
  ShowWindow(w.window, SW_SHOWNORMAL);
  SetForegroundWindow(w.window);
  Point max{};
  for (const CaptionObject& o : w.form->frame().objects()) {
    if (o.command == ButtonCommand::cmMaximize)
      max = {(o.rect.left + o.rect.right) / 2, (o.rect.top + o.rect.bottom) / 2};
  }
  const Rect b = w.Bounds();
  ASSERT_EQ(SendMessageW(w.window, WM_NCHITTEST, 0, MAKELPARAM(b.left + max.x, b.top + max.y)), HTMAXBUTTON);
  ClickWithTheMouse({b.left + max.x, b.top + max.y}, 1);
  EXPECT_EQ(w.form->states().State(), WindowState::wsMaximized);
  EXPECT_TRUE(IsZoomed(w.window));
  for (WPARAM hit : w.buttonHits) EXPECT_FALSE(hit == HTMAXBUTTON || hit == HTMINBUTTON || hit == HTCLOSE) << hit;
}

TEST(SkinFormLooksTest, FirstShowCentresOnlyInTheNormalState) {
  PlainWindow shown;
  shown.form->PositionInMonitor = PositionInMonitor::zspScreenCenter;
  ShowWindow(shown.window, SW_SHOWNORMAL);
  EXPECT_TRUE(shown.Centred());
  EXPECT_FALSE(shown.form->states().firstShowPending);

  PlainWindow minimized;
  minimized.form->PositionInMonitor = PositionInMonitor::zspScreenCenter;
  ShowWindow(minimized.window, SW_SHOWMINNOACTIVE);
  EXPECT_TRUE(minimized.form->states().firstShowPending);
  SendMessageW(minimized.window, WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpMessages();
  EXPECT_FALSE(IsIconic(minimized.window));
  EXPECT_TRUE(minimized.Centred());

  PlainWindow standing;  // zspDefault: where it was made
  ShowWindow(standing.window, SW_SHOWNORMAL);
  EXPECT_EQ(standing.Bounds().left, 10);
  EXPECT_FALSE(standing.form->states().firstShowPending);
}

TEST(SkinFormLooksTest, FadeInRunsOnTheTimerAndEndsAsAsked) {
  // Animation alone: from transparent to opaque, without the layered style at the end.
  PlainWindow opaque;
  opaque.form->AlphaBlendAnimation = true;
  ShowWindow(opaque.window, SW_SHOWNA);
  BYTE alpha = 255;
  DWORD flags = 0;
  ASSERT_TRUE(GetWindowLongPtrW(opaque.window, GWL_EXSTYLE) & WS_EX_LAYERED);
  ASSERT_TRUE(GetLayeredWindowAttributes(opaque.window, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 0);
  // The fade does not hold the window: its messages are answered meanwhile.
  EXPECT_EQ(SendMessageW(opaque.window, 45490, 0, 0), 12853);
  for (int i = 0; i < 300 && (GetWindowLongPtrW(opaque.window, GWL_EXSTYLE) & WS_EX_LAYERED); ++i) {
    Sleep(10);
    PumpMessages();
  }
  EXPECT_FALSE(GetWindowLongPtrW(opaque.window, GWL_EXSTYLE) & WS_EX_LAYERED);

  PlainWindow translucent;
  translucent.form->SetAlphaBlendValue(120);
  translucent.form->SetAlphaBlend(true);
  ShowWindow(translucent.window, SW_SHOWNA);
  for (int i = 0; i < 50; ++i) {
    Sleep(10);
    PumpMessages();
  }
  ASSERT_TRUE(GetLayeredWindowAttributes(translucent.window, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 120);
  ShowWindow(translucent.window, SW_HIDE);
  EXPECT_FALSE(GetWindowLongPtrW(translucent.window, GWL_EXSTYLE) & WS_EX_LAYERED);

  // The form going away mid-fade leaves the window opaque, not half faded in.
  PlainWindow detached;
  detached.form->AlphaBlendAnimation = true;
  ShowWindow(detached.window, SW_SHOWNA);
  detached.form.reset();
  EXPECT_FALSE(GetWindowLongPtrW(detached.window, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST(SkinFormLooksTest, FormCursorVeilAndDisplayChange) {
  PlainWindow w;
  ShowWindow(w.window, SW_SHOWNA);
  auto cursorFor = [&](int code) {
    SendMessageW(w.window, WM_SETCURSOR, reinterpret_cast<WPARAM>(w.window), MAKELPARAM(code, WM_MOUSEMOVE));
    return w.cursorCodes.back();
  };
  EXPECT_EQ(cursorFor(HTCAPTION), HTCAPTION);
  w.form->UseFormCursorInNCArea = true;
  EXPECT_EQ(cursorFor(HTCAPTION), HTCLIENT);
  EXPECT_EQ(cursorFor(HTOBJECT), HTCLIENT);
  EXPECT_EQ(cursorFor(HTBOTTOMRIGHT), HTBOTTOMRIGHT);

  w.form->ClientInActiveEffect = true;
  SendMessageW(w.window, WM_NCACTIVATE, FALSE, 0);
  ASSERT_NE(w.form->veil().window(), nullptr);
  EXPECT_TRUE(IsWindowVisible(w.form->veil().window()));
  SendMessageW(w.window, WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(w.form->veil().window(), nullptr);

  // Larger than it may be after a display change: the platform is made to size it again.
  w.sizeChanges = 0;
  SendMessageW(w.window, WM_DISPLAYCHANGE, 32, 0);
  EXPECT_EQ(w.sizeChanges, 0);
  w.form->Limits.maxWidth = 300;
  SendMessageW(w.window, WM_DISPLAYCHANGE, 32, 0);
  EXPECT_EQ(w.sizeChanges, 2);
}

}  // namespace
}  // namespace zv::win::test
