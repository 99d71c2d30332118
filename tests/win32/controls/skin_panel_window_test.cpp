#include "win32/controls/skin_panel_window.h"

#include <gtest/gtest.h>

#include "core/skin/record_pieces.h"
#include "controls/skin_control_fakes.h"
#include "win32/forms/controls.h"
#include "win32/forms/form.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

using zv::test::FakeSkinSource;

class PanelForm : public Form {
 public:
  PanelForm() : Form("PanelForm") { CreateForm({"panel test", {420, 200}, {0, 0}, false}); }
};

// A mask with the two top corner pixels cut away.
Bitmap CornerMask() {
  Bitmap mask(59, 52, Pixel{0, 0, 0, 0});
  mask.At(0, 0) = {255, 255, 255, 0};
  mask.At(58, 0) = {255, 255, 255, 0};
  return mask;
}

struct TopPanelFixture : ::testing::Test {
  FakeSkinSource skin{zv::test::kPanelSkinIni, {zv::test::TracePicture(210, 60, 77), CornerMask()}};
  std::unique_ptr<PanelForm> form = Form::Create<PanelForm>();
  SkinPanelWindow& top = form->Add<SkinPanelWindow>(*form, "TopPnl", Rect{0, 0, 391, 49});
  Panel& img1 = form->Add<Panel>(top, "img1", Rect{300, 20, 380, 44}, false);

  TopPanelFixture() {
    TzsSkinPanel& p = top.panel();
    p.SetBorderStyle(TzsSkinBorderStyle::bvRaised);
    p.SetCaptionMode(true);
    p.SetCaption("Usage");
    p.SetTransparentMode(true);
    p.SetCheckedMode(true);
    p.UseSkinFont = false;
    p.SetDefaultFont({"Arial", -21, kFontBold, 0});
    p.SetSkinData(&skin);
    ShowWindow(form->hwnd(), SW_SHOWNOACTIVATE);
    PumpMessages();
  }
  void ClickAt(int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    SendMessageW(top.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(top.hwnd(), WM_LBUTTONUP, 0, at);
  }
};

TEST_F(TopPanelFixture, DrawnTransparentlyWithCaptionAndFrameLines) {
  const Bitmap shot = top.Snapshot();
  ASSERT_EQ(shot.width(), 391);
  ASSERT_EQ(shot.height(), 49);
  const Pixel shadow{128, 128, 128, 0};
  const Pixel face = ToPixel(GetSysColor(COLOR_BTNFACE));
  auto same = [](Pixel a, Pixel b) { return a.r == b.r && a.g == b.g && a.b == b.b; };
  // Find the caption band's middle row from the left stub.
  int m = -1;
  for (int y = 0; y < 49 && m < 0; ++y) {
    if (same(shot.At(0, y), shadow) && same(shot.At(3, y), shadow) && !same(shot.At(4, y), shadow)) m = y;
  }
  ASSERT_GT(m, 3);
  EXPECT_EQ(m, top.panel().CaptionHitRect().Height() / 2);
  EXPECT_TRUE(same(shot.At(390, m), shadow));
  EXPECT_TRUE(same(shot.At(390, 47), shadow));
  EXPECT_TRUE(same(shot.At(200, 48), shadow));
  EXPECT_TRUE(same(shot.At(0, 30), shadow));
  // The parent's background shows inside and above the line.
  EXPECT_TRUE(same(shot.At(150, 30), face));
  EXPECT_TRUE(same(shot.At(0, 1), face));
  // Caption ink in the stdlabel colour, starting at x = 10.
  int firstInk = -1;
  for (int x = 0; x < 391 && firstInk < 0; ++x) {
    for (int y = 0; y < m * 2; ++y) {
      if (same(shot.At(x, y), Pixel{0, 255, 0, 0})) {
        firstInk = x;
        break;
      }
    }
  }
  EXPECT_GE(firstInk, 10);
  EXPECT_LT(firstInk, 14);
}

TEST_F(TopPanelFixture, ClickOnTheCaptionTogglesCheckedAndTheChild) {
  int clicks = 0;
  top.OnClick = [&] { ++clicks; };
  top.Snapshot();  // the caption hit rectangle comes from a paint
  ClickAt(60, 5);
  EXPECT_TRUE(top.panel().Checked());
  EXPECT_TRUE(IsWindowEnabled(img1.hwnd()));
  ClickAt(60, 5);
  EXPECT_FALSE(top.panel().Checked());
  EXPECT_FALSE(IsWindowEnabled(img1.hwnd()));
  ClickAt(150, 40);  // below the band: a plain click
  EXPECT_FALSE(top.panel().Checked());
  EXPECT_EQ(clicks, 3);
}

TEST_F(TopPanelFixture, WindowRegionFromTheMaskHasTheExpectedRectangles) {
  // The skin's panel record gets the mask; the shape follows at once.
  auto& record = const_cast<TzsDataSkinPanelControl&>(
      dynamic_cast<const TzsDataSkinPanelControl&>(*skin.ControlRecord("panel")));
  record.maskPictureIndex = 1;
  top.panel().ApplySkin();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(top.hwnd(), region), ERROR);
  const SkinPieces pieces = PiecesFromRecord(record, skin.Picture(0));
  SkinPoints fitted;
  FitSizeToSkin(SkinSizing::kBoth, pieces, {391, 49}, fitted);
  const std::vector<Rect> expected = ShapeFromMask(SkinSizing::kBoth, pieces, fitted, {391, 49}, skin.Picture(1));
  ASSERT_FALSE(expected.empty());
  int mismatches = 0;
  for (int y = 0; y < 49; ++y) {
    for (int x = 0; x < 391; ++x) {
      bool inside = false;
      for (const Rect& r : expected) inside = inside || r.Contains({x, y});
      if ((PtInRegion(region, x, y) != FALSE) != inside) ++mismatches;
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 390, 0));
  EXPECT_TRUE(PtInRegion(region, 1, 0));
  DeleteObject(region);

  // Without a mask the shape is removed.
  record.maskPictureIndex = -1;
  top.panel().ApplySkin();
  HRGN none = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(top.hwnd(), none), ERROR);
  DeleteObject(none);
}

}  // namespace
}  // namespace zv::win::test
