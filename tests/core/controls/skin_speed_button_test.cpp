#include "core/controls/skin_speed_button.h"

#include <gtest/gtest.h>

#include <memory>

#include "status/fake_status.h"
#include "fake_text_renderer.h"
#include "controls/skin_family_skin.h"

namespace zv {
namespace {

using test::FakeSkinHost;
using test::Traced;

TEST(ButtonLayoutTest, GlyphAndTextPlacedByLayoutMarginAndSpacing) {
  const Rect wide{0, 0, 60, 20};
  const Size glyph{16, 16};
  const Size text{24, 13};
  auto place = [&](TzsButtonLayout layout, int margin, int spacing, Rect area = Rect{0, 0, 60, 20}) {
    return PlaceButtonContent(area, glyph, text, layout, margin, spacing);
  };
  // Centred pair: 16 + 4 + 24 = 44 in 60 leaves 8 each side.
  ButtonContentPlaces p = place(TzsButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(p.glyph, (Point{8, 2}));
  EXPECT_EQ(p.text, (Point{28, 3}));
  p = place(TzsButtonLayout::blGlyphRight, -1, 4);
  EXPECT_EQ(p.glyph, (Point{36, 2}));
  EXPECT_EQ(p.text, (Point{8, 3}));
  p = place(TzsButtonLayout::blGlyphTop, -1, 4, Rect{10, 0, 50, 50});
  EXPECT_EQ(p.glyph, (Point{22, 8}));  // 50 - 33 = 17, margin 8
  EXPECT_EQ(p.text, (Point{18, 28}));
  p = place(TzsButtonLayout::blGlyphBottom, -1, 4, Rect{10, 0, 50, 50});
  EXPECT_EQ(p.glyph, (Point{22, 26}));
  EXPECT_EQ(p.text, (Point{18, 9}));
  // A margin from the glyph's edge; spacing -1 centres the text in the rest.
  p = place(TzsButtonLayout::blGlyphLeft, 3, -1);
  EXPECT_EQ(p.glyph.x, 3);
  EXPECT_EQ(p.text.x, 3 + 16 + 8);
  // Both -1: three equal gaps.
  p = place(TzsButtonLayout::blGlyphLeft, -1, -1);
  EXPECT_EQ(p.glyph.x, 6);
  EXPECT_EQ(p.text.x, 28);
  // Text alone is centred and takes no spacing.
  p = PlaceButtonContent(wide, {}, text, TzsButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(p.text, (Point{18, 3}));
  p = PlaceButtonContent(wide, glyph, {}, TzsButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(p.glyph, (Point{22, 2}));
}

struct ButtonRig {
  test::FakeTextRenderer text;
  test::FakeTimerHost timers;
  test::FakeSkinSource skin = test::FamilySkin();
  FakeSkinHost host{text, {10, 10, 40, 30}};
  TzsSkinSpeedButton button{host, timers};
  int clicks = 0;

  ButtonRig() { button.OnClick = [this] { ++clicks; }; }
  Bitmap Render() {
    Bitmap canvas(host.bounds.Width(), host.bounds.Height(), Pixel{9, 9, 9, 0});
    button.Paint(canvas.view());
    return canvas;
  }
  void ClickAt(Point p) {
    button.MouseDown(p);
    button.MouseUp(p);
  }
};

TEST(SkinSpeedButtonTest, PressDragAndReleaseDecideTheClick) {
  ButtonRig rig;
  EXPECT_EQ(rig.button.SkinDataName(), "toolbutton");
  rig.ClickAt({5, 5});
  EXPECT_EQ(rig.clicks, 1);
  EXPECT_FALSE(rig.button.Down());  // no group: never stays down

  rig.button.MouseDown({5, 5});
  EXPECT_EQ(rig.button.State(), SpeedButtonState::kPressed);
  rig.button.MouseMove({50, 5});  // dragged off: looks up again
  EXPECT_EQ(rig.button.State(), SpeedButtonState::kUp);
  rig.button.MouseMove({6, 5});
  EXPECT_EQ(rig.button.State(), SpeedButtonState::kPressed);
  rig.button.MouseMove({-1, 5});
  rig.button.MouseUp({-1, 5});
  EXPECT_EQ(rig.clicks, 1);  // released outside

  rig.host.enabled = false;
  rig.button.EnabledChanged();
  rig.ClickAt({5, 5});
  EXPECT_EQ(rig.clicks, 1);
  EXPECT_EQ(rig.button.State(), SpeedButtonState::kDisabled);
}

TEST(SkinSpeedButtonTest, GroupKeepsOneButtonDownAndAllowAllUpIsShared) {
  test::FakeTextRenderer text;
  test::FakeTimerHost timers;
  std::vector<std::unique_ptr<FakeSkinHost>> hosts;
  std::vector<std::unique_ptr<TzsSkinSpeedButton>> buttons;
  const int groups[] = {1, 1, 1, 2, 0};
  for (int group : groups) {
    hosts.push_back(std::make_unique<FakeSkinHost>(text, Rect{0, 0, 20, 20}));
    buttons.push_back(std::make_unique<TzsSkinSpeedButton>(*hosts.back(), timers));
    buttons.back()->SetGroupIndex(group);
  }
  for (auto& b : buttons) {
    b->Siblings = [&buttons] {
      std::vector<TzsSkinSpeedButton*> all;
      for (auto& s : buttons) all.push_back(s.get());
      return all;
    };
  }
  auto click = [](TzsSkinSpeedButton& b) {
    b.MouseDown({3, 3});
    b.MouseUp({3, 3});
  };
  auto downs = [&] {
    std::string s;
    for (auto& b : buttons) s += b->Down() ? '1' : '0';
    return s;
  };
  click(*buttons[0]);
  EXPECT_EQ(downs(), "10000");
  buttons[3]->SetDown(true);  // another group is not touched
  EXPECT_EQ(downs(), "10010");
  click(*buttons[1]);
  EXPECT_EQ(downs(), "01010");
  click(*buttons[1]);  // the last one down stays down without AllowAllUp
  EXPECT_EQ(downs(), "01010");
  buttons[1]->SetDown(false);
  EXPECT_EQ(downs(), "01010");
  buttons[4]->SetDown(true);  // no group: never down
  EXPECT_EQ(downs(), "01010");

  buttons[0]->SetAllowAllUp(true);
  EXPECT_TRUE(buttons[1]->AllowAllUp());
  EXPECT_TRUE(buttons[2]->AllowAllUp());
  EXPECT_FALSE(buttons[3]->AllowAllUp());
  click(*buttons[1]);
  EXPECT_EQ(downs(), "00010");
  buttons[2]->SetDown(true);
  EXPECT_EQ(downs(), "00110");
  EXPECT_EQ(buttons[2]->State(), SpeedButtonState::kDown);
}

TEST(SkinSpeedButtonTest, RepeatModeClicksOnPressAndOnEveryTickWhileHeldInside) {
  ButtonRig rig;
  const int id = TzsSkinSpeedButton::kRepeatTimerId;
  rig.button.RepeatMode = true;
  rig.button.RepeatInterval = 60;
  rig.button.MouseDown({5, 5});
  EXPECT_EQ(rig.clicks, 1);
  ASSERT_TRUE(rig.timers.IsRunning(id));
  EXPECT_EQ(rig.timers.running[id], AutoRepeat::kFirstPause);
  rig.button.TimerTick(id);
  EXPECT_EQ(rig.clicks, 2);
  EXPECT_EQ(rig.timers.running[id], 60u);
  rig.button.TimerTick(id);
  EXPECT_EQ(rig.clicks, 3);
  rig.button.TimerTick(id + 7);  // not ours
  EXPECT_EQ(rig.clicks, 3);
  rig.button.MouseMove({100, 5});
  rig.button.TimerTick(id);
  EXPECT_EQ(rig.clicks, 3);  // held outside: no repeat
  rig.button.MouseMove({5, 5});
  rig.button.TimerTick(id);
  EXPECT_EQ(rig.clicks, 4);
  rig.button.MouseUp({5, 5});
  EXPECT_EQ(rig.clicks, 4);  // the release adds nothing
  EXPECT_FALSE(rig.timers.IsRunning(id));
  rig.button.TimerTick(id);  // a late tick after the release
  EXPECT_EQ(rig.clicks, 4);

  rig.button.RepeatInterval = 0;  // never a busy timer
  rig.button.MouseDown({5, 5});
  rig.button.TimerTick(id);
  EXPECT_EQ(rig.timers.running[id], AutoRepeat::kShortestInterval);
  rig.host.enabled = false;
  rig.button.EnabledChanged();
  EXPECT_FALSE(rig.timers.IsRunning(id));
}

// Four 8 x 8 glyph cells of distinct colours, each with a key-coloured
// bottom-left pixel.
Bitmap FourCellGlyph() {
  const Pixel colours[] = {{10, 0, 0, 0}, {20, 0, 0, 0}, {30, 0, 0, 0}, {40, 0, 0, 0}};
  Bitmap glyph(32, 8);
  for (int cell = 0; cell < 4; ++cell) {
    glyph.view().Fill(Rect{cell * 8, 0, cell * 8 + 8, 8}, colours[cell]);
    glyph.At(cell * 8, 7) = Pixel{255, 0, 255, 0};
  }
  return glyph;
}

TEST(SkinSpeedButtonTest, GlyphCellFollowsTheStateAndThePlainLookSinks) {
  ButtonRig rig;  // unskinned, 30 x 20
  rig.button.SetGlyph(FourCellGlyph());
  rig.button.SetNumGlyphs(4);
  const Pixel face = ToPixel(rig.host.SystemColorValue(kColorBtnFace));
  // Centred glyph at (11, 6); pressed content moves by (1, 1).
  EXPECT_EQ(rig.Render().At(14, 9).b, 10);
  EXPECT_EQ(rig.Render().At(11, 13), face);  // key pixel left out
  rig.button.MouseDown({3, 3});
  Bitmap pressed = rig.Render();
  EXPECT_EQ(pressed.At(12, 7).b, 30);
  EXPECT_EQ(pressed.At(11, 6), face);
  EXPECT_EQ(pressed.At(0, 0), ToPixel(rig.host.SystemColorValue(kColorBtnShadow)));  // lowered
  rig.button.MouseUp({3, 3});
  EXPECT_EQ(rig.Render().At(0, 0), ToPixel(rig.host.SystemColorValue(kColorBtnHighlight)));  // raised
  rig.button.SetGroupIndex(5);
  rig.button.SetDown(true);
  EXPECT_EQ(rig.Render().At(14, 9).b, 40);
  rig.host.enabled = false;
  EXPECT_EQ(rig.Render().At(14, 9).b, 20);
  // Fewer cells: a missing state's cell falls back to the first.
  rig.host.enabled = true;
  rig.button.SetNumGlyphs(2);
  EXPECT_EQ(rig.Render().At(14, 9).b, 10);
  rig.button.SetNumGlyphs(9);
  EXPECT_EQ(rig.button.NumGlyphs(), 4);

  // Without a glyph the image list's image is drawn; a bad index draws none.
  rig.button.SetGlyph(Bitmap());
  SkinImageList images{{6, 6}, {}};
  images.images.emplace_back(6, 6, Pixel{0, 99, 0, 0});
  images.images.back().At(0, 5) = Pixel{1, 1, 1, 0};
  rig.button.SetImages(&images);
  rig.button.SetImageIndex(0);
  rig.button.SetDown(false);
  EXPECT_EQ(rig.Render().At(15, 10).g, 99);
  rig.button.SetImageIndex(3);
  EXPECT_EQ(rig.Render().At(15, 10), face);
}

TEST(SkinSpeedButtonTest, SkinnedLooksAndCaptionColoursFollowTheState) {
  ButtonRig rig;
  rig.button.SetCaption("Go");
  rig.button.SetSkinData(&rig.skin);
  EXPECT_EQ(rig.host.bounds, (Rect{10, 10, 30, 30}));  // the skin's size
  EXPECT_EQ(rig.Render().At(1, 1), Traced(1, 101));
  EXPECT_EQ(rig.text.calls.back().font.color, 255u);
  rig.button.MouseEnter();
  EXPECT_EQ(rig.Render().At(1, 1), Traced(21, 101));
  EXPECT_EQ(rig.text.calls.back().font.color, 65280u);
  rig.button.MouseDown({2, 2});
  EXPECT_EQ(rig.Render().At(1, 1), Traced(41, 101));
  EXPECT_EQ(rig.text.calls.back().font.color, 16711680u);
  // The skinned look does not move its content when pressed.
  EXPECT_EQ(rig.text.calls.back().origin, (Point{4, 3}));
  rig.button.MouseUp({2, 2});
  rig.host.enabled = false;
  rig.button.EnabledChanged();
  EXPECT_EQ(rig.Render().At(1, 1), Traced(61, 101));
  EXPECT_EQ(rig.text.calls.back().font.color, 8421504u);

  rig.host.enabled = true;
  rig.button.UseSkinFontColor = false;
  rig.button.SetDefaultFont({"Tahoma", 12, 0, Rgb(1, 2, 3)});
  rig.Render();
  EXPECT_EQ(rig.text.calls.back().font.color, Rgb(1, 2, 3));

  // Without UseSkinSize a both-ways look stretches to the asked size.
  rig.button.UseSkinSize = false;
  rig.button.SetBounds({10, 10, 70, 40});
  EXPECT_EQ(rig.host.bounds, (Rect{10, 10, 70, 40}));
  const Bitmap wide = rig.Render();
  EXPECT_EQ(wide.At(59, 29), Traced(19, 119));
  rig.button.UseSkinSize = true;
  rig.button.ApplySkin();
  EXPECT_EQ(rig.host.bounds, (Rect{10, 10, 30, 30}));
}

TEST(SkinSpeedButtonTest, FlatButtonShowsItsParentUntilTheMouseComes) {
  ButtonRig rig;
  rig.button.SetFlat(true);
  EXPECT_EQ(rig.Render().At(0, 0), rig.host.background);
  EXPECT_EQ(rig.Render().At(15, 10), rig.host.background);
  rig.button.MouseEnter();
  EXPECT_EQ(rig.Render().At(0, 0), ToPixel(rig.host.SystemColorValue(kColorBtnHighlight)));
  rig.button.MouseLeave();
  EXPECT_EQ(rig.Render().At(0, 0), rig.host.background);

  int paints = 0;
  rig.button.OnPaint = [&](const BitmapView& canvas, const Rect& r) {
    ++paints;
    EXPECT_EQ(r, (Rect{0, 0, 30, 20}));
    canvas.Fill(Rect{29, 19, 30, 20}, Pixel{7, 7, 7, 0});  // drawn over the button's own look
  };
  EXPECT_EQ(rig.Render().At(29, 19), (Pixel{7, 7, 7, 0}));
  EXPECT_EQ(paints, 1);
}

}  // namespace
}  // namespace zv
