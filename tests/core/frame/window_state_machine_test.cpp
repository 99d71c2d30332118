#include "core/frame/window_state_machine.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "frame/fake_state_host.h"

namespace zv {
namespace {

TEST(MaximizedRect, WorkAreaWithMarginsOnlyWhereAnAutoHidingTaskbarWaits) {
  const MonitorAreas taskbar{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 0};
  EXPECT_EQ(MaximizedRect(taskbar, false), (Rect{0, 0, 1920, 1040}));
  EXPECT_EQ(MaximizedRect(taskbar, true), (Rect{0, 0, 1920, 1080}));
  // A second monitor left of the primary one, its taskbar hiding at the bottom.
  const MonitorAreas left{{-1280, 0, 0, 1024}, {-1280, 0, 0, 1024}, kAutoHideBottom};
  EXPECT_EQ(MaximizedRect(left, false), (Rect{-1280, 0, 0, 1023}));
  EXPECT_EQ(MaximizedRect(left, true), (Rect{-1280, 0, 0, 1024}));
}

TEST(FreeStripSlot, RightwardsThenUpwardsAndAlwaysEnds) {
  const Rect work{0, 0, 500, 100};
  const Size strip{200, 31};
  EXPECT_EQ(FreeStripSlot(work, strip, {}), (Point{0, 69}));
  EXPECT_EQ(FreeStripSlot(work, strip, {{0, 69}}), (Point{200, 69}));
  // Two fit in a row of 500; the third goes a row higher.
  EXPECT_EQ(FreeStripSlot(work, strip, {{0, 69}, {200, 69}}), (Point{0, 38}));
  // Every place taken: back to the first.
  EXPECT_EQ(FreeStripSlot(work, strip, {{0, 69}, {200, 69}, {0, 38}, {200, 38}, {0, 7}, {200, 7}}), (Point{0, 69}));
  EXPECT_EQ(FreeStripSlot(work, {0, 0}, {{0, 100}, {1, 100}}), (Point{2, 100}));
}

TEST(KeepOnAMonitor, BoundsOffEveryMonitorComeBackOntoTheNearest) {
  const std::vector<Rect> areas{{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};
  EXPECT_EQ(KeepOnAMonitor({1800, 10, 2400, 500}, areas), (Rect{1800, 10, 2400, 500}));
  // The monitor on the left was unplugged.
  EXPECT_EQ(KeepOnAMonitor({-1000, 100, -200, 700}, areas), (Rect{0, 100, 800, 700}));
  // Too tall for the nearest work area: cut to it.
  EXPECT_EQ(KeepOnAMonitor({3300, -50, 3500, 2000}, areas), (Rect{3000, 0, 3200, 1024}));
}

struct StateFixture : ::testing::Test {
  FakeStateHost host;
  WindowStateMachine states{host};
  std::vector<std::string> events;
  StateFixture() {
    states.firstShowPending = false;
    states.OnMinimize = [this] { events.push_back("min"); };
    states.OnMaximize = [this] { events.push_back("max"); };
    states.OnRestore = [this] { events.push_back("restore"); };
    states.OnChangeRollUpState = [this] { events.push_back("rollup"); };
  }
};

TEST_F(StateFixture, MaximiseAndRestoreReturnTheExactRectangle) {
  const Rect normal = host.bounds;
  states.ToggleMaximized();
  EXPECT_EQ(host.bounds, (Rect{0, 0, 1920, 1040}));
  EXPECT_FALSE(host.gripVisible);
  states.ToggleMaximized();
  EXPECT_EQ(host.bounds, normal);
  EXPECT_TRUE(host.gripVisible);
  states.ChangeWindowState(WindowState::wsNormal);  // a second restore does nothing
  EXPECT_EQ(events, (std::vector<std::string>{"max", "restore"}));
  EXPECT_FALSE(states.NormalBounds());

  // Restore's first-show branch places the window as the first show would.
  states.firstShowPending = true;
  states.ToggleMaximized();
  states.ToggleMaximized();
  EXPECT_EQ(host.bounds, host.firstShow);
}

TEST_F(StateFixture, MinimisingTheMainFormOrAStrip) {
  host.mainForm = true;
  states.ToggleMaximized();
  states.ChangeWindowState(WindowState::wsMinimized);
  EXPECT_EQ(host.appMinimized, 1);
  EXPECT_EQ(states.State(), WindowState::wsMaximized);
  // Brought back from the taskbar: the platform un-minimises, still maximised.
  EXPECT_TRUE(states.PlatformCommand(WindowState::wsNormal, true));
  EXPECT_EQ(states.State(), WindowState::wsMaximized);

  FakeStateHost other;
  other.strips = {{0, 1009}};
  WindowStateMachine second(other);
  second.firstShowPending = false;
  second.ChangeWindowState(WindowState::wsMinimized);
  EXPECT_EQ(other.bounds, (Rect{200, 1009, 400, 1040}));
  second.ChangeWindowState(WindowState::wsNormal);
  EXPECT_EQ(other.bounds, (Rect{100, 100, 900, 700}));
}

TEST_F(StateFixture, RollUpAndDown) {
  states.SetRolledUp(true);
  states.SetRolledUp(true);  // keeps the first remembered height
  EXPECT_EQ(host.bounds, (Rect{100, 100, 900, 131}));
  states.SetRolledUp(false);
  EXPECT_EQ(host.bounds, (Rect{100, 100, 900, 700}));
  EXPECT_EQ(events, (std::vector<std::string>{"rollup", "rollup"}));

  host.clientHeight = 300;
  states.SetRolledUp(true);
  states.SetRolledUp(false);
  EXPECT_EQ(host.bounds.Height(), 331);

  states.rollUpAllowed = false;
  states.SetRolledUp(true);
  EXPECT_FALSE(states.RolledUp());
}

TEST_F(StateFixture, RollUpWhileMaximisedBothWays) {
  const Rect normal = host.bounds;
  // Rolled up after maximising: restore rolls down first, then restores.
  states.ToggleMaximized();
  states.SetRolledUp(true);
  EXPECT_EQ(host.bounds, (Rect{0, 0, 1920, 31}));
  states.RestoreItem();  // the system menu's restore only rolls down
  EXPECT_EQ(host.bounds, (Rect{0, 0, 1920, 1040}));
  states.SetRolledUp(true);
  states.ChangeWindowState(WindowState::wsNormal);
  EXPECT_FALSE(states.RolledUp());
  EXPECT_EQ(host.bounds, normal);

  // Rolled up before maximising: rolling is refused while maximised, and
  // restore returns the strip.
  states.SetRolledUp(true);
  const Rect strip = host.bounds;
  states.ToggleMaximized();
  EXPECT_EQ(host.bounds, (Rect{0, 0, 1920, 1040}));
  states.SetRolledUp(false);
  EXPECT_TRUE(states.RolledUp());
  states.ToggleMaximized();
  EXPECT_EQ(host.bounds, strip);
  EXPECT_TRUE(states.RolledUp());
}

TEST_F(StateFixture, PlatformCommandsGoThroughTheSameStates) {
  EXPECT_FALSE(states.PlatformCommand(WindowState::wsMaximized, false));
  EXPECT_TRUE(host.platformMaximized);
  // The platform restored by itself: state follows.
  host.PlatformRestore(states);
  EXPECT_EQ(states.State(), WindowState::wsNormal);
  EXPECT_TRUE(host.gripVisible);
  host.PlatformMaximize(states);
  EXPECT_EQ(states.State(), WindowState::wsMaximized);
  EXPECT_FALSE(states.PlatformCommand(WindowState::wsNormal, false));
  EXPECT_EQ(states.State(), WindowState::wsNormal);
  // Restoring a normal window is the platform's (it un-snaps it) and is announced.
  events.clear();
  EXPECT_TRUE(states.PlatformCommand(WindowState::wsNormal, false));
  EXPECT_EQ(events, (std::vector<std::string>{"restore"}));
}

TEST_F(StateFixture, APlatformMaximisedWindowRestoresToItsRectangleByEveryRoute) {
  const Rect normal = host.bounds;
  const std::function<void()> routes[] = {
      [&] { states.ToggleMaximized(); },  // the button and the caption's double-click
      [&] { states.RestoreItem(); },      // the system menu
      [&] { EXPECT_FALSE(states.PlatformCommand(WindowState::wsNormal, false)); },  // Win+Down
  };
  for (const auto& restore : routes) {
    host.PlatformMaximize(states);
    ASSERT_EQ(states.State(), WindowState::wsMaximized);
    restore();
    EXPECT_EQ(states.State(), WindowState::wsNormal);
    EXPECT_EQ(host.bounds, normal);
    EXPECT_FALSE(host.platformMaximized);
  }
}

TEST_F(StateFixture, MaximiseRollUpMinimiseAndBackIsOneConsistentState) {
  host.mainForm = true;
  const Rect normal = host.bounds;
  states.ToggleMaximized();
  states.SetRolledUp(true);
  // The maximised strip is no platform-maximised window, which the platform
  // would keep at the work area's size.
  EXPECT_EQ(host.bounds, (Rect{0, 0, 1920, 31}));
  EXPECT_FALSE(host.platformMaximized);
  EXPECT_TRUE(states.ShowsStrip());
  states.ChangeWindowState(WindowState::wsMinimized);
  EXPECT_EQ(host.appMinimized, 1);
  // Back from the taskbar: the platform returns to its rectangle, the strip.
  EXPECT_TRUE(states.PlatformCommand(WindowState::wsNormal, true));
  host.PlatformRestore(states);
  EXPECT_EQ(states.State(), WindowState::wsMaximized);
  EXPECT_TRUE(states.ShowsStrip());
  EXPECT_EQ(host.bounds, (Rect{0, 0, 1920, 31}));
  // Win+Up maximises the strip: rolled down.
  host.PlatformMaximize(states);
  EXPECT_FALSE(states.RolledUp());
  EXPECT_EQ(states.State(), WindowState::wsMaximized);
  states.ToggleMaximized();
  EXPECT_EQ(host.bounds, normal);

  // Another form becomes a strip at the bottom, no maximised window, and
  // comes back neither rolled up nor maximised.
  FakeStateHost other;
  WindowStateMachine second(other);
  second.firstShowPending = false;
  second.ToggleMaximized();
  second.SetRolledUp(true);
  second.ChangeWindowState(WindowState::wsMinimized);
  EXPECT_EQ(other.bounds, (Rect{0, 1009, 200, 1040}));
  EXPECT_FALSE(other.platformMaximized);
  second.ChangeWindowState(WindowState::wsNormal);
  EXPECT_FALSE(second.RolledUp());
  EXPECT_EQ(other.bounds, (Rect{100, 100, 900, 700}));

  // Rolled up before maximising: the maximised window fills the work area.
  second.SetRolledUp(true);
  second.ToggleMaximized();
  EXPECT_TRUE(second.RolledUp());
  EXPECT_FALSE(second.ShowsStrip());
  EXPECT_TRUE(other.platformMaximized);
}

}  // namespace
}  // namespace zv
