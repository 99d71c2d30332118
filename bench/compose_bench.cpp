// Composition of a 1920 x 1080 picture against copying the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/gfx/compose.h"

namespace {

constexpr int kW = 1920;
constexpr int kH = 1080;

// A 120 x 90 window-like skin: 30-pixel caption, 6-pixel borders, a 20 x 20
// client piece, middles 40 wide or high.
struct Skin {
  zv::Bitmap picture{140, 100};
  zv::SkinPieces pieces;
  Skin() {
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        picture.At(x, y) = zv::Pixel{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7, 255};
      }
    }
    pieces.picture = picture.view();
    pieces.skinRect = zv::Rect{10, 5, 130, 95};
    pieces.points = {{40, 30}, {80, 30}, {40, 70}, {80, 70}, zv::Rect{6, 30, 114, 84}};
  }
  zv::SkinPoints Fitted() const {
    const int dw = kW - 120, dh = kH - 90;
    return {{40, 30}, {80 + dw, 30}, {40, 70 + dh}, {80 + dw, 70 + dh}, zv::Rect{6, 30, 114 + dw, 84 + dh}};
  }
};

void BM_CopySameBytes(benchmark::State& state) {
  zv::Bitmap from(kW, kH), to(kW, kH);
  for (auto _ : state) {
    std::memcpy(to.view().Row(0), from.view().Row(0), sizeof(zv::Pixel) * kW * kH);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * sizeof(zv::Pixel) * kW * kH);
}
BENCHMARK(BM_CopySameBytes);

void BM_ComposeNineSlice(benchmark::State& state) {
  Skin skin;
  skin.pieces.stretchEffect = state.range(0) != 0;
  const zv::SkinPoints fitted = skin.Fitted();
  zv::Bitmap target(kW, kH);
  for (auto _ : state) {
    zv::ComposeNineSlice(target.view(), skin.pieces, fitted, true);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * sizeof(zv::Pixel) * kW * kH);
}
BENCHMARK(BM_ComposeNineSlice)->Arg(0)->Arg(1);  // client repeated / stretched

void BM_ComposeFrameBands(benchmark::State& state) {
  Skin skin;
  const zv::SkinPoints fitted = skin.Fitted();
  for (auto _ : state) {
    zv::FrameBands bands = zv::ComposeFrameBands({kW, kH}, skin.pieces, fitted);
    benchmark::DoNotOptimize(bands.top.pixels().data());
  }
  state.SetBytesProcessed(state.iterations() * sizeof(zv::Pixel) * kW * kH);
}
BENCHMARK(BM_ComposeFrameBands);

}  // namespace

BENCHMARK_MAIN();
