// Cutting a 1920 x 1080 window's region from masks, against copying the
// mask's bytes once.
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/gfx/regions.h"

namespace {

constexpr int kW = 1920;
constexpr int kH = 1080;
constexpr zv::Pixel kWhite{255, 255, 255, 0};

// Black with rounded corners of radius 8, as a window frame mask.
zv::Bitmap FrameMask(int w, int h) {
  zv::Bitmap mask(w, h);
  constexpr int r = 8;
  for (int y = 0; y < r; ++y) {
    for (int x = 0; x < r; ++x) {
      const int dx = r - x, dy = r - y;
      if (dx * dx + dy * dy <= r * r) continue;
      mask.At(x, y) = mask.At(w - 1 - x, y) = mask.At(x, h - 1 - y) = mask.At(w - 1 - x, h - 1 - y) = kWhite;
    }
  }
  return mask;
}

void BM_CopyMaskBytes(benchmark::State& state) {
  zv::Bitmap from(kW, kH), to(kW, kH);
  for (auto _ : state) {
    std::memcpy(to.view().Row(0), from.view().Row(0), sizeof(zv::Pixel) * kW * kH);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopyMaskBytes);

void BM_RegionFromMask(benchmark::State& state) {
  zv::Bitmap mask = FrameMask(kW, kH);
  std::size_t count = 0;
  for (auto _ : state) {
    const std::vector<zv::Rect> rects = zv::RegionFromMask(mask.view());
    count = rects.size();
    benchmark::DoNotOptimize(rects.data());
  }
  state.counters["rectangles"] = static_cast<double>(count);
}
BENCHMARK(BM_RegionFromMask);

void BM_RegionFromFrameMask(benchmark::State& state) {
  zv::Bitmap mask = FrameMask(120, 90);
  const zv::SkinPoints record{{40, 30}, {80, 30}, {40, 70}, {80, 70}, zv::Rect{6, 30, 114, 84}};
  const int dw = kW - 120, dh = kH - 90;
  const zv::SkinPoints fitted{{40, 30}, {80 + dw, 30}, {40, 70 + dh}, {80 + dw, 70 + dh}, zv::Rect{6, 30, 114 + dw, 84 + dh}};
  for (auto _ : state) {
    const std::vector<zv::Rect> rects = zv::RegionFromFrameMask(record, fitted, kW, kH, mask.view());
    benchmark::DoNotOptimize(rects.data());
  }
}
BENCHMARK(BM_RegionFromFrameMask);

}  // namespace

BENCHMARK_MAIN();
