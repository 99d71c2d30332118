#include <gtest/gtest.h>

#include "status/status_bar_fixture.h"

namespace zv {
namespace {

using test::MainStatusBar;

void Tick(MainStatusBar& m) { m.lists.OnTimer(StatusLists::kPollingTimerId); }

TEST(ClockStatus, ShowsTheTimeFromLoading) {
  MainStatusBar m;
  EXPECT_EQ(m.clock.Caption(), "2024/5/17 9:05:03");
  EXPECT_EQ(m.clock.LastText(), "2024/5/17 9:05:03");
  ASSERT_EQ(m.host.redrawn.size(), 1u);  // drawn at once
  EXPECT_EQ(m.host.redrawn[0], (Rect{641, 0, 791, 19}));
}

TEST(ClockStatus, RedrawsOnlyWhenTheTextChanges) {
  MainStatusBar m;
  int expired = 0;
  m.clock.OnTimerExpired = [&](TSbPollingStatus& pane) {
    EXPECT_EQ(&pane, &m.clock);
    ++expired;
  };
  m.host.Forget();
  // Two ticks a second: the second tick of each second changes nothing.
  const int seconds[] = {3, 4, 4, 5, 5, 5};
  int milliseconds = 0;
  for (int s : seconds) {
    m.time.now.second = s;
    m.time.now.millisecond = milliseconds += 100;
    Tick(m);
  }
  EXPECT_EQ(expired, 6);
  ASSERT_EQ(m.host.redrawn.size(), 2u);
  EXPECT_EQ(m.host.invalidated.size(), 2u);
  EXPECT_EQ(m.clock.Caption(), "2024/5/17 9:05:05");
}

TEST(ClockStatus, MidnightShowsTheDateAlone) {
  MainStatusBar m;
  m.time.now = {2024, 5, 18, 0, 0, 0, 400};
  Tick(m);
  EXPECT_EQ(m.clock.Caption(), "2024/5/18");
  m.time.now.second = 1;
  Tick(m);
  EXPECT_EQ(m.clock.Caption(), "2024/5/18 0:00:01");
}

TEST(ClockStatus, FormatAndHandlerShapeTheText) {
  MainStatusBar m;
  m.clock.SetFormat("hh:nn");
  EXPECT_EQ(m.clock.Caption(), "09:05");  // applied at once once loaded
  m.clock.OnGetDateTime = [](TSbClockStatus&, LocalDateTime& value) { value.hour = 23; };
  Tick(m);
  EXPECT_EQ(m.clock.Caption(), "23:05");
  m.clock.SetFormat("");
  EXPECT_EQ(m.clock.Caption(), "2024/5/17 23:05:03");
  m.time.formats.shortDate = "d/M/yy";
  m.time.formats.longTime = "h:mm tt";
  Tick(m);
  EXPECT_EQ(m.clock.Caption(), "17/5/24 11:05 PM");
}

TEST(ClockStatus, HiddenOrInactiveClocksAreNotPolled) {
  MainStatusBar m;
  const int reads = m.time.reads;
  m.clock.SetVisible(false);
  Tick(m);
  EXPECT_EQ(m.time.reads, reads);
  m.clock.SetVisible(true);
  m.clock.SetActive(false);
  EXPECT_FALSE(m.timers.IsRunning(StatusLists::kPollingTimerId));
  Tick(m);
  EXPECT_EQ(m.time.reads, reads);
  m.clock.SetActive(true);
  Tick(m);
  EXPECT_EQ(m.time.reads, reads + 1);
}

TEST(ClockStatus, AHandlerMayRemoveTheClockDuringItsTick) {
  MainStatusBar m;
  auto& second = m.bar.AddPane<TSbClockStatus>(m.lists, m.time);
  m.clock.OnTimerExpired = [&](TSbPollingStatus&) { m.bar.DeletePane(second); };
  Tick(m);
  EXPECT_EQ(m.bar.PaneCount(), 3u);
  EXPECT_TRUE(m.timers.IsRunning(StatusLists::kPollingTimerId));
}

TEST(ClockStatus, AutoSizedClockFitsItsText) {
  MainStatusBar m;
  m.clock.SetAutoSize(true);
  // 17 bytes of 6 pixels, 2 * 1 + 2 + 6 around them.
  EXPECT_EQ(m.clock.Width(), 17 * 6 + 10);
  EXPECT_EQ(m.clock.BoundsRect().left, 791 - 112);
  m.time.now = {2024, 5, 18, 0, 0, 0};
  Tick(m);
  EXPECT_EQ(m.clock.Width(), 9 * 6 + 10);
}

}  // namespace
}  // namespace zv
