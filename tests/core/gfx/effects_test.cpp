#include "core/gfx/effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <set>

#include "core/base/error.h"
#include "fake_text.h"

namespace zv {
namespace {

Pixel Grey(int v, int a = 7) {
  const auto c = static_cast<std::uint8_t>(v);
  return {c, c, c, static_cast<std::uint8_t>(a)};
}

Bitmap OnePixel(Pixel p) { return Bitmap(1, 1, p); }

TEST(Effects, RoundsHalvesToEvenAndClamps) {
  EXPECT_EQ(RoundChannel(76.5), 76);
  EXPECT_EQ(RoundChannel(127.5), 128);
  EXPECT_EQ(RoundChannel(2.5), 2);
  EXPECT_EQ(RoundChannel(3.5), 4);
  EXPECT_EQ(RoundChannel(3.4999), 3);
  EXPECT_EQ(RoundChannel(-3), 0);
  EXPECT_EQ(RoundChannel(300), 255);
  EXPECT_EQ(RoundChannel(std::nan("")), 0);
  EXPECT_EQ(RoundRatio(765, 10), 76);
  EXPECT_EQ(RoundRatio(775, 10), 78);
  EXPECT_EQ(RoundRatio(774, 10), 77);
  EXPECT_EQ(RoundRatio(-5, 10), 0);
  EXPECT_EQ(RoundRatio(9000, 10), 255);
}

TEST(Effects, GrayscaleWeightsTheChannels) {
  Bitmap b(4, 1);
  b.At(0, 0) = Pixel{255, 255, 255, 9};
  b.At(1, 0) = Pixel{0, 0, 255, 9};  // red
  b.At(2, 0) = Pixel{0, 255, 0, 9};  // green
  b.At(3, 0) = Pixel{255, 0, 0, 9};  // blue
  Grayscale(b.view());
  Bitmap halves(1, 1, Pixel{0, 50, 0, 9});  // 0.59·50 = 29.5 goes to 30, 0.59·150 = 88.5 to 88
  Grayscale(halves.view());
  EXPECT_EQ(halves.At(0, 0), Grey(30, 9));
  halves.At(0, 0) = Pixel{0, 150, 0, 9};
  Grayscale(halves.view());
  EXPECT_EQ(halves.At(0, 0), Grey(88, 9));
  EXPECT_EQ(b.At(0, 0), Grey(255, 9));
  EXPECT_EQ(b.At(1, 0), Grey(76, 9));   // round(76.5)
  EXPECT_EQ(b.At(2, 0), Grey(150, 9));  // round(150.45)
  EXPECT_EQ(b.At(3, 0), Grey(28, 9));   // round(28.05)
}

TEST(Effects, LightenDarkenAndInvert) {
  Bitmap b = OnePixel(Grey(0));
  Lighten(b.view(), 0.5);
  EXPECT_EQ(b.At(0, 0), Grey(128));  // round(127.5)
  Lighten(b.view(), 3);              // clamped to 1
  EXPECT_EQ(b.At(0, 0), Grey(255));
  Lighten(b.view(), -1);             // clamped to 0
  EXPECT_EQ(b.At(0, 0), Grey(255));
  Darken(b.view(), 0.3);
  EXPECT_EQ(b.At(0, 0), Grey(178));
  Bitmap c = OnePixel(Grey(100));
  Darken(c.view(), 0.3);
  EXPECT_EQ(c.At(0, 0), Grey(70));
  // Exact halves round to even although 1 - 0.3 is not exact in binary.
  Bitmap half = OnePixel(Grey(45));
  Darken(half.view(), 0.3);
  EXPECT_EQ(half.At(0, 0), Grey(32));  // round(31.5)
  half = OnePixel(Grey(5));
  Lighten(half.view(), 0.29);
  EXPECT_EQ(half.At(0, 0), Grey(78));  // round(77.5)
  half = OnePixel(Grey(5));
  Lighten(half.view(), 0.23);
  EXPECT_EQ(half.At(0, 0), Grey(62));  // round(62.5)
  Bitmap d = OnePixel(Pixel{0x0F, 0xF0, 0x55, 3});
  Invert(d.view());
  EXPECT_EQ(d.At(0, 0), (Pixel{0xF0, 0x0F, 0xAA, 3}));
}

TEST(Effects, NoiseMovesAllChannelsOfAPixelAlike) {
  // A source giving every value once shows the whole spread.
  Bitmap b(50, 1, Pixel{100, 120, 140, 1});
  int next = 0;
  Noise(b.view(), 50, [&](int n) {
    EXPECT_EQ(n, 50);
    return next++ % n;
  });
  std::set<int> shifts;
  for (int x = 0; x < 50; ++x) {
    const Pixel p = b.At(x, 0);
    const int shift = p.b - 100;
    EXPECT_EQ(p.g - 120, shift);
    EXPECT_EQ(p.r - 140, shift);
    EXPECT_EQ(p.a, 1);
    shifts.insert(shift);
  }
  EXPECT_EQ(shifts.size(), 50u);
  EXPECT_EQ(*shifts.begin(), -25);
  EXPECT_EQ(*shifts.rbegin(), 24);

  // Near the ends of the range the shift is clamped.
  Bitmap edge(2, 1, Grey(10));
  edge.At(1, 0) = Grey(250);
  Noise(edge.view(), 50, [](int) { return 0; });
  EXPECT_EQ(edge.At(0, 0), Grey(0));
  Noise(edge.view(), 50, [](int n) { return n - 1; });
  EXPECT_EQ(edge.At(1, 0), Grey(249));
}

TEST(Effects, SplitBlurAveragesDiagonalNeighboursAndClampsAtTheEdges) {
  Bitmap row(4, 1);
  for (int x = 0; x < 4; ++x) row.At(x, 0) = Grey(40 * x);
  SplitBlur(row.view(), 1);
  EXPECT_EQ(row.At(0, 0).b, 20);  // (0 + 40) / 2
  EXPECT_EQ(row.At(1, 0).b, 40);  // (0 + 80) / 2
  EXPECT_EQ(row.At(2, 0).b, 80);  // (40 + 120) / 2
  EXPECT_EQ(row.At(3, 0).b, 60);  // past the end: column W - j = 1

  // A radius beyond the picture: index 0 would reach one past the end; the
  // last column is used.
  Bitmap wide(3, 1);
  for (int x = 0; x < 3; ++x) wide.At(x, 0) = Grey(40 * x);
  SplitBlur(wide.view(), 5);
  EXPECT_EQ(wide.At(0, 0).b, 40);
  EXPECT_EQ(wide.At(1, 0).b, 60);
  EXPECT_EQ(wide.At(2, 0).b, 60);

  // Rows above are read after they were changed.
  Bitmap column(1, 3);
  for (int y = 0; y < 3; ++y) column.At(0, y) = Grey(100 * y);
  SplitBlur(column.view(), 1);
  EXPECT_EQ(column.At(0, 0).b, 50);
  EXPECT_EQ(column.At(0, 1).b, 125);
  EXPECT_EQ(column.At(0, 2).b, 125);

  SplitBlur(column.view(), 0);
  EXPECT_EQ(column.At(0, 0).b, 50);

  // Any radius past the picture reads the same pixels; the largest must not
  // overflow on the way.
  Bitmap huge(3, 1);
  for (int x = 0; x < 3; ++x) huge.At(x, 0) = Grey(40 * x);
  SplitBlur(huge.view(), std::numeric_limits<int>::max());
  EXPECT_EQ(huge.pixels(), wide.pixels());
}

TEST(Effects, InactiveEffectsByIndex) {
  const auto apply = [](InactiveEffect effect) {
    Bitmap b = OnePixel(Pixel{0, 0, 255, 0});
    ApplyInactiveEffect(b.view(), effect, [](int) { return 0; });
    return b.At(0, 0);
  };
  EXPECT_EQ(apply(InactiveEffect::ieBrightness), (Pixel{128, 128, 255, 0}));
  EXPECT_EQ(apply(InactiveEffect::ieDarkness), (Pixel{0, 0, 178, 0}));
  EXPECT_EQ(apply(InactiveEffect::ieGrayscale), (Pixel{76, 76, 76, 0}));
  EXPECT_EQ(apply(InactiveEffect::ieNoise), (Pixel{0, 0, 230, 0}));
  EXPECT_EQ(apply(InactiveEffect::ieSplitBlur), (Pixel{0, 0, 255, 0}));
  EXPECT_EQ(apply(InactiveEffect::ieInvert), (Pixel{255, 255, 0, 0}));
  EXPECT_EQ(apply(static_cast<InactiveEffect>(17)), (Pixel{0, 0, 255, 0}));
}

// Normal picture: blue = column * 10; active: red = 200 + column.
struct MorphPair {
  Bitmap normal;
  Bitmap active;
  MorphPair(int w, int h) : normal(w, h), active(w, h) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        normal.At(x, y) = Pixel{static_cast<std::uint8_t>(x * 10), 0, 0, 5};
        active.At(x, y) = Pixel{0, 0, static_cast<std::uint8_t>(200 + x), 6};
      }
    }
  }
  Bitmap Run(MorphKind kind, double x) {
    Bitmap out = normal;
    Morph(out.view(), active.view(), kind, x);
    return out;
  }
  bool IsNormal(const Bitmap& b, int x, int y) const { return b.At(x, y) == normal.At(x, y); }
  bool IsActive(const Bitmap& b, int x, int y) const {
    const Pixel p = b.At(x, y), a = active.At(x, y);
    return p.b == a.b && p.g == a.g && p.r == a.r;
  }
};

TEST(Morph, BlendEndpointsAndMiddle) {
  MorphPair m(10, 3);
  const Bitmap zero = m.Run(MorphKind::mkDefault, 0);
  const Bitmap one = m.Run(MorphKind::mkDefault, 1);
  const Bitmap half = m.Run(MorphKind::mkDefault, 0.5);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 10; ++x) {
      EXPECT_TRUE(m.IsNormal(zero, x, y));
      EXPECT_TRUE(m.IsActive(one, x, y));
      EXPECT_EQ(one.At(x, y).a, 5);  // alpha stays the normal picture's
    }
  }
  EXPECT_EQ(half.At(5, 0), (Pixel{25, 0, 102, 5}));  // round(25), round(102.5)
  EXPECT_EQ(half.At(1, 0), (Pixel{5, 0, 100, 5}));   // round(100.5)
  Bitmap dark = OnePixel(Grey(45));
  Morph(dark.view(), OnePixel(Grey(0)).view(), MorphKind::mkDefault, 0.3);
  EXPECT_EQ(dark.At(0, 0), Grey(32));  // round(31.5), as darken

  // Pictures of different size: unchanged.
  Bitmap other(9, 3);
  Bitmap out = m.normal;
  Morph(out.view(), other.view(), MorphKind::mkDefault, 1);
  EXPECT_TRUE(m.IsNormal(out, 4, 1));
}

TEST(Morph, GradientsAndSlides) {
  MorphPair m(10, 2);
  const Bitmap left = m.Run(MorphKind::mkLeftGradient, 0.5);  // columns 0..5, weight step 1/5
  EXPECT_TRUE(m.IsActive(left, 0, 1));
  EXPECT_EQ(left.At(2, 1), (Pixel{8, 0, 121, 5}));  // 0.4·P + 0.6·A
  EXPECT_TRUE(m.IsNormal(left, 5, 1));
  EXPECT_TRUE(m.IsNormal(left, 9, 1));

  const Bitmap right = m.Run(MorphKind::mkRightGradient, 0.5);  // columns 9 down to 5
  EXPECT_TRUE(m.IsActive(right, 9, 0));
  EXPECT_EQ(right.At(5, 0), (Pixel{40, 0, 41, 5}));  // 0.8·P + 0.2·A
  EXPECT_TRUE(m.IsNormal(right, 4, 0));

  const Bitmap ls = m.Run(MorphKind::mkLeftSlide, 0.5);
  EXPECT_EQ(ls.At(0, 0).r, 205);
  EXPECT_EQ(ls.At(4, 0).r, 209);
  EXPECT_TRUE(m.IsNormal(ls, 5, 0));
  const Bitmap rs = m.Run(MorphKind::mkRightSlide, 0.5);
  EXPECT_TRUE(m.IsNormal(rs, 4, 0));
  EXPECT_EQ(rs.At(5, 0).r, 200);
  EXPECT_EQ(rs.At(9, 0).r, 204);
  // The slide never covers the whole picture, even at 1.
  const Bitmap full = m.Run(MorphKind::mkLeftSlide, 1);
  EXPECT_EQ(full.At(8, 0).r, 209);
  EXPECT_TRUE(m.IsNormal(full, 9, 0));
}

TEST(Morph, PushAndCentreReveal) {
  MorphPair m(10, 2);
  const Bitmap push = m.Run(MorphKind::mkPush, 0.5);  // a = 5
  EXPECT_EQ(push.At(9, 0).b, 30);  // moved from column 3
  EXPECT_EQ(push.At(6, 0).b, 0);   // moved from column 0
  EXPECT_EQ(push.At(0, 0).r, 204);
  EXPECT_EQ(push.At(5, 0).r, 209);
  const Bitmap pushed = m.Run(MorphKind::mkPush, 1);
  for (int x = 0; x < 10; ++x) EXPECT_TRUE(m.IsActive(pushed, x, 1)) << x;

  const Bitmap open = m.Run(MorphKind::mkGradient, 1);
  for (int x = 0; x < 10; ++x) EXPECT_TRUE(m.IsActive(open, x, 0)) << x;
  const Bitmap shut = m.Run(MorphKind::mkGradient, 0);  // one active column, ramps of 1/5 each way
  EXPECT_TRUE(m.IsActive(shut, 5, 0));
  EXPECT_EQ(shut.At(4, 0), (Pixel{8, 0, 163, 5}));  // 0.2·P + 0.8·A
  EXPECT_TRUE(m.IsNormal(shut, 0, 0));
  EXPECT_EQ(shut.At(6, 0), (Pixel{12, 0, 165, 5}));

  // Taller than wide: the vertical form, fully open at 1.
  MorphPair tall(3, 8);
  const Bitmap t = tall.Run(MorphKind::mkGradient, 1);
  for (int y = 0; y < 8; ++y) EXPECT_TRUE(tall.IsActive(t, 1, y)) << y;
  EXPECT_TRUE(m.IsNormal(m.Run(static_cast<MorphKind>(99), 1), 3, 0));
}

TEST(AlphaBlend, OpaqueTransparentAndMixedPixels) {
  Bitmap back(4, 2, Pixel{100, 100, 100, 0});
  Bitmap fore(3, 1);
  fore.At(0, 0) = Pixel{200, 10, 0, 255};
  fore.At(1, 0) = Pixel{200, 10, 0, 0};
  fore.At(2, 0) = Pixel{200, 10, 0, 128};
  AlphaBlend(back.view(), {1, 1}, fore.view());
  EXPECT_EQ(back.At(1, 1), (Pixel{200, 10, 0, 255}));
  EXPECT_EQ(back.At(2, 1), (Pixel{100, 100, 100, 0}));
  // (200·128 + 100·127) div 256 = 149; (10·128 + 100·127) div 256 = 54.
  EXPECT_EQ(back.At(3, 1), (Pixel{149, 54, 49, 255}));
  EXPECT_EQ(back.At(0, 1), (Pixel{100, 100, 100, 0}));

  // Partly off the background: clipped, with the right pixels landing.
  AlphaBlend(back.view(), {-2, 0}, fore.view());
  EXPECT_EQ(back.At(0, 0), (Pixel{149, 54, 49, 255}));
  EXPECT_EQ(back.At(1, 0), (Pixel{100, 100, 100, 0}));
}

// Brute-force triangular blur, rows then columns, edge pixels repeated.
Bitmap ReferenceBlur(const Bitmap& in, int r) {
  const int w = in.width(), h = in.height(), div = (r + 1) * (r + 1);
  Bitmap rows(w, h), out(w, h);
  const auto pass = [&](const Bitmap& src, Bitmap& dst, bool alongRows) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        int sum[3] = {0, 0, 0};
        for (int k = -r; k <= r; ++k) {
          const int sx = alongRows ? std::clamp(x + k, 0, w - 1) : x;
          const int sy = alongRows ? y : std::clamp(y + k, 0, h - 1);
          const Pixel p = src.At(sx, sy);
          const int weight = r + 1 - std::abs(k);
          sum[0] += p.b * weight;
          sum[1] += p.g * weight;
          sum[2] += p.r * weight;
        }
        dst.At(x, y) = Pixel{static_cast<std::uint8_t>(sum[0] / div), static_cast<std::uint8_t>(sum[1] / div),
                             static_cast<std::uint8_t>(sum[2] / div), 255};
      }
    }
  };
  pass(in, rows, true);
  pass(rows, out, false);
  return out;
}

TEST(Blur, MatchesTheWeightedSumAtAnyRadius) {
  std::mt19937 random(42);
  for (const Size size : {Size{17, 11}, Size{1, 9}, Size{6, 1}}) {
    Bitmap in(size.width, size.height);
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) {
        in.At(x, y) = Pixel{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                            static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random())};
      }
    }
    for (int r : {0, 1, 3, 12, 30}) {
      Bitmap out = in;
      Blur(out.view(), r);
      EXPECT_EQ(out.pixels(), ReferenceBlur(in, r).pixels()) << size.width << "x" << size.height << " r=" << r;
    }
  }
  Bitmap b(2, 2);
  EXPECT_THROW(Blur(b.view(), -1), Error);
  EXPECT_THROW(Blur(b.view(), 100000), Error);
}

TEST(AlphaFromMask, MeanOfTheMaskChannels) {
  Bitmap b(5, 1, Pixel{1, 2, 3, 99});
  Bitmap mask(5, 1);
  mask.At(0, 0) = Pixel{255, 255, 255, 0};
  mask.At(1, 0) = Pixel{0, 0, 0, 255};
  mask.At(2, 0) = Pixel{0, 0, 1, 0};
  mask.At(3, 0) = Pixel{0, 0, 2, 0};
  mask.At(4, 0) = Pixel{0, 255, 255, 0};
  AlphaFromMask(b.view(), mask.view());
  EXPECT_EQ(b.At(0, 0).a, 255);
  EXPECT_EQ(b.At(1, 0).a, 0);
  EXPECT_EQ(b.At(2, 0).a, 0);
  EXPECT_EQ(b.At(3, 0).a, 1);
  EXPECT_EQ(b.At(4, 0).a, 170);
  EXPECT_EQ(b.At(4, 0).b, 1);
  Bitmap other(4, 1);
  AlphaFromMask(b.view(), other.view());
  EXPECT_EQ(b.At(0, 0).a, 255);
}

TEST(AlphaFromMask, PremultiplyScalesColoursByTheirAlpha) {
  Bitmap b(4, 1);
  b.At(0, 0) = Pixel{200, 100, 50, 255};
  b.At(1, 0) = Pixel{200, 100, 50, 0};
  b.At(2, 0) = Pixel{200, 100, 50, 128};
  b.At(3, 0) = Pixel{255, 255, 255, 1};
  PremultiplyAlpha(b.view());
  EXPECT_EQ(b.At(0, 0), (Pixel{200, 100, 50, 255}));
  EXPECT_EQ(b.At(1, 0), (Pixel{0, 0, 0, 0}));
  EXPECT_EQ(b.At(2, 0), (Pixel{100, 50, 25, 128}));  // 200·128/255 = 100.4
  EXPECT_EQ(b.At(3, 0), (Pixel{1, 1, 1, 1}));
}

TEST(TextEffects, GlowSurroundsTheTextSymmetrically) {
  test::BlockTextRenderer renderer;
  const Pixel white{255, 255, 255, 0};
  Bitmap canvas(60, 40, white);
  const TextDrawing text{renderer, FontSpec{"Arial", -12, 0, Rgb(0, 0, 0)}, {}};
  DrawTextGlow(canvas.view(), text, "ab", Rect{10, 10, 50, 30}, 3, Rgb(0, 0, 255), 0);
  EXPECT_EQ(canvas.At(10, 10), (Pixel{0, 0, 0, 255}));  // the text itself, 12 x 10 at (10, 10)
  EXPECT_EQ(canvas.At(21, 19), (Pixel{0, 0, 0, 255}));
  const Pixel leftOf = canvas.At(9, 15);
  EXPECT_NE(leftOf, white);
  EXPECT_EQ(leftOf.b, 254);  // blue glow over white
  EXPECT_LT(leftOf.r, 200);
  EXPECT_EQ(leftOf, canvas.At(22, 15));
  EXPECT_EQ(canvas.At(15, 8), canvas.At(15, 21));
  EXPECT_EQ(canvas.At(55, 35), white);
  EXPECT_EQ(canvas.At(5, 15), white);  // beyond the glow size
}

TEST(TextEffects, GlowBoxTintsAroundTheText) {
  test::BlockTextRenderer renderer;
  const Pixel white{255, 255, 255, 0};
  Bitmap canvas(80, 60, white);
  const TextDrawing text{renderer, FontSpec{"Arial", -12, 0, Rgb(0, 0, 0)}, {TextAlign::kCenter, true}};
  DrawGlowBox(canvas.view(), text, "abc", Rect{20, 20, 60, 40}, Rgb(0, 255, 0));
  // 18 x 10 text centred: columns 31..48, rows 25..34.
  EXPECT_EQ(canvas.At(31, 25), (Pixel{0, 0, 0, 255}));
  EXPECT_EQ(canvas.At(30, 25).a, 255);
  EXPECT_GT(canvas.At(28, 30).g, canvas.At(28, 30).r);
  EXPECT_EQ(canvas.At(2, 2), white);
}

TEST(TextEffects, ReflectionFadesBelowTheText) {
  test::BlockTextRenderer renderer;
  const Pixel white{255, 255, 255, 0};
  Bitmap canvas(30, 40, white);
  const TextDrawing text{renderer, FontSpec{"Arial", -12, 0, Rgb(0, 0, 0)}, {}};
  DrawTextReflection(canvas.view(), text, "ab", Rect{0, 0, 30, 20}, Rgb(0, 0, 255), 2);
  EXPECT_EQ(canvas.At(0, 9), (Pixel{0, 0, 0, 255}));
  EXPECT_EQ(canvas.At(0, 10), white);
  EXPECT_EQ(canvas.At(0, 11), white);
  // Row 12 mirrors the text's last row at alpha 0.6·255 = 153.
  EXPECT_EQ(canvas.At(0, 12), (Pixel{254, 101, 101, 255}));
  EXPECT_EQ(canvas.At(0, 13), (Pixel{254, 126, 126, 255}));  // alpha 128
  EXPECT_EQ(canvas.At(15, 12), white);  // beside the text nothing is mirrored
  EXPECT_EQ(canvas.At(0, 19), white);   // 0.7 - 0.8 < 0
}

}  // namespace
}  // namespace zv
