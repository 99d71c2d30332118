#include "core/frame/geometry.h"

#include <gtest/gtest.h>

#include "frame/frame_fixture.h"

namespace zv {
namespace {

struct FrameGeometryTest : ::testing::Test {
  test::EmbeddedFrameSkin embedded;
  const SkinFormInfo& info = embedded.skin.info;
  Size picture = embedded.skin.PictureSize();
  FrameGeometry At(int w, int h) { return ComputeFrameGeometry(info, picture, {w, h}); }
};

TEST_F(FrameGeometryTest, EmbeddedSkinAtSeveralSizes) {
  const FrameGeometry natural = At(285, 210);
  EXPECT_EQ(natural.client, (Rect{4, 27, 281, 206}));
  EXPECT_EQ(natural.client.Width(), 277);
  EXPECT_EQ(natural.client.Height(), 179);
  EXPECT_EQ(natural.caption, (Rect{3, 5, 282, 24}));
  EXPECT_EQ(natural.maskRect, (Rect{4, 3, 282, 206}));

  const FrameGeometry wide = At(800, 500);
  EXPECT_EQ(wide.client, (Rect{4, 27, 796, 496}));
  EXPECT_EQ(wide.caption, (Rect{3, 5, 797, 24}));
  EXPECT_EQ(wide.rightBottom, (Point{274 + 515, 200 + 290}));
  EXPECT_EQ(wide.hitRightBottom, (Point{276 + 515, 203 + 290}));
  EXPECT_EQ(wide.maskRect, (Rect{4, 3, 797, 496}));

  // Rolled up: 31 pixels high, the client area empty but not inverted.
  const FrameGeometry strip = At(400, 31);
  EXPECT_EQ(strip.client, (Rect{4, 27, 396, 27}));
  EXPECT_EQ(strip.maskRect, (Rect{4, 3, 397, 27}));
  // Smaller than the frame: still inside the window.
  const FrameGeometry tiny = At(5, 5);
  EXPECT_EQ(tiny.client, (Rect{4, 5, 4, 5}));
}

TEST_F(FrameGeometryTest, MapSkinRectByZones) {
  const FrameGeometry g = At(800, 500);
  // The caption starts in the top-left zone and ends in the top-right one.
  EXPECT_EQ(MapSkinRect(g, {5, 4, 280, 24}), (Rect{5, 4, 795, 24}));
  // Right and bottom are exclusive: ending on the zone's right side is
  // outside it, and in no other zone either.
  EXPECT_EQ(MapSkinRect(g, {1, 1, 9, 5}), (Rect{1, 1, 9, 5}));
  EXPECT_EQ(MapSkinRect(g, {1, 1, 8, 5}), (Rect{1, 1, 8, 5}));
  EXPECT_EQ(MapSkinRect(g, {276, 2, 280, 6}), (Rect{276 + 515, 2, 280 + 515, 6}));
  EXPECT_EQ(MapSkinRect(g, {1, 201, 5, 205}), (Rect{1, 491, 5, 495}));
  EXPECT_EQ(MapSkinRect(g, {276, 201, 280, 205}), (Rect{791, 491, 795, 495}));
  EXPECT_EQ(MapSkinRect(g, {1, 1, 280, 205}), (Rect{1, 1, 795, 495}));
  EXPECT_EQ(MapSkinRect(g, {1, 1, 5, 205}), (Rect{1, 1, 5, 495}));
  EXPECT_EQ(MapSkinRect(g, {1, 201, 280, 205}), (Rect{1, 491, 795, 495}));
  EXPECT_EQ(MapSkinRect(g, {276, 1, 280, 205}), (Rect{791, 1, 795, 495}));
  EXPECT_EQ(MapSkinRect(g, {100, 100, 120, 120}), (Rect{100, 100, 120, 120}));
}

TEST_F(FrameGeometryTest, ClientAreaAndLimits) {
  EXPECT_EQ(SkinnedClientFromWindow(info, picture, {100, 50, 900, 650}), (Rect{104, 77, 896, 646}));
  // A proposed rectangle smaller than the frame gives an empty client, never a negative one.
  EXPECT_EQ(SkinnedClientFromWindow(info, picture, {0, 0, 6, 20}), (Rect{4, 27, 4, 27}));
  EXPECT_EQ(PlainClientFromWindow(PlainMetrics::For(false), {0, 0, 100, 100}), (Rect{3, 22, 97, 97}));

  const FrameLimits none;
  const FrameState normal, rolled{false, false, true};
  EXPECT_EQ(MinFrameWidth(&info, picture, none, normal), 200);
  EXPECT_EQ(MinFrameHeight(&info, picture, {}, none, normal), 31);
  const FrameLimits app{300, 40, 0, 0};
  EXPECT_EQ(MinFrameWidth(&info, picture, app, normal), 300);
  EXPECT_EQ(MinFrameHeight(&info, picture, {}, app, normal), 40);
  EXPECT_EQ(MinFrameHeight(&info, picture, {}, app, rolled), 31);
  // Without a skin.
  EXPECT_EQ(MinFrameWidth(nullptr, picture, none, normal), 120);
  EXPECT_EQ(MinFrameHeight(nullptr, picture, PlainMetrics::For(false), none, normal), 25);
  EXPECT_EQ(MinFrameHeight(nullptr, picture, PlainMetrics::For(true), none, normal), 21);
  // A hostile minimum width stays within any screen.
  SkinFormInfo hostile = info;
  hostile.formMinWidth = 2000000000;
  EXPECT_EQ(MinFrameWidth(&hostile, picture, none, normal), kMaxFrameSide);

  EXPECT_EQ(MaxFrameSize({0, 0, 1920, 1040}, none), (Size{1920, 1040}));
  EXPECT_EQ(MaxFrameSize({-1920, 0, 0, 1040}, {0, 0, 5000, 600}), (Size{1920, 600}));
}

TEST_F(FrameGeometryTest, HostileValuesStayInsideTheWindow) {
  SkinFormInfo bad = info;
  bad.clientRect = {300, -50, 10, 100000};
  bad.maskRectArea = {-7, -7, -9, -9};
  const FrameGeometry g = ComputeFrameGeometry(bad, picture, {400, 300});
  for (const Rect& r : {g.client, g.maskRect}) {
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.right, 400);
    EXPECT_LE(r.bottom, 300);
    EXPECT_LE(r.left, r.right);
    EXPECT_LE(r.top, r.bottom);
  }
}

TEST(FirstShowTest, CentredOnTheMonitorOrItsWorkArea) {
  const Rect monitor{-1920, 0, 0, 1080}, work{-1920, 0, 0, 1040}, bounds{5, 5, 806, 506};
  EXPECT_EQ(FirstShowBounds(PositionInMonitor::zspDefault, monitor, work, bounds), bounds);
  // 801 by 501: the odd pixel goes right and down.
  EXPECT_EQ(FirstShowBounds(PositionInMonitor::zspScreenCenter, monitor, work, bounds), (Rect{-1360, 290, -559, 791}));
  EXPECT_EQ(FirstShowBounds(PositionInMonitor::zspDesktopCenter, monitor, work, bounds), (Rect{-1360, 270, -559, 771}));
}

}  // namespace
}  // namespace zv
