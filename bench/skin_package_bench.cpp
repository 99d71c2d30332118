// Loading a skin package (unpack, split, decode every picture, split the
// definition into lines) against inflating the same bytes alone. The figure
// is the ratio of the two times. The package has the embedded skin's shape:
// a 285 x 210 24-bit frame, its 8-bit mask, eight active pictures of 24, 4
// and 1 bits and about 45 KB of definition text.
#include <benchmark/benchmark.h>

#include "core/base/string_list.h"
#include "core/skin/compression.h"
#include "core/skin/package.h"
#include "core/skin/stored_skin.h"

namespace {

using zv::BmpPicture;

// Smooth gradients with some edges, as skin artwork tends to be.
BmpPicture Artwork(int bits, int width, int height) {
  BmpPicture p;
  p.bitCount = bits;
  p.bitmap = zv::Bitmap(width, height);
  const int colours = bits <= 8 ? 1 << bits : 0;
  for (int i = 0; i < colours; ++i) {
    const auto v = static_cast<std::uint8_t>(i * 255 / (colours - 1));
    p.palette.push_back({v, static_cast<std::uint8_t>(v / 2 + 100), static_cast<std::uint8_t>(255 - v), 0});
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int shade = (y * 2 + (x / 32) * 8) & 0xFF;
      if (bits <= 8) {
        const auto index = static_cast<std::uint8_t>(shade * colours / 256);
        p.indices.push_back(index);
        p.bitmap.At(x, y) = p.palette[index];
      } else {
        p.bitmap.At(x, y) = {220, static_cast<std::uint8_t>(shade), static_cast<std::uint8_t>(180 - shade / 4), 0};
      }
    }
  }
  return p;
}

std::string DefinitionText() {
  std::string text;
  for (int section = 0; text.size() < 45000; ++section) {
    text += "[SECTION" + std::to_string(section) + "]\r\n";
    for (int key = 0; key < 20; ++key) {
      text += "key" + std::to_string(key) + "=" + std::to_string(section * 7 + key) + ",12,40,60\r\n";
    }
  }
  return text;
}

const zv::TzsCompressedStoredSkin& EmbeddedShapedSkin() {
  static const zv::TzsCompressedStoredSkin skin = [] {
    zv::SkinPackage package;
    package.picture = Artwork(24, 285, 210);
    package.mask = Artwork(8, 285, 210);
    package.activePictures = {Artwork(24, 500, 100), Artwork(24, 300, 200), Artwork(24, 300, 200),
                              Artwork(24, 300, 120), Artwork(4, 600, 400), Artwork(24, 200, 200),
                              Artwork(1, 300, 200),  Artwork(1, 300, 200)};
    package.definitionText = DefinitionText();
    zv::TzsCompressedStoredSkin stored;
    stored.Pack(package);
    return stored;
  }();
  return skin;
}

void BM_InflateOnly(benchmark::State& state) {
  const auto& skin = EmbeddedShapedSkin();
  std::size_t bytes = 0;
  // One buffer for every round in both benchmarks: a fresh megabyte each
  // round would measure the allocator's page faults instead of the work.
  std::vector<std::uint8_t> unpacked;
  for (auto _ : state) {
    unpacked.clear();
    zv::DecompressPackage(unpacked, skin.CompressedData());
    bytes = unpacked.size();
    benchmark::DoNotOptimize(unpacked.data());
  }
  state.counters["unpacked_bytes"] = static_cast<double>(bytes);
  state.counters["compressed_bytes"] = static_cast<double>(skin.CompressedData().size());
}
BENCHMARK(BM_InflateOnly)->Unit(benchmark::kMicrosecond);

void BM_LoadPackage(benchmark::State& state) {
  const auto& skin = EmbeddedShapedSkin();
  std::vector<std::uint8_t> unpacked;
  for (auto _ : state) {
    unpacked.clear();
    skin.Unpack(unpacked);
    zv::SkinPackage package = zv::ReadPackage(unpacked);
    const auto lines = zv::SplitLines(package.definitionText);
    benchmark::DoNotOptimize(lines.data());
    benchmark::DoNotOptimize(package.activePictures.data());
  }
}
BENCHMARK(BM_LoadPackage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
