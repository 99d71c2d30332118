#include "core/gfx/effects.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zv {
namespace {

template <typename F>
void ForEachPixel(const BitmapView& bitmap, F f) {
  for (int y = 0; y < bitmap.height(); ++y) {
    Pixel* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.width(); ++x) f(row[x]);
  }
}

// Split-blur neighbour index: below 0 use the pixel's own index, past the
// end n - i (kept inside, since i = 0 would reach one past the end). The
// tests compare d with the room left, so no radius can overflow.
int Before(int i, int d) { return d > i ? i : i - d; }
int After(int i, int d, int n) { return d >= n - i ? std::min(n - i, n - 1) : i + d; }

}  // namespace

int RoundChannel(double value) {
  if (!(value > 0)) return 0;  // also NaN
  if (value >= 255) return 255;
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  return static_cast<int>(whole);
}

int RoundRatio(long long num, long long den) {
  if (num <= 0) return 0;
  long long q = num / den;
  const long long twice = 2 * (num % den);
  if (twice > den || (twice == den && q % 2 != 0)) ++q;
  return static_cast<int>(std::min(q, 255LL));
}

long long AmountInMillionths(double amount) {
  if (!(amount > 0)) return 0;  // also NaN
  if (amount >= 1) return kMillion;
  return std::llround(amount * kMillion);
}

void Lighten(const BitmapView& bitmap, double amount) {
  const long long x = AmountInMillionths(amount);
  ForEachPixel(bitmap, [x](Pixel& p) {
    for (std::uint8_t* c : {&p.b, &p.g, &p.r}) {
      *c = static_cast<std::uint8_t>(RoundRatio((kMillion - x) * *c + 255 * x, kMillion));
    }
  });
}

void Darken(const BitmapView& bitmap, double amount) {
  const long long x = AmountInMillionths(amount);
  ForEachPixel(bitmap, [x](Pixel& p) {
    for (std::uint8_t* c : {&p.b, &p.g, &p.r}) {
      *c = static_cast<std::uint8_t>(RoundRatio((kMillion - x) * *c, kMillion));
    }
  });
}

void Grayscale(const BitmapView& bitmap) {
  // 0.3·R + 0.59·G + 0.11·B in hundredths, so halves are exact.
  ForEachPixel(bitmap, [](Pixel& p) {
    p.b = p.g = p.r = static_cast<std::uint8_t>(RoundRatio(30LL * p.r + 59LL * p.g + 11LL * p.b, 100));
  });
}

void Invert(const BitmapView& bitmap) {
  ForEachPixel(bitmap, [](Pixel& p) {
    p.b ^= 0xFF;
    p.g ^= 0xFF;
    p.r ^= 0xFF;
  });
}

void Noise(const BitmapView& bitmap, int amount, const RandomSource& random) {
  if (amount <= 0) return;
  ForEachPixel(bitmap, [&](Pixel& p) {
    const int shift = random(amount) - amount / 2;
    for (std::uint8_t* c : {&p.b, &p.g, &p.r}) *c = static_cast<std::uint8_t>(std::clamp(*c + shift, 0, 255));
  });
}

void SplitBlur(const BitmapView& bitmap, int radius) {
  const int w = bitmap.width();
  const int h = bitmap.height();
  if (radius <= 0 || w <= 0 || h <= 0) return;
  std::vector<Pixel> row(static_cast<std::size_t>(w));
  for (int i = 0; i < h; ++i) {
    const Pixel* up = bitmap.Row(Before(i, radius));
    const Pixel* down = bitmap.Row(After(i, radius, h));
    for (int j = 0; j < w; ++j) {
      const int l = Before(j, radius);
      const int r = After(j, radius, w);
      const Pixel* four[] = {&up[l], &up[r], &down[l], &down[r]};
      Pixel out = bitmap.Row(i)[j];
      out.b = static_cast<std::uint8_t>((four[0]->b + four[1]->b + four[2]->b + four[3]->b) >> 2);
      out.g = static_cast<std::uint8_t>((four[0]->g + four[1]->g + four[2]->g + four[3]->g) >> 2);
      out.r = static_cast<std::uint8_t>((four[0]->r + four[1]->r + four[2]->r + four[3]->r) >> 2);
      row[static_cast<std::size_t>(j)] = out;
    }
    std::copy(row.begin(), row.end(), bitmap.Row(i));
  }
}

void ApplyInactiveEffect(const BitmapView& bitmap, InactiveEffect effect, const RandomSource& random) {
  switch (effect) {
    case InactiveEffect::ieBrightness: Lighten(bitmap, 0.5); break;
    case InactiveEffect::ieDarkness: Darken(bitmap, 0.3); break;
    case InactiveEffect::ieGrayscale: Grayscale(bitmap); break;
    case InactiveEffect::ieNoise: Noise(bitmap, 50, random); break;
    case InactiveEffect::ieSplitBlur: SplitBlur(bitmap, 1); break;
    case InactiveEffect::ieInvert: Invert(bitmap); break;
    default: break;
  }
}

}  // namespace zv
