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

TEST_F(CaptionLayoutTest, DefaultHintsComeFromTheResourceStrings) {
  objects = BuildCaptionObjects(embedded.skin);
  CaptionOptions options{BorderIcons::All(), false, false};
  ApplyBorderIcons(objects, options);
  EXPECT_EQ(HintFor(objects[3], {}), "RollUp");  // the skin's own hint
  options.defaultHints = true;
  ApplyBorderIcons(objects, options);  // the built-in strings
  EXPECT_EQ(HintFor(objects[3], {}), "Roll Up");
  EXPECT_EQ(HintFor(objects[4], {}), "System menu");
  EXPECT_EQ(HintFor(objects[6], {}), "Minimize to Tray");
  TzsResourceStrData strings;
  std::vector<std::string> lines = strings.ResStrings();
  lines.insert(lines.begin(), {"CLOSEBUTTON_HINT=Schliessen", "RESTORE_HINT=Wiederherstellen", "MAXBUTTON_HINT="});
  strings.SetResStrings(lines);
  options.strings = &strings;
  ApplyBorderIcons(objects, options);
  EXPECT_EQ(HintFor(objects[0], {}), "Schliessen");
  EXPECT_EQ(HintFor(objects[1], {}), "Maximize");  // left empty: the built-in text
  EXPECT_EQ(HintFor(objects[1], {true, false, false}), "Wiederherstellen");
  EXPECT_EQ(HintFor(objects[5], {}), "");  // the caption has none

  // The plain frame's buttons get them too.
  std::vector<CaptionObject> plain = DefaultCaptionButtons();
  ApplyBorderIcons(plain, options);
  EXPECT_EQ(HintFor(plain[2], {false, true, false}), "Wiederherstellen");
}

TEST_F(CaptionLayoutTest, CustomButtonsShowOnlyWhenTheApplicationSaysSo) {
  TzsDataSkinStdButton own("helpbutton");
  own.skinRectInAPicture = true;
  own.activePictureIndex = 0;
  own.skinRect = {0, 0, 10, 10};
  own.hint = "Help";
  FrameSkin skin = embedded.skin;
  skin.objects.push_back(&own);
  auto visibleHelp = [&](CaptionOptions options) {
    objects = BuildCaptionObjects(skin);
    ApplyBorderIcons(objects, options);
    return objects.back().visible;
  };
  CaptionOptions options{BorderIcons::All(), false, false};
  EXPECT_FALSE(visibleHelp(options));
  std::vector<std::string> asked;
  options.showCustomObject = [&](const std::string& name) {
    asked.push_back(name);
    return true;
  };
  options.defaultHints = true;
  EXPECT_TRUE(visibleHelp(options));
  EXPECT_EQ(asked, std::vector<std::string>{"helpbutton"});
  EXPECT_EQ(HintFor(objects.back(), {}), "Help");  // its own hint stays
  options.hideCaptionButtons = true;
  EXPECT_FALSE(visibleHelp(options));
  for (const CaptionObject& o : objects) EXPECT_TRUE(o.kind == ObjectKind::kCaption || !o.visible) << o.Name();
}

TEST_F(CaptionLayoutTest, GlowLayerPlacedBesideItsButton) {
  FrameSkin skin = embedded.skin;
  Bitmap glow(30, 30), other(8, 8);
  const int first = static_cast<int>(skin.activePictures.size());
  skin.activePictures.insert(skin.activePictures.end(), {glow.view(), glow.view(), other.view()});
  TzsDataSkinStdButton record = *dynamic_cast<const TzsDataSkinStdButton*>(skin.objects[0]);
  skin.objects[0] = &record;
  objects = BuildCaptionObjects(skin);
  objects[0].rect = {777, 5, 798, 26};
  EXPECT_FALSE(GlowOf(objects[0], skin));  // the embedded skin has none
  record.glowLayerPictureIndex = first;
  record.glowLayerMaskPictureIndex = first + 1;
  record.glowLayerOffsetX = 4;
  record.glowLayerOffsetY = -2;
  record.glowLayerAlphaBlendValue = 300;
  const auto layer = GlowOf(objects[0], skin);
  ASSERT_TRUE(layer);
  EXPECT_EQ(layer->at, (Point{773, 7}));
  EXPECT_EQ(layer->alpha, 255);
  EXPECT_EQ(layer->picture.width(), 30);
  skin.glowFrames = false;
  EXPECT_FALSE(GlowOf(objects[0], skin));
  skin.glowFrames = true;
  for (const int mask : {-1, first + 2, first + 3}) {  // none, another size, beyond the list
    record.glowLayerMaskPictureIndex = mask;
    EXPECT_FALSE(GlowOf(objects[0], skin)) << mask;
  }
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
