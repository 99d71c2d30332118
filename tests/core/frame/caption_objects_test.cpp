#include "core/frame/caption_objects.h"

#include <gtest/gtest.h>

#include <map>

#include "frame/frame_fixture.h"

namespace zv {
namespace {

struct CaptionLayoutTest : ::testing::Test {
  test::EmbeddedFrameSkin embedded;

  std::map<std::string, Rect> Layout(int w, int h, BorderIcons icons = BorderIcons::All(), bool disableMenu = false) {
    objects = BuildCaptionObjects(embedded.skin);
    ApplyBorderIcons(objects, {icons, disableMenu, false});
    LayoutCaptionObjects(objects, ComputeFrameGeometry(embedded.skin.info, embedded.skin.PictureSize(), {w, h}));
    std::map<std::string, Rect> placed;
    for (const CaptionObject& o : objects) {
      if (o.visible) placed[o.Name()] = o.rect;
    }
    return placed;
  }
  std::vector<CaptionObject> objects;
};

TEST_F(CaptionLayoutTest, EmbeddedSkinAtSeveralSizesAndStates) {
  for (const Size s : {Size{800, 500}, Size{285, 210}, Size{1920, 31}}) {
    const int w = s.width;
    const auto placed = Layout(w, s.height);
    EXPECT_EQ(placed.size(), 7u);
    EXPECT_EQ(placed.at("closebutton"), (Rect{w - 24, 5, w - 3, 26})) << w;
    EXPECT_EQ(placed.at("maxbutton"), (Rect{w - 47, 5, w - 26, 26}));
    EXPECT_EQ(placed.at("minbutton"), (Rect{w - 70, 5, w - 49, 26}));
    EXPECT_EQ(placed.at("rollupbutton"), (Rect{w - 93, 5, w - 72, 26}));
    EXPECT_EQ(placed.at("traybutton"), (Rect{w - 116, 5, w - 95, 26}));
    EXPECT_EQ(placed.at("sysmenubutton"), (Rect{3, 8, 17, 20}));
    EXPECT_EQ(placed.at("caption"), (Rect{17, 4, w - 116, 24}));
  }
  // The skin's own objects in list order, the menu entries left out.
  std::vector<std::string> names;
  for (const CaptionObject& o : objects) names.push_back(o.Name());
  EXPECT_EQ(names, (std::vector<std::string>{"closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton",
                                             "caption", "traybutton"}));
}

TEST_F(CaptionLayoutTest, BorderIconsHideButtonsAndTheRestCloseUp) {
  BorderIcons icons = BorderIcons::All();
  icons.maximize = false;
  icons.minimizeToTray = false;
  auto placed = Layout(800, 500, icons);
  EXPECT_EQ(placed.count("maxbutton"), 0u);
  EXPECT_EQ(placed.count("traybutton"), 0u);
  EXPECT_EQ(placed.at("minbutton"), (Rect{753, 5, 774, 26}));
  EXPECT_EQ(placed.at("rollupbutton"), (Rect{730, 5, 751, 26}));
  EXPECT_EQ(placed.at("caption"), (Rect{17, 4, 730, 24}));

  // No system-menu button: the caption starts at the caption rectangle,
  // not over the left border.
  placed = Layout(800, 500, BorderIcons::All(), true);
  EXPECT_EQ(placed.count("sysmenubutton"), 0u);
  EXPECT_EQ(placed.at("caption"), (Rect{3, 4, 684, 24}));
}

TEST_F(CaptionLayoutTest, HintsByState) {
  Layout(800, 500);
  EXPECT_EQ(HintFor(objects[0], {}), "Close");
  EXPECT_EQ(HintFor(objects[1], {}), "Maximize");
  EXPECT_EQ(HintFor(objects[1], {true, false, false}), "Restore");
  EXPECT_EQ(HintFor(objects[3], {false, false, true}), "Restore");
  EXPECT_EQ(HintFor(objects[0], {true, false, false}), "Close");
}

TEST_F(CaptionLayoutTest, PlainFrameButtons) {
  std::vector<CaptionObject> plain = DefaultCaptionButtons();
  ApplyBorderIcons(plain, {BorderIcons{}, false, false});  // the first four: no tray button
  const Rect caption = LayoutPlainButtons(plain, 300, PlainMetrics::For(false));
  EXPECT_EQ(plain[0].rect, (Rect{280, 4, 297, 21}));  // close at the right edge
  EXPECT_EQ(plain[3].rect, (Rect{229, 4, 246, 21}));  // roll-up, fourth from the right
  EXPECT_FALSE(plain[5].visible);
  EXPECT_EQ(plain[4].rect, (Rect{3, 4, 20, 21}));  // system menu at the left
  EXPECT_EQ(caption, (Rect{20, 3, 229, 19}));
}

}  // namespace
}  // namespace zv
