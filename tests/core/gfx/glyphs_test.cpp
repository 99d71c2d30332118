#include "core/gfx/glyphs.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/gfx/ellipsis.h"
#include "core/gfx/layer.h"
#include "fake_text.h"

namespace zv {
namespace {

using PointSet = std::set<std::pair<int, int>>;

PointSet Drawn(CommandGlyph glyph, Point at = {2, 3}) {
  Bitmap canvas(20, 20, Pixel{255, 255, 255, 0});
  DrawCommandGlyph(canvas.view(), glyph, at, Rgb(200, 0, 0));
  PointSet points;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const Pixel p = canvas.At(x, y);
      if (p == Pixel{255, 255, 255, 0}) continue;
      EXPECT_EQ(p, (Pixel{0, 0, 200, 255}));
      points.insert({x - at.x, y - at.y});
    }
  }
  return points;
}

TEST(CommandGlyphs, LinesLeaveOutTheirEndPixel) {
  PointSet close;
  for (int i = 0; i < 8; ++i) {
    close.insert({1 + i, 1 + i});
    close.insert({9 - i, 1 + i});
    close.insert({2 + i, 1 + i});
    close.insert({8 - i, 1 + i});
  }
  EXPECT_EQ(Drawn(CommandGlyph::kClose), close);

  PointSet minimize;
  for (int x = 1; x < 9; ++x) minimize.insert({x, 8}), minimize.insert({x, 9});
  EXPECT_EQ(Drawn(CommandGlyph::kMinimize), minimize);

  PointSet up, down;
  for (int i = 0; i < 5; ++i) {
    for (int x = i + 1; x < 9 - i; ++x) up.insert({x, 6 - i});
    for (int x = 5 - i; x < 5 + i; ++x) down.insert({x, 6 - i});
  }
  EXPECT_EQ(up.size(), 20u);
  EXPECT_EQ(Drawn(CommandGlyph::kRollUp), up);
  EXPECT_EQ(Drawn(CommandGlyph::kRollDown), down);
}

TEST(CommandGlyphs, RectanglesLeaveOutTheirRightAndBottomEdge) {
  PointSet maximize;
  for (int x = 0; x < 11; ++x) maximize.insert({x, 0}), maximize.insert({x, 1}), maximize.insert({x, 9});
  for (int y = 0; y < 10; ++y) maximize.insert({0, y}), maximize.insert({10, y});
  EXPECT_EQ(Drawn(CommandGlyph::kMaximize), maximize);

  PointSet tray;
  for (int y = 2; y < 7; ++y) {
    for (int x = 2; x < 7; ++x) tray.insert({x, y});
  }
  EXPECT_EQ(Drawn(CommandGlyph::kMinimizeToTray), tray);

  PointSet menu;
  for (int x = 1; x < 9; ++x) menu.insert({x, 3}), menu.insert({x, 5});
  menu.insert({1, 4});
  menu.insert({8, 4});
  EXPECT_EQ(Drawn(CommandGlyph::kSystemMenu), menu);

  const PointSet restore = Drawn(CommandGlyph::kRestore);
  EXPECT_TRUE(restore.count({9, 5}) && restore.count({2, 1}) && restore.count({6, 9}) && restore.count({0, 5}));
  EXPECT_FALSE(restore.count({10, 0}) || restore.count({7, 4}) || restore.count({4, 3}));

  // Partly off the bitmap: clipped.
  EXPECT_EQ(Drawn(CommandGlyph::kMaximize, {-5, -5}).size(), 10u);
}

TEST(Ellipsis, ShortensByWholeCharacters) {
  test::BlockTextRenderer r;  // 6 pixels a byte
  const FontSpec font;
  EXPECT_EQ(ShortenWithEllipsis(r, font, "abcdefghij", 60), "abcdefghij");
  EXPECT_EQ(ShortenWithEllipsis(r, font, "abcdefghij", 59), "abcdef...");
  EXPECT_EQ(ShortenWithEllipsis(r, font, "abcdefghij", 40), "abc...");
  EXPECT_EQ(ShortenWithEllipsis(r, font, "abcdefghij", 5), "...");
  EXPECT_EQ(ShortenWithEllipsis(r, font, "", 0), "");
  // "a中文xyzw": a double-byte character is never cut in half ("a" plus one
  // byte and "..." would fit in 30).
  const std::string text = "a\xd6\xd0\xce\xc4xyzw";
  EXPECT_EQ(ShortenWithEllipsis(r, font, text, 30), "a...");
  EXPECT_EQ(ShortenWithEllipsis(r, font, text, 36), "a\xd6\xd0...");
  EXPECT_EQ(ShortenWithEllipsis(r, font, text, 47), "a\xd6\xd0...");
  EXPECT_EQ(ShortenWithEllipsis(r, font, text, 48), "a\xd6\xd0\xce\xc4...");
  // A lone lead byte at the end is one character of its own.
  EXPECT_EQ(ShortenWithEllipsis(r, font, "abc\xd6", 23), "...");
  EXPECT_EQ(ShortenWithEllipsis(r, font, "abcd\xd6", 29), "a...");
}

TEST(LayerFade, StepsATenthPerTickUpToTheTarget) {
  LayerFade fade;
  EXPECT_EQ(fade.Start(200), 0);
  int ticks = 0;
  int last = 0;
  while (fade.running()) {
    const int alpha = fade.Tick();
    EXPECT_EQ(alpha, last + 20);
    last = alpha;
    ASSERT_LE(++ticks, 10);
  }
  EXPECT_EQ(ticks, 10);
  EXPECT_EQ(fade.Tick(), 200);

  fade.Start(255);  // step 25, the last tick capped
  for (int i = 0; i < 10; ++i) fade.Tick();
  EXPECT_EQ(fade.current(), 250);
  EXPECT_TRUE(fade.running());
  EXPECT_EQ(fade.Tick(), 255);
  EXPECT_FALSE(fade.running());

  // Below 10 a tenth is 0; the fade still ends.
  fade.Start(5);
  for (int i = 0; i < 5; ++i) fade.Tick();
  EXPECT_FALSE(fade.running());
  EXPECT_EQ(fade.current(), 5);

  fade.Start(0);
  EXPECT_TRUE(fade.running());
  EXPECT_EQ(fade.Tick(), 0);
  EXPECT_FALSE(fade.running());
}

TEST(WorkArea, NearestMonitorOnlyWhenSeveralAndAsked) {
  MonitorFacts facts;
  facts.systemWorkArea = Rect{0, 0, 1920, 1040};
  facts.screen = Size{1920, 1080};
  facts.nearest = MonitorFacts::Monitor{Rect{1920, 0, 3200, 1024}, Rect{1920, 0, 3200, 990}};
  facts.hasMonitorApi = true;
  EXPECT_EQ(ChooseWorkArea(facts, true), (Rect{0, 0, 1920, 1040}));  // one monitor
  EXPECT_EQ(ChooseWorkArea(facts, false), (Rect{0, 0, 1920, 1080}));
  facts.monitorCount = 2;
  EXPECT_EQ(ChooseWorkArea(facts, true), (Rect{1920, 0, 3200, 990}));
  EXPECT_EQ(ChooseWorkArea(facts, false), (Rect{1920, 0, 3200, 1024}));
  facts.nearest.reset();  // the query failed
  EXPECT_EQ(ChooseWorkArea(facts, true), (Rect{0, 0, 1920, 1040}));
  facts.nearest = MonitorFacts::Monitor{};
  facts.hasMonitorApi = false;
  EXPECT_EQ(ChooseWorkArea(facts, false), (Rect{0, 0, 1920, 1080}));

  EXPECT_TRUE(SupportsLayering(5, 0));
  EXPECT_TRUE(SupportsLayering(5, 2));
  EXPECT_FALSE(SupportsLayering(5, 3));
  EXPECT_FALSE(SupportsLayering(4, 10));
  EXPECT_TRUE(SupportsLayering(10, 0));
  EXPECT_TRUE(SupportsShadow(5, 1));
  EXPECT_FALSE(SupportsShadow(5, 0));
  EXPECT_FALSE(SupportsShadow(5, 2));
  EXPECT_TRUE(SupportsShadow(6, 0));
}

}  // namespace
}  // namespace zv
