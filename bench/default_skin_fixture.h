#pragma once
// The embedded skin as the skin benchmarks load it, with no forms to tell.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/base/byte_stream.h"
#include "core/skin/skin_data.h"
#include "embedded/default_skin.h"

namespace zv::bench {

class NoForms : public FormRegistry {
 public:
  std::vector<SkinMessageTarget*> Forms() override { return {}; }
};

inline TzsCompressedStoredSkin DefaultSkin() {
  TzsCompressedStoredSkin skin;
  ByteReader stream(DefaultSkinStream());
  skin.ReadSkinStream(stream);
  return skin;
}

// Puts the skin in force once a round: unpack, decode, parse, records.
inline void LoadDefaultSkinEachRound(benchmark::State& state) {
  const TzsCompressedStoredSkin skin = DefaultSkin();
  NoForms forms;
  TzsSkinData data(nullptr, forms);
  for (auto _ : state) {
    data.LoadCompressedSkin(skin);
    benchmark::DoNotOptimize(data.ControlList().size());
  }
}

}  // namespace zv::bench
