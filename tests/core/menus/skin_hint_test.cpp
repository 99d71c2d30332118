#include "core/menus/skin_hint.h"

#include <gtest/gtest.h>

#include "controls/skin_control_fakes.h"
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
  // With a title the text stands 5 pixels in from the client's left, and as
  // much room is left after it.
  plain.Prepare({"abc", "Title", nullptr, 0});
  EXPECT_EQ(plain.WindowSize().width, 30 + 10 + 4);
  Bitmap canvas(plain.WindowSize().width, plain.WindowSize().height);
  platform.text.calls.clear();
  plain.Paint(canvas.view());
  ASSERT_EQ(platform.text.calls.size(), 2u);
  for (const auto& call : platform.text.calls) {
    EXPECT_LE(call.origin.x + 6 * static_cast<int>(call.text.size()) + 5, plain.Client().right) << call.text;
  }
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

TEST_F(SkinHintTest, ApplicationHintsShowAfterThePauseHideOnLeaveAndUseTheActiveComponent) {
  test::FakeTimers appTimers;
  TzsApplicationHints app(appTimers, [] { return Point{300, 220}; });
  TzsSkinHint first(platform, skin), second(platform, skin);
  app.Add(first);
  app.Add(second);
  EXPECT_EQ(app.HintShortPause, 100u);
  EXPECT_EQ(app.Serving(), &first);
  app.Activate(second);
  EXPECT_FALSE(first.Active);
  EXPECT_EQ(app.Serving(), &second);

  // A control's hint, title and image; nothing shows before the pause.
  test::FakeSkinHost host(platform.text, Rect{0, 0, 50, 20});
  TzsSkinPanel panel(host);
  panel.Hint = "Panel hint";
  panel.HintTitle = "Title";
  const int button = 0;  // another source
  app.MouseOver(&panel, HintOf(panel));
  EXPECT_EQ(appTimers.running[TzsApplicationHints::kShowTimerId], 500u);
  EXPECT_FALSE(second.Window().Shown());
  app.MouseOver(&panel, HintOf(panel));  // moving within the control restarts nothing
  app.TimerTick(TzsApplicationHints::kShowTimerId);
  ASSERT_TRUE(second.Window().Shown());
  EXPECT_FALSE(first.Window().Shown());
  EXPECT_EQ(second.Window().Bounds().left, 300);
  EXPECT_EQ(second.Window().Bounds().top, 220);
  EXPECT_EQ(appTimers.running[TzsApplicationHints::kHideTimerId], 2500u);

  // Straight to another source: the old hint goes, the new one follows the short pause.
  app.MouseOver(&button, {"Button hint", "", nullptr, 0});
  EXPECT_FALSE(second.Window().Shown());
  EXPECT_EQ(appTimers.running[TzsApplicationHints::kShowTimerId], 100u);
  app.MouseLeave(&panel);  // a late leave of the old source changes nothing
  EXPECT_TRUE(app.Pending());
  app.MouseLeave(&button);
  EXPECT_FALSE(app.Pending());
  EXPECT_FALSE(appTimers.Running(TzsApplicationHints::kShowTimerId));

  // No text, no hint; the hide pause ends a shown hint.
  app.MouseOver(&panel, {"", "", nullptr, 0});
  EXPECT_FALSE(app.Pending());
  app.MouseOver(&button, {"Button hint", "", nullptr, 0});
  app.TimerTick(TzsApplicationHints::kShowTimerId);
  ASSERT_TRUE(second.Window().Shown());
  app.TimerTick(TzsApplicationHints::kHideTimerId);
  EXPECT_FALSE(second.Window().Shown());
  app.MouseOver(&button, {"Button hint", "", nullptr, 0});  // not again until the mouse moves on
  EXPECT_FALSE(app.Pending());

  // Caption buttons through the frame's hint window; without an active component nothing shows.
  app.ShowHint("Close", Rect{});
  EXPECT_TRUE(app.Pending());
  app.HideHint();
  EXPECT_FALSE(app.Pending());
  second.Active = false;
  app.ShowHint("Close", Rect{});
  app.TimerTick(TzsApplicationHints::kShowTimerId);
  EXPECT_FALSE(first.Window().Shown());
  EXPECT_FALSE(second.Window().Shown());

  // OnShowHint sees the control's title and may change the hint or stop it.
  std::vector<std::string> titles;
  second.Active = true;
  second.OnShowHint = [&](HintShowing& showing) {
    titles.push_back(showing.content.title);
    showing.content.text = "Changed";
    showing.at.y += 5;
  };
  app.MouseOver(&panel, HintOf(panel));
  app.TimerTick(TzsApplicationHints::kShowTimerId);
  ASSERT_TRUE(second.Window().Shown());
  EXPECT_EQ(titles, std::vector<std::string>{"Title"});
  EXPECT_EQ(second.Window().Bounds().top, 225);
  Bitmap canvas(second.Window().WindowSize().width, second.Window().WindowSize().height);
  platform.text.calls.clear();
  second.Window().Paint(canvas.view());
  EXPECT_EQ(platform.text.calls.back().text, "Changed");
  second.OnShowHint = [](HintShowing& showing) { showing.canShow = false; };
  app.MouseOver(&button, {"Button hint", "", nullptr, 0});
  app.TimerTick(TzsApplicationHints::kShowTimerId);
  EXPECT_FALSE(second.Window().Shown());
  EXPECT_FALSE(appTimers.Running(TzsApplicationHints::kHideTimerId));
}

}  // namespace
}  // namespace zv
