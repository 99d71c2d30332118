// The main window at the display's scale. `make test` runs these in the
// project's prefix (96 DPI) and again in one whose display is at 144 DPI
// (ZV_EXPECT_DPI says which).
#include <windows.h>

#include <cstdlib>

#include "core/base/display_scale.h"
#include "win32/platform/dpi.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

// Within a few pixels: each control is scaled from its parent's scaled
// place, the panels' one-pixel bevels stay one pixel, and aligned controls
// share what is left.
void ExpectScaled(const Rect& actual, const Rect& designed, int dpi, int slack = 3) {
  const Rect want = ScaleRect(designed, dpi);
  EXPECT_NEAR(actual.left, want.left, slack);
  EXPECT_NEAR(actual.top, want.top, slack);
  EXPECT_NEAR(actual.Width(), want.Width(), slack);
  EXPECT_NEAR(actual.Height(), want.Height(), slack);
}

LRESULT HitAt(HWND window, int x, int y) {
  RECT w{};
  GetWindowRect(window, &w);
  return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(w.left + x, w.top + y));
}

// The caption buttons, the sizing corner and the edge beside it, and the
// shape, where the skin at `dpi` puts them.
void ExpectFrameAt(HWND window, int dpi) {
  RECT w{};
  GetWindowRect(window, &w);
  const int width = w.right - w.left, height = w.bottom - w.top;
  const int bottom = height - ScaleLength(2, dpi);
  EXPECT_EQ(HitAt(window, width - ScaleLength(14, dpi), bottom), HTBOTTOMRIGHT);
  EXPECT_EQ(HitAt(window, width - ScaleLength(22, dpi), bottom), HTBOTTOM);
  // Last: a button under the mouse holds the frame's hits until the mouse leaves it.
  EXPECT_EQ(HitAt(window, width - ScaleLength(10, dpi), ScaleLength(15, dpi)), HTCLOSE);
  SendMessageW(window, WM_NCMOUSELEAVE, 0, 0);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  RECT box{};
  GetRgnBox(region, &box);
  DeleteObject(region);
  EXPECT_EQ(box.right, width);
  EXPECT_EQ(box.bottom, height);
}

TEST_F(MainWindowTest, LaysOutAtTheDisplaysScale) {
  Open();
  const int dpi = form->dpi();
  EXPECT_EQ(dpi, WindowDpi(form->hwnd()));
  // The manifest makes the program aware of the display's scale.
  if (const char* expected = std::getenv("ZV_EXPECT_DPI")) {
    EXPECT_EQ(dpi, std::atoi(expected));
  }
  RECT client{};
  GetClientRect(form->hwnd(), &client);
  EXPECT_NEAR(client.right, ScaleLength(791, dpi), 1);
  EXPECT_NEAR(client.bottom, ScaleLength(496, dpi), 1);
  ExpectScaled(WindowBounds(*form->Memo1), Rect::FromSize(1, 1, 614, 426), dpi);
  ExpectScaled(WindowBounds(*form->ListBox1), Rect::FromSize(1, 1, 173, 208), dpi);
  ExpectScaled(WindowBounds(*form->btnGen), Rect::FromSize(44, 328, 85, 25), dpi);
  EXPECT_EQ(WindowBounds(*form->SbStatusBar1).Height(), ScaleLength(19, dpi));
  EXPECT_EQ(SendMessageW(form->ListBox1->hwnd(), LB_GETITEMHEIGHT, 0, 0), ScaleLength(13, dpi));
  // Text in a font of the scaled height, drawn sharp rather than stretched.
  LOGFONTW font{};
  GetObjectW(form->font(), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -ScaleLength(11, dpi));
  ExpectFrameAt(form->hwnd(), dpi);
}

// Wine moves no window between scales: the message comes from the test. A
// quarter larger, so the window stays within the test's screen.
TEST_F(MainWindowTest, FollowsAChangeOfScale) {
  Open();
  const int from = form->dpi(), to = from * 5 / 4;
  const Rect button = WindowBounds(*form->btnGen);
  RECT w{};
  GetWindowRect(form->hwnd(), &w);
  const auto change = [&](int dpi, const RECT& place) {
    SendMessageW(form->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
    PumpMessages();
  };
  const RECT suggested{w.left + 10, w.top + 10, w.left + 10 + RescaleLength(w.right - w.left, from, to),
                       w.top + 10 + RescaleLength(w.bottom - w.top, from, to)};
  change(to, suggested);
  EXPECT_EQ(form->dpi(), to);
  RECT now{};
  GetWindowRect(form->hwnd(), &now);
  EXPECT_EQ((Rect{now.left, now.top, now.right, now.bottom}),
            (Rect{suggested.left, suggested.top, suggested.right, suggested.bottom}));
  ExpectScaled(WindowBounds(*form->btnGen), Rect::FromSize(44, 328, 85, 25), to);
  EXPECT_EQ(WindowBounds(*form->SbStatusBar1).Height(), ScaleLength(19, to));
  ExpectFrameAt(form->hwnd(), to);

  change(from, w);  // and back, within the roundings of the two ways
  ExpectScaled(WindowBounds(*form->btnGen), button, kBaseDpi);
  ExpectFrameAt(form->hwnd(), from);
}

}  // namespace
}  // namespace zv::win::test
