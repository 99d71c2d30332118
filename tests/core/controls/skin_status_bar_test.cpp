#include "core/controls/skin_status_bar.h"

#include <gtest/gtest.h>

#include "core/controls/skin_paint_panel.h"
#include "fake_text_renderer.h"
#include "controls/skin_family_skin.h"

namespace zv {
namespace {

using test::FakeSkinHost;
using test::Traced;

struct BarRig {
  test::FakeTextRenderer text;
  test::FakeSkinSource skin = test::FamilySkin();
  FakeSkinHost host{text, {0, 400, 300, 450}};
  TzsSkinStatusBar bar{host};

  Bitmap Render() {
    Bitmap canvas(host.bounds.Width(), host.bounds.Height(), Pixel{9, 9, 9, 0});
    bar.Paint(canvas.view());
    return canvas;
  }
};

TEST(SkinStatusBarTest, CreatedBorderlessAndTwentyOneHigh) {
  BarRig rig;
  EXPECT_EQ(rig.host.bounds, (Rect{0, 400, 300, 421}));
  EXPECT_EQ(rig.bar.BorderStyle(), TzsSkinBorderStyle::bvNone);
  EXPECT_EQ(rig.bar.SkinDataName(), "statusbar");
  EXPECT_TRUE(rig.bar.SizeGrip());
}

TEST(SkinStatusBarTest, PlainGripIsASquareRightOfTheClientAreaTwoPixelsShort) {
  BarRig rig;  // no skin: the client area is the whole bar, so the grip ends at its right edge
  EXPECT_EQ(rig.bar.GripArea(), (Rect{279, 0, 300, 19}));
  EXPECT_EQ(rig.bar.ClientArea(), (Rect{0, 0, 279, 21}));
  EXPECT_EQ(rig.bar.HitTest({290, 10}), SkinHitTest::kBottomRight);
  EXPECT_EQ(rig.bar.HitTest({279, 0}), SkinHitTest::kBottomRight);
  EXPECT_EQ(rig.bar.HitTest({299, 18}), SkinHitTest::kBottomRight);
  EXPECT_EQ(rig.bar.HitTest({290, 19}), SkinHitTest::kClient);  // the two rows left out
  EXPECT_EQ(rig.bar.HitTest({278, 10}), SkinHitTest::kClient);

  rig.bar.SetFormAllowsGrip(false);  // a maximised form, say
  EXPECT_EQ(rig.bar.HitTest({290, 10}), SkinHitTest::kClient);
  EXPECT_EQ(rig.bar.ClientArea(), (Rect{0, 0, 300, 21}));
  rig.bar.SetFormAllowsGrip(true);
  const int realigns = rig.host.realigns;
  rig.bar.SetSizeGrip(false);
  EXPECT_EQ(rig.host.realigns, realigns + 1);
  EXPECT_TRUE(rig.bar.GripArea().IsEmpty());
  EXPECT_EQ(rig.bar.HitTest({290, 10}), SkinHitTest::kClient);
}

TEST(SkinStatusBarTest, SkinnedGripHasTheGripperSizeLevelWithTheClientBottom) {
  BarRig rig;
  rig.bar.SetSkinData(&rig.skin);
  // Borderless with a both-ways skin the client area is the whole bar: the
  // 12 x 14 grip is kept inside, at the bottom-right corner.
  EXPECT_EQ(rig.bar.GripArea(), (Rect{288, 7, 300, 21}));
  // With a border the client area is the fitted one, (2,2)-(284,19), and the
  // grip sits just right of it, level with its bottom.
  rig.bar.SetBorderStyle(TzsSkinBorderStyle::bvFrame);
  EXPECT_EQ(rig.bar.GripArea(), (Rect{284, 5, 296, 19}));
  EXPECT_EQ(rig.bar.HitTest({290, 10}), SkinHitTest::kBottomRight);
  EXPECT_EQ(rig.bar.HitTest({290, 4}), SkinHitTest::kClient);
  EXPECT_EQ(rig.bar.HitTest({283, 10}), SkinHitTest::kClient);
  EXPECT_EQ(rig.bar.HitTest({296, 10}), SkinHitTest::kClient);
  EXPECT_EQ(rig.bar.ClientArea(), (Rect{2, 2, 284, 19}));
}

TEST(SkinStatusBarTest, GripIsPaintedFromTheGripperRectangleOrAsRidges) {
  BarRig rig;
  const Bitmap plain = rig.Render();
  const Pixel face = ToPixel(rig.host.SystemColorValue(kColorBtnFace));
  const Pixel light = ToPixel(rig.host.SystemColorValue(kColorBtnHighlight));
  const Pixel shadow = ToPixel(rig.host.SystemColorValue(kColorBtnShadow));
  EXPECT_EQ(plain.At(299, 18), light);
  EXPECT_EQ(plain.At(298, 18), shadow);
  EXPECT_EQ(plain.At(299, 17), shadow);
  EXPECT_EQ(plain.At(296, 18), face);  // gap between ridges
  EXPECT_EQ(plain.At(299, 20), face);  // below the grip
  EXPECT_EQ(plain.At(100, 10), face);

  rig.bar.SetSkinData(&rig.skin);
  const Bitmap skinned = rig.Render();
  EXPECT_EQ(skinned.At(288, 7), Traced(100, 0));
  EXPECT_EQ(skinned.At(299, 20), Traced(111, 13));

  // A transparent gripper leaves its key colour out.
  auto& record = const_cast<TzsDataSkinPanelControl&>(
      dynamic_cast<const TzsDataSkinPanelControl&>(*rig.skin.ControlRecord("statusbar")));
  record.gripperTransparent = true;
  record.gripperTransparentColor = ToColorRef(Traced(100, 0));
  const Bitmap keyed = rig.Render();
  EXPECT_NE(keyed.At(288, 7), Traced(100, 0));
  EXPECT_EQ(keyed.At(289, 7), Traced(101, 0));
}

TEST(SkinPaintPanelTest, PaintsOffScreenThenHandsTheCanvasToTheOwner) {
  test::FakeTextRenderer text;
  test::FakeSkinSource skin = test::FamilySkin();
  FakeSkinHost host{text, {0, 0, 120, 80}};
  TzsSkinPaintPanel panel(host);
  EXPECT_FALSE(panel.DirectBackground());
  panel.SetSkinData(&skin);

  int calls = 0;
  Rect given;
  Pixel cornerSeen;
  panel.OnPanelPaint = [&](const BitmapView& canvas, const Rect& client) {
    ++calls;
    given = client;
    cornerSeen = canvas.At(0, 0);  // the skin is already there
    canvas.Fill(Rect{50, 40, 52, 42}, Pixel{1, 2, 3, 0});
  };
  Bitmap canvas(120, 80);
  panel.Paint(canvas.view());
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(given, (Rect{2, 2, 118, 78}));
  EXPECT_EQ(cornerSeen, Traced(141, 4));
  EXPECT_EQ(canvas.At(50, 40), (Pixel{1, 2, 3, 0}));

  // The whole picture is the nine-piece composition at the panel's size.
  const auto& record = dynamic_cast<const TzsDataSkinCustomControl&>(*skin.ControlRecord("panel"));
  const SkinPieces pieces = PiecesFromRecord(record, skin.Picture(0));
  SkinPoints fitted;
  FitSizeToSkin(SkinSizing::kBoth, pieces, {120, 80}, fitted);
  Bitmap expected(120, 80);
  ComposeNineSlice(expected.view(), pieces, fitted, true);
  expected.At(50, 40) = expected.At(51, 40) = expected.At(50, 41) = expected.At(51, 41) = Pixel{1, 2, 3, 0};
  int differences = 0;
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 120; ++x) differences += canvas.At(x, y) != expected.At(x, y);
  }
  EXPECT_EQ(differences, 0);
}

TEST(SkinPaintPanelTest, ErasesWithItsPictureOnlyOutsideThePaintMessage) {
  test::FakeTextRenderer text;
  FakeSkinHost host{text, {0, 0, 40, 30}};
  TzsSkinPaintPanel panel(host);
  int calls = 0;
  panel.OnPanelPaint = [&](const BitmapView&, const Rect&) { ++calls; };
  Bitmap canvas(40, 30, Pixel{9, 9, 9, 0});
  panel.InPaintMessage = true;
  EXPECT_FALSE(panel.EraseBackground(canvas.view()));
  EXPECT_EQ(canvas.At(20, 15), (Pixel{9, 9, 9, 0}));
  EXPECT_EQ(calls, 0);
  panel.InPaintMessage = false;
  EXPECT_TRUE(panel.EraseBackground(canvas.view()));
  EXPECT_EQ(canvas.At(20, 15), ToPixel(host.SystemColorValue(kColorBtnFace)));
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace zv
