#include "core/frame/frame_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "core/frame/skin_frame.h"
#include "core/gfx/blit.h"
#include "core/gfx/compose.h"
#include "core/skin/record_pieces.h"
#include "fake_text_renderer.h"
#include "frame/frame_fixture.h"

namespace zv {
namespace {

constexpr Pixel kMarker{1, 2, 3, 4};

struct FramePainterTest : ::testing::Test {
  test::EmbeddedFrameSkin embedded;
  test::FakeTextRenderer text;
  FrameGeometry geometry;
  std::vector<CaptionObject> objects;
  FramePaint paint;

  Bitmap Paint(Size s, const std::string& caption = "", bool active = true) {
    geometry = ComputeFrameGeometry(embedded.skin.info, embedded.skin.PictureSize(), s);
    if (objects.empty()) {
      objects = BuildCaptionObjects(embedded.skin);
      ApplyBorderIcons(objects, {BorderIcons::All(), false, false});
    }
    LayoutCaptionObjects(objects, geometry);
    paint = {&embedded.skin, &geometry, &objects, &text, caption, active, paint.state, {}, nullptr};
    Bitmap out(s.width, s.height, kMarker);
    PaintSkinnedFrame(out.view(), paint);
    return out;
  }
  // Whether `area` of `out` shows `from` of `picture` pixel for pixel.
  static bool Shows(const Bitmap& out, const Rect& area, const BitmapView& picture, const Rect& from) {
    for (int y = 0; y < area.Height(); ++y) {
      for (int x = 0; x < area.Width(); ++x) {
        const Pixel a = out.At(area.left + x, area.top + y), b = picture.At(from.left + x, from.top + y);
        if (a.r != b.r || a.g != b.g || a.b != b.b) return false;
      }
    }
    return true;
  }
  BitmapView Buttons() const { return embedded.skin.ActivePicture(0); }
};

TEST_F(FramePainterTest, BandsAsComposedAndClientUntouched) {
  for (const Size s : {Size{800, 500}, Size{285, 210}}) {
    const Bitmap out = Paint(s);
    const SkinPieces pieces = PiecesOf(embedded.skin.info, embedded.skin.picture, embedded.skin.picture.bounds());
    const FrameBands bands = ComposeFrameBands(
        s, pieces, {geometry.leftTop, geometry.rightTop, geometry.leftBottom, geometry.rightBottom, geometry.client});
    auto& left = const_cast<Bitmap&>(bands.left);
    auto& bottom = const_cast<Bitmap&>(bands.bottom);
    EXPECT_TRUE(Shows(out, {0, 27, 4, s.height - 4}, left.view(), {0, 0, 4, s.height - 31}));
    EXPECT_TRUE(Shows(out, {0, s.height - 4, s.width, s.height}, bottom.view(), {0, 0, s.width, 4}));
    // The top band outside the objects.
    auto& top = const_cast<Bitmap&>(bands.top);
    EXPECT_TRUE(Shows(out, {0, 0, s.width, 4}, top.view(), {0, 0, s.width, 4}));
    for (int y = geometry.client.top; y < geometry.client.bottom; ++y) {
      for (int x = geometry.client.left; x < geometry.client.right; ++x) ASSERT_EQ(out.At(x, y), kMarker);
    }
  }
}

TEST_F(FramePainterTest, ButtonLooksByState) {
  Bitmap out = Paint({800, 500});
  const Rect close{776, 5, 797, 26}, max{753, 5, 774, 26};
  EXPECT_TRUE(Shows(out, close, Buttons(), {50, 2, 71, 23}));
  EXPECT_TRUE(Shows(out, {3, 8, 17, 20}, Buttons(), {36, 186, 50, 198}));
  objects[0].active = objects[0].mouseIn = true;
  out = Paint({800, 500});
  EXPECT_TRUE(Shows(out, close, Buttons(), {3, 2, 24, 23}));
  objects[0].down = true;
  out = Paint({800, 500});
  EXPECT_TRUE(Shows(out, close, Buttons(), {27, 2, 48, 23}));
  paint.state.maximized = true;
  out = Paint({800, 500});
  EXPECT_TRUE(Shows(out, max, Buttons(), {50, 48, 71, 69}));
}

TEST_F(FramePainterTest, CaptionTextWithShadowNeverUnderTheButtons) {
  Paint({800, 500}, "Zorvane");
  ASSERT_EQ(text.calls.size(), 2u);
  EXPECT_EQ(text.calls[0].font.color, 16777215u);  // the white shadow first
  EXPECT_EQ(text.calls[0].origin, (Point{22, 10}));
  EXPECT_EQ(text.calls[1].font.color, 11168318u);
  EXPECT_EQ(text.calls[1].font.name, "Arial");
  EXPECT_EQ(text.calls[1].font.height, 16);
  EXPECT_EQ(text.calls[1].origin, (Point{21, 9}));
  EXPECT_EQ(text.calls[1].clip, (Rect{17, 4, 684, 24}));

  // Inactive: only the text colour differs with the embedded skin.
  text.calls.clear();
  Paint({800, 500}, "Zorvane", false);
  EXPECT_EQ(text.calls[1].font.color, 16111036u);
  EXPECT_EQ(Paint({800, 500}).pixels(), Paint({800, 500}, "", false).pixels());

  text.calls.clear();
  Paint({300, 200}, std::string(200, 'x'));
  const auto& last = text.calls.back();
  EXPECT_EQ(last.text.substr(last.text.size() - 3), "...");
  EXPECT_LE(last.origin.x + static_cast<int>(last.text.size()) * text.cellWidth, 300 - 117);
}

TEST_F(FramePainterTest, PlainFrameAndClientBackground) {
  std::vector<CaptionObject> plain = DefaultCaptionButtons();
  ApplyBorderIcons(plain, {});
  const Rect caption = LayoutPlainButtons(plain, 200, PlainMetrics::For(false));
  PlainPaint p{{200, 100}, PlainMetrics::For(false), caption, &plain, &text, "Plain", true, {}, {}, {}, {}, nullptr};
  Bitmap out(200, 100, kMarker);
  PaintPlainFrame(out.view(), p);
  EXPECT_EQ(ToColorRef(out.At(0, 50)), p.colors.light3d);
  EXPECT_EQ(ToColorRef(out.At(199, 50)), p.colors.darkShadow3d);
  EXPECT_EQ(out.At(100, 60), kMarker);
  EXPECT_EQ(text.calls.back().text, "Plain");
  EXPECT_EQ(text.calls.back().font, (FontSpec{"Arial", 14, kFontBold, p.colors.text}));
  // The form's caption fonts, their system colours taken from the plain colours.
  p.active = false;
  p.fonts.inactive = {"Tahoma", 12, 0, SystemColor(20)};
  PaintPlainFrame(out.view(), p);
  EXPECT_EQ(text.calls.back().font, (FontSpec{"Tahoma", 12, 0, p.colors.highlight}));

  // The client piece of the main picture, repeated from the client's corner.
  Bitmap client(600, 400);
  PaintClientBackground(client.view(), embedded.skin, 0);
  EXPECT_TRUE(Shows(client, {0, 0, 277, 179}, embedded.skin.picture, {4, 27, 281, 206}));
  EXPECT_TRUE(Shows(client, {277, 179, 554, 358}, embedded.skin.picture, {4, 27, 281, 206}));
}

TEST_F(FramePainterTest, MorphingButtonsBlendInSteps) {
  TzsDataSkinStdButton morphing = *dynamic_cast<const TzsDataSkinStdButton*>(embedded.skin.objects[0]);
  morphing.morphing = true;
  FrameSkin skin = embedded.skin;
  skin.objects[0] = &morphing;
  SkinFrame frame;
  frame.SetSkin(skin);
  frame.SetOptions({BorderIcons::All()});
  frame.Resize({800, 500});
  const Rect close{776, 5, 797, 26};
  auto paintedClose = [&] {
    Bitmap out(800, 500);
    frame.Paint(out.view(), text, "", true);
    return out;
  };
  ASSERT_TRUE(frame.objects()[0].Morphs(frame.skin()));
  frame.objects()[0].active = true;  // the mouse came in
  EXPECT_TRUE(frame.MorphStep());
  EXPECT_DOUBLE_EQ(frame.objects()[0].morph, 0.2);
  const Bitmap between = paintedClose();
  EXPECT_FALSE(Shows(between, close, Buttons(), {50, 2, 71, 23}));
  EXPECT_FALSE(Shows(between, close, Buttons(), {3, 2, 24, 23}));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(frame.MorphStep());
  EXPECT_FALSE(frame.MorphStep());
  EXPECT_TRUE(Shows(paintedClose(), close, Buttons(), {3, 2, 24, 23}));
  // Without effects the look jumps and nothing steps.
  skin.effects = false;
  frame.SetSkin(skin);
  frame.objects()[0].active = true;
  EXPECT_FALSE(frame.MorphStep());
}

TEST_F(FramePainterTest, HostileFormInfoStaysInsideTheWindow) {
  FrameSkin bad = embedded.skin;
  bad.info.clientRect = {-50, 9000, 3, -7};
  bad.info.leftTopPoint = {100000, 5};
  bad.info.rightTopPoint = {-3, 2};
  const FrameGeometry g = ComputeFrameGeometry(bad.info, bad.PictureSize(), {120, 40});
  std::vector<CaptionObject> none;
  Bitmap out(120, 40, kMarker);
  PaintSkinnedFrame(out.view(), {&bad, &g, &none, &text, "x", true, {}, {}, nullptr});
  EXPECT_EQ(out.width(), 120);

  // A client piece of no width: the face colour, no tiling.
  bad.info.clientRect = {10, 10, 10, 30};
  Bitmap client(50, 50, kMarker);
  PaintClientBackground(client.view(), bad, Rgb(1, 2, 3));
  EXPECT_EQ(ToColorRef(client.At(49, 49)), Rgb(1, 2, 3));
}

// The embedded caption given an active look, morphing and a strip of four
// frames in a picture whose every pixel tells where it lies.
struct LivelyCaptionTest : FramePainterTest {
  Bitmap coded{300, 100};
  TzsDataSkinCaption lively{"caption"};
  SkinFrame frame;

  void SetUp() override {
    for (int y = 0; y < coded.height(); ++y) {
      for (int x = 0; x < coded.width(); ++x)
        coded.At(x, y) = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7, 255};
    }
    for (const TzsDataSkinObject* o : embedded.skin.objects) {
      if (o->Name() == "caption") lively = *dynamic_cast<const TzsDataSkinCaption*>(o);
    }
    lively.activeSkinRect = {0, 0, 60, 20};
    lively.morphing = true;
    lively.animateSkinRect = {0, 40, 240, 60};  // side by side: 60 wide each
    lively.frameCount = 4;
    lively.animateInterval = 50;
    lively.inactiveAnimation = true;
  }
  void Start() {
    FrameSkin skin = embedded.skin;
    lively.activePictureIndex = static_cast<int>(skin.activePictures.size());
    skin.activePictures.push_back(coded.view());
    for (auto& o : skin.objects) {
      if (o->Name() == "caption") o = &lively;
    }
    frame.SetSkin(skin);
    frame.SetOptions({BorderIcons::All()});
    frame.Resize({800, 500});
  }
  const CaptionObject& Caption() const {
    for (const CaptionObject& o : frame.objects()) {
      if (o.kind == ObjectKind::kCaption) return o;
    }
    throw std::logic_error("no caption");
  }
  // The caption's left column as painted, against `from`'s left column in `picture`.
  bool LeftColumnShows(const BitmapView& picture, const Rect& from, bool active = true) {
    Bitmap out(800, 500);
    frame.Paint(out.view(), text, "", active);
    const Rect r = Caption().rect;
    return Shows(out, {r.left, r.top, r.left + 1, r.top + from.Height()}, picture,
                 {from.left, from.top, from.left + 1, from.bottom});
  }
};

TEST_F(LivelyCaptionTest, FramesPlayThenTheLookMorphs) {
  Start();
  EXPECT_TRUE(frame.RefreshActiveLook(true, true));
  EXPECT_FALSE(frame.RefreshActiveLook(true, true));
  EXPECT_TRUE(LeftColumnShows(coded.view(), {0, 40, 60, 60}));  // the first frame
  AnimationTick tick = frame.AnimationStep();                   // 25 of the 50 ms
  EXPECT_TRUE(tick.busy && !tick.changed);
  tick = frame.AnimationStep();
  EXPECT_TRUE(tick.busy && tick.changed);
  EXPECT_TRUE(LeftColumnShows(coded.view(), {60, 40, 120, 60}));
  int ticks = 0;
  while (frame.AnimationStep().busy) ++ticks;
  EXPECT_EQ(ticks, 6);                     // two ticks of 25 ms for each frame
  EXPECT_EQ(Caption().animationFrame, 5);  // past the strip: no frame shows

  // The morph goes on by its own timer: blended halfway, then the active look.
  EXPECT_TRUE(frame.MorphStep());
  EXPECT_TRUE(frame.MorphStep());
  EXPECT_FALSE(LeftColumnShows(coded.view(), {0, 0, 60, 20}));
  EXPECT_FALSE(LeftColumnShows(embedded.skin.picture, {5, 4, 6, 24}));
  while (frame.MorphStep()) {
  }
  EXPECT_TRUE(LeftColumnShows(coded.view(), {0, 0, 60, 20}));

  // Deactivated: the strip plays backwards from its last frame.
  EXPECT_TRUE(frame.RefreshActiveLook(false, true));
  EXPECT_EQ(Caption().animationFrame, 4);
  EXPECT_TRUE(LeftColumnShows(coded.view(), {180, 40, 240, 60}, false));
  // Without animation the look jumps: the caption's own piece of the frame picture.
  frame.RefreshActiveLook(true, false);
  frame.RefreshActiveLook(false, false);
  EXPECT_EQ(Caption().morph, 0);
  while (frame.AnimationStep().busy) {
  }
  EXPECT_TRUE(LeftColumnShows(embedded.skin.picture, {5, 4, 6, 24}, false));
}

TEST_F(LivelyCaptionTest, TextFrameAndGlow) {
  lively.morphing = false;
  lively.animateSkinRect = {};
  lively.frameRect = {100, 0, 130, 20};
  lively.frameTextRect = {5, 0, 25, 20};
  lively.frameLeftOffset = 3;
  lively.frameRightOffset = 3;
  Start();
  frame.RefreshActiveLook(true, false);
  Bitmap out(800, 500);
  frame.Paint(out.view(), text, "Zorvane", true);
  // The frame starts its left offset before the text and is 30 - 20 wider than it.
  const Point at = text.calls.back().origin;
  const int width = 30 + 7 * text.cellWidth - 20;
  EXPECT_TRUE(Shows(out, {at.x - 5, at.y, at.x - 5 + 3, at.y + 1}, coded.view(), {100, 0, 103, 1}));
  EXPECT_TRUE(Shows(out, {at.x - 5 + width - 3, at.y, at.x - 5 + width, at.y + 1}, coded.view(), {127, 0, 130, 1}));

  // Glow: the halo is drawn from the text in red, only while active
  // unless the skin asks for it on inactive windows too.
  lively.frameRect = {};
  lively.glowEffect = true;
  lively.glowActiveColor = Rgb(0, 255, 0);
  Start();
  auto glowed = [&](bool active) {
    text.calls.clear();
    Bitmap canvas(800, 500);
    frame.Paint(canvas.view(), text, "Zorvane", active);
    return std::any_of(text.calls.begin(), text.calls.end(),
                       [](const auto& call) { return call.font.color == Rgb(255, 0, 0); });
  };
  EXPECT_TRUE(glowed(true));
  EXPECT_FALSE(glowed(false));
  lively.glowInactiveEffect = true;
  EXPECT_TRUE(glowed(false));
}

TEST_F(FramePainterTest, RestoreLooksBlendWhileMorphing) {
  TzsDataSkinStdButton morphing = *dynamic_cast<const TzsDataSkinStdButton*>(embedded.skin.objects[1]);
  ASSERT_EQ(morphing.command, ButtonCommand::cmMaximize);
  morphing.morphing = true;
  FrameSkin skin = embedded.skin;
  skin.objects[1] = &morphing;
  SkinFrame frame;
  frame.SetSkin(skin);
  frame.SetOptions({BorderIcons::All()});
  frame.SetState({true, false, false});
  frame.Resize({800, 500});
  const Rect max{753, 5, 774, 26};
  frame.objects()[1].active = true;
  frame.MorphStep();
  frame.MorphStep();
  Bitmap out(800, 500);
  frame.Paint(out.view(), text, "", true);
  EXPECT_FALSE(Shows(out, max, Buttons(), {50, 48, 71, 69}));
  EXPECT_FALSE(Shows(out, max, Buttons(), {3, 48, 24, 69}));
  while (frame.MorphStep()) {
  }
  frame.Paint(out.view(), text, "", true);
  EXPECT_TRUE(Shows(out, max, Buttons(), {3, 48, 24, 69}));
}

TEST_F(FramePainterTest, SystemMenuButtonShowsTheSmallIcon) {
  Bitmap icon(16, 16, Pixel{0, 0, 255, 255});
  icon.At(15, 15).a = 0;  // a transparent corner shows the frame
  const CaptionOptions options{BorderIcons::All(), false, false, true, {16, 16}};
  for (const bool skinned : {true, false}) {
    SkinFrame frame;
    frame.SetSkin(skinned ? embedded.skin : FrameSkin{});
    frame.SetOptions(options);
    frame.Resize({800, 500});
    frame.SetSmallIcon(icon);
    // The button takes the icon's size, centred in the caption; the caption starts after it.
    const Rect expected = skinned ? Rect{3, 6, 19, 22} : Rect{3, 4, 19, 20};
    EXPECT_EQ(frame.objects()[4].rect, expected);
    EXPECT_EQ(skinned ? frame.objects()[5].rect.left : frame.CaptionRect().left, 19);
    Bitmap out(800, 500);
    frame.Paint(out.view(), text, "", true);
    EXPECT_EQ(ToColorRef(out.At(expected.left, expected.top)), Rgb(255, 0, 0));
    EXPECT_NE(ToColorRef(out.At(expected.right - 1, expected.bottom - 1)), Rgb(255, 0, 0));
  }
}

TEST_F(FramePainterTest, CaptionPainterReplacesTheText) {
  for (const bool skinned : {true, false}) {
    SkinFrame frame;
    frame.SetSkin(skinned ? embedded.skin : FrameSkin{});
    frame.SetOptions({BorderIcons::All()});
    frame.Resize({800, 500});
    std::vector<Rect> asked;
    frame.SetCaptionPainter([&](const BitmapView&, const Rect& r, bool active) {
      EXPECT_FALSE(active);
      asked.push_back(r);
    });
    text.calls.clear();
    Bitmap out(800, 500);
    frame.Paint(out.view(), text, "Zorvane", false);
    EXPECT_TRUE(text.calls.empty());
    // The caption object, or the plain caption strip between its buttons (strip coordinates).
    EXPECT_EQ(asked, (std::vector<Rect>{skinned ? Rect{17, 4, 684, 24} : Rect{17, 0, 709, 19}}));
  }
}

TEST_F(FramePainterTest, UserObjectsAndAnimatedButtons) {
  TzsDataUserObject user("clock");
  user.skinRect = {100, 2, 140, 20};  // a frame object, placed by the skin
  TzsDataSkinAnimate animated("spinner");
  animated.skinRectInAPicture = true;
  animated.activePictureIndex = 0;
  animated.command = ButtonCommand::cmMinimizeToTray;
  animated.skinRect = {3, 2, 45, 23};  // two frames of 21 pixels
  animated.countFrames = 2;
  animated.activeSkinRect = {3, 25, 45, 46};
  FrameSkin skin = embedded.skin;
  skin.objects = {&user, &animated};
  SkinFrame frame;
  frame.SetSkin(skin);
  frame.SetOptions({BorderIcons::All()});
  frame.Resize({800, 500});
  std::vector<std::string> asked;
  frame.SetObjectPainter([&](const std::string& name, const BitmapView& canvas, const Rect& r) {
    asked.push_back(name);
    canvas.Fill(r, kMarker);
  });
  Bitmap out(800, 500);
  frame.Paint(out.view(), text, "", true);
  EXPECT_EQ(asked, std::vector<std::string>{"clock"});
  const Rect clock = frame.objects()[0].rect;
  EXPECT_EQ(out.At(clock.left, clock.top), kMarker);
  // The animated button shows the first frame of the strip for its state.
  const Rect at = frame.objects()[1].rect;
  EXPECT_EQ(at, (Rect{776, 5, 797, 26}));
  EXPECT_TRUE(Shows(out, at, Buttons(), {3, 2, 24, 23}));
  frame.tracker().Track({780, 10}, true, {});
  frame.Paint(out.view(), text, "", true);
  EXPECT_TRUE(Shows(out, at, Buttons(), {3, 25, 24, 46}));
}

}  // namespace
}  // namespace zv
