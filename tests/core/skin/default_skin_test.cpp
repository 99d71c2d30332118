// The default skin as the build packs it: its structure and every value the
// frame, caption, menus, hints and panel rely on.
#include <gtest/gtest.h>

#include "core/base/byte_stream.h"
#include "core/skin/skin_data.h"
#include "embedded/default_skin.h"
#include "skin/skin_data_fakes.h"

namespace zv {
namespace {

struct DefaultSkinTest : ::testing::Test, test::EmbeddedSkinData {
  template <typename T>
  const T& Object(const char* name) {
    const int index = data.FindObjectRecord(name);
    EXPECT_GE(index, 0) << name;
    const auto* record = dynamic_cast<const T*>(data.ObjectList().at(static_cast<std::size_t>(index)).get());
    EXPECT_NE(record, nullptr) << name;
    return *record;
  }
};

TEST_F(DefaultSkinTest, PackageLayout) {
  const auto stream = DefaultSkinStream();
  ASSERT_GT(stream.size(), 10u);
  EXPECT_EQ(LoadI32(stream, 0), 3);
  EXPECT_EQ(static_cast<std::size_t>(LoadI32(stream, 4)), stream.size() - 8);
  EXPECT_EQ(stream[8], 0x78);
  EXPECT_EQ(stream[9], 0xDA);
  std::vector<std::uint8_t> bytes;
  list.Skins().Item(0).StoredSkin().Unpack(bytes);
  const PackageLayout layout = ParsePackage(bytes);
  EXPECT_EQ(layout.version, 3);
  ASSERT_TRUE(layout.picture && layout.mask);
  EXPECT_FALSE(layout.inactivePicture);
  const BmpInfo main = ReadBmpInfo(*layout.picture), mask = ReadBmpInfo(*layout.mask);
  EXPECT_EQ((std::vector<int>{main.width, main.height, main.bitCount}), (std::vector<int>{285, 210, 24}));
  EXPECT_EQ((std::vector<int>{mask.width, mask.height, mask.bitCount}), (std::vector<int>{285, 210, 8}));
  std::vector<int> depths;
  for (const auto& image : layout.activePictures) depths.push_back(ReadBmpInfo(image).bitCount);
  EXPECT_EQ(depths, (std::vector<int>{24, 4, 24, 24, 24, 4, 1, 1}));
  const std::string_view text(reinterpret_cast<const char*>(layout.definitionText.data()),
                              layout.definitionText.size());
  EXPECT_EQ(text.substr(0, 11), "[VERSION]\r\n");
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_F(DefaultSkinTest, LoadsWholeAndAnnounces) {
  EXPECT_EQ(forms.Messages(), (std::vector<unsigned>{1225, 1226, 1227}));
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.Picture().width(), 285);
  EXPECT_EQ(data.Mask().height(), 210);
  EXPECT_EQ(data.InactivePicture().width(), 0);
  EXPECT_EQ(data.ActivePictures().size(), 8u);
  EXPECT_EQ(data.PictureNames().inactivePicture, "");
  EXPECT_EQ(data.ObjectList().size(), 13u);
  EXPECT_EQ(data.ControlList().size(), 64u);
  EXPECT_EQ(data.FindObjectRecord("closebutton"), 0);
  EXPECT_EQ(data.FindControlRecord("panel"), 7);
  EXPECT_EQ(data.FindControlRecord("Panel"), -1);

  std::vector<std::string_view> types;
  for (const auto& record : data.ObjectList()) types.push_back(record->TypeWord());
  EXPECT_EQ(types,
            (std::vector<std::string_view>{"stdbutton", "stdbutton", "stdbutton", "stdbutton", "stdbutton", "caption",
                                           "stdbutton", "menuitem", "mainmenubaritem", "mainmenubarbutton",
                                           "mainmenubarbutton", "mainmenubarbutton", "mainmenubarbutton"}));
  std::vector<std::string> first7;
  for (int i = 0; i < 7; ++i) first7.push_back(data.ObjectList()[static_cast<std::size_t>(i)]->Name());
  EXPECT_EQ(first7, (std::vector<std::string>{"closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton",
                                              "caption", "traybutton"}));
  for (const auto& control : data.ControlList()) EXPECT_FALSE(control->TypeWord().empty()) << control->Name();
}

TEST_F(DefaultSkinTest, FormInfoColoursPopupAndHint) {
  const SkinFormInfo& f = data.FormInfo();
  EXPECT_EQ(f.leftTopPoint, (Point{9, 29}));
  EXPECT_EQ(f.rightTopPoint, (Point{274, 30}));
  EXPECT_EQ(f.leftBottomPoint, (Point{8, 200}));
  EXPECT_EQ(f.rightBottomPoint, (Point{274, 200}));
  EXPECT_EQ(f.clientRect, (Rect{4, 27, 281, 206}));
  EXPECT_EQ(f.bgPictureIndex, -1);
  EXPECT_EQ(f.mdiBgPictureIndex, 5);
  EXPECT_FALSE(f.leftStretch || f.rightStretch || f.topStretch || f.bottomStretch);
  EXPECT_EQ(f.maskRectArea, (Rect{4, 3, 282, 206}));
  EXPECT_EQ(f.hitTestLeftTopPoint, (Point{7, 6}));
  EXPECT_EQ(f.hitTestRightTopPoint, (Point{279, 8}));
  EXPECT_EQ(f.hitTestLeftBottomPoint, (Point{9, 202}));
  EXPECT_EQ(f.hitTestRightBottomPoint, (Point{276, 203}));
  EXPECT_EQ(f.buttonsRect, (Rect{0, 0, 0, 0}));
  EXPECT_EQ(f.captionRect, (Rect{3, 5, 282, 24}));
  EXPECT_EQ(f.buttonsOffset, 2);
  EXPECT_FALSE(f.buttonsInLeft || f.mainMenuPopupUp || f.autoRenderingInactiveImage);
  EXPECT_EQ(f.borderWidth, 3);
  EXPECT_EQ(f.formMinWidth, 200);
  EXPECT_EQ(f.inactiveEffect, InactiveEffect::ieGrayscale);

  const TzsSkinColors& c = data.SkinColors();
  EXPECT_EQ((std::vector<ColorRef>{c.cBtnFace, c.cBtnText, c.cWindow, c.cWindowText, c.cHighlight, c.cHighlightText,
                                   c.cBtnHighlight, c.cBtnShadow}),
            (std::vector<ColorRef>{16641763, 0, 16777215, 0, 13668176, 16777215, 16777215, 14401450}));

  const TzsDataSkinPopupWindow& p = data.PopupWindow();
  EXPECT_EQ(p.windowPictureIndex, 2);
  EXPECT_EQ(p.maskPictureIndex, 6);
  EXPECT_EQ((std::vector<Point>{p.leftTopPoint, p.rightTopPoint, p.leftBottomPoint, p.rightBottomPoint}),
            (std::vector<Point>{{7, 7}, {86, 7}, {7, 48}, {87, 49}}));
  EXPECT_EQ(p.itemsRect, (Rect{2, 2, 91, 53}));
  EXPECT_EQ(p.scrollMarkerColor, 8421504u);
  EXPECT_EQ(p.scrollMarkerActiveColor, 0u);
  EXPECT_FALSE(p.leftStretch || p.rightStretch || p.topStretch || p.bottomStretch || p.stretchEffect);

  const TzsDataSkinHintWindow& h = data.HintWindow();
  EXPECT_EQ(h.windowPictureIndex, 1);
  EXPECT_EQ(h.maskPictureIndex, 7);
  EXPECT_EQ((std::vector<Point>{h.leftTopPoint, h.rightTopPoint, h.leftBottomPoint, h.rightBottomPoint}),
            (std::vector<Point>{{3, 6}, {21, 6}, {5, 14}, {20, 14}}));
  EXPECT_EQ(h.clientRect, (Rect{4, 3, 24, 18}));
  EXPECT_EQ(h.fontName, "Arial");
  EXPECT_EQ(h.fontHeight, 14);
  EXPECT_EQ(h.fontColor, 0u);
  EXPECT_TRUE(h.leftStretch && h.rightStretch);
  EXPECT_FALSE(h.topStretch || h.bottomStretch);
}

struct ButtonRow {
  const char* name;
  const char* hint;
  ButtonCommand command;
  Rect skin, active, down, restore, restoreActive, restoreDown;
  const char* restoreHint;
};

TEST_F(DefaultSkinTest, CaptionButtons) {
  const Rect none{};
  const ButtonRow rows[] = {
      {"closebutton",
       "Close",
       ButtonCommand::cmClose,
       {50, 2, 71, 23},
       {3, 2, 24, 23},
       {27, 2, 48, 23},
       none,
       none,
       none,
       ""},
      {"maxbutton",
       "Maximize",
       ButtonCommand::cmMaximize,
       {50, 25, 71, 46},
       {3, 25, 24, 46},
       {27, 25, 48, 46},
       {50, 48, 71, 69},
       {3, 48, 24, 69},
       {27, 48, 48, 69},
       "Restore"},
      {"minbutton",
       "Minimize",
       ButtonCommand::cmMinimize,
       {50, 71, 71, 92},
       {3, 71, 24, 92},
       {27, 71, 48, 92},
       {50, 48, 71, 69},
       {3, 48, 24, 69},
       {27, 48, 48, 69},
       "Restore"},
      {"rollupbutton",
       "RollUp",
       ButtonCommand::cmRollUp,
       {50, 117, 71, 138},
       {3, 117, 24, 138},
       {27, 117, 48, 138},
       {50, 140, 71, 161},
       {3, 140, 24, 161},
       {27, 140, 48, 161},
       "Restore"},
      {"sysmenubutton",
       "System menu",
       ButtonCommand::cmSysMenu,
       {36, 186, 50, 198},
       {6, 186, 20, 198},
       {21, 186, 35, 198},
       none,
       none,
       none,
       ""},
      {"traybutton",
       "MinimizeToTray",
       ButtonCommand::cmMinimizeToTray,
       {50, 94, 71, 115},
       {3, 94, 24, 115},
       {27, 94, 48, 115},
       none,
       none,
       none,
       ""},
  };
  for (const ButtonRow& row : rows) {
    SCOPED_TRACE(row.name);
    const auto& b = Object<TzsDataSkinStdButton>(row.name);
    EXPECT_EQ(b.hint, row.hint);
    EXPECT_EQ(b.command, row.command);
    EXPECT_EQ(b.activePictureIndex, 0);
    EXPECT_TRUE(b.skinRectInAPicture);
    EXPECT_FALSE(b.morphing);
    EXPECT_EQ(b.skinRect, row.skin);
    EXPECT_EQ(b.activeSkinRect, row.active);
    EXPECT_EQ(b.downRect, row.down);
    EXPECT_EQ(b.inactiveSkinRect, none);
    EXPECT_EQ(b.disableSkinRect, none);
    EXPECT_EQ(b.restoreRect, row.restore);
    EXPECT_EQ(b.restoreActiveRect, row.restoreActive);
    EXPECT_EQ(b.restoreDownRect, row.restoreDown);
    EXPECT_EQ(b.restoreHint, row.restoreHint);
    EXPECT_EQ(b.morphKind, std::string(row.name) == "closebutton" ? MorphKind::mkLeftGradient : MorphKind::mkDefault);
    EXPECT_EQ(b.glowLayerPictureIndex, -1);
    // Every look lies inside the buttons picture.
    const Rect picture{0, 0, data.ActivePictures()[0].width(), data.ActivePictures()[0].height()};
    for (const Rect& r : {row.skin, row.active, row.down}) EXPECT_EQ(r.Intersect(picture), r);
  }
}

TEST_F(DefaultSkinTest, CaptionMenuItemAndPanel) {
  const auto& c = Object<TzsDataSkinCaption>("caption");
  EXPECT_EQ(c.activePictureIndex, 0);
  EXPECT_FALSE(c.skinRectInAPicture);
  EXPECT_EQ(c.skinRect, (Rect{5, 4, 280, 24}));
  EXPECT_EQ(c.textRect, (Rect{4, 2, 274, 20}));
  EXPECT_EQ(c.fontName, "Arial");
  EXPECT_EQ(c.fontHeight, 16);
  EXPECT_EQ(c.fontStyle.bits, static_cast<unsigned>(kFontBold));
  EXPECT_EQ(c.fontColor, 16111036u);
  EXPECT_EQ(c.activeFontColor, 11168318u);
  EXPECT_EQ(c.alignment, Alignment::taLeftJustify);
  EXPECT_FALSE(c.light);
  EXPECT_TRUE(c.shadow);
  EXPECT_EQ(c.shadowColor, 16777215u);
  EXPECT_EQ(c.activeShadowColor, 16777215u);
  EXPECT_EQ(c.animateInterval, 20);
  EXPECT_EQ(c.activeSkinRect, (Rect{}));
  EXPECT_EQ(c.frameRect, (Rect{}));
  EXPECT_FALSE(c.glowEffect || c.glowInactiveEffect || c.reflectionEffect || c.vistaGlowEffect);
  EXPECT_EQ(c.glowSize, 3);  // no glow keys: their defaults

  const auto& m = Object<TzsDataSkinMenuItem>("menuitem");
  EXPECT_EQ(m.activePictureIndex, 3);
  EXPECT_EQ(m.skinRect, (Rect{2, 2, 91, 24}));
  EXPECT_EQ(m.activeSkinRect, (Rect{2, 25, 91, 47}));
  EXPECT_EQ((std::vector<int>{m.itemLeftOffset, m.itemRightOffset, m.dividerLeftOffset, m.dividerRightOffset}),
            (std::vector<int>{25, 5, 25, 5}));
  EXPECT_EQ(m.dividerRect, (Rect{4, 51, 89, 54}));
  EXPECT_EQ(m.textRect, (Rect{23, 1, 86, 20}));
  EXPECT_EQ(m.imageRect, (Rect{1, 1, 20, 21}));
  EXPECT_EQ(m.fontName, "Arial");
  EXPECT_EQ(m.fontHeight, 14);
  EXPECT_EQ((std::vector<ColorRef>{m.fontColor, m.activeFontColor, m.unenabledFontColor}),
            (std::vector<ColorRef>{0, 0, 12632256}));
  EXPECT_EQ(m.animateInterval, 20);
  EXPECT_FALSE(m.morphing);
  EXPECT_EQ(m.checkImageRect, (Rect{}));
  EXPECT_EQ(m.activeArrowImageRect, (Rect{}));

  const auto* panel = dynamic_cast<const TzsDataSkinPanelControl*>(data.ControlList()[7].get());
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->pictureIndex, 4);
  EXPECT_EQ(panel->maskPictureIndex, -1);
  EXPECT_EQ(panel->skinRect, (Rect{141, 4, 200, 56}));
  EXPECT_EQ(
      (std::vector<Point>{panel->leftTopPoint, panel->rightTopPoint, panel->leftBottomPoint, panel->rightBottomPoint}),
      (std::vector<Point>{{5, 4}, {53, 6}, {6, 45}, {53, 46}}));
  EXPECT_EQ(panel->clientRect, (Rect{2, 2, 57, 50}));
  EXPECT_FALSE(panel->leftStretch || panel->topStretch || panel->rightStretch || panel->bottomStretch ||
               panel->stretchEffect);
  EXPECT_EQ(panel->bgPictureIndex, -1);
  EXPECT_EQ(panel->captionRect, (Rect{}));
  EXPECT_EQ(panel->alignment, Alignment::taCenter);
  EXPECT_EQ(panel->fontName, "Arial");
  EXPECT_EQ(panel->fontHeight, 12);
  EXPECT_EQ(panel->fontStyle.bits, 0u);
  EXPECT_EQ(panel->fontColor, 0u);
  EXPECT_EQ(panel->checkImageRect, (Rect{}));
  EXPECT_EQ(panel->markFrameRect, (Rect{}));
  EXPECT_EQ(panel->frameLeftOffset + panel->frameRightOffset, 0);
}

TEST_F(DefaultSkinTest, EveryPictureIndexNamesAPicture) {
  const int count = static_cast<int>(data.ActivePictures().size());
  auto valid = [&](int index) { return index >= -1 && index < count; };
  for (const auto& o : data.ObjectList()) {
    EXPECT_TRUE(valid(o->activePictureIndex) && valid(o->activeMaskPictureIndex)) << o->Name();
  }
  for (const auto& c : data.ControlList()) {
    EXPECT_TRUE(valid(c->pictureIndex) && valid(c->maskPictureIndex)) << c->Name();
    if (c->pictureIndex < 0) continue;
    const Bitmap& picture = data.ActivePictures()[static_cast<std::size_t>(c->pictureIndex)];
    EXPECT_EQ(c->skinRect.Intersect({0, 0, picture.width(), picture.height()}), c->skinRect) << c->Name();
  }
}

}  // namespace
}  // namespace zv
