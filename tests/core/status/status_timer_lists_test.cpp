#include "core/status/timer_lists.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "status/fake_status.h"

namespace zv {
namespace {

using test::FakeTimerHost;

struct Poller : PollingClient {
  std::string name;
  std::string* log;
  bool visible = true;
  std::function<void()> onPoll;
  Poller(std::string n, std::string* l) : name(std::move(n)), log(l) {}
  bool ReceivesPolls() const override { return visible; }
  void Poll() override {
    *log += name;
    if (onPoll) onPoll();
  }
};

struct Blinker : BlinkClient {
  std::string states;
  void BlinkStateChanged(bool on) override { states += on ? '1' : '0'; }
};

TEST(StatusLists, TimersLiveFromTheFirstMemberToTheLast) {
  FakeTimerHost timers;
  StatusLists lists(timers);
  EXPECT_FALSE(timers.IsRunning(StatusLists::kPollingTimerId));
  std::string log;
  Poller a("a", &log), b("b", &log);
  lists.AddPolling(a);
  EXPECT_EQ(timers.running.at(StatusLists::kPollingTimerId), 500u);
  lists.AddPolling(b);
  EXPECT_EQ(timers.starts, 1);  // one shared timer
  lists.RemovePolling(a);
  EXPECT_TRUE(timers.IsRunning(StatusLists::kPollingTimerId));
  lists.RemovePolling(b);
  EXPECT_FALSE(timers.IsRunning(StatusLists::kPollingTimerId));
  lists.RemovePolling(b);  // not a member any more: no second stop
  EXPECT_EQ(timers.stops, 1);

  Blinker x, y;
  lists.AddBlinking(x);
  lists.AddBlinking(y);
  EXPECT_EQ(timers.running.at(StatusLists::kBlinkTimerId), 500u);
  lists.RemoveBlinking(y);
  EXPECT_TRUE(timers.IsRunning(StatusLists::kBlinkTimerId));
  lists.RemoveBlinking(x);
  EXPECT_FALSE(timers.IsRunning(StatusLists::kBlinkTimerId));
}

TEST(StatusLists, PollsReachVisibleMembersInOrder) {
  FakeTimerHost timers;
  StatusLists lists(timers);
  std::string log;
  Poller a("a", &log), b("b", &log), c("c", &log);
  lists.AddPolling(a);
  lists.AddPolling(b);
  lists.AddPolling(c);
  lists.OnTimer(StatusLists::kPollingTimerId);
  EXPECT_EQ(log, "abc");
  b.visible = false;
  lists.OnTimer(StatusLists::kPollingTimerId);
  EXPECT_EQ(log, "abcac");
  lists.OnTimer(StatusLists::kBlinkTimerId);  // another timer: no poll
  lists.OnTimer(77);
  EXPECT_EQ(log, "abcac");
}

TEST(StatusLists, ActiveAndIntervalLiveOnTheSharedTimer) {
  FakeTimerHost timers;
  StatusLists lists(timers);
  std::string log;
  Poller a("a", &log);
  lists.AddPolling(a);
  lists.SetPollingInterval(1000);
  EXPECT_EQ(timers.running.at(StatusLists::kPollingTimerId), 1000u);
  lists.SetPollingActive(false);
  EXPECT_FALSE(timers.IsRunning(StatusLists::kPollingTimerId));
  lists.OnTimer(StatusLists::kPollingTimerId);  // a tick already queued
  EXPECT_EQ(log, "");
  lists.SetPollingActive(true);
  EXPECT_EQ(timers.running.at(StatusLists::kPollingTimerId), 1000u);
  // Freed with the last member, the timer comes back with its defaults.
  lists.RemovePolling(a);
  EXPECT_TRUE(lists.PollingActive());
  EXPECT_EQ(lists.PollingInterval(), 500u);
  lists.AddPolling(a);
  EXPECT_EQ(timers.running.at(StatusLists::kPollingTimerId), 500u);
  lists.RemovePolling(a);
}

TEST(StatusLists, MembersMayLeaveDuringAPoll) {
  FakeTimerHost timers;
  StatusLists lists(timers);
  std::string log;
  Poller a("a", &log), b("b", &log), c("c", &log), d("d", &log);
  lists.AddPolling(a);
  lists.AddPolling(b);
  lists.AddPolling(c);
  a.onPoll = [&] {
    lists.RemovePolling(b);  // not yet polled: skipped
    lists.RemovePolling(a);  // itself
    lists.AddPolling(d);     // joins for the next tick
  };
  lists.OnTimer(StatusLists::kPollingTimerId);
  EXPECT_EQ(log, "ac");
  lists.OnTimer(StatusLists::kPollingTimerId);
  EXPECT_EQ(log, "accd");
  lists.RemovePolling(c);
  lists.RemovePolling(d);
  EXPECT_FALSE(timers.IsRunning(StatusLists::kPollingTimerId));
}

TEST(StatusLists, BlinkTicksAlternate) {
  FakeTimerHost timers;
  StatusLists lists(timers);
  lists.OnTimer(StatusLists::kBlinkTimerId);  // nobody there: nothing flips
  EXPECT_FALSE(lists.BlinkOn());
  Blinker x, y;
  lists.AddBlinking(x);
  lists.OnTimer(StatusLists::kBlinkTimerId);
  lists.AddBlinking(y);
  lists.OnTimer(StatusLists::kBlinkTimerId);
  lists.OnTimer(StatusLists::kBlinkTimerId);
  EXPECT_EQ(x.states, "101");
  EXPECT_EQ(y.states, "01");
  lists.RemoveBlinking(x);
  lists.RemoveBlinking(y);
}

TEST(StatusLists, DestroyingTheListsStopsRunningTimers) {
  FakeTimerHost timers;
  std::string log;
  Poller a("a", &log);
  Blinker x;
  {
    StatusLists lists(timers);
    lists.AddPolling(a);
    lists.AddBlinking(x);
    EXPECT_EQ(timers.running.size(), 2u);
  }
  EXPECT_TRUE(timers.running.empty());
}

}  // namespace
}  // namespace zv
