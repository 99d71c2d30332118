#include "core/controls/skin_panel.h"

#include <gtest/gtest.h>

#include "fake_text_renderer.h"
#include "controls/skin_control_fakes.h"

namespace zv {
namespace {

using test::FakeSkinHost;
using test::FakeSkinSource;

constexpr Pixel kShadow{128, 128, 128, 0};  // cbtnshadow 8421504
constexpr Pixel kLabelGreen{0, 255, 0, 0};  // stdlabel fontcolor 65280

// The main window's panel: 791 x 49, transparent group box with a check box.
struct TopPanelRig {
  test::FakeTextRenderer text;
  FakeSkinSource skin = test::PanelSkin();
  FakeSkinHost host{text, {0, 0, 791, 49}};
  TzsSkinPanel panel{host};

  TopPanelRig() {
    panel.SetBorderStyle(TzsSkinBorderStyle::bvRaised);
    panel.SetCaptionMode(true);
    panel.SetCaption("Caption");
    panel.SetTransparentMode(true);
    panel.SetCheckedMode(true);
    panel.UseSkinFont = false;
    panel.SetDefaultFont({"Arial", -21, kFontBold, 0});
    panel.SetSkinData(&skin);
  }
  Bitmap Render() {
    Bitmap canvas(host.bounds.Width(), host.bounds.Height(), Pixel{9, 9, 9, 0});
    panel.Paint(canvas.view());
    return canvas;
  }
};

TEST(SkinPanelTest, GroupBoxCaptionStartsAtTenWithFrameLinesInTheShadowColour) {
  TopPanelRig rig;
  const Bitmap out = rig.Render();
  ASSERT_EQ(rig.text.calls.size(), 1u);
  const auto& call = rig.text.calls[0];
  // 5 + empty check image + 5; band height = text height 13 + 5.
  EXPECT_EQ(call.origin, (Point{10, 2}));
  EXPECT_EQ(call.clip, (Rect{10, 0, 791, 18}));
  EXPECT_EQ(call.font, (FontSpec{"Arial", -21, kFontBold, 65280}));
  EXPECT_EQ(rig.panel.CaptionHitRect(), (Rect{5, 0, 791, 18}));
  EXPECT_EQ(out.At(10, 5), kLabelGreen);

  const int m = 9;
  const int lineStart = 10 + 7 * 6 + 3;
  const Pixel behind = rig.host.background;
  EXPECT_EQ(out.At(lineStart - 1, m), behind);
  EXPECT_EQ(out.At(lineStart, m), kShadow);
  EXPECT_EQ(out.At(790, m), kShadow);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(out.At(x, m), kShadow) << x;
  EXPECT_EQ(out.At(4, m), behind);
  EXPECT_EQ(out.At(790, m + 1), kShadow);
  EXPECT_EQ(out.At(790, 47), kShadow);
  EXPECT_EQ(out.At(400, 48), kShadow);
  EXPECT_EQ(out.At(0, 48), kShadow);
  EXPECT_EQ(out.At(0, m + 1), kShadow);
  EXPECT_EQ(out.At(0, m - 1), behind);
  EXPECT_EQ(out.At(400, 30), behind);  // transparent inside
}

TEST(SkinPanelTest, CaptionColourFallsBackToTheSkinsButtonText) {
  test::FakeTextRenderer text;
  FakeSkinSource skin(
      "[SKINCOLORS]\r\ncbtntext=255\r\n[SKINCONTROLS]\r\ncount=1\r\n0=panel:panel\r\n"
      "[panel]\r\npictureindex=0\r\nskinrect=141,4,200,56\r\nlefttoppoint=10,10\r\nrighttoppoint=49,10\r\n"
      "leftbottompoint=10,42\r\nrightbottompoint=49,42\r\nclientrect=2,2,57,50\r\n",
      {test::TracePicture(210, 60, 77)});
  FakeSkinHost host{text, {0, 0, 200, 49}};
  TzsSkinPanel panel(host);
  panel.SetCaptionMode(true);
  panel.SetTransparentMode(true);
  panel.SetCaption("x");
  panel.SetSkinData(&skin);
  Bitmap canvas(200, 49);
  panel.Paint(canvas.view());
  ASSERT_EQ(text.calls.size(), 1u);
  EXPECT_EQ(text.calls[0].font.color, Rgb(255, 0, 0));
  // Without checked mode the caption starts at 5; the skin's font is used.
  EXPECT_EQ(text.calls[0].origin.x, 5);
  EXPECT_EQ(text.calls[0].font.name, "Arial");
  EXPECT_EQ(text.calls[0].font.height, 14);
  // cbtnshadow is missing: the system's button shadow.
  EXPECT_EQ(canvas.At(0, 48), ToPixel(host.SystemColorValue(kColorBtnShadow)));
}

TEST(SkinPanelTest, ClickOnTheCaptionBandTogglesCheckedAndTheChildren) {
  TopPanelRig rig;
  int checkedEvents = 0;
  rig.panel.OnChecked = [&] { ++checkedEvents; };
  rig.Render();
  rig.panel.MouseUp({100, 30});  // below the band
  EXPECT_FALSE(rig.panel.Checked());
  EXPECT_TRUE(rig.host.childrenEnabled.empty());
  rig.panel.MouseUp({5, 18});  // band edges count
  EXPECT_TRUE(rig.panel.Checked());
  rig.panel.MouseUp({790, 0});
  EXPECT_FALSE(rig.panel.Checked());
  EXPECT_EQ(rig.host.childrenEnabled, (std::vector<bool>{true, false}));
  EXPECT_EQ(checkedEvents, 2);

  rig.panel.AutoEnabledControls = false;
  rig.panel.SetChecked(true);
  EXPECT_EQ(rig.host.childrenEnabled.size(), 2u);
  EXPECT_EQ(checkedEvents, 3);

  // Unskinned, the band is (1, 1, W - 1, DefaultCaptionHeight).
  rig.panel.SetSkinData(nullptr);
  rig.panel.DropSkin();
  rig.panel.MouseUp({1, 21});
  EXPECT_FALSE(rig.panel.Checked());
  rig.panel.MouseUp({1, 22});
  EXPECT_FALSE(rig.panel.Checked());
}

TEST(SkinPanelTest, RollingUpASkinnedPanelOf49LeavesTheFrame) {
  TopPanelRig rig;
  int rollEvents = 0;
  rig.panel.OnChangeRollUpState = [&] { ++rollEvents; };
  rig.panel.SetConstraints({10, 20, 900, 300});
  rig.panel.SetRollUpState(true);  // outside roll-up mode: nothing
  EXPECT_FALSE(rig.panel.RollUpState());
  EXPECT_EQ(rig.host.bounds.Height(), 49);

  rig.panel.SetRollUpMode(true);
  rig.panel.SetRollUpState(true);
  EXPECT_EQ(rig.host.bounds, (Rect{0, 0, 791, 4}));  // 49 + 2 - 47
  EXPECT_EQ(rig.panel.RealHeight(), 49);
  EXPECT_FALSE(rig.host.childrenVisible);
  EXPECT_TRUE(rig.host.alignSuspended);
  EXPECT_EQ(rig.panel.Constraints(), SizeConstraints{});
  EXPECT_EQ(rollEvents, 1);

  // A new skin rolls up again and keeps the height to roll down to.
  rig.panel.ApplySkin();
  EXPECT_EQ(rig.host.bounds.Height(), 4);
  EXPECT_EQ(rig.panel.RealHeight(), 49);

  rig.panel.SetRollUpState(false);
  EXPECT_EQ(rig.host.bounds.Height(), 49);
  EXPECT_EQ(rig.panel.RealHeight(), -1);
  EXPECT_TRUE(rig.host.childrenVisible);
  EXPECT_FALSE(rig.host.alignSuspended);
  EXPECT_EQ(rollEvents, 2);

  // Unskinned it rolls up to the default caption band.
  rig.panel.SetSkinData(nullptr);
  rig.panel.DropSkin();
  rig.panel.SetRollUpState(true);
  EXPECT_EQ(rig.host.bounds.Height(), 23);
}

TEST(SkinPanelTest, ClientAreaFollowsSkinBorderAndCaption) {
  TopPanelRig rig;
  EXPECT_EQ(rig.panel.ClientArea(), (Rect{2, 2, 789, 47}));
  rig.panel.SetBorderStyle(TzsSkinBorderStyle::bvNone);
  rig.panel.SetCaptionMode(false);
  EXPECT_EQ(rig.panel.ClientArea(), (Rect{0, 0, 791, 49}));
  rig.panel.DropSkin();
  rig.panel.SetSkinDataName("nosuchrecord");
  EXPECT_EQ(rig.panel.ClientArea(), (Rect{0, 0, 791, 49}));
  rig.panel.SetBorderStyle(TzsSkinBorderStyle::bvFrame);
  rig.panel.SetCaptionMode(true);
  EXPECT_EQ(rig.panel.ClientArea(), (Rect{1, 23, 790, 48}));
}

TEST(SkinPanelTest, OpaqueSkinnedLooks) {
  TopPanelRig rig;
  const BitmapView picture = rig.skin.Picture(0);
  rig.panel.SetTransparentMode(false);
  rig.panel.SetCaptionMode(false);
  rig.host.bounds = {0, 0, 100, 60};
  Bitmap framed = rig.Render();
  EXPECT_EQ(framed.At(0, 0), picture.At(141, 4));
  EXPECT_EQ(framed.At(99, 59), picture.At(199, 55));
  EXPECT_EQ(framed.At(2, 2), picture.At(143, 6));  // client piece from (0, 0) of the client area
  EXPECT_EQ(framed.At(2 + 55, 2), picture.At(143, 6));  // repeated every client width

  rig.panel.SetBorderStyle(TzsSkinBorderStyle::bvNone);
  Bitmap whole = rig.Render();
  EXPECT_EQ(whole.At(0, 0), picture.At(143, 6));
  EXPECT_EQ(whole.At(99, 59), picture.At(143 + 99 - 55, 6 + 59 - 48));

  // Transparent without caption: an outline over the background.
  rig.panel.SetBorderStyle(TzsSkinBorderStyle::bvFrame);
  rig.panel.SetTransparentMode(true);
  Bitmap outline = rig.Render();
  EXPECT_EQ(outline.At(0, 30), kShadow);
  EXPECT_EQ(outline.At(99, 59), kShadow);
  EXPECT_EQ(outline.At(50, 30), rig.host.background);
}

TEST(SkinPanelTest, SkinnedCaptionBandIsPlacedWithTheFrame) {
  test::FakeTextRenderer text;
  FakeSkinSource skin(
      "[SKINCONTROLS]\r\ncount=1\r\n0=panel:panel\r\n"
      "[panel]\r\npictureindex=0\r\nskinrect=0,0,40,30\r\nlefttoppoint=10,20\r\nrighttoppoint=30,20\r\n"
      "leftbottompoint=10,25\r\nrightbottompoint=30,25\r\nclientrect=2,20,38,28\r\ncaptionrect=4,2,36,18\r\n"
      "alignment=taRightJustify\r\nfontcolor=255\r\n",
      {test::TracePicture(40, 30, 5)});
  FakeSkinHost host{text, {0, 0, 140, 50}};
  TzsSkinPanel panel(host);
  panel.SetCaptionMode(true);
  panel.SetCaption("abc");
  panel.SetSkinData(&skin);
  Bitmap canvas(140, 50);
  panel.Paint(canvas.view());
  // The caption rectangle spans the stretchable middle across (it grows by
  // 100) and lies in the top corner band downwards (it stays).
  EXPECT_EQ(panel.CaptionHitRect(), (Rect{4, 2, 136, 18}));
  ASSERT_EQ(text.calls.size(), 1u);
  EXPECT_EQ(text.calls[0].origin, (Point{136 - 18, 2 + (16 - 13) / 2}));
  EXPECT_EQ(canvas.At(120, 5), (Pixel{0, 0, 255, 0}));
  EXPECT_EQ(panel.ClientArea(), (Rect{2, 20, 138, 48}));
}

TEST(SkinPanelTest, PlainLookWithCaptionCheckBoxAndBorder) {
  test::FakeTextRenderer text;
  FakeSkinHost host{text, {0, 0, 120, 60}};
  TzsSkinPanel panel(host);
  panel.SetCaptionMode(true);
  panel.SetCheckedMode(true);
  panel.SetCaption("ab");
  panel.SetBorderStyle(TzsSkinBorderStyle::bvRaised);
  panel.SetChecked(true);
  Bitmap canvas(120, 60);
  panel.Paint(canvas.view());
  const Pixel face = ToPixel(host.SystemColorValue(kColorBtnFace));
  const Pixel shadow = ToPixel(host.SystemColorValue(kColorBtnShadow));
  const Pixel light = ToPixel(host.SystemColorValue(kColorBtnHighlight));
  const Pixel ink = ToPixel(host.SystemColorValue(kColorBtnText));
  EXPECT_EQ(canvas.At(0, 30), light);
  EXPECT_EQ(canvas.At(119, 30), shadow);
  EXPECT_EQ(canvas.At(60, 40), face);
  // Band (21, 1, 119, 22): lowered outside, raised inside.
  EXPECT_EQ(canvas.At(21, 10), shadow);
  EXPECT_EQ(canvas.At(22, 10), light);
  // Check box at (5, 4): frame and the first stroke from (8, 11).
  EXPECT_EQ(canvas.At(5, 4), shadow);
  EXPECT_EQ(canvas.At(8, 11), ink);
  EXPECT_EQ(canvas.At(6, 6), face);
  ASSERT_EQ(text.calls.size(), 1u);
  EXPECT_EQ(text.calls[0].origin, (Point{23, 1 + (21 - 13) / 2}));
}

TEST(SkinPanelTest, RollArrowRows) {
  Bitmap b(10, 10, Pixel{});
  DrawRollArrow(b.view(), {0, 0, 10, 10}, false, Rgb(255, 255, 255));
  const Pixel w{255, 255, 255, 0};
  // Up: the tip (one pixel) at cy - 2, the widest row (7 pixels) at cy + 1.
  EXPECT_EQ(b.At(5, 3), w);
  EXPECT_EQ(b.At(4, 3), Pixel{});
  EXPECT_EQ(b.At(2, 6), w);
  EXPECT_EQ(b.At(8, 6), w);
  EXPECT_EQ(b.At(1, 6), Pixel{});
  Bitmap d(10, 10, Pixel{});
  DrawRollArrow(d.view(), {0, 0, 10, 10}, true, Rgb(255, 255, 255));
  EXPECT_EQ(d.At(5, 7), w);
  EXPECT_EQ(d.At(4, 7), Pixel{});
  EXPECT_EQ(d.At(2, 4), w);
}

TEST(SkinPanelTest, TransparentPanelPassesBackgroundChangesOn) {
  TopPanelRig rig;
  const int before = rig.host.parentBackNotices;
  rig.panel.ParentBackChanged();
  rig.panel.SetBounds({0, 5, 791, 54});  // moved
  EXPECT_EQ(rig.host.parentBackNotices, before + 2);
  rig.panel.SetTransparentMode(false);
  const int opaque = rig.host.parentBackNotices;
  rig.panel.ParentBackChanged();
  EXPECT_EQ(rig.host.parentBackNotices, opaque);
}

}  // namespace
}  // namespace zv
