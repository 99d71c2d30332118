#include <windows.h>

#include <gtest/gtest.h>

#include "win32/platform/monitor.h"
#include "win32/gfx/layer_window.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

void PumpFor(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    PumpMessages();
    Sleep(5);
  }
}

TEST(TzsLayerManager, ShowsALayeredToolWindowThatFadesInWithoutTakingTheFocus) {
  ASSERT_TRUE(TzsLayerManager::LayeringAvailable());
  Bitmap picture(40, 30, Pixel{200, 100, 50, 0});
  Bitmap mask(40, 30, Pixel{255, 255, 255, 0});
  mask.view().Fill({0, 0, 10, 30}, Pixel{0, 0, 0, 0});  // a transparent strip

  HWND before = GetForegroundWindow();
  TzsLayerManager manager;
  manager.Show(100, 80, 200, mask.view(), picture.view());
  ASSERT_TRUE(manager.visible());
  HWND layer = manager.layerWindow();
  ASSERT_NE(layer, nullptr);
  EXPECT_TRUE(IsWindowVisible(layer));
  const LONG_PTR ex = GetWindowLongPtrW(layer, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_LAYERED);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_EQ(GetForegroundWindow(), before);
  RECT r{};
  GetWindowRect(layer, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right - r.left, 40);
  EXPECT_EQ(r.bottom - r.top, 30);
  EXPECT_LT(manager.currentAlpha(), 200);
  EXPECT_TRUE(manager.fading());

  PumpFor(600);  // ten 25 ms steps and some
  EXPECT_FALSE(manager.fading());
  EXPECT_EQ(manager.currentAlpha(), 200);

  manager.Hide();
  EXPECT_FALSE(manager.visible());
  EXPECT_FALSE(IsWindow(layer));
}

TEST(TzsLayerManager, ANewLayerReplacesTheOldOne) {
  Bitmap picture(8, 8, Pixel{1, 2, 3, 0});
  TzsLayerManager manager;
  manager.TopMost = false;
  manager.Show(0, 0, 100, picture.view(), picture.view());
  HWND first = manager.layerWindow();
  manager.Show(10, 10, 100, picture.view(), picture.view());
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(GetWindowLongPtrW(manager.layerWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(WorkArea, LiesOnTheMonitorOfTheWindow) {
  HWND desktop = GetDesktopWindow();
  const Rect whole = WorkAreaOf(desktop, false);
  const Rect work = WorkAreaOf(desktop, true);
  EXPECT_EQ(whole, (Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
  EXPECT_FALSE(work.IsEmpty());
  EXPECT_EQ(work.Intersect(whole), work);
}

}  // namespace
}  // namespace zv::win::test
