#include "core/gfx/resample.h"

// Sections: taps of one axis, the two passes.
#include <algorithm>

namespace zv {
namespace {

constexpr int kShift = 12;
constexpr int kOne = 1 << kShift;

struct Tap {
  int index;
  int weight;  // of kOne
};

// The source pixels each target coordinate of one axis reads, for the
// coordinates first .. first + Count() - 1. A coordinate without taps is
// left as it is.
struct AxisTaps {
  int first = 0;
  std::vector<int> begin{0};
  std::vector<Tap> taps;
  int Count() const { return static_cast<int>(begin.size()) - 1; }
  int MinIndex() const { return taps.empty() ? 0 : std::min_element(taps.begin(), taps.end(), ByIndex)->index; }
  int MaxIndex() const { return taps.empty() ? -1 : std::max_element(taps.begin(), taps.end(), ByIndex)->index; }
  static bool ByIndex(const Tap& a, const Tap& b) { return a.index < b.index; }
};

struct Cell {
  int from0, from1, to0, to1;
};

// Target coordinate `t` of `cell`, source pixels clamped into [0, size).
void AddTaps(AxisTaps& out, const Cell& cell, int t, int size, ResampleFilter filter) {
  const long long n = cell.from1 - cell.from0;
  const long long big = cell.to1 - cell.to0;
  const long long j = t - cell.to0;
  const auto add = [&](long long k, long long weight) {
    out.taps.push_back(
        {static_cast<int>(std::clamp<long long>(cell.from0 + k, 0, size - 1)), static_cast<int>(weight)});
  };
  if (filter == ResampleFilter::kNearest) {
    add((2 * j + 1) * n / (2 * big), kOne);
    return;
  }
  // In units of 1/big source pixel: the target pixel covers [start, end).
  const long long start = j * n;
  const long long end = start + n;
  for (long long k = start / big; k * big < end; ++k) {
    const long long from = std::max(start, k * big) - start;
    const long long to = std::min(end, (k + 1) * big) - start;
    add(k, to * kOne / n - from * kOne / n);
  }
}

AxisTaps TapsOf(const GridAxis& axis, int sourceSize, int targetSize, ResampleFilter filter) {
  AxisTaps out;
  const std::size_t cuts = std::min(axis.from.size(), axis.to.size());
  if (cuts < 2 || sourceSize <= 0) return out;
  out.first = std::clamp(axis.to.front(), 0, targetSize);
  int next = out.first;
  for (std::size_t i = 0; i + 1 < cuts; ++i) {
    const Cell cell{axis.from[i], axis.from[i + 1], axis.to[i], axis.to[i + 1]};
    const bool readable = cell.from1 > cell.from0 && cell.from1 > 0 && cell.from0 < sourceSize;
    for (int t = std::max(next, cell.to0); t < std::min(cell.to1, targetSize); ++t) {
      if (readable) AddTaps(out, cell, t, sourceSize, filter);
      out.begin.push_back(static_cast<int>(out.taps.size()));
      next = t + 1;
    }
  }
  return out;
}

struct Sum {
  int b = 0, g = 0, r = 0, a = 0;
  void Add(const Pixel& p, int w) {
    b += p.b * w;
    g += p.g * w;
    r += p.r * w;
    a += p.a * w;
  }
  static std::uint8_t Channel(int v) { return static_cast<std::uint8_t>(std::min(255, (v + kOne / 2) >> kShift)); }
  Pixel Result() const { return {Channel(b), Channel(g), Channel(r), Channel(a)}; }
};

// The pixel target coordinate `i` of one axis reads; `at` gives a source pixel by index.
template <typename At>
Pixel Sample(const AxisTaps& taps, int i, At at) {
  const int b = taps.begin[static_cast<std::size_t>(i)];
  const int e = taps.begin[static_cast<std::size_t>(i) + 1];
  if (e - b == 1) return at(taps.taps[static_cast<std::size_t>(b)].index);
  Sum sum;
  for (int k = b; k < e; ++k) {
    const Tap& tap = taps.taps[static_cast<std::size_t>(k)];
    sum.Add(at(tap.index), tap.weight);
  }
  return sum.Result();
}

bool HasTaps(const AxisTaps& taps, int i) {
  return taps.begin[static_cast<std::size_t>(i)] != taps.begin[static_cast<std::size_t>(i) + 1];
}

}  // namespace

void ResampleGrid(const BitmapView& source, const GridAxis& x, const GridAxis& y, const BitmapView& target,
                  ResampleFilter filter) {
  const AxisTaps xs = TapsOf(x, source.width(), target.width(), filter);
  const AxisTaps ys = TapsOf(y, source.height(), target.height(), filter);
  if (xs.Count() <= 0 || ys.Count() <= 0) return;
  // Across first: every source row the rows below read, at the target's width.
  const int rowMin = ys.MinIndex();
  const int rows = ys.MaxIndex() - rowMin + 1;
  const int width = xs.Count();
  std::vector<Pixel> across(static_cast<std::size_t>(width) * static_cast<std::size_t>(std::max(rows, 0)));
  for (int r = 0; r < rows; ++r) {
    const Pixel* in = source.Row(rowMin + r);
    Pixel* out = across.data() + static_cast<std::size_t>(r) * width;
    for (int i = 0; i < width; ++i) {
      if (HasTaps(xs, i)) out[i] = Sample(xs, i, [&](int k) { return in[k]; });
    }
  }
  // Then down, into the target.
  for (int j = 0; j < ys.Count(); ++j) {
    if (!HasTaps(ys, j)) continue;
    Pixel* out = target.Row(ys.first + j) + xs.first;
    for (int i = 0; i < width; ++i) {
      if (!HasTaps(xs, i)) continue;
      out[i] = Sample(ys, j, [&](int k) { return across[static_cast<std::size_t>(k - rowMin) * width + i]; });
    }
  }
}

}  // namespace zv
