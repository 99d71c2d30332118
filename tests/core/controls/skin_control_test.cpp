#include "core/controls/skin_control.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/gfx/regions.h"
#include "fake_text_renderer.h"
#include "controls/skin_control_fakes.h"

namespace zv {
namespace {

using test::FakeSkinHost;
using test::FakeSkinSource;
using test::TracePicture;

SkinPieces PiecesWith(Point lt, Point rt, Point lb, Point rb, Rect skinRect = {0, 0, 30, 20}) {
  SkinPieces p;
  p.skinRect = skinRect;
  p.points = {lt, rt, lb, rb, {2, 2, 28, 18}};
  return p;
}

TEST(SkinSizingTest, ModeComesFromTheCornerPointsInOrder) {
  EXPECT_EQ(DeriveSizing(PiecesWith({}, {3, 0}, {}, {0, 5})), SkinSizing::kHorizontal);
  EXPECT_EQ(DeriveSizing(PiecesWith({}, {}, {}, {})), SkinSizing::kFixed);
  EXPECT_EQ(DeriveSizing(PiecesWith({5, 5}, {25, 5}, {5, 15}, {25, 15})), SkinSizing::kBoth);
  EXPECT_EQ(DeriveSizing(PiecesWith({}, {}, {0, 7}, {9, 0})), SkinSizing::kVertical);
  EXPECT_EQ(DeriveSizing(PiecesWith({5, 5}, {25, 5}, {5, 15}, {25, 15}, {10, 10, 10, 30})), SkinSizing::kNoSkin);
}

TEST(SkinSizingTest, FittingMovesOnlyWhatTheModeAllows) {
  SkinPoints fitted;
  const SkinPieces both = PiecesWith({5, 5}, {25, 5}, {5, 15}, {25, 15});
  EXPECT_EQ(FitSizeToSkin(SkinSizing::kBoth, both, {50, 40}, fitted), (Size{50, 40}));
  EXPECT_EQ(fitted.rightTop, (Point{45, 5}));
  EXPECT_EQ(fitted.leftBottom, (Point{5, 35}));
  EXPECT_EQ(fitted.rightBottom, (Point{45, 35}));
  EXPECT_EQ(fitted.clientRect, (Rect{2, 2, 48, 38}));

  const SkinPieces across = PiecesWith({5, 0}, {25, 0}, {}, {0, 5});
  fitted = {};
  EXPECT_EQ(FitSizeToSkin(SkinSizing::kHorizontal, across, {70, 99}, fitted), (Size{70, 20}));
  EXPECT_EQ(fitted.rightTop, (Point{65, 0}));
  EXPECT_EQ(fitted.clientRect, (Rect{2, 2, 68, 18}));

  const SkinPieces down = PiecesWith({0, 5}, {}, {0, 15}, {});
  fitted = {};
  EXPECT_EQ(FitSizeToSkin(SkinSizing::kVertical, down, {99, 60}, fitted), (Size{30, 60}));
  EXPECT_EQ(fitted.leftBottom, (Point{0, 55}));
  EXPECT_EQ(fitted.clientRect, (Rect{2, 2, 28, 58}));

  fitted = {};
  EXPECT_EQ(FitSizeToSkin(SkinSizing::kFixed, PiecesWith({}, {}, {}, {}), {99, 99}, fitted), (Size{30, 20}));
  EXPECT_EQ(fitted.clientRect, (Rect{2, 2, 28, 18}));
  EXPECT_EQ(FitSizeToSkin(SkinSizing::kNoSkin, both, {7, 8}, fitted), (Size{7, 8}));
}

// A skin with one record per sizing mode, all cut from one trace picture.
constexpr std::string_view kModesIni =
    "[SKINCONTROLS]\r\ncount=5\r\n0=both:panel\r\n1=across:panel\r\n2=fixed:panel\r\n3=stretchy:panel\r\n"
    "4=label:stdlabel\r\n"
    "[both]\r\npictureindex=0\r\nmaskpictureindex=1\r\nskinrect=10,5,40,25\r\nlefttoppoint=6,6\r\n"
    "righttoppoint=24,6\r\nleftbottompoint=6,14\r\nrightbottompoint=24,14\r\nclientrect=3,3,27,17\r\n"
    "[across]\r\npictureindex=0\r\nskinrect=0,30,20,40\r\nlefttoppoint=4,0\r\nrighttoppoint=16,0\r\n"
    "rightbottompoint=0,5\r\nclientrect=0,0,20,10\r\n"
    "[fixed]\r\npictureindex=0\r\nskinrect=50,0,62,9\r\nclientrect=1,1,11,8\r\n"
    "[stretchy]\r\npictureindex=0\r\nskinrect=10,5,40,25\r\nlefttoppoint=6,6\r\n"
    "righttoppoint=24,6\r\nleftbottompoint=6,14\r\nrightbottompoint=24,14\r\nclientrect=3,3,27,17\r\n"
    "stretcheffect=1\r\n";

Bitmap MaskPicture() {
  // Black inside except the two top corner pixels.
  Bitmap mask(30, 20, Pixel{0, 0, 0, 0});
  mask.At(0, 0) = {255, 255, 255, 0};
  mask.At(29, 0) = {255, 255, 255, 0};
  return mask;
}

struct ControlRig {
  test::FakeTextRenderer text;
  FakeSkinSource skin{kModesIni, {TracePicture(80, 60, 50), MaskPicture()}};
  FakeSkinHost host{text, {0, 0, 40, 30}};
};

TEST(SkinControlTest, BoundsFollowTheRecordsSizingMode) {
  ControlRig rig;
  TzsSkinCustomControl across(rig.host, "across");
  across.SetSkinData(&rig.skin);
  EXPECT_EQ(across.Sizing(), SkinSizing::kHorizontal);
  // Applying the skin already forced the height.
  EXPECT_EQ(rig.host.bounds, (Rect{0, 0, 40, 10}));
  across.SetBounds({5, 6, 105, 206});
  EXPECT_EQ(rig.host.bounds, (Rect{5, 6, 105, 16}));

  TzsSkinCustomControl fixed(rig.host, "fixed");
  fixed.SetSkinData(&rig.skin);
  fixed.SetBounds({1, 1, 300, 300});
  EXPECT_EQ(rig.host.bounds, (Rect{1, 1, 13, 10}));
  EXPECT_EQ(fixed.Fitted().clientRect, (Rect{1, 1, 11, 8}));

  // No record: the request stands, and the default size is imposed.
  TzsSkinCustomControl unknown(rig.host, "nosuchrecord");
  unknown.SetSkinData(&rig.skin);
  EXPECT_FALSE(unknown.Skinned());
  unknown.SetBounds({0, 0, 300, 7});
  EXPECT_EQ(rig.host.bounds, (Rect{0, 0, 300, 7}));
  unknown.SetDefaultHeight(44);
  EXPECT_EQ(rig.host.bounds, (Rect{0, 0, 300, 44}));
}

TEST(SkinControlTest, OffScreenPaintIsTheNineSliceOfTheRecord) {
  ControlRig rig;
  TzsSkinCustomControl control(rig.host, "both");
  control.SetSkinData(&rig.skin);
  control.SetBounds({0, 0, 71, 43});
  Bitmap canvas(71, 43);
  control.Paint(canvas.view());

  Bitmap expected;
  SkinPoints fitted;
  const auto& record = *control.CustomRecord();
  const SkinPieces pieces = PiecesFromRecord(record, rig.skin.Picture(0));
  FitSizeToSkin(SkinSizing::kBoth, pieces, {71, 43}, fitted);
  ComposeNineSlice(expected, {71, 43}, pieces, fitted, true);
  EXPECT_EQ(canvas.pixels(), expected.pixels());
  // Spot checks against the picture itself: the corner and the cut last tile.
  EXPECT_EQ(canvas.At(0, 0), rig.skin.Picture(0).At(10, 5));
  EXPECT_EQ(canvas.At(70, 42), rig.skin.Picture(0).At(39, 24));

  // The direct-background path: bands repeat their middle from column 0
  // under the corners, the client piece is the same.
  control.SetDirectBackground(true);
  Bitmap direct(71, 43);
  control.Paint(direct.view());
  EXPECT_EQ(direct.At(0, 0), expected.At(0, 0));
  EXPECT_EQ(direct.At(70, 42), expected.At(70, 42));
  EXPECT_EQ(direct.At(6, 1), rig.skin.Picture(0).At(10 + 6 + 6, 6));
  for (int y = 3; y < 43 - 3; ++y) {
    for (int x = 3; x < 71 - 3; ++x) ASSERT_EQ(direct.At(x, y), expected.At(x, y)) << x << "," << y;
  }
}

TEST(SkinControlTest, FixedAndStripModesPaintTheirPieces) {
  ControlRig rig;
  TzsSkinCustomControl fixed(rig.host, "fixed");
  fixed.SetSkinData(&rig.skin);
  Bitmap canvas(12, 9);
  fixed.Paint(canvas.view());
  EXPECT_EQ(canvas.At(0, 0), rig.skin.Picture(0).At(50, 0));
  EXPECT_EQ(canvas.At(11, 8), rig.skin.Picture(0).At(61, 8));

  TzsSkinCustomControl across(rig.host, "across");
  across.SetSkinData(&rig.skin);
  across.SetBounds({0, 0, 50, 10});
  Bitmap strip(50, 10);
  across.Paint(strip.view());
  EXPECT_EQ(strip.At(0, 3), rig.skin.Picture(0).At(0, 33));
  EXPECT_EQ(strip.At(49, 3), rig.skin.Picture(0).At(19, 33));
  EXPECT_EQ(strip.At(4 + 12, 0), rig.skin.Picture(0).At(4, 30));  // middle repeated from its start
}

TEST(SkinControlTest, MissingRecordOrDroppedSkinPaintsThePlainLook) {
  ControlRig rig;
  const Pixel face = ToPixel(rig.host.SystemColorValue(kColorBtnFace));
  TzsSkinCustomControl control(rig.host, "nosuchrecord");
  control.SetSkinData(&rig.skin);
  Bitmap canvas(40, 30);
  control.Paint(canvas.view());
  EXPECT_EQ(canvas.At(20, 15), face);

  control.SetSkinDataName("both");
  control.ApplySkin();
  ASSERT_TRUE(control.Skinned());
  control.DropSkin();
  EXPECT_FALSE(control.Skinned());
  control.SkinDataRemoved(&rig.skin);
  EXPECT_EQ(control.SkinData(), nullptr);
  control.Paint(canvas.view());
  EXPECT_EQ(canvas.At(0, 0), face);

  // An empty skin is no skin either.
  rig.skin.empty = true;
  control.SetSkinData(&rig.skin);
  control.Paint(canvas.view());
  EXPECT_FALSE(control.Skinned());
}

TEST(SkinControlTest, WindowShapeComesFromTheMaskAtTheCurrentSize) {
  ControlRig rig;
  TzsSkinCustomControl control(rig.host, "both");
  control.SetSkinData(&rig.skin);
  control.SetBounds({0, 0, 60, 35});
  SkinPoints fitted;
  const auto& record = *control.CustomRecord();
  const SkinPieces pieces = PiecesFromRecord(record, rig.skin.Picture(0));
  FitSizeToSkin(SkinSizing::kBoth, pieces, {60, 35}, fitted);
  EXPECT_EQ(rig.host.shape, RegionFromFrameMask(pieces.points, fitted, 60, 35, rig.skin.Picture(1)));
  // The clipped corner pixels stay outside at the new size.
  ASSERT_FALSE(rig.host.shape.empty());
  EXPECT_EQ(rig.host.shape.front(), (Rect{1, 0, 59, 1}));

  // No mask: the shape is removed.
  TzsSkinCustomControl noMask(rig.host, "fixed");
  noMask.SetSkinData(&rig.skin);
  EXPECT_TRUE(rig.host.shape.empty());

  // The graphic family has no window shape.
  const int calls = rig.host.shapeCalls;
  TzsGraphicSkinCustomControl graphic(rig.host, "both");
  graphic.SetSkinData(&rig.skin);
  graphic.SetBounds({0, 0, 90, 90});
  EXPECT_EQ(rig.host.shapeCalls, calls);
}

TEST(SkinControlTest, StretchEffectTellsChildrenOnEveryBoundsChange) {
  ControlRig rig;
  TzsSkinCustomControl stretchy(rig.host, "stretchy");
  stretchy.SetSkinData(&rig.skin);
  const int before = rig.host.parentBackNotices;
  stretchy.SetBounds({3, 3, 50, 50});
  stretchy.SetBounds({4, 3, 51, 50});
  EXPECT_EQ(rig.host.parentBackNotices, before + 2);

  TzsSkinCustomControl plain(rig.host, "both");
  plain.SetSkinData(&rig.skin);
  const int after = rig.host.parentBackNotices;
  plain.SetBounds({0, 0, 70, 70});
  EXPECT_EQ(rig.host.parentBackNotices, after);
}

TEST(SkinControlTest, RelayDropsAndAppliesDepthFirstForItsSender) {
  ControlRig rig;
  FakeSkinSource other(kModesIni, {TracePicture(80, 60, 1)});
  TzsSkinCustomControl parent(rig.host, "both");
  TzsSkinCustomControl child(rig.host, "fixed");
  TzsGraphicSkinCustomControl grandchild(rig.host, "both");
  TzsSkinCustomControl foreign(rig.host, "both");
  parent.SetSkinData(&rig.skin);
  child.SetSkinData(&rig.skin);
  grandchild.SetSkinData(&rig.skin);
  foreign.SetSkinData(&other);
  const std::vector<SkinControlTree> tree{
      {&parent, {{&child, {{&grandchild, {}}}}, {nullptr, {}}}},
      {&foreign, {}},
  };
  RelaySkinChange(ZSM_SKINCHANGING, &rig.skin, tree);
  EXPECT_FALSE(parent.Skinned());
  EXPECT_FALSE(child.Skinned());
  EXPECT_FALSE(grandchild.Skinned());
  EXPECT_TRUE(foreign.Skinned());
  RelaySkinChange(ZSM_SKINCHANGEDONE, &rig.skin, tree);
  EXPECT_FALSE(parent.Skinned());
  RelaySkinChange(ZSM_SKINCHANGED, &rig.skin, tree);
  EXPECT_TRUE(parent.Skinned());
  EXPECT_TRUE(child.Skinned());
  EXPECT_TRUE(grandchild.Skinned());
  // No sender: every control.
  RelaySkinChange(ZSM_SKINCHANGING, nullptr, tree);
  EXPECT_FALSE(foreign.Skinned());
  EXPECT_FALSE(grandchild.Skinned());
}

TEST(SkinControlTest, DestroyedSourceLeavesItsControlsUnskinned) {
  ControlRig rig;
  const Pixel face = ToPixel(rig.host.SystemColorValue(kColorBtnFace));
  auto source = std::make_unique<FakeSkinSource>(kModesIni, std::vector<Bitmap>{TracePicture(80, 60, 50)});
  FakeSkinSource other(kModesIni, {TracePicture(80, 60, 9)});
  TzsSkinCustomControl control(rig.host, "both");
  TzsSkinCustomControl moved(rig.host, "both");
  control.SetSkinData(source.get());
  moved.SetSkinData(source.get());
  moved.SetSkinData(&other);
  {
    TzsSkinCustomControl gone(rig.host, "both");  // destroyed before the source
    gone.SetSkinData(source.get());
  }
  ASSERT_TRUE(control.Skinned());
  const int invalidates = rig.host.invalidates;
  source.reset();
  EXPECT_EQ(control.SkinData(), nullptr);
  EXPECT_FALSE(control.Skinned());
  EXPECT_EQ(control.Sizing(), SkinSizing::kNoSkin);
  EXPECT_GT(rig.host.invalidates, invalidates);
  Bitmap canvas(40, 30);
  control.Paint(canvas.view());
  EXPECT_EQ(canvas.At(20, 15), face);
  EXPECT_EQ(moved.SkinData(), &other);
  EXPECT_TRUE(moved.Skinned());
}

TEST(SkinControlTest, RecordWithoutFrameGeometryDrawsThePlainLook) {
  ControlRig rig;
  TzsSkinCustomControl control(rig.host, "label");
  control.SetSkinData(&rig.skin);
  EXPECT_TRUE(control.Skinned());
  EXPECT_EQ(control.Sizing(), SkinSizing::kNoSkin);
  Bitmap canvas(40, 30);
  control.Paint(canvas.view());
  EXPECT_EQ(canvas.At(5, 5), ToPixel(rig.host.SystemColorValue(kColorBtnFace)));
}

}  // namespace
}  // namespace zv
