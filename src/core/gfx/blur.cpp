#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/base/error.h"
#include "core/gfx/effects.h"

namespace zv {
namespace {

constexpr int kMaxBlurRadius = 1024;

// One line of n pixels, `step` apart, blurred with triangular weights
// r + 1 - |k|. S(x + 1) = S(x) + In(x) - Out(x), where In sums the r + 1
// pixels after x and Out the r + 1 pixels up to x; both slide by one pixel
// per step, so the cost does not depend on r.
void BlurLine(Pixel* line, int n, std::ptrdiff_t step, int r, std::vector<Pixel>& copy) {
  copy.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) copy[static_cast<std::size_t>(i)] = line[i * step];
  const auto at = [&](int i) -> const Pixel& { return copy[static_cast<std::size_t>(std::clamp(i, 0, n - 1))]; };
  const std::int64_t divisor = static_cast<std::int64_t>(r + 1) * (r + 1);
  std::int64_t sum[3] = {0, 0, 0}, in[3] = {0, 0, 0}, out[3] = {0, 0, 0};
  const auto add = [](std::int64_t* acc, const Pixel& p, std::int64_t weight) {
    acc[0] += p.b * weight;
    acc[1] += p.g * weight;
    acc[2] += p.r * weight;
  };
  for (int k = -r; k <= r; ++k) add(sum, at(k), r + 1 - std::abs(k));
  for (int j = 1; j <= r + 1; ++j) add(in, at(j), 1);
  for (int j = -r; j <= 0; ++j) add(out, at(j), 1);
  for (int x = 0; x < n; ++x) {
    Pixel& p = line[x * step];
    p.b = static_cast<std::uint8_t>(sum[0] / divisor);
    p.g = static_cast<std::uint8_t>(sum[1] / divisor);
    p.r = static_cast<std::uint8_t>(sum[2] / divisor);
    p.a = 255;
    for (int c = 0; c < 3; ++c) sum[c] += in[c] - out[c];
    add(in, at(x + r + 2), 1);
    add(in, at(x + 1), -1);
    add(out, at(x + 1), 1);
    add(out, at(x - r), -1);
  }
}

}  // namespace

void Blur(const BitmapView& bitmap, int radius) {
  if (radius < 0 || radius > kMaxBlurRadius) throw Error("Blur radius out of range");
  const int w = bitmap.width();
  const int h = bitmap.height();
  if (w <= 0 || h <= 0) return;
  std::vector<Pixel> copy;
  for (int y = 0; y < h; ++y) BlurLine(bitmap.Row(y), w, 1, radius, copy);
  for (int x = 0; x < w; ++x) BlurLine(bitmap.Row(0) + x, h, bitmap.stride(), radius, copy);
}

}  // namespace zv
