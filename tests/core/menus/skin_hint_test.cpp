#include "core/menus/skin_hint.h"

#include <gtest/gtest.h>

#include "menu_fakes.h"

namespace zv {
namespace {

struct SkinHintTest : ::testing::Test {
  test::FakeMenuPlatform platform;
  MenuSkin skin = MenuSkinOf(test::DefaultPackageSkin());
  HintOptions options;
};

TEST_F(SkinHintTest, SizeFollowsTextTitleImageAndKeepsTheFrameValid) {
  TzsSkinHintWindow w(platform, skin, options);
  const int pw = skin.hintPicture.width();
  const int ph = skin.hintPicture.height();
  w.Prepare({"Hello@world!", "", nullptr, 0});  // two lines, 6 cells wide, 13 high
  EXPECT_EQ(w.WindowSize(), (Size{36 + 4 + pw - 24 + 5, 26 + 3 + ph - 18}));
  const int dw = w.WindowSize().width - pw;
  const int dh = w.WindowSize().height - ph;
  EXPECT_EQ(w.Client(), (Rect{4, 3, 24 + dw, 18 + dh}));
  EXPECT_EQ(w.FittedPoints().rightBottom, (Point{20 + dw, 14 + dh}));
  EXPECT_FALSE(w.Region().empty());

  // Title and image: widest of text and title, + image + 10, then + 10 and the frame.
  SkinImageList images{{16, 20}, {Bitmap(16, 20)}};
  w.Prepare({"ab", "Title!!!", &images, 0});
  EXPECT_EQ(w.WindowSize().width, 48 + 16 + 10 + 10 + 4 + pw - 24);
  EXPECT_EQ(w.WindowSize().height, std::max(13 + 13 + 10, 20 + 13 + 5) + 3 + ph - 18);
  w.Prepare({"ab", "", &images, 5});  // an index outside the list reserves nothing
  EXPECT_EQ(w.WindowSize().width, 12 + 5 + 4 + pw - 24);

  // A right-bottom point that would end above the right-top point makes the window taller.
  TzsDataSkinHintWindow record = *skin.hint;
  record.rightBottomPoint = {20, 7};
  MenuSkin low = skin;
  low.hint = &record;
  TzsSkinHintWindow fitted(platform, low, options);
  fitted.Prepare({"x", "", nullptr, 0});  // dH = 13 + 3 - 18 = -2 would put it at 5, above 6
  EXPECT_EQ(fitted.WindowSize().height, ph - 2 + 1);
  EXPECT_EQ(fitted.FittedPoints().rightBottom.y, record.rightTopPoint.y);

  // Plain look: text + 4 each way.
  const MenuSkin noSkin;
  TzsSkinHintWindow plain(platform, noSkin, options);
  plain.Prepare({"abc@de", "", nullptr, 0});
  EXPECT_EQ(plain.WindowSize(), (Size{18 + 4, 26 + 4}));
}

TEST_F(SkinHintTest, LinesPlacementAndTimers) {
  EXPECT_EQ(HintLines("one@two", "@"), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(HintLines("a@@b", "@@"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(HintLines("a@b", ""), std::vector<std::string>{"a@b"});  // no separator, no breaks

  TzsSkinHintWindow w(platform, skin, options);
  w.Prepare({"Some hint", "", nullptr, 0});
  const Size s = w.WindowSize();
  const Rect wa{0, 0, 800, 600};
  EXPECT_EQ(w.PlaceAt({100, 100}, wa), (Point{100, 100}));
  EXPECT_EQ(w.PlaceAt({790, 100}, wa), (Point{790 - s.width - 2, 100}));
  EXPECT_EQ(w.PlaceAt({100, 595}, wa), (Point{100, 595 - s.height - 2}));

  TzsSkinHint hint(platform, skin);
  platform.cursor = {300, 200};
  hint.ShowByItself("Later");
  EXPECT_EQ(platform.timers.running[TzsSkinHint::kShowTimerId], 500u);
  EXPECT_FALSE(hint.Window().Shown());
  hint.TimerTick(TzsSkinHint::kShowTimerId);
  ASSERT_TRUE(hint.Window().Shown());
  EXPECT_EQ(hint.Window().Bounds().left, 300);
  EXPECT_EQ(hint.Window().Bounds().top, 220);
  EXPECT_EQ(platform.timers.running[TzsSkinHint::kHideTimerId], 2500u);
  hint.TimerTick(TzsSkinHint::kHideTimerId);
  EXPECT_FALSE(hint.Window().Shown());
  EXPECT_EQ(platform.hosts.hides, 1);
  EXPECT_FALSE(platform.timers.Running(TzsSkinHint::kHideTimerId));

  // Painted: the frame from the skin, the text in the fitted client rect.
  hint.ShowAt({10, 10}, {"Painted", "", nullptr, 0});
  Bitmap canvas(hint.Window().WindowSize().width, hint.Window().WindowSize().height);
  platform.text.calls.clear();
  hint.Window().Paint(canvas.view());
  ASSERT_EQ(platform.text.calls.size(), 1u);
  EXPECT_TRUE(hint.Window().Client().Contains(platform.text.calls[0].origin));
  EXPECT_EQ(ToColorRef(canvas.At(0, 4)), ToColorRef(skin.hintPicture.At(0, 4)));
}

}  // namespace
}  // namespace zv
