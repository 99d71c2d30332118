#include "core/controls/skin_updown.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "status/fake_status.h"
#include "fake_text_renderer.h"
#include "controls/skin_family_skin.h"

namespace zv {
namespace {

using test::FakeSkinHost;
using test::Traced;

struct UpDownRig {
  test::FakeTextRenderer text;
  test::FakeTimerHost timers;
  test::FakeSkinSource skin = test::FamilySkin();
  FakeSkinHost host{text, {7, 8, 200, 200}};
  TzsSkinUpDown updown{host, timers};
  std::string events;  // c = OnChange, u = up click, d = down click

  UpDownRig() {
    updown.OnChange = [this] { events += 'c'; };
    updown.OnUpButtonClick = [this] { events += 'u'; };
    updown.OnDownButtonClick = [this] { events += 'd'; };
  }
  Bitmap Render() {
    Bitmap canvas(host.bounds.Width(), host.bounds.Height(), Pixel{9, 9, 9, 0});
    updown.Paint(canvas.view());
    return canvas;
  }
  void Click(Point p) {
    updown.MouseDown(p);
    updown.MouseUp(p);
  }
};

TEST(SkinUpDownTest, CreatedFiftyByTwentyFiveWithButtonsByOrientation) {
  UpDownRig rig;
  EXPECT_EQ(rig.host.bounds, (Rect{7, 8, 57, 33}));
  EXPECT_EQ(rig.updown.SkinDataName(), "hupdown");
  EXPECT_EQ(rig.updown.ButtonRect(UpDownButton::kDown), (Rect{0, 0, 25, 25}));
  EXPECT_EQ(rig.updown.ButtonRect(UpDownButton::kUp), (Rect{25, 0, 50, 25}));
  EXPECT_EQ(rig.updown.ButtonAt({24, 3}), UpDownButton::kDown);
  EXPECT_EQ(rig.updown.ButtonAt({25, 3}), UpDownButton::kUp);
  EXPECT_EQ(rig.updown.ButtonAt({50, 3}), UpDownButton::kNone);
  EXPECT_EQ(rig.updown.Min(), 0);
  EXPECT_EQ(rig.updown.Max(), 100);
  EXPECT_EQ(rig.updown.Increment(), 1);

  rig.updown.SetOrientation(TzsUpDownOrientation::udVertical);
  EXPECT_EQ(rig.updown.SkinDataName(), "vupdown");
  EXPECT_EQ(rig.updown.ButtonRect(UpDownButton::kUp), (Rect{0, 0, 50, 12}));
  EXPECT_EQ(rig.updown.ButtonRect(UpDownButton::kDown), (Rect{0, 12, 50, 25}));
  // With a skin the orientation picks the record, whose look fixes the size.
  rig.updown.SetSkinData(&rig.skin);
  EXPECT_EQ(rig.host.bounds, (Rect{7, 8, 23, 48}));
  rig.updown.SetOrientation(TzsUpDownOrientation::udHorizontal);
  EXPECT_EQ(rig.host.bounds, (Rect{7, 8, 47, 28}));
}

TEST(SkinUpDownTest, ClicksStepThePositionWithinMinAndMax) {
  UpDownRig rig;
  rig.updown.SetIncrement(30);
  rig.Click({40, 5});
  EXPECT_EQ(rig.updown.Position(), 30);
  EXPECT_EQ(rig.events, "cu");
  rig.Click({40, 5});
  rig.Click({40, 5});
  rig.Click({40, 5});  // 90 + 30 stops at 100
  EXPECT_EQ(rig.updown.Position(), 100);
  rig.events.clear();
  rig.Click({40, 5});  // at the top: the click is told, the position is not changed
  EXPECT_EQ(rig.events, "u");
  rig.Click({5, 5});
  EXPECT_EQ(rig.updown.Position(), 70);
  EXPECT_EQ(rig.events, "ucd");

  rig.events.clear();
  rig.updown.SetPosition(500);
  EXPECT_EQ(rig.updown.Position(), 100);
  rig.updown.SetPosition(100);
  EXPECT_EQ(rig.events, "c");
  rig.updown.SetMin(150);  // Max follows, the position is pulled up
  EXPECT_EQ(rig.updown.Max(), 150);
  EXPECT_EQ(rig.updown.Position(), 150);
  rig.updown.SetMax(-5);
  EXPECT_EQ(rig.updown.Min(), -5);
  EXPECT_EQ(rig.updown.Position(), -5);
  EXPECT_EQ(rig.events, "ccc");

  // Large steps near the ends do not overflow.
  rig.updown.SetMax(INT_MAX);
  rig.updown.SetMin(INT_MIN);
  rig.updown.SetIncrement(INT_MAX);
  rig.updown.SetPosition(INT_MAX - 1);
  rig.Click({40, 5});
  EXPECT_EQ(rig.updown.Position(), INT_MAX);
  rig.updown.SetPosition(INT_MIN + 1);
  rig.Click({5, 5});
  EXPECT_EQ(rig.updown.Position(), INT_MIN);

  rig.host.enabled = false;
  rig.updown.EnabledChanged();
  rig.Click({40, 5});
  EXPECT_EQ(rig.updown.Position(), INT_MIN);
}

TEST(SkinUpDownTest, HeldButtonRepeatsOnTheTimerWhileThePointerStaysOnIt) {
  UpDownRig rig;
  const int id = TzsSkinUpDown::kRepeatTimerId;
  rig.updown.MouseDown({40, 5});
  EXPECT_EQ(rig.updown.Position(), 1);
  EXPECT_EQ(rig.timers.running[id], AutoRepeat::kFirstPause);
  rig.updown.TimerTick(id);
  EXPECT_EQ(rig.updown.Position(), 2);
  EXPECT_EQ(rig.timers.running[id], 100u);
  rig.updown.MouseMove({5, 5});  // over the other button: no steps
  rig.updown.TimerTick(id);
  EXPECT_EQ(rig.updown.Position(), 2);
  rig.updown.MouseMove({45, 20});
  rig.updown.TimerTick(id);
  rig.updown.TimerTick(id);
  EXPECT_EQ(rig.updown.Position(), 4);
  rig.updown.MouseUp({45, 20});
  EXPECT_FALSE(rig.timers.IsRunning(id));
  rig.updown.TimerTick(id);
  EXPECT_EQ(rig.updown.Position(), 4);
  EXPECT_EQ(rig.events, "cucucucu");
}

TEST(SkinUpDownTest, PlainAndSkinnedButtonsShowTheirStates) {
  UpDownRig rig;
  const Pixel face = ToPixel(rig.host.SystemColorValue(kColorBtnFace));
  const Pixel ink = ToPixel(rig.host.SystemColorValue(kColorBtnText));
  const Pixel light = ToPixel(rig.host.SystemColorValue(kColorBtnHighlight));
  const Pixel shadow = ToPixel(rig.host.SystemColorValue(kColorBtnShadow));
  Bitmap plain = rig.Render();
  // Arrows centred in each half: the down (left) arrow's tip at x = 10, the
  // up (right) arrow's tip at x = 39; both rows 12 wide at the base.
  EXPECT_EQ(plain.At(10, 12), ink);
  EXPECT_EQ(plain.At(9, 12), face);
  EXPECT_EQ(plain.At(13, 9), ink);
  EXPECT_EQ(plain.At(39, 12), ink);
  EXPECT_EQ(plain.At(40, 12), face);
  EXPECT_EQ(plain.At(25, 0), light);
  rig.updown.MouseDown({30, 5});
  EXPECT_EQ(rig.Render().At(25, 0), shadow);  // the up button sinks
  EXPECT_EQ(rig.Render().At(0, 0), light);
  rig.updown.MouseUp({30, 5});

  rig.updown.SetSkinData(&rig.skin);  // 40 x 20: down 0..20, up 20..40
  Bitmap skinned = rig.Render();
  EXPECT_EQ(skinned.At(5, 5), Traced(5, 195));
  EXPECT_EQ(skinned.At(25, 5), Traced(5, 165));
  rig.updown.MouseMove({25, 5});
  EXPECT_EQ(rig.Render().At(25, 5), Traced(25, 165));  // hot
  rig.updown.MouseDown({25, 5});
  EXPECT_EQ(rig.Render().At(25, 5), Traced(45, 165));  // pressed
  EXPECT_EQ(rig.Render().At(5, 5), Traced(5, 195));
  rig.updown.MouseUp({25, 5});
  rig.updown.MouseLeave();
  EXPECT_EQ(rig.Render().At(25, 5), Traced(5, 165));
}

}  // namespace
}  // namespace zv
