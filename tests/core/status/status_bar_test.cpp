#include "core/status/status_bar.h"

#include <gtest/gtest.h>

#include "core/status/bar_painter.h"
#include "status/status_bar_fixture.h"

namespace zv {
namespace {

using test::MainStatusBar;

TEST(StatusBar, MainWindowPanesAndTheirTextRectangles) {
  MainStatusBar m;
  EXPECT_EQ(m.bar.Height(), 19);
  EXPECT_EQ(m.pane1.BoundsRect(), (Rect{0, 0, 161, 19}));
  EXPECT_EQ(m.pane2.BoundsRect(), (Rect{161, 0, 261, 19}));
  EXPECT_EQ(m.clock.BoundsRect(), (Rect{641, 0, 791, 19}));
  EXPECT_EQ(m.bar.PaneTextRect(m.pane1), (Rect{2, 2, 159, 17}));
  EXPECT_EQ(m.bar.PaneTextRect(m.pane2), (Rect{163, 2, 259, 17}));
  // The clock at the right end keeps 12 pixels free for the grip.
  EXPECT_EQ(m.bar.PaneTextRect(m.clock), (Rect{643, 2, 777, 17}));
  // Also with the window maximised, when no grip is drawn.
  m.host.maximised = true;
  EXPECT_EQ(m.bar.PaneTextRect(m.clock), (Rect{643, 2, 777, 17}));
  m.bar.SetShowSizeGrip(false);
  EXPECT_EQ(m.bar.PaneTextRect(m.clock), (Rect{643, 2, 789, 17}));
}

TEST(StatusBar, OnlyAClockTouchingTheRightEndGivesUpRoom) {
  MainStatusBar m;
  m.pane2.SetAlign(alRight);  // created before the clock: it takes the right end
  EXPECT_EQ(m.pane2.BoundsRect(), (Rect{691, 0, 791, 19}));
  EXPECT_EQ(m.clock.BoundsRect(), (Rect{541, 0, 691, 19}));
  EXPECT_EQ(m.bar.PaneTextRect(m.clock), (Rect{543, 2, 689, 17}));
  EXPECT_EQ(m.bar.PaneTextRect(m.pane2), (Rect{693, 2, 789, 17}));  // no clock: no room kept
}

TEST(StatusBar, PanesAlignWithinTheBar) {
  MainStatusBar m;
  auto& right2 = m.AddPane(alRight, 50);
  EXPECT_EQ(right2.BoundsRect(), (Rect{591, 0, 641, 19}));  // right panes grow leftwards
  m.bar.SetSize(500, 19);
  EXPECT_EQ(m.clock.BoundsRect(), (Rect{350, 0, 500, 19}));
  EXPECT_EQ(right2.BoundsRect(), (Rect{300, 0, 350, 19}));
  EXPECT_EQ(m.pane2.BoundsRect(), (Rect{161, 0, 261, 19}));
  // A hidden pane gives its strip to the next one.
  m.pane1.SetVisible(false);
  EXPECT_EQ(m.pane2.BoundsRect(), (Rect{0, 0, 100, 19}));
  m.pane1.SetVisible(true);
  EXPECT_EQ(m.pane2.BoundsRect(), (Rect{161, 0, 261, 19}));
  // A client pane takes what is left; an unaligned one stays where it was put.
  auto& rest = m.AddPane(alClient, 10);
  EXPECT_EQ(rest.BoundsRect(), (Rect{261, 0, 300, 19}));
  auto& loose = m.AddPane(alNone, 30);
  loose.SetLeft(7);
  loose.SetTop(3);
  EXPECT_EQ(loose.BoundsRect(), (Rect{7, 3, 37, 22}));
  // A frame around the bar moves the aligned panes inwards.
  m.bar.SetBorderOuter(fsRaised);
  m.bar.SetBorderWidth(1);
  EXPECT_EQ(m.pane1.BoundsRect(), (Rect{3, 3, 164, 16}));
  EXPECT_EQ(m.clock.BoundsRect(), (Rect{347, 3, 497, 16}));
}

TEST(StatusBar, TextRectanglePerFrameStyle) {
  MainStatusBar m;
  const int inset[kFrameStyleCount] = {0, 1, 2, 2, 2, 2, 2, 2, 1, 1, 2, 0};
  for (int borderWidth : {0, 1, 3}) {
    m.pane2.SetBorderWidth(borderWidth);
    for (int s = 0; s < kFrameStyleCount; ++s) {
      m.pane2.SetFrameStyle(static_cast<TFrameStyleEx>(s));
      const int n = borderWidth + inset[s];
      EXPECT_EQ(m.bar.PaneTextRect(m.pane2), (Rect{161 + n, n, 261 - n, 19 - n})) << s << " " << borderWidth;
    }
  }
}

TEST(StatusBar, CaptionPositions) {
  const Rect r{10, 2, 110, 17};  // 15 high; "Pp" is 13 high
  EXPECT_EQ(CaptionOrigin(r, taLeftJustify, 2, 30, 13), (Point{13, 3}));
  EXPECT_EQ(CaptionOrigin(r, taRightJustify, 2, 30, 13), (Point{77, 3}));
  EXPECT_EQ(CaptionOrigin(r, taCenter, 2, 30, 13), (Point{45, 3}));
  EXPECT_EQ(CaptionOrigin(r, taCenter, 2, 31, 13), (Point{44, 3}));
  EXPECT_EQ(CaptionOrigin(r, taLeftJustify, 0, 30, 13), (Point{11, 3}));
  // Text higher than the rectangle: half the difference, rounded toward zero.
  EXPECT_EQ(CaptionOrigin({0, 5, 50, 17}, taLeftJustify, 2, 0, 13), (Point{3, 5}));  // -1 / 2 == 0
  EXPECT_EQ(CaptionOrigin({0, 5, 50, 15}, taLeftJustify, 2, 0, 13), (Point{3, 4}));  // -3 / 2 == -1
  EXPECT_EQ(CaptionOrigin({0, 0, 50, 20}, taLeftJustify, 2, 0, 13), (Point{3, 3}));  // 7 / 2 == 3
}

TEST(StatusBar, CaptionChangesRepaintOnlyWhenTheTextDiffers) {
  MainStatusBar m;
  m.host.Forget();
  m.pane1.SetCaption("abc");
  ASSERT_EQ(m.host.invalidated.size(), 1u);
  EXPECT_EQ(m.host.invalidated[0], m.pane1.BoundsRect());
  m.host.Forget();
  m.pane1.SetCaption("abc");
  EXPECT_TRUE(m.host.invalidated.empty());
  EXPECT_TRUE(m.host.redrawn.empty());
  m.pane1.SetVisible(false);
  m.host.Forget();
  m.pane1.SetCaption("hidden");
  EXPECT_TRUE(m.host.invalidated.empty());
}

TEST(StatusBar, AutoSizeFollowsTheCaption) {
  MainStatusBar m;
  m.pane1.SetAutoSize(true);
  EXPECT_EQ(m.pane1.Width(), 40);  // empty: DefaultWidth
  EXPECT_EQ(m.pane2.BoundsRect().left, 40);
  m.pane1.SetCaption("abcd");  // 24 + 2 * 1 + 2 + 6
  EXPECT_EQ(m.pane1.Width(), 34);
  EXPECT_EQ(m.pane2.BoundsRect().left, 34);
  m.pane1.SetBorderWidth(3);
  EXPECT_EQ(m.pane1.Width(), 38);
  m.text.cellWidth = 10;  // a wider font on the bar
  FontSpec big = m.bar.Font();
  big.height = -20;
  m.bar.SetFont(big);
  EXPECT_EQ(m.pane1.Width(), 54);
  m.pane1.SetCaption("");
  EXPECT_EQ(m.pane1.Width(), 40);
  m.pane1.SetDefaultWidth(25);
  EXPECT_EQ(m.pane1.Width(), 25);
  m.pane1.SetAutoSize(false);
  m.pane1.SetCaption("a long caption");
  EXPECT_EQ(m.pane1.Width(), 25);
}

TEST(StatusBar, AutoStyleRestoresTheStandardLook) {
  MainStatusBar m;
  m.bar.SetSize(791, 30);
  m.bar.SetBorderWidth(2);  // not one of the properties that end AutoStyle
  m.bar.SetBorderInner(fsNone);  // unchanged values keep it
  m.bar.SetBorderSides(kAllSides);
  EXPECT_TRUE(m.bar.AutoStyle());
  m.bar.Loaded();
  EXPECT_EQ(m.bar.Height(), 19);
  EXPECT_EQ(m.bar.BorderWidth(), 0);
  m.bar.SetBorderOuter(fsLowered);
  EXPECT_FALSE(m.bar.AutoStyle());
  m.bar.SetSize(791, 30);
  m.bar.Loaded();
  EXPECT_EQ(m.bar.Height(), 30);
  EXPECT_EQ(m.bar.BorderOuter(), fsLowered);
  for (auto change : {+[](TSbStatusBar& b) { b.SetBorderInner(fsRaised); },
                      +[](TSbStatusBar& b) { b.SetBorderSides(sdTop); }}) {
    MainStatusBar n;
    change(n.bar);
    EXPECT_FALSE(n.bar.AutoStyle());
  }
}

TEST(StatusBar, GripHitArea) {
  MainStatusBar m;
  EXPECT_EQ(m.bar.GripRect(), (Rect{778, 0, 791, 19}));
  EXPECT_TRUE(m.bar.IsGripPoint({778, 0}));
  EXPECT_TRUE(m.bar.IsGripPoint({790, 18}));
  EXPECT_FALSE(m.bar.IsGripPoint({777, 10}));
  EXPECT_FALSE(m.bar.IsGripPoint({791, 10}));
  EXPECT_FALSE(m.bar.IsGripPoint({785, 19}));
  m.host.maximised = true;
  EXPECT_FALSE(m.bar.IsGripPoint({785, 10}));
  m.host.maximised = false;
  m.host.sizeable = false;
  EXPECT_FALSE(m.bar.IsGripPoint({785, 10}));
  m.host.sizeable = true;
  m.bar.SetShowSizeGrip(false);
  EXPECT_FALSE(m.bar.IsGripPoint({785, 10}));
  m.bar.SetShowSizeGrip(true);
  m.bar.SetSize(400, 19);
  EXPECT_TRUE(m.bar.IsGripPoint({390, 10}));
  EXPECT_FALSE(m.bar.IsGripPoint({785, 10}));
}

// The shell gives the bar its width at the window's scale; the bar keeps
// its standard height, its grip and its panes at that scale, and comes back.
TEST(StatusBar, AtTheDisplaysScale) {
  MainStatusBar m;
  m.bar.SetDpi(144);
  m.bar.SetSize(1187, m.bar.Height());
  EXPECT_EQ(m.bar.Height(), 29);
  EXPECT_EQ(m.pane1.BoundsRect(), (Rect{0, 0, 242, 29}));
  EXPECT_EQ(m.pane2.BoundsRect(), (Rect{242, 0, 392, 29}));
  EXPECT_EQ(m.clock.BoundsRect(), (Rect{962, 0, 1187, 29}));
  EXPECT_EQ(m.bar.GripRect(), (Rect{1167, 0, 1187, 29}));
  EXPECT_EQ(m.bar.PaneTextRect(m.clock).right, 1187 - 2 - 18);  // the grip's room scales too
  m.bar.SetDpi(96);
  m.bar.SetSize(791, m.bar.Height());
  EXPECT_EQ(m.bar.Height(), 19);
  EXPECT_EQ(m.pane2.BoundsRect(), (Rect{161, 0, 261, 19}));
  EXPECT_EQ(m.bar.GripRect(), (Rect{778, 0, 791, 19}));
}

TEST(StatusBar, TimersComeWithTheFirstPaneAndGoWithTheLast) {
  test::FakeTimerHost timers;
  StatusLists lists(timers);
  test::FakeBarHost host;
  test::FakeTextRenderer text;
  test::FakeLocalTime time;
  const SystemPalette palette = SystemPalette::Classic();
  {
    TSbStatusBar bar(host, text, palette);
    EXPECT_TRUE(timers.running.empty());
    auto& pane = bar.AddPane<TSbStatusPane>(lists);
    EXPECT_TRUE(timers.IsRunning(StatusLists::kBlinkTimerId));
    EXPECT_FALSE(timers.IsRunning(StatusLists::kPollingTimerId));
    auto& clock = bar.AddPane<TSbClockStatus>(lists, time);
    auto& clock2 = bar.AddPane<TSbClockStatus>(lists, time);
    EXPECT_EQ(timers.running.at(StatusLists::kPollingTimerId), 500u);
    bar.DeletePane(clock);
    EXPECT_TRUE(timers.IsRunning(StatusLists::kPollingTimerId));
    bar.DeletePane(clock2);
    EXPECT_FALSE(timers.IsRunning(StatusLists::kPollingTimerId));
    EXPECT_TRUE(timers.IsRunning(StatusLists::kBlinkTimerId));
    bar.DeletePane(pane);
    EXPECT_TRUE(timers.running.empty());
    EXPECT_EQ(bar.PaneCount(), 0u);
    bar.AddPane<TSbClockStatus>(lists, time);
    EXPECT_EQ(timers.running.size(), 2u);
  }
  EXPECT_TRUE(timers.running.empty());  // the bar took its panes with it
}

TEST(StatusBar, PaneDefaults) {
  MainStatusBar m;
  const TSbCustomStatusPane& p = m.pane2;
  EXPECT_EQ(p.FrameStyle(), fsFlat);
  EXPECT_EQ(p.BorderWidth(), 1);
  EXPECT_EQ(p.CaptionOffset(), 2);
  EXPECT_EQ(p.FlatColor(), clBtnShadow);
  EXPECT_EQ(p.FlatColorAdjustment(), 30);
  EXPECT_TRUE(p.ParentColor());
  EXPECT_TRUE(p.ParentFillColor());
  EXPECT_EQ(p.Alignment(), taLeftJustify);
  EXPECT_FALSE(p.AutoSize());
  EXPECT_EQ(p.DefaultWidth(), 40);
  EXPECT_FALSE(p.Blinking());
  EXPECT_EQ(p.BlinkColor(), clHighlight);
  EXPECT_EQ(p.BlinkIntervalOn(), 500u);
  EXPECT_EQ(p.BlinkIntervalOff(), 500u);
  EXPECT_EQ(m.clock.Width(), 150);
  EXPECT_TRUE(m.clock.Active());
  EXPECT_EQ(m.clock.Interval(), 500u);
  EXPECT_TRUE(m.bar.ShowSizeGrip());
  EXPECT_FALSE(m.bar.SimpleStatus());
  EXPECT_EQ(m.bar.SimpleFrameStyle(), fsFlat);
  EXPECT_TRUE(m.bar.ThemeAware());
  EXPECT_EQ(m.bar.Color(), clBtnFace);
  // Colours follow the bar until set.
  m.bar.SetColor(Rgb(1, 2, 3));
  EXPECT_EQ(p.Color(), Rgb(1, 2, 3));
  EXPECT_EQ(p.FillColor(), Rgb(1, 2, 3));
  m.pane2.SetFillColor(Rgb(9, 9, 9));
  EXPECT_EQ(p.FillColor(), Rgb(9, 9, 9));
  EXPECT_FALSE(p.ParentFillColor());
  m.pane2.SetColor(Rgb(4, 4, 4));
  EXPECT_EQ(p.Color(), Rgb(4, 4, 4));
  EXPECT_EQ(m.pane1.Color(), Rgb(1, 2, 3));
}

}  // namespace
}  // namespace zv
