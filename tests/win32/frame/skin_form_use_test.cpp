// The skinned main window as a user's hands meet it: double-clicks through
// the platform's input queue and move loop, keyboard menus, state sequences,
// limits, skin changes and detaching.
#include <atomic>
#include <functional>
#include <thread>

#include "core/app/program_strings.h"
#include "core/skin/resource_strings.h"
#include "win32/forms/application.h"
#include "win32/forms/form_registry.h"
#include "win32/frame/skin_form_fixture.h"
#include "win32/menus/application_hints.h"
#include "win32/platform/monitor.h"

namespace zv::win::test {

std::vector<std::string> OpenMenuNames(TzsSkinForm& skinForm) {
  std::vector<std::string> names;
  SkinMenuHost* host = skinForm.MenuHost();
  if (!host || !host->Menu().Visible()) return names;
  for (const TzsSkinMenuItem& item : host->Menu().LevelAt(0).Items()) names.push_back(item.node->name);
  return names;
}

namespace {

void Input(DWORD flags, Point to = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.dx = to.x;
  input.mi.dy = to.y;
  SendInput(1, &input, sizeof input);
  Sleep(20);
}

void Key(WORD key) {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
  Sleep(30);
}

// The hand runs on another thread while this one runs the window's messages
// (and any move loop a press starts).
void WithTheHand(const std::function<void()>& hand) {
  PumpMessages();
  std::atomic<bool> done = false;
  std::thread thread([&] {
    Sleep(50);
    hand();
    done = true;
  });
  while (!done) {
    PumpMessages();
    Sleep(2);
  }
  thread.join();
  for (int i = 0; i < 10; ++i) {
    PumpMessages();
    Sleep(5);
  }
}

void WithTheMouse(Point at, const std::function<void()>& hand) {
  SetCursorPos(at.x, at.y);
  WithTheHand(hand);
}

}  // namespace

void ClickWithTheMouse(Point screen, int clicks) {
  WithTheMouse(screen, [clicks] {
    for (int i = 0; i < clicks; ++i) {
      Input(MOUSEEVENTF_LEFTDOWN);
      Input(MOUSEEVENTF_LEFTUP);
    }
  });
}

void DragWithTheMouse(Point from, Size by) {
  WithTheMouse(from, [by] {
    Input(MOUSEEVENTF_LEFTDOWN);
    for (int i = 0; i < 10; ++i) Input(MOUSEEVENTF_MOVE, {by.width / 10, by.height / 10});
    Input(MOUSEEVENTF_LEFTUP);
  });
}

namespace {

bool Pressed(const TzsSkinForm& skinForm) {
  for (const CaptionObject& o : skinForm.frame().objects()) {
    if (o.down) return true;
  }
  return false;
}

TEST_F(SkinFormTest, DoubleClicksOnAButtonAndOnTheCaption) {
  OpenOnTheScreen();
  const Rect normal = Bounds();
  const auto screen = [&](Point p) { return Point{p.x + Bounds().left, p.y + Bounds().top}; };
  // Up and down again, with nothing left captured or pressed.
  ClickWithTheMouse(screen(ButtonCentre(ButtonCommand::cmRollUp)), 2);
  EXPECT_FALSE(form->zsfrm->states().RolledUp());
  EXPECT_EQ(Bounds(), normal);
  EXPECT_NE(GetCapture(), hwnd());
  EXPECT_FALSE(Pressed(*form->zsfrm));

  // The caption's double-click maximises; a drag moves the window.
  const Point caption = screen({Width() / 2, 12});
  ClickWithTheMouse(caption, 2);
  EXPECT_EQ(State(), WindowState::wsMaximized);
  EXPECT_EQ(Bounds(), MaximizedRect(MonitorAreasOf(hwnd()), false));
  ClickWithTheMouse(screen({Width() / 2, 12}), 2);
  EXPECT_EQ(State(), WindowState::wsNormal);
  EXPECT_EQ(Bounds(), normal);
  // The move starts within the first step of the drag.
  DragWithTheMouse(caption, {60, 40});
  EXPECT_EQ(Bounds().Width(), normal.Width());
  EXPECT_GE(Bounds().left - normal.left, 54);
  EXPECT_LE(Bounds().left - normal.left, 60);
  EXPECT_GE(Bounds().top - normal.top, 36);
  EXPECT_LE(Bounds().top - normal.top, 40);
  SetWindowPos(hwnd(), nullptr, normal.left, normal.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

  // A system-menu button the skin puts inside the caption is still the
  // system-menu button, and its double-click closes the window.
  TzsSkinData& data = *form->zsfrm->SkinData();
  auto& sysMenu = *data.ObjectList()[data.FindObjectRecord("sysmenubutton")];
  sysMenu.skinRectInAPicture = false;
  sysMenu.skinRect = {40, 8, 54, 20};
  form->zsfrm->SetSkinData(&data);
  ASSERT_EQ(HitAt(47, 14), HTSYSMENU);
  ClickWithTheMouse(screen({47, 14}), 2);
  EXPECT_FALSE(IsWindow(form->hwnd()));
}

TEST_F(SkinFormTest, AltAndF10NeverStartThePlatformsMenu) {
  Open();
  static int menuLoops = 0;
  menuLoops = 0;
  HHOOK hook = SetWindowsHookExW(
      WH_CALLWNDPROC,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (code >= 0 && reinterpret_cast<CWPSTRUCT*>(lParam)->message == WM_ENTERMENULOOP) ++menuLoops;
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  for (LPARAM key : {LPARAM{0}, LPARAM{'q'}}) {
    PostMessageW(hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);  // ends a platform menu, should one start
    SendMessageW(hwnd(), WM_SYSCOMMAND, SC_KEYMENU, key);
    PumpMessages();
  }
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(menuLoops, 0);
  EXPECT_TRUE(OpenMenuNames(*form->zsfrm).empty());
}

// Alt+Space, M: the platform's keyboard loop moves the window with the
// arrows until Enter; S sizes it the same way. Typed through the platform's
// input queue, which its loop reads.
TEST_F(SkinFormTest, MoveAndSizeFromTheKeyboard) {
  OpenOnTheScreen();
  const auto choose = [&](WORD letter, std::initializer_list<WORD> keys) {
    SendMessageW(hwnd(), WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
    WithTheHand([&] {
      Key(letter);
      Sleep(200);  // the loop starts
      for (WORD key : keys) Key(key);
    });
  };
  const Rect start = Bounds();
  choose('M', {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN});
  EXPECT_EQ(Bounds(), start.Offset(16, 8));
  choose('S', {VK_RIGHT, VK_RIGHT, VK_RETURN});  // the first arrow picks the edge
  EXPECT_EQ(Bounds().left, start.left + 16);
  EXPECT_EQ(Bounds().Width(), start.Width() + 8);
}

TEST_F(SkinFormTest, MaximiseRollUpMinimiseAndBackFromTheTaskbar) {
  Open();
  const Rect normal = Bounds();
  const Rect target = MaximizedRect(MonitorAreasOf(hwnd()), false);
  ClickButton(ButtonCommand::cmMaximize);
  ClickButton(ButtonCommand::cmRollUp);
  const Rect strip{target.left, target.top, target.right, target.top + 31};
  EXPECT_EQ(Bounds(), strip);
  ClickButton(ButtonCommand::cmMinimize);
  ASSERT_TRUE(IsIconic(hwnd()));
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);  // the taskbar's click
  EXPECT_FALSE(IsIconic(hwnd()));
  // Rolled up and maximised, and drawn so: the strip, the restore looks.
  EXPECT_EQ(Bounds(), strip);
  EXPECT_EQ(form->zsfrm->frame().state(), (FrameState{true, false, true}));
  EXPECT_EQ(HitAt(Width() / 2, 12), HTCAPTION);
  ClickButton(ButtonCommand::cmMaximize);  // now restore
  EXPECT_EQ(Bounds(), normal);
  EXPECT_FALSE(form->zsfrm->states().RolledUp());
  EXPECT_EQ(HitAt(Width() / 2, Bounds().Height() / 2), HTCLIENT);

  // Maximised by the platform (a shortcut set to run maximised): every
  // restore goes back to where the window was.
  ShowWindow(hwnd(), SW_MAXIMIZE);
  EXPECT_EQ(State(), WindowState::wsMaximized);
  ClickButton(ButtonCommand::cmMaximize);
  EXPECT_EQ(Bounds(), normal);
  // Restoring a normal window is the platform's, and announced.
  int restored = 0;
  form->zsfrm->states().OnRestore = [&] { ++restored; };
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(restored, 1);
  form->zsfrm->states().OnRestore = nullptr;
}

TEST_F(SkinFormTest, TheApplicationsMaximumLimitsDraggingNotMaximising) {
  Open();
  TzsSkinForm& skinForm = *form->zsfrm;
  skinForm.Limits.maxWidth = 600;
  const Rect start = Bounds();
  SetWindowPos(hwnd(), nullptr, 0, 0, 900, start.Height(), SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Bounds().Width(), 600);
  ClickButton(ButtonCommand::cmMaximize);
  EXPECT_EQ(Bounds(), MaximizedRect(MonitorAreasOf(hwnd()), false));
  ClickButton(ButtonCommand::cmMaximize);
  skinForm.Limits.maxWidth = 0;

  // Without full-window dragging an outline is dragged: the window keeps
  // the shape of the size it has until the loop ends.
  BOOL fullDrag = TRUE;
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
  SendMessageW(hwnd(), WM_ENTERSIZEMOVE, 0, 0);
  RECT proposed = WindowRect();
  proposed.right += 150;
  SendMessageW(hwnd(), WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&proposed));
  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(hwnd(), actual);
  RECT box{};
  GetRgnBox(actual, &box);
  EXPECT_EQ(box.right, Width());
  SendMessageW(hwnd(), WM_EXITSIZEMOVE, 0, 0);
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, fullDrag, nullptr, 0);
  DeleteObject(actual);
}

TEST_F(SkinFormTest, SkinChangesWhileRolledUpTheSkinDataGoingAndDetaching) {
  Open();
  TzsSkinForm& skinForm = *form->zsfrm;
  ClickButton(ButtonCommand::cmRollUp);
  form->zsSkinData1->SetSkinList(form->zsCompressedSkinList1.get());  // the skin put in force again
  PumpMessages();
  EXPECT_EQ(Bounds().Height(), 31);
  EXPECT_TRUE(skinForm.frame().state().rolledUp);
  ClickButton(ButtonCommand::cmRollUp);
  RECT client{};
  GetClientRect(hwnd(), &client);
  EXPECT_EQ(client.right, 791);
  EXPECT_EQ(client.bottom, 496);

  // Hints go at a press, the start of a move, a deactivation and a skin
  // change; new resource strings give new hints.
  RecordingHints hints;
  skinForm.SetHints(&hints);
  skinForm.ShowObjectHint = true;
  const Point close = ButtonCentre(ButtonCommand::cmClose);
  const auto hover = [&] {
    Mouse(WM_NCMOUSEMOVE, HTCAPTION, Width() / 2, 12);
    hints.log.clear();
    Mouse(WM_NCMOUSEMOVE, HTOBJECT, close.x, close.y);
  };
  hover();
  Mouse(WM_NCRBUTTONDOWN, HTOBJECT, close.x, close.y);
  EXPECT_EQ(hints.log, (std::vector<std::string>{"show " + ProgramResourceStrings().GetResString("CLOSEBUTTON_HINT"), "hide"}));
  Mouse(WM_NCRBUTTONUP, HTOBJECT, close.x, close.y);
  hover();
  SendMessageW(hwnd(), WM_ENTERSIZEMOVE, 0, 0);
  EXPECT_EQ(hints.log.back(), "hide");
  SendMessageW(hwnd(), WM_EXITSIZEMOVE, 0, 0);
  hover();
  SendMessageW(hwnd(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(hints.log.back(), "hide");
  SendMessageW(hwnd(), WM_NCACTIVATE, TRUE, 0);
  TzsResourceStrData strings;
  strings.SetResStrings({"CLOSEBUTTON_HINT=Shut"});
  form->zsSkinData1->SetResourceStrData(&strings);
  hover();
  EXPECT_EQ(hints.log, std::vector<std::string>{"show Shut"});
  form->zsSkinData1->SetSkinList(form->zsCompressedSkinList1.get());
  EXPECT_EQ(hints.log.back(), "hide");
  skinForm.SetHints(nullptr);
  skinForm.ShowObjectHint = false;
  form->zsSkinData1->SetResourceStrData(nullptr);

  // The skin data goes first: the form draws its plain frame and keeps no pointer.
  form->zsSkinData1.reset();
  EXPECT_EQ(skinForm.SkinData(), nullptr);
  EXPECT_FALSE(skinForm.frame().Skinned());
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  // Detached, the window has the platform's frame again.
  form->zsfrm.reset();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(hwnd(), region), ERROR);
  DeleteObject(region);
  RECT expected{0, 0, 0, 0};
  AdjustWindowRectEx(&expected, GetWindowLongW(hwnd(), GWL_STYLE), FALSE, GetWindowLongW(hwnd(), GWL_EXSTYLE));
  POINT origin{0, 0};
  ClientToScreen(hwnd(), &origin);
  EXPECT_EQ(origin.y - Bounds().top, -expected.top);
}

TEST_F(SkinFormTest, TheMenusOwnSkinAndSettings) {
  Open();
  TzsSkinForm& skinForm = *form->zsfrm;
  skinForm.SetMaxMenuItemsInWindow(2);
  skinForm.SetMaxMenuItemsInWindow(-1);  // ignored
  skinForm.SetDefMenuItemHeight(0);      // ignored
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
  ASSERT_FALSE(OpenMenuNames(skinForm).empty());
  EXPECT_TRUE(skinForm.MenuHost()->Menu().LevelAt(0).Scrollable());
  EXPECT_TRUE(skinForm.MenuHost()->Skin().Skinned());
  skinForm.MenuHost()->Menu().CloseAll();
  // An empty skin data of the menus' own: the plain look, whatever the frame's.
  {
    TzsSkinData plain(nullptr, WinFormRegistry::Instance());
    skinForm.SetMenusSkinData(&plain);
    skinForm.SetMaxMenuItemsInWindow(0);
    SendMessageW(hwnd(), WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
    EXPECT_FALSE(skinForm.MenuHost()->Skin().Skinned());
    EXPECT_EQ(skinForm.MenuHost()->Menu().LevelAt(0).Items()[0].height, 20);
  }
  // It went: the menus take the frame's skin again.
  EXPECT_EQ(skinForm.MenusSkinData(), nullptr);
  EXPECT_EQ(skinForm.MenuHost(), nullptr);
}

// A window without a border keeps the platform's non-client area; a tool
// window's plain frame has the small caption.
TEST(SkinFormAttachTest, NoBorderAndToolWindowStyles) {
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  GdiTextRenderer text;
  {
    TzsSkinForm form(window, text);
    EXPECT_EQ(form.frame().plain().captionHeight, 15);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 400);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR);
    // Given a border, the frame is the form's.
    SetWindowLongW(window, GWL_STYLE, WS_POPUP | WS_THICKFRAME | WS_CAPTION);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 400 - 6);
    EXPECT_NE(GetWindowRgn(window, region), ERROR);
    DeleteObject(region);
  }
  DestroyWindow(window);
}

// High contrast sets the skin aside for the platform's frame and plain
// looks, at start and whenever the user switches it, and brings it back.
TEST_F(SkinFormTest, HighContrastGivesThePlatformsFrame) {
  bool highContrast = true;
  services->highContrast = [&] { return highContrast; };
  Open();
  const auto platformFrame = [&] {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool none = GetWindowRgn(hwnd(), region) == ERROR;
    DeleteObject(region);
    return none && SendMessageW(hwnd(), 45490, 0, 0) == 12852 && !form->TopPnl->panel().Skinned();
  };
  EXPECT_TRUE(platformFrame());
  highContrast = false;
  SendMessageW(hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  EXPECT_FALSE(platformFrame());
  EXPECT_TRUE(form->zsfrm->frame().Skinned());
  highContrast = true;
  SendMessageW(hwnd(), WM_THEMECHANGED, 0, 0);
  EXPECT_TRUE(platformFrame());
}

// The caption buttons show their hints in the skinned hint window after
// the usual pause, as the platform's caption buttons show tooltips.
TEST_F(SkinFormTest, CaptionButtonsShowTheirTooltips) {
  OpenOnTheScreen();
  ASSERT_NE(form->zsSkinHint1->Hint(), nullptr);
  EXPECT_EQ(ApplicationHints().Serving(), form->zsSkinHint1->Hint());
  EXPECT_EQ(ApplicationHints().HintShortPause, 100u);
  std::string text;
  form->zsSkinHint1->Hint()->OnShowHint = [&](HintShowing& showing) { text = showing.content.text; };
  const Point close = ButtonCentre(ButtonCommand::cmClose);
  SetCursorPos(Bounds().left + close.x, Bounds().top + close.y);
  SendMessageW(hwnd(), WM_NCACTIVATE, TRUE, 0);
  Mouse(WM_NCMOUSEMOVE, HTCLOSE, close.x, close.y);
  HWND shown = nullptr;
  for (int i = 0; i < 300 && !shown; ++i) {
    PumpMessages();
    Sleep(10);
    HWND hint = FindWindowW(L"ZvSkinHintWindow", nullptr);
    if (hint && IsWindowVisible(hint)) shown = hint;
  }
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(form->zsSkinHint1->Hint()->Window().Skinned());
  RECT r{};
  GetWindowRect(shown, &r);
  EXPECT_GT(r.top, Bounds().top + close.y);  // below the cursor
  EXPECT_EQ(text, ProgramResourceStrings().GetResString("CLOSEBUTTON_HINT"));  // in the program's language
  form->zsSkinHint1->Hint()->OnShowHint = nullptr;
}

// The system menu in the program's own texts by every way it opens: a right
// click on the caption, Alt+Space, the system-menu button.
TEST_F(SkinFormTest, TheSystemMenuInTheProgramsTexts) {
  Open();
  TzsSkinForm& skinForm = *form->zsfrm;
  const TzsResourceStrData strings = ProgramResourceStrings();
  std::vector<std::string> expected;
  for (const SystemMenuItem& item : DefaultSystemMenu({}, &strings)) expected.push_back(item.caption);
  const auto shown = [&] {
    std::vector<std::string> captions;
    SkinMenuHost* host = skinForm.MenuHost();
    if (!host || !host->Menu().Visible()) return captions;
    for (const TzsSkinMenuItem& item : host->Menu().LevelAt(0).Items()) captions.push_back(item.node->caption);
    host->Menu().CloseAll();
    return captions;
  };
  Mouse(WM_NCRBUTTONDOWN, HTCAPTION, Width() / 2, 12);
  Mouse(WM_NCRBUTTONUP, HTCAPTION, Width() / 2, 12);
  EXPECT_EQ(shown(), expected);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
  EXPECT_EQ(shown(), expected);
  ClickButton(ButtonCommand::cmSysMenu);
  EXPECT_EQ(shown(), expected);
  EXPECT_EQ(expected.back(), strings.GetResString("MI_CLOSECAPTION"));
}

}  // namespace
}  // namespace zv::win::test
