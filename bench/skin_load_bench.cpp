// Putting the default skin in force (unpack, decode every picture, parse the
// definition, build the records) against inflating the same bytes alone.
// The figure is the ratio of the two.
#include <benchmark/benchmark.h>

#include "core/skin/compression.h"
#include "core/skin/skin_data.h"
#include "default_skin_fixture.h"

namespace {

using zv::bench::DefaultSkin;

void BM_LoadDefaultSkin(benchmark::State& state) { zv::bench::LoadDefaultSkinEachRound(state); }
BENCHMARK(BM_LoadDefaultSkin)->Unit(benchmark::kMillisecond);

void BM_InflateDefaultSkin(benchmark::State& state) {
  const zv::TzsCompressedStoredSkin skin = DefaultSkin();
  // One buffer for every round: a fresh one each round would measure the
  // allocator's page faults instead of the inflating.
  std::vector<std::uint8_t> bytes;
  for (auto _ : state) {
    bytes.clear();
    skin.Unpack(bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_InflateDefaultSkin)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
