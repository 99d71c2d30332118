#include "core/gfx/effects.h"

#include <algorithm>
#include <cmath>

namespace zv {
namespace {

// P := round(w·P + (1 - w)·A) per colour channel.
void Mix(Pixel& p, const Pixel& a, double w) {
  p.b = static_cast<std::uint8_t>(RoundChannel(w * p.b + (1 - w) * a.b));
  p.g = static_cast<std::uint8_t>(RoundChannel(w * p.g + (1 - w) * a.g));
  p.r = static_cast<std::uint8_t>(RoundChannel(w * p.r + (1 - w) * a.r));
}

void Take(Pixel& p, const Pixel& a) {
  p.b = a.b;
  p.g = a.g;
  p.r = a.r;
}

int RoundInt(double v) {  // halves to even, for sizes
  const double f = std::floor(v);
  const double d = v - f;
  return static_cast<int>(d > 0.5 || (d == 0.5 && std::fmod(f, 2.0) != 0) ? f + 1 : f);
}

// Weight starting at 0 and growing by `step` per pixel, never past 1.
class Ramp {
 public:
  explicit Ramp(double step) : step_(step) {}
  double Next() {
    const double w = w_;
    w_ = std::min(1.0, w_ + step_);
    return w;
  }

 private:
  double step_;
  double w_ = 0;
};

// (1 - x)·P + x·A with x in whole millionths, as lighten and darken do it.
void Blend(const BitmapView& n, const BitmapView& a, double x) {
  const long long k = AmountInMillionths(x);
  const auto mix = [k](std::uint8_t& p, std::uint8_t q) {
    p = static_cast<std::uint8_t>(RoundRatio((kMillion - k) * p + k * q, kMillion));
  };
  for (int y = 0; y < n.height(); ++y) {
    Pixel* p = n.Row(y);
    const Pixel* q = a.Row(y);
    for (int c = 0; c < n.width(); ++c) {
      mix(p[c].b, q[c].b);
      mix(p[c].g, q[c].g);
      mix(p[c].r, q[c].r);
    }
  }
}

void CentreRevealAcross(const BitmapView& n, const BitmapView& a, double x) {
  const int w = n.width();
  const int open = RoundInt(w * x);
  const int b = (w - open) / 2;
  const int m = open / 2;
  const double step = b == 0 ? 1.0 : 1.0 / b;
  const int g = std::max(0, w / 2 - m);
  const int h = std::min(w - 1, m + w / 2);
  for (int y = 0; y < n.height(); ++y) {
    Pixel* p = n.Row(y);
    const Pixel* q = a.Row(y);
    for (int c = g; c <= h; ++c) Take(p[c], q[c]);
    Ramp left(step);
    for (int c = g; c >= 0; --c) Mix(p[c], q[c], left.Next());
    Ramp right(step);
    for (int c = h; c < w; ++c) Mix(p[c], q[c], right.Next());
  }
}

void CentreRevealDown(const BitmapView& n, const BitmapView& a, double x) {
  const int hgt = n.height();
  const int open = RoundInt(hgt * x);
  const int m = (hgt - open - 1) / 2;
  const double step = m == 0 ? 0.0 : 1.0 / m;
  const int g = std::max(0, hgt / 2 - open / 2);
  const int h = std::min(hgt - 1, open / 2 + hgt / 2);
  const auto row = [&](int y, double weight) {
    for (int c = 0; c < n.width(); ++c) Mix(n.Row(y)[c], a.Row(y)[c], weight);
  };
  for (int y = g; y <= h; ++y) row(y, 0);
  Ramp up(step);
  for (int y = g; y >= 0; --y) row(y, up.Next());
  Ramp down(step);
  for (int y = h; y < hgt; ++y) row(y, down.Next());
}

void LeftGradient(const BitmapView& n, const BitmapView& a, double x) {
  const int w = n.width();
  const int open = std::max(1, std::min(RoundInt(w * x), w - 1));
  for (int y = 0; y < n.height(); ++y) {
    Ramp ramp(1.0 / open);
    for (int c = 0; c <= open && c < w; ++c) Mix(n.Row(y)[c], a.Row(y)[c], ramp.Next());
  }
}

void RightGradient(const BitmapView& n, const BitmapView& a, double x) {
  const int w = n.width();
  const int b = std::max(0, std::min(w - RoundInt(w * x), w - 1));
  const double step = w - b <= 0 ? 1.0 : 1.0 / (w - b);
  for (int y = 0; y < n.height(); ++y) {
    Ramp ramp(step);
    for (int c = w - 1; c >= b; --c) Mix(n.Row(y)[c], a.Row(y)[c], ramp.Next());
  }
}

int SlideWidth(int w, double x) { return std::max(1, std::min(RoundInt(w * x), w - 1)); }

void LeftSlide(const BitmapView& n, const BitmapView& a, double x) {
  const int w = n.width();
  const int open = std::min(SlideWidth(w, x), w);
  for (int y = 0; y < n.height(); ++y) {
    for (int k = 0; k < open; ++k) Take(n.Row(y)[k], a.Row(y)[w - open + k]);
  }
}

void RightSlide(const BitmapView& n, const BitmapView& a, double x) {
  const int w = n.width();
  const int open = std::min(SlideWidth(w, x), w);
  for (int y = 0; y < n.height(); ++y) {
    for (int k = 0; k < open; ++k) Take(n.Row(y)[w - open + k], a.Row(y)[k]);
  }
}

void Push(const BitmapView& n, const BitmapView& a, double x) {
  const int w = n.width();
  const int open = std::max(0, std::min(RoundInt(w * x), w - 1));
  for (int y = 0; y < n.height(); ++y) {
    Pixel* p = n.Row(y);
    // Right to left, so every column reads one not yet moved.
    for (int c = w - 1; c >= open; --c) Take(p[c], c == open ? p[0] : p[c - open - 1]);
    for (int k = 0; k <= open; ++k) Take(p[k], a.Row(y)[w - open - 1 + k]);
  }
}

}  // namespace

void Morph(const BitmapView& normal, const BitmapView& active, MorphKind kind, double x) {
  if (normal.width() != active.width() || normal.height() != active.height()) return;
  if (normal.width() <= 0 || normal.height() <= 0) return;
  switch (kind) {
    case MorphKind::mkDefault: Blend(normal, active, x); break;
    case MorphKind::mkGradient:
      x = std::clamp(x, 0.0, 1.0);
      if (normal.width() < normal.height()) {
        CentreRevealDown(normal, active, x);
      } else {
        CentreRevealAcross(normal, active, x);
      }
      break;
    case MorphKind::mkLeftGradient: LeftGradient(normal, active, x); break;
    case MorphKind::mkRightGradient: RightGradient(normal, active, x); break;
    case MorphKind::mkLeftSlide: LeftSlide(normal, active, x); break;
    case MorphKind::mkRightSlide: RightSlide(normal, active, x); break;
    case MorphKind::mkPush: Push(normal, active, x); break;
    default: break;
  }
}

}  // namespace zv
