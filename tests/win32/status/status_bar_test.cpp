#include <windows.h>
#include <windowsx.h>

#include <array>
#include <utility>

#include "core/app/texts.h"
#include "core/status/colour.h"
#include "win32/platform/dib_surface.h"
#include "win32/platform/gdi_text_renderer.h"
#include "win32/status/win_local_time.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

constexpr Pixel kWhite{255, 255, 255, 0};

Pixel SysPixel(int index) { return ToPixel(GetSysColor(index)); }

// The bar as it paints itself, read back through WM_PRINTCLIENT.
Bitmap RenderBar(TSbStatusBar& bar) {
  RECT client{};
  GetClientRect(bar.hwnd(), &client);
  DibSurface surface;
  surface.Resize({client.right, client.bottom});
  SendMessageW(bar.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.dc()), PRF_CLIENT);
  GdiFlush();
  Bitmap copy(client.right, client.bottom);
  CopyPixels(surface.view(), {0, 0}, copy.view(), {0, 0}, {client.right, client.bottom});
  return copy;
}

int CountUnlike(const Bitmap& image, const Rect& area, Pixel background) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += image.At(x, y) != background ? 1 : 0;
  }
  return count;
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    PumpMessages();
    Sleep(10);
  }
}

// Catches the system commands the top-level window receives.
struct SysCommandRecorder {
  static inline std::vector<std::pair<WPARAM, LPARAM>> commands;
  static inline WNDPROC original = nullptr;
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_SIZE) {
      commands.emplace_back(wParam, lParam);
      return 0;  // no modal sizing loop in a test
    }
    return CallWindowProcW(original, hwnd, msg, wParam, lParam);
  }
  explicit SysCommandRecorder(HWND hwnd) : hwnd_(hwnd) {
    commands.clear();
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SysCommandRecorder::Proc)));
  }
  ~SysCommandRecorder() { SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original)); }
  HWND hwnd_;
};

void Press(TSbStatusBar& bar, Point at) {
  SendMessageW(bar.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(bar.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  PumpMessages();
}

using StatusBarTest = MainWindowTest;

TEST_F(StatusBarTest, PanesLineUpOnTheMainWindowsBar) {
  Open();
  TSbStatusBar& bar = *form->SbStatusBar1;
  EXPECT_EQ(WindowBounds(bar), Rect::FromSize(0, 477, 791, 19));
  ASSERT_EQ(bar.bar().PaneCount(), 3u);
  EXPECT_EQ(&bar.bar().Pane(0), form->SbStatusPane1);
  EXPECT_EQ(&bar.bar().Pane(2), form->SbClockStatus1);
  EXPECT_EQ(form->SbStatusPane1->BoundsRect(), Rect::FromSize(0, 0, 161, 19));
  EXPECT_EQ(form->SbStatusPane2->BoundsRect(), Rect::FromSize(161, 0, 100, 19));
  EXPECT_EQ(form->SbClockStatus1->BoundsRect(), Rect::FromSize(641, 0, 150, 19));
  // Text inside the flat frame; the clock leaves 12 pixels for the grip.
  EXPECT_EQ(bar.bar().PaneTextRect(*form->SbStatusPane1), (Rect{2, 2, 159, 17}));
  EXPECT_EQ(bar.bar().PaneTextRect(*form->SbClockStatus1), (Rect{643, 2, 789 - 12, 17}));
  EXPECT_EQ(form->SbStatusPane1->Caption(), "");
  EXPECT_EQ(form->SbStatusPane2->Caption(), "");

  // The clock pane follows the right edge as the window widens.
  RECT frame{};
  GetWindowRect(form->hwnd(), &frame);
  SetWindowPos(form->hwnd(), nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top + 50,
               SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages();
  EXPECT_EQ(bar.bar().Width(), 891);
  EXPECT_EQ(bar.bar().Height(), 19);
  EXPECT_EQ(form->SbStatusPane1->BoundsRect(), Rect::FromSize(0, 0, 161, 19));
  EXPECT_EQ(form->SbClockStatus1->BoundsRect(), Rect::FromSize(741, 0, 150, 19));
}

TEST_F(StatusBarTest, FirstPaneShowsTheLoadedLibrary) {
  folder.Write("data\\abc.txt", "one\r\n");
  folder.Write("data\\def.txt", "two\r\n");
  Open();
  TSbStatusBar& bar = *form->SbStatusBar1;
  const Bitmap before = RenderBar(bar);
  const int abc = form->ListBox1->Item(0) == "abc.txt" ? 0 : 1;
  form->ListBox1->Select(abc);
  form->ListBox1Click();
  PumpMessages();
  const std::string loaded = std::string(texts::kLibraryLoaded) + "abc.txt";
  EXPECT_EQ(form->SbStatusPane1->Caption(), loaded);
  EXPECT_EQ(bar.PaneCaption(0), loaded);
  EXPECT_EQ(form->SbStatusPane2->Caption(), "");

  // The caption is drawn, and only inside the first pane's text rectangle.
  const Bitmap after = RenderBar(bar);
  const Rect text = bar.bar().PaneTextRect(*form->SbStatusPane1);
  int inside = 0, outside = 0;
  for (int y = 0; y < after.height(); ++y) {
    for (int x = 0; x < 600; ++x) {
      if (after.At(x, y) != before.At(x, y)) ++(text.Contains({x, y}) ? inside : outside);
    }
  }
  EXPECT_GT(inside, 20);
  EXPECT_EQ(outside, 0);
}

TEST_F(StatusBarTest, ClockShowsTheTimeAndTicks) {
  Open();
  TSbClockStatus& clock = *form->SbClockStatus1;
  const std::string first = clock.LastText();
  SYSTEMTIME now{};
  GetLocalTime(&now);
  EXPECT_NE(first.find(std::to_string(now.wYear)), std::string::npos) << first;
  EXPECT_NE(first.find(':'), std::string::npos) << first;
  EXPECT_EQ(clock.Caption(), first);
  EXPECT_TRUE(ProcessStatusLists().PollingTimerExists());

  PumpFor(1200);
  EXPECT_NE(clock.LastText(), first);
  EXPECT_EQ(clock.Caption(), clock.LastText());
  const Rect text = form->SbStatusBar1->bar().PaneTextRect(clock);
  EXPECT_GT(CountUnlike(RenderBar(*form->SbStatusBar1), text, SysPixel(COLOR_BTNFACE)), 20);

  // The shared timer goes with the last pane.
  form.reset();
  EXPECT_FALSE(ProcessStatusLists().PollingTimerExists());
  EXPECT_FALSE(ProcessStatusLists().BlinkTimerExists());
}

TEST_F(StatusBarTest, GripShowsTheSizingCursorAndStartsAResize) {
  Open();
  TSbStatusBar& bar = *form->SbStatusBar1;
  HCURSOR sizing = LoadCursorW(nullptr, IDC_SIZENWSE);
  EXPECT_EQ(bar.CursorAt({791 - 13, 0}), sizing);
  EXPECT_EQ(bar.CursorAt({790, 18}), sizing);
  EXPECT_EQ(bar.CursorAt({791 - 14, 9}), nullptr);
  EXPECT_EQ(bar.CursorAt({10, 9}), nullptr);

  // Through the message, with the mouse over the grip (moved on screen first).
  SetWindowPos(form->hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  POINT over{785, 10};
  ClientToScreen(bar.hwnd(), &over);
  SetCursorPos(over.x, over.y);
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(SendMessageW(bar.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(bar.hwnd()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);
  EXPECT_EQ(GetCursor(), sizing);

  SysCommandRecorder recorder(form->hwnd());
  Press(bar, {100, 10});
  EXPECT_TRUE(recorder.commands.empty());
  Press(bar, {785, 10});
  ASSERT_EQ(recorder.commands.size(), 1u);
  EXPECT_EQ(recorder.commands[0].first, static_cast<WPARAM>(SC_SIZE | WMSZ_BOTTOMRIGHT));
  EXPECT_EQ(GET_X_LPARAM(recorder.commands[0].second), over.x);
  EXPECT_EQ(GET_Y_LPARAM(recorder.commands[0].second), over.y);
  EXPECT_EQ(GetCapture(), nullptr);

  // Maximised: no grip, no sizing, but the clock keeps its 12 pixels.
  ShowWindow(form->hwnd(), SW_MAXIMIZE);
  PumpMessages();
  ASSERT_TRUE(IsZoomed(form->hwnd()));
  const int width = bar.bar().Width();
  EXPECT_EQ(bar.CursorAt({width - 5, 10}), nullptr);
  Press(bar, {width - 5, 10});
  EXPECT_EQ(recorder.commands.size(), 1u);
  EXPECT_EQ(bar.bar().PaneTextRect(*form->SbClockStatus1).right, width - 2 - 12);
}

TEST_F(StatusBarTest, ClassicBarHasFlatFramesAndTheGripDots) {
  Open();
  TSbStatusBar& bar = *form->SbStatusBar1;
  bar.bar().SetThemeAware(false);
  const Pixel face = SysPixel(COLOR_BTNFACE);
  const Pixel flat = ToPixel(AdjustLightness(GetSysColor(COLOR_BTNSHADOW), 30));
  const Pixel light = SysPixel(COLOR_BTNHIGHLIGHT);
  const Pixel shadow = SysPixel(COLOR_BTNSHADOW);
  ASSERT_NE(flat, face);
  const Bitmap image = RenderBar(bar);

  // First pane: the flat frame one pixel in, its corners left out.
  EXPECT_EQ(image.At(0, 9), face);
  EXPECT_EQ(image.At(1, 9), flat);
  EXPECT_EQ(image.At(80, 1), flat);
  EXPECT_EQ(image.At(80, 17), flat);
  EXPECT_EQ(image.At(159, 9), flat);
  EXPECT_EQ(image.At(1, 1), face);
  EXPECT_EQ(image.At(159, 17), face);
  EXPECT_EQ(CountUnlike(image, {2, 2, 159, 17}, face), 0) << "an empty pane";
  // Second pane starts right after it.
  EXPECT_EQ(image.At(161, 9), face);
  EXPECT_EQ(image.At(162, 9), flat);

  // Grip dots counted from the right edge and one pixel above the bottom.
  const int right = 791, bottom = 18;
  constexpr std::array<std::pair<int, int>, 6> kDots{{{5, 12}, {5, 8}, {5, 4}, {9, 8}, {9, 4}, {13, 4}}};
  for (const auto& [left, above] : kDots) {
    const int x = right - left, y = bottom - above;
    EXPECT_EQ(image.At(x + 1, y + 1), light) << left << "," << above;
    EXPECT_EQ(image.At(x - 1, y - 1), shadow) << left << "," << above;
  }
  // The clock's text stays out of the room kept for the grip.
  EXPECT_GT(CountUnlike(image, {643, 2, 777, 17}, face), 20);
  const Pixel text = SysPixel(COLOR_WINDOWTEXT);
  for (int y = 0; y < 19; ++y) {
    for (int x = 777; x < 791; ++x) EXPECT_NE(image.At(x, y), text) << x << "," << y;
  }

  // Without a sizeable border the grip is not drawn.
  SetWindowLongPtrW(form->hwnd(), GWL_STYLE, GetWindowLongPtrW(form->hwnd(), GWL_STYLE) & ~WS_THICKFRAME);
  const Bitmap fixed = RenderBar(bar);
  EXPECT_EQ(fixed.At(787, 7), face);
  EXPECT_EQ(bar.CursorAt({787, 7}), nullptr);
}

TEST_F(StatusBarTest, ThemedBarDrawsThePlatformsParts) {
  Open();
  TSbStatusBar& bar = *form->SbStatusBar1;
  if (!bar.bar().UsesTheme()) GTEST_SKIP() << "visual styles are off";
  const Bitmap themed = RenderBar(bar);
  bar.bar().SetThemeAware(false);
  const Bitmap classic = RenderBar(bar);
  bar.bar().SetThemeAware(true);
  int differs = 0;
  for (int y = 0; y < 19; ++y) {
    for (int x = 0; x < 161; ++x) differs += themed.At(x, y) != classic.At(x, y) ? 1 : 0;
  }
  EXPECT_GT(differs, 0) << "the theme, not the classic frame, drew the first pane";

  // Text over the themed background.
  form->SbStatusPane2->SetCaption("WWWW");
  const Bitmap withText = RenderBar(bar);
  int changed = 0;
  for (int y = 0; y < 19; ++y) {
    for (int x = 161; x < 261; ++x) changed += withText.At(x, y) != themed.At(x, y) ? 1 : 0;
  }
  EXPECT_GT(changed, 20);

  // The themed gripper goes with the sizeable border.
  SetWindowLongPtrW(form->hwnd(), GWL_STYLE, GetWindowLongPtrW(form->hwnd(), GWL_STYLE) & ~WS_THICKFRAME);
  const Bitmap fixed = RenderBar(bar);
  int gripper = 0;
  for (int y = 0; y < 19; ++y) {
    for (int x = 791 - 13; x < 791; ++x) gripper += fixed.At(x, y) != withText.At(x, y) ? 1 : 0;
  }
  EXPECT_GT(gripper, 0);
}

TEST(GdiTextRendererTest, MeasuresAndDrawsOnlyInsideTheClip) {
  GdiTextRenderer renderer;
  FontSpec font;
  font.name = "Tahoma";
  font.height = -11;
  const Size pp = renderer.Measure(font, "Pp");
  EXPECT_GT(pp.height, 8);
  EXPECT_GT(renderer.Measure(font, "WWWW").width, renderer.Measure(font, "W").width * 3);
  EXPECT_EQ(renderer.Measure(font, "").width, 0);
  font.style = kFontBold;
  EXPECT_GE(renderer.Measure(font, "WWWW").width, renderer.Measure(FontSpec{"Tahoma", -11}, "WWWW").width);

  Bitmap image(60, 20, kWhite);
  font.color = Rgb(0, 0, 0);
  const Rect clip{10, 2, 30, 18};
  renderer.Draw(image.view(), font, "MMMMMMMM", {5, 3}, clip);
  EXPECT_GT(CountUnlike(image, clip, kWhite), 20);
  EXPECT_EQ(CountUnlike(image, {0, 0, 60, 20}, kWhite), CountUnlike(image, clip, kWhite));
  for (int y = 2; y < 18; ++y) EXPECT_EQ(image.At(9, y), kWhite);

  // A clip off the image or empty text changes nothing and does not fail.
  Bitmap untouched(10, 10, kWhite);
  renderer.Draw(untouched.view(), font, "M", {0, 0}, {20, 20, 40, 40});
  renderer.Draw(untouched.view(), font, "", {0, 0}, {0, 0, 10, 10});
  renderer.Draw(untouched.view(), font, "M", {-100, -100}, {-5, -5, 5, 5});
  EXPECT_EQ(CountUnlike(untouched, {0, 0, 10, 10}, kWhite), 0);
}

TEST(DibSurfaceTest, GdiDrawingStaysInsideTheClipAndSizeIsKept) {
  DibSurface surface;
  surface.Resize({40, 30});
  const Pixel* first = surface.view().Row(0);
  surface.Resize({40, 30});
  EXPECT_EQ(surface.view().Row(0), first) << "same size, same pixels";
  EXPECT_EQ(surface.size(), (Size{40, 30}));

  Bitmap image(20, 20, kWhite);
  DibSurface scratch;
  Point seen{-1, -1};
  DrawWithGdi(scratch, image.view(), {5, 6, 12, 30}, [&](HDC dc, Point origin) {
    seen = origin;
    const RECT everything{-100, -100, 100, 100};
    FillRect(dc, &everything, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  });
  EXPECT_EQ(seen, (Point{5, 6}));
  EXPECT_EQ(CountUnlike(image, {5, 6, 12, 20}, Pixel{0, 0, 0, 0}), 0);
  EXPECT_EQ(CountUnlike(image, {0, 0, 20, 20}, kWhite), 7 * 14);
}

TEST(WinLocalTimeTest, ReadsTheLocalesFormatsAndNames) {
  WinLocalTime english(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
  const LocaleFormats f = english.Formats();
  EXPECT_EQ(f.shortDate, "M/d/yyyy");
  EXPECT_EQ(f.longTime, "h:mm:ss tt");
  EXPECT_EQ(f.amDesignator, "AM");
  EXPECT_EQ(f.pmDesignator, "PM");
  EXPECT_EQ(f.longMonthNames[0], "January");
  EXPECT_EQ(f.shortMonthNames[11], "Dec");
  EXPECT_EQ(f.longDayNames[0], "Sunday");
  EXPECT_EQ(f.longDayNames[1], "Monday");
  EXPECT_EQ(f.shortDayNames[6], "Sat");

  WinLocalTime chinese(MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT));
  EXPECT_EQ(chinese.Formats().longDayNames[0], "\xd0\xc7\xc6\xda\xc8\xd5");  // Sunday, CP936

  SYSTEMTIME before{};
  GetLocalTime(&before);
  const LocalDateTime now = english.Now();
  EXPECT_EQ(now.year, before.wYear);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
}

}  // namespace
}  // namespace zv::win::test
