#include "core/tray/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "status/fake_status.h"
#include "tray/fake_tray_host.h"

namespace zv {
namespace {

using test::FakeTimerHost;

struct TrayFixture : ::testing::Test {
  FakeTrayHost host;
  FakeTimerHost timers;
  TzsTrayIcon tray{host, timers, 500};
  std::vector<std::string> events;

  TrayFixture() {
    tray.OnClick = [this] { events.push_back("click"); };
    tray.OnDblClick = [this] { events.push_back("dblclick"); };
  }
  void Send(TrayNotification what, TrayButton button = TrayButton::kLeft) { tray.Notify(what, {button, 0, {5, 6}}); }
  void TickClickTimer() {
    ASSERT_TRUE(timers.IsRunning(TzsTrayIcon::kClickTimer));
    tray.TimerTick(TzsTrayIcon::kClickTimer);
  }
};

TEST_F(TrayFixture, ClicksAreToldFromDoubleClicks) {
  // A quick click is told when the double-click time has passed.
  Send(TrayNotification::kLeftDown);
  Send(TrayNotification::kLeftUp);
  EXPECT_TRUE(events.empty());
  TickClickTimer();
  EXPECT_EQ(events, (std::vector<std::string>{"click"}));

  // A double-click fires no click, before or after the timer.
  events.clear();
  Send(TrayNotification::kLeftDown);
  Send(TrayNotification::kLeftUp);
  Send(TrayNotification::kLeftDoubleClick);
  Send(TrayNotification::kLeftUp);
  TickClickTimer();
  EXPECT_EQ(events, (std::vector<std::string>{"dblclick"}));

  // Held past the double-click time: the click comes at the release.
  events.clear();
  Send(TrayNotification::kLeftDown);
  TickClickTimer();
  EXPECT_TRUE(events.empty());
  Send(TrayNotification::kLeftUp);
  EXPECT_EQ(events, (std::vector<std::string>{"click"}));

  // Disabled: nothing at all.
  events.clear();
  tray.Enabled = false;
  Send(TrayNotification::kLeftDown);
  Send(TrayNotification::kLeftUp);
  EXPECT_FALSE(timers.IsRunning(TzsTrayIcon::kClickTimer));
  EXPECT_TRUE(events.empty());
}

TEST_F(TrayFixture, PopupMenuAndDefaultItem) {
  Send(TrayNotification::kRightDown, TrayButton::kRight);
  Send(TrayNotification::kLeftDown);
  Send(TrayNotification::kLeftDoubleClick);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"popup", "default item"}));

  // The left button opens the menu too, and a double-click runs no item.
  host.calls.clear();
  tray.PopupByLeftButton = true;
  Send(TrayNotification::kLeftDown);
  Send(TrayNotification::kLeftDoubleClick);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"popup"}));

  // Without a menu that pops up by itself, only the events.
  host.calls.clear();
  host.autoPopup = false;
  Send(TrayNotification::kRightDown, TrayButton::kRight);
  Send(TrayNotification::kLeftDoubleClick);
  EXPECT_TRUE(host.calls.empty());
}

TEST(TrayTip, CutToTheWideRecordOnCharacterBoundaries) {
  const std::string wide = "\xD5\x5C";  // one double-byte character whose trail byte is "\"
  std::string hint = "a";
  for (int i = 0; i < 130; ++i) hint += wide;
  const std::string cut = CutToUtf16Units(hint, TzsTrayIcon::kMaxTipUnits);
  EXPECT_EQ(cut.size(), 1u + 126 * 2);
  EXPECT_EQ(CutToUtf16Units("ab\x81", 10), "ab");  // a lead byte cut off from its trail
  EXPECT_EQ(CutToUtf16Units(std::string(200, 'x'), 127), std::string(127, 'x'));

  FakeTrayHost host;
  FakeTimerHost timers;
  TzsTrayIcon tray(host, timers, 500);
  tray.SetHint(hint);
  tray.AddIcon();
  tray.SetShowHint(false);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"add " + cut, "update "}));
}

TEST_F(TrayFixture, MinimisingHidesOnlyBehindAnIcon) {
  tray.SetIconVisible(false);
  host.calls.clear();
  host.addWorks = false;
  tray.ApplicationMinimized();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"add "}));  // no hide: the taskbar entry stays

  host.calls.clear();
  host.addWorks = true;
  tray.ApplicationMinimized();
  tray.ApplicationMinimized();  // the icon is there: no second add
  EXPECT_EQ(host.calls, (std::vector<std::string>{"add ", "hide", "hide"}));

  // A new taskbar has lost our icon: a visible one is added again.
  host.calls.clear();
  tray.TaskbarCreated();
  tray.SetIconVisible(false);
  tray.TaskbarCreated();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"add ", "remove"}));
}

TEST_F(TrayFixture, StartingHiddenNeedsTheIcon) {
  tray.MinimizedOnStart = true;
  tray.SetIconVisible(false);
  host.addWorks = false;
  EXPECT_FALSE(tray.AfterLoading(true));
  EXPECT_TRUE(tray.IconVisible());
  host.addWorks = true;
  tray.TaskbarCreated();
  EXPECT_TRUE(tray.AfterLoading(true));
  EXPECT_FALSE(TzsTrayIcon(host, timers, 500).AfterLoading(false));
}

TEST_F(TrayFixture, CyclingThroughTheList) {
  std::vector<int> next;
  tray.OnCycle = [&](int index) { next.push_back(index); };
  tray.SetIconCount(3);
  tray.SetAnimateTimerInterval(100);
  EXPECT_FALSE(timers.IsRunning(TzsTrayIcon::kAnimationTimer));
  tray.SetCycleIcons(true);
  EXPECT_EQ(timers.running[TzsTrayIcon::kAnimationTimer], 100u);
  host.images.clear();
  for (int i = 0; i < 4; ++i) tray.TimerTick(TzsTrayIcon::kAnimationTimer);
  EXPECT_EQ(host.images, (std::vector<int>{0, 1, 2, 0}));
  EXPECT_EQ(next, (std::vector<int>{1, 2, 0, 1}));

  // Indexes clamp to the list; an empty list means index 0 and no image.
  tray.SetIconIndex(7);
  EXPECT_EQ(tray.IconIndex(), 2);
  host.images.clear();
  tray.SetIconCount(0);
  tray.SetIconIndex(-1);
  tray.TimerTick(TzsTrayIcon::kAnimationTimer);
  EXPECT_EQ(tray.IconIndex(), 0);
  EXPECT_TRUE(host.images.empty());
}

}  // namespace
}  // namespace zv
