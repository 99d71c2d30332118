#include "core/menus/skin_menu_speed_button.h"

#include <gtest/gtest.h>

#include "controls/skin_control_fakes.h"
#include "fake_text_renderer.h"
#include "menu_fakes.h"

namespace zv {
namespace {

TEST(SkinMenuSpeedButtonTest, TrackPartOpensTheMenuAndTheRestClicks) {
  test::FakeTextRenderer text;
  test::FakeTimers timers;
  test::FakeSkinHost host{text, {0, 0, 60, 24}};
  TzsSkinMenuSpeedButton button{host, timers};
  EXPECT_EQ(button.SkinDataName(), "toolmenubutton");
  std::vector<Rect> anchors;
  int clicks = 0, shows = 0, hides = 0;
  button.ShowTrackMenu = [&](const Rect& r) { anchors.push_back(r); };
  button.OnClick = [&] { ++clicks; };
  button.OnShowTrackMenu = [&] { ++shows; };
  button.OnHideTrackMenu = [&] { ++hides; };

  button.TrackButtonMode = true;
  EXPECT_EQ(button.TrackArea(), (Rect{48, 0, 60, 24}));
  button.MouseDown({10, 10});
  button.MouseUp({10, 10});
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(anchors.empty());
  button.MouseDown({50, 10});
  button.MouseUp({50, 10});
  EXPECT_EQ(clicks, 1);
  ASSERT_EQ(anchors.size(), 1u);
  EXPECT_EQ(anchors[0], (Rect{0, 0, 60, 24}));
  EXPECT_TRUE(button.MenuShown());
  button.MouseDown({50, 10});  // no second menu while one is open
  EXPECT_EQ(anchors.size(), 1u);
  button.TrackMenuClosed();
  button.TrackMenuClosed();
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(hides, 1);

  // The drop-down arrow is drawn in the track part.
  Bitmap canvas(60, 24);
  button.Paint(canvas.view());
  const ColorRef ink = host.SystemColorValue(kColorBtnText);
  bool arrow = false;
  for (int y = 0; y < 24; ++y) {
    for (int x = 48; x < 60; ++x) arrow |= ToColorRef(canvas.At(x, y)) == ink;
  }
  EXPECT_TRUE(arrow);

  // Outside track mode the whole button opens the menu.
  button.TrackButtonMode = false;
  button.MouseDown({5, 5});
  EXPECT_EQ(anchors.size(), 2u);
}

}  // namespace
}  // namespace zv
