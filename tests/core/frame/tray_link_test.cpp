#include "core/frame/tray_link.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/fake_state_host.h"
#include "status/fake_status.h"
#include "tray/fake_tray_host.h"

namespace zv {
namespace {

struct TrayLinkFixture : ::testing::Test {
  FakeStateHost window;
  WindowStateMachine states{window};
  FakeTrayHost trayHost;
  test::FakeTimerHost timers;
  TzsTrayIcon tray{trayHost, timers, 500};
  FormTrayLink link{states};
  std::vector<std::string> events;

  TrayLinkFixture() {
    window.mainForm = true;
    states.firstShowPending = false;
    states.OnMinimize = [this] { events.push_back("minimize"); };
    link.OnMinimizeToTray = [this] { events.push_back("to tray"); };
    link.OnRestoreFromTray = [this] { events.push_back("from tray"); };
  }
};

TEST_F(TrayLinkFixture, WithoutAnIconTheTrayCommandMinimisesToTheTaskbar) {
  link.MinimizeToTray();
  EXPECT_EQ(window.appMinimized, 1);
  EXPECT_EQ(events, (std::vector<std::string>{"minimize"}));
  link.RestoreFromTray();  // nothing to come back from
  EXPECT_EQ(events.size(), 1u);
  // Another form minimises the application too, and never becomes a strip.
  window.mainForm = false;
  const Rect bounds = window.bounds;
  link.MinimizeToTray();
  EXPECT_EQ(window.appMinimized, 2);
  EXPECT_EQ(window.bounds, bounds);
  EXPECT_EQ(states.State(), WindowState::wsNormal);
}

TEST_F(TrayLinkFixture, ToTheIconAndBackByADoubleClick) {
  tray.AddIcon();
  link.Link(&tray);
  EXPECT_FALSE(tray.IconVisible());
  EXPECT_FALSE(tray.MinimizeToTray);

  link.MinimizeToTray();
  EXPECT_EQ(window.appMinimized, 1);
  EXPECT_TRUE(tray.MinimizeToTray);
  tray.ApplicationMinimized();  // the platform's answer to minimising
  EXPECT_EQ(trayHost.calls, (std::vector<std::string>{"add ", "remove", "add ", "hide"}));
  EXPECT_EQ(events, (std::vector<std::string>{"minimize", "to tray"}));

  tray.Notify(TrayNotification::kLeftDoubleClick, {});
  EXPECT_FALSE(tray.MinimizeToTray);
  EXPECT_FALSE(tray.IconVisible());
  // The double-click also runs the menu's default item, as it always does.
  EXPECT_EQ(trayHost.calls,
            (std::vector<std::string>{"add ", "remove", "add ", "hide", "show", "remove", "default item"}));
  EXPECT_EQ(events.back(), "from tray");
}

TEST_F(TrayLinkFixture, AnIconShownAlwaysStaysAndTheApplicationsDoubleClickIsKept) {
  int own = 0;
  tray.OnDblClick = [&] { ++own; };
  tray.AddIcon();
  link.alwaysShowInTray = true;
  link.Link(&tray);
  link.MinimizeToTray();
  tray.ApplicationMinimized();
  tray.Notify(TrayNotification::kLeftDoubleClick, {});
  EXPECT_EQ(own, 1);
  link.RestoreFromTray();
  EXPECT_TRUE(tray.IconVisible());
  EXPECT_EQ(trayHost.calls, (std::vector<std::string>{"add ", "hide", "default item", "show"}));
}

}  // namespace
}  // namespace zv
