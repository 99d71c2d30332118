#include "core/frame/frame_shape.h"

#include <gtest/gtest.h>

#include "core/frame/skin_frame.h"
#include "frame/frame_fixture.h"

namespace zv {
namespace {

struct FrameShapeTest : ::testing::Test {
  test::EmbeddedFrameSkin embedded;
  FrameGeometry geometry;
  MaskBands bands;
  std::vector<CaptionObject> objects;

  void SizeTo(int w, int h) {
    geometry = ComputeFrameGeometry(embedded.skin.info, embedded.skin.PictureSize(), {w, h});
    bands = ComposeMaskBands(embedded.skin.info, embedded.skin.mask, geometry);
    objects = BuildCaptionObjects(embedded.skin);
    ApplyBorderIcons(objects, {BorderIcons::All(), false, false});
    LayoutCaptionObjects(objects, geometry);
  }
  // Every row's covered columns, from the rectangles.
  static std::vector<std::vector<bool>> Cover(const std::vector<Rect>& rects, Size s) {
    std::vector<std::vector<bool>> rows(static_cast<std::size_t>(s.height), std::vector<bool>(s.width, false));
    for (const Rect& r : rects) {
      for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
          EXPECT_FALSE(rows[y][x]) << "overlap at " << x << "," << y;
          rows[y][x] = true;
        }
      }
    }
    return rows;
  }
  HitCode Hit(Point p, FrameState state = {}, bool objectUnderMouse = false) {
    HitTestInput in{&geometry, &bands, &objects, state, true, objectUnderMouse, false, 3};
    return HitTestSkinned(p, in);
  }
};

TEST_F(FrameShapeTest, RegionRowsAtTheCornersAndAgreementWithPointInShape) {
  for (const Size s : {Size{300, 200}, Size{300, 31}, Size{285, 210}}) {
    SizeTo(s.width, s.height);
    const auto rows = Cover(FrameRegion(bands, s), s);
    const int w = s.width, h = s.height;
    // Rounded corners four pixels deep, at every size.
    for (int i = 0; i < 4; ++i) {
      EXPECT_FALSE(rows[i][3 - i]) << s.height;
      EXPECT_TRUE(rows[i][4 - i]) << s.height << " row " << i;
      EXPECT_FALSE(rows[i][w - 4 + i]);
      EXPECT_TRUE(rows[i][w - 5 + i]);
      EXPECT_FALSE(rows[h - 1 - i][3 - i]);
      EXPECT_TRUE(rows[h - 1 - i][4 - i]);
      EXPECT_FALSE(rows[h - 1 - i][w - 4 + i]);
    }
    EXPECT_TRUE(rows[h / 2][0]);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) ASSERT_EQ(PointInShape(bands, {x, y}), rows[y][x]) << x << "," << y;
    }
  }
}

TEST_F(FrameShapeTest, HitCodesAroundEveryEdgeAndCorner) {
  SizeTo(800, 500);
  EXPECT_EQ(Hit({4, 1}), kHtTopLeft);
  EXPECT_EQ(Hit({2, 6}), kHtTopLeft);
  EXPECT_EQ(Hit({795, 2}), kHtTopRight);
  EXPECT_EQ(Hit({1, 495}), kHtBottomLeft);
  EXPECT_EQ(Hit({798, 497}), kHtBottomRight);
  EXPECT_EQ(Hit({400, 1}), kHtTop);
  EXPECT_EQ(Hit({400, 498}), kHtBottom);
  EXPECT_EQ(Hit({1, 250}), kHtLeft);
  EXPECT_EQ(Hit({798, 250}), kHtRight);
  EXPECT_EQ(Hit({400, 250}), kHtClient);
  EXPECT_EQ(Hit({400, 12}), kHtCaption);
  EXPECT_EQ(Hit({400, 25}), kHtObject);  // bare frame under the caption
  // Corners size along 16 pixels of both edges at the border's depth, and
  // across an 8 by 8 square at the corner itself.
  EXPECT_EQ(Hit({15, 2}), kHtTopLeft);
  EXPECT_EQ(Hit({16, 2}), kHtTop);
  EXPECT_EQ(Hit({7, 6}), kHtTopLeft);
  EXPECT_EQ(Hit({9, 6}), kHtObject);
  EXPECT_EQ(Hit({2, 484}), kHtBottomLeft);
  EXPECT_EQ(Hit({784, 497}), kHtBottomRight);
  EXPECT_EQ(Hit({797, 15}), kHtTopRight);  // beside the close button, on the border
  // A point on the mask rectangle's right edge lies outside it.
  EXPECT_EQ(Hit({797, 250}), kHtRight);

  // The platform's own codes for the standard buttons, in every state;
  // roll-up and tray keep the object code.
  for (const FrameState state : {FrameState{}, FrameState{true, false, false}, FrameState{false, false, true}}) {
    EXPECT_EQ(Hit({785, 15}, state), kHtClose);
    EXPECT_EQ(Hit({762, 15}, state), kHtMaxButton);
    EXPECT_EQ(Hit({739, 15}, state), kHtMinButton);
    EXPECT_EQ(Hit({10, 14}, state), kHtSysMenu);
    EXPECT_EQ(Hit({716, 15}, state), kHtObject);
    EXPECT_EQ(Hit({693, 15}, state), kHtObject);
  }
  // Buttons keep their codes where a corner zone reaches them.
  EXPECT_EQ(Hit({790, 6}), kHtClose);

  // Maximised: no sizing codes; rolled up: caption or object only.
  EXPECT_EQ(Hit({1, 250}, {true, false, false}), kHtObject);
  EXPECT_EQ(Hit({400, 250}, {true, false, false}), kHtClient);
  EXPECT_EQ(Hit({400, 12}, {false, false, true}), kHtCaption);
  EXPECT_EQ(Hit({400, 250}, {false, false, true}), kHtObject);
  // A pressed button keeps the frame answering "object".
  EXPECT_EQ(Hit({400, 1}, {}, true), kHtObject);
  EXPECT_EQ(Hit({400, 12}, {}, true), kHtCaption);
}

TEST_F(FrameShapeTest, PlainFrameHitCodes) {
  std::vector<CaptionObject> plain = DefaultCaptionButtons();
  ApplyBorderIcons(plain, {});
  const Rect caption = LayoutPlainButtons(plain, 300, PlainMetrics::For(false));
  PlainHitInput in{{300, 200}, caption, &plain, PlainMetrics::For(false), {}, true, false};
  EXPECT_EQ(HitTestPlain({0, 0}, in), kHtTopLeft);
  EXPECT_EQ(HitTestPlain({14, 1}, in), kHtTopLeft);
  EXPECT_EQ(HitTestPlain({299, 100}, in), kHtRight);
  EXPECT_EQ(HitTestPlain({100, 10}, in), kHtCaption);
  EXPECT_EQ(HitTestPlain({100, 100}, in), kHtClient);
  EXPECT_EQ(HitTestPlain({288, 10}, in), kHtClose);
  EXPECT_EQ(HitTestPlain({271, 10}, in), kHtMaxButton);
  EXPECT_EQ(HitTestPlain({237, 10}, in), kHtObject);  // roll-up
  in.state.maximized = true;
  EXPECT_EQ(HitTestPlain({0, 0}, in), kHtObject);
  EXPECT_EQ(HitTestPlain({288, 10}, in), kHtClose);
}

// A maximised window is square and its caption and buttons reach its edges:
// the pointer flung to the top-right corner closes it.
TEST_F(FrameShapeTest, TheMaximisedFrameReachesTheWindowsEdges) {
  SkinFrame frame;
  frame.SetSkin(embedded.skin);
  frame.SetOptions({BorderIcons::All()});
  frame.Resize({1920, 1040});
  frame.SetState({true, false, false});
  EXPECT_TRUE(frame.Region().empty());
  EXPECT_TRUE(frame.PointInShape({0, 0}));
  EXPECT_EQ(frame.HitTest({1919, 0}, true, false), kHtClose);
  EXPECT_EQ(frame.HitTest({1919, 20}, true, false), kHtClose);
  EXPECT_EQ(frame.HitTest({1884, 0}, true, false), kHtMaxButton);
  EXPECT_EQ(frame.HitTest({900, 0}, true, false), kHtCaption);
  EXPECT_EQ(frame.HitTest({0, 0}, true, false), kHtSysMenu);
  EXPECT_EQ(frame.HitTest({900, 500}, true, false), kHtClient);
  // Back to normal: the shape and the buttons' own rectangles again.
  frame.SetState({});
  EXPECT_FALSE(frame.Region().empty());
  EXPECT_EQ(frame.HitTest({1919, 100}, true, false), kHtRight);
  EXPECT_EQ(frame.HitTest({1905, 0}, true, false), kHtTopRight);
}

TEST_F(FrameShapeTest, HostileMaskAreaGivesABoundedShape) {
  SkinFormInfo bad = embedded.skin.info;
  bad.maskRectArea = {-100, 50000, 9000, -3};
  bad.leftTopPoint = {90000, -5};
  const FrameGeometry g = ComputeFrameGeometry(bad, embedded.skin.PictureSize(), {120, 40});
  const MaskBands b = ComposeMaskBands(bad, embedded.skin.mask, g);
  for (const Bitmap* band : {&b.top, &b.bottom, &b.left, &b.right}) {
    EXPECT_LE(band->width(), 285);
    EXPECT_LE(band->height(), 210);
  }
  for (const Rect& r : FrameRegion(b, {120, 40})) EXPECT_EQ(r.Intersect({0, 0, 120, 40}), r);
}

TEST(FormCursorTest, OnlyTheSizingCodesKeepTheirCursor) {
  for (int code = kHtLeft; code <= kHtBottomRight; ++code) EXPECT_EQ(FormCursorHitCode(code), code);
  for (int code : {1, 2, 19, 0, 3, 8, 18, -2}) EXPECT_EQ(FormCursorHitCode(code), kHtClient);
}

}  // namespace
}  // namespace zv
