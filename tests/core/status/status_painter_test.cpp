#include "core/status/bar_painter.h"

#include <gtest/gtest.h>

#include "status/status_bar_fixture.h"

namespace zv {
namespace {

using test::FakeTheme;
using test::MainStatusBar;

constexpr ColorRef kFace = Rgb(212, 208, 200);
constexpr ColorRef kFlat = Rgb(159, 159, 159);  // button shadow lightened by 30
constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kGrey = Rgb(128, 128, 128);
constexpr ColorRef kBlack = Rgb(0, 0, 0);

struct Painted {
  Bitmap bitmap;
  explicit Painted(MainStatusBar& m) : bitmap(m.bar.Width(), m.bar.Height(), ToPixel(Rgb(1, 2, 3))) {
    m.text.calls.clear();
    m.bar.Paint(bitmap.view());
  }
  ColorRef At(int x, int y) const { return ToColorRef(bitmap.At(x, y)); }
};

TEST(StatusPainter, PanesGetFlatFramesWithoutCorners) {
  MainStatusBar m;
  Painted p(m);
  EXPECT_EQ(p.At(0, 0), kFace);  // the border width around the frame
  EXPECT_EQ(p.At(1, 1), kFace);  // left-out corner
  EXPECT_EQ(p.At(2, 1), kFlat);
  EXPECT_EQ(p.At(158, 1), kFlat);
  EXPECT_EQ(p.At(159, 1), kFace);
  EXPECT_EQ(p.At(1, 2), kFlat);
  EXPECT_EQ(p.At(159, 16), kFlat);
  EXPECT_EQ(p.At(159, 17), kFace);
  EXPECT_EQ(p.At(80, 17), kFlat);
  EXPECT_EQ(p.At(80, 9), kFace);  // empty caption: face inside
  EXPECT_EQ(p.At(162, 5), kFlat);  // second pane's left edge
  EXPECT_EQ(p.At(400, 1), kFace);  // bar between the panes
  EXPECT_EQ(p.At(642, 5), kFlat);  // clock's left edge
  EXPECT_EQ(p.At(789, 5), kFlat);  // clock's right edge, under the grip column
}

TEST(StatusPainter, GripDotsWithTheirShadows) {
  MainStatusBar m;
  Painted p(m);
  // Client 791 x 19, bottom taken as 18: dots' top-left corners.
  const Point dots[] = {{786, 6}, {786, 10}, {786, 14}, {782, 10}, {782, 14}, {778, 14}};
  for (const Point d : dots) {
    SCOPED_TRACE(testing::Message() << d.x << "," << d.y);
    EXPECT_EQ(p.At(d.x + 1, d.y), kWhite);
    EXPECT_EQ(p.At(d.x, d.y + 1), kWhite);
    EXPECT_EQ(p.At(d.x + 1, d.y + 1), kWhite);
    EXPECT_EQ(p.At(d.x, d.y), kGrey);
    EXPECT_EQ(p.At(d.x - 1, d.y - 1), kGrey);
    EXPECT_EQ(p.At(d.x - 1, d.y), kGrey);
    EXPECT_EQ(p.At(d.x + 2, d.y + 2), kFace);
  }
  EXPECT_EQ(p.At(782, 6), kFace);  // no dot above the diagonal
  EXPECT_EQ(p.At(778, 10), kFace);
  int white = 0;
  for (int y = 0; y < 19; ++y) {
    for (int x = 760; x < 791; ++x) white += p.At(x, y) == kWhite;
  }
  EXPECT_EQ(white, 6 * 3);
}

TEST(StatusPainter, NoGripWhenMaximisedOrFixed) {
  for (int kase = 0; kase < 3; ++kase) {
    MainStatusBar m;
    if (kase == 0) m.host.maximised = true;
    if (kase == 1) m.host.sizeable = false;
    if (kase == 2) m.bar.SetShowSizeGrip(false);
    Painted p(m);
    EXPECT_EQ(p.At(787, 7), kFace) << kase;
    EXPECT_EQ(p.At(786, 6), kFace) << kase;
  }
}

TEST(StatusPainter, CaptionPlacedAndClipped) {
  MainStatusBar m;
  m.pane1.SetCaption(std::string(40, 'x'));  // 240 pixels: more than the pane
  m.pane1.SetFillColor(Rgb(200, 0, 0));
  Painted p(m);
  ASSERT_GE(p.bitmap.width(), 1);
  const auto& call = m.text.calls.at(0);
  EXPECT_EQ(call.origin, (Point{5, 3}));  // text rect {2, 2, 159, 17}
  EXPECT_EQ(call.clip, (Rect{2, 2, 159, 17}));
  EXPECT_EQ(p.At(5, 3), kBlack);
  EXPECT_EQ(p.At(4, 3), Rgb(200, 0, 0));  // text background in FillColor
  EXPECT_EQ(p.At(2, 2), Rgb(200, 0, 0));
  EXPECT_EQ(p.At(158, 3), kBlack);  // cut at the right text edge
  EXPECT_EQ(p.At(159, 3), kFlat);
  EXPECT_EQ(p.At(160, 3), kFace);
  EXPECT_EQ(p.At(20, 16), Rgb(200, 0, 0));  // below the 13-pixel glyphs
  EXPECT_EQ(p.At(20, 17), kFlat);
  // The clock's text stops 12 pixels short of its right edge.
  for (int y = 2; y < 17; ++y) {
    for (int x = 777; x < 789; ++x) EXPECT_NE(p.At(x, y), kBlack) << x << "," << y;
  }
}

TEST(StatusPainter, RightAndCentredCaptions) {
  MainStatusBar m;
  m.pane2.SetCaption("ab");
  m.pane2.SetAlignment(taRightJustify);
  Painted right(m);
  EXPECT_EQ(right.bitmap.width(), 791);
  EXPECT_EQ(m.text.calls.at(0).origin, (Point{259 - 3 - 12, 3}));
  m.pane2.SetAlignment(taCenter);
  Painted centred(m);
  EXPECT_EQ(m.text.calls.at(0).origin, (Point{163 + (96 - 12) / 2, 3}));
}

TEST(StatusPainter, DisabledTextIsEmbossed) {
  MainStatusBar m;
  m.pane1.SetCaption("a");
  m.pane1.SetEnabled(false);
  Painted p(m);
  ASSERT_EQ(m.text.calls.size(), 3u);
  EXPECT_EQ(m.text.calls[2].text, m.clock.Caption());  // the clock stays enabled: one call
  EXPECT_EQ(m.text.calls[0].origin, (Point{6, 4}));
  EXPECT_EQ(m.text.calls[0].font.color, kWhite);
  EXPECT_EQ(m.text.calls[1].origin, (Point{5, 3}));
  EXPECT_EQ(m.text.calls[1].font.color, kGrey);
  EXPECT_EQ(p.At(5, 3), kGrey);
  EXPECT_EQ(p.At(10, 4), kWhite);  // the highlight shows right of and below the shadow
  EXPECT_EQ(p.At(6, 16), kWhite);
}

TEST(StatusPainter, BlinkingSwitchesTheTextColour) {
  MainStatusBar m;
  m.pane2.SetCaption("b");
  m.pane2.SetBlinking(true);
  m.pane1.SetCaption("a");  // not blinking
  const ColorRef blink = m.palette.Resolve(clHighlight);
  m.host.Forget();
  m.lists.OnTimer(StatusLists::kBlinkTimerId);
  EXPECT_EQ(m.host.invalidated, (std::vector<Rect>{m.pane2.BoundsRect()}));
  Painted on(m);
  EXPECT_EQ(m.text.calls.at(0).font.color, kBlack);
  EXPECT_EQ(m.text.calls.at(1).font.color, blink);
  EXPECT_EQ(on.At(166, 3), blink);
  m.lists.OnTimer(StatusLists::kBlinkTimerId);
  Painted off(m);
  EXPECT_EQ(m.text.calls.at(1).font.color, kBlack);
  EXPECT_EQ(off.At(166, 3), kBlack);
}

TEST(StatusPainter, SimpleStatusHidesThePanes) {
  MainStatusBar m;
  m.pane1.SetCaption("pane");
  m.bar.SetSimpleCaption("simple");
  m.bar.SetSimpleStatus(true);
  Painted p(m);
  ASSERT_EQ(m.text.calls.size(), 1u);
  EXPECT_EQ(m.text.calls[0].text, "simple");
  EXPECT_EQ(m.text.calls[0].clip, (Rect{1, 1, 778, 18}));  // fsFlat inset, grip room kept
  EXPECT_EQ(m.text.calls[0].origin, (Point{4, 3}));
  EXPECT_EQ(p.At(161, 5), kFace);  // no pane frames
  EXPECT_EQ(p.At(0, 5), kFlat);  // the simple frame round the whole bar
  EXPECT_EQ(p.At(1, 5), kFace);
}

TEST(StatusPainter, FlatRoundedFrameSurvivesItsText) {
  MainStatusBar m;
  m.pane1.SetFrameStyle(fsFlatRounded);
  m.pane1.SetCaptionOffset(-2);
  m.pane1.SetCaption("xxxx");
  m.pane1.SetFillColor(Rgb(0, 0, 200));
  Painted p(m);
  EXPECT_EQ(m.text.calls.at(0).clip, (Rect{1, 1, 160, 18}));
  EXPECT_EQ(p.At(10, 1), kFlat);  // frame line inside the text rectangle
  EXPECT_EQ(p.At(1, 10), kFlat);
  EXPECT_EQ(p.At(10, 5), kBlack);
  EXPECT_EQ(p.At(100, 5), Rgb(0, 0, 200));
}

TEST(StatusPainter, ThemedBarUsesThePlatformParts) {
  MainStatusBar m;
  m.pane1.SetCaption("a");
  m.host.visualStyles = true;
  m.theme.parts.clear();
  Painted p(m);
  ASSERT_GE(m.theme.parts.size(), 1u + 3 * 2 + 1);
  EXPECT_EQ(m.theme.parts.front().first, StatusThemePart::kBackground);
  EXPECT_EQ(m.theme.parts.back(), std::make_pair(StatusThemePart::kGripper, Rect{778, 0, 791, 19}));
  EXPECT_EQ(p.At(400, 5), FakeTheme::kBackground);
  EXPECT_EQ(p.At(0, 0), FakeTheme::kPane);
  EXPECT_EQ(p.At(2, 1), FakeTheme::kPane);    // no flat frame
  EXPECT_EQ(p.At(4, 3), FakeTheme::kBackground);  // text over the bar's background
  EXPECT_EQ(p.At(5, 3), kBlack);
  EXPECT_EQ(p.At(785, 10), FakeTheme::kGripper);
  // Not theme-aware, or maximised: no theme parts, or no gripper.
  m.host.maximised = true;
  m.theme.parts.clear();
  Painted noGrip(m);
  EXPECT_NE(m.theme.parts.back().first, StatusThemePart::kGripper);
  m.bar.SetThemeAware(false);
  m.theme.parts.clear();
  Painted classic(m);
  EXPECT_TRUE(m.theme.parts.empty());
  EXPECT_EQ(classic.At(2, 1), kFlat);
}

TEST(StatusPainter, BarFrameWhenAutoStyleIsOff) {
  MainStatusBar m;
  m.bar.SetBorderOuter(fsStatus);
  Painted p(m);
  EXPECT_EQ(p.At(400, 0), kGrey);
  EXPECT_EQ(p.At(0, 10), kGrey);
  EXPECT_EQ(p.At(400, 18), kWhite);
  EXPECT_EQ(p.At(400, 1), kFace);
  EXPECT_EQ(m.pane1.BoundsRect(), (Rect{1, 1, 162, 18}));
}

}  // namespace
}  // namespace zv
