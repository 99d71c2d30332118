// Scaling the embedded skin for 144 DPI (every record and picture, as a
// window on a 150% monitor first asks for it) against putting the skin in
// force at 96 DPI (unpack, decode, parse, records).
#include <benchmark/benchmark.h>

#include "core/skin/scaling/scaled_skin.h"
#include "core/skin/skin_data.h"
#include "default_skin_fixture.h"

namespace {

using zv::bench::DefaultSkin;
using zv::bench::NoForms;

void BM_LoadDefaultSkinBaseline(benchmark::State& state) { zv::bench::LoadDefaultSkinEachRound(state); }
BENCHMARK(BM_LoadDefaultSkinBaseline)->Unit(benchmark::kMillisecond);

void BM_ScaleDefaultSkin(benchmark::State& state) {
  const zv::TzsCompressedStoredSkin skin = DefaultSkin();
  NoForms forms;
  zv::TzsSkinData data(nullptr, forms);
  data.LoadCompressedSkin(skin);
  const zv::SkinContents contents = data.Contents();
  for (auto _ : state) {
    const zv::ScaledSkin scaled(contents, static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(scaled.MainPicture().Row(0));
  }
}
BENCHMARK(BM_ScaleDefaultSkin)->Arg(144)->Arg(120)->Arg(192)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
