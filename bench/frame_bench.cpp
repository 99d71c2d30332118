// The skinned frame of a 1920 x 1080 window with the embedded skin: the
// whole frame picture (bands, five buttons, caption text) and one resize
// step (geometry, region, picture), against copying as many pixels.
#include <benchmark/benchmark.h>

#include <cstring>

#include "cli/cell_text_renderer.h"
#include "core/base/byte_stream.h"
#include "core/frame/skin_frame.h"
#include "core/skin/skin_data.h"
#include "embedded/default_skin.h"

namespace {

constexpr int kW = 1920;
constexpr int kH = 1080;

struct NoForms : zv::FormRegistry {
  std::vector<zv::SkinMessageTarget*> Forms() override { return {}; }
};

// The embedded skin in force, and a frame at full size.
struct EmbeddedFrame {
  NoForms forms;
  zv::TzsCompressedSkinList list;
  zv::TzsSkinData data{nullptr, forms};
  zv::SkinFrame frame;
  zv::CellTextRenderer text{{7, 13}};
  EmbeddedFrame() {
    zv::ByteReader stream(zv::DefaultSkinStream());
    list.Skins().Add().ReadSkin(stream);
    data.SetSkinList(&list);
    frame.SetSkin(zv::FrameSkinOf(data));
    frame.SetOptions({zv::BorderIcons::All()});
    frame.Resize({kW, kH});
  }
};

void BM_CopyWindowPixels(benchmark::State& state) {
  zv::Bitmap from(kW, kH), to(kW, kH);
  for (auto _ : state) {
    std::memcpy(to.view().Row(0), from.view().Row(0), sizeof(zv::Pixel) * kW * kH);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopyWindowPixels);

void BM_FramePicture(benchmark::State& state) {
  EmbeddedFrame f;
  zv::Bitmap out(kW, kH);
  for (auto _ : state) {
    f.frame.Paint(out.view(), f.text, "Zorvane", true);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FramePicture);

// Alternates between two sizes so that every step recomputes.
void BM_ResizeStep(benchmark::State& state) {
  EmbeddedFrame f;
  zv::Bitmap out(kW, kH);
  int step = 0;
  for (auto _ : state) {
    f.frame.Resize({kW - (step++ & 1), kH});
    const std::vector<zv::Rect> region = f.frame.Region();
    f.frame.Paint(out.view(), f.text, "Zorvane", true);
    benchmark::DoNotOptimize(region.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ResizeStep);

}  // namespace

BENCHMARK_MAIN();
