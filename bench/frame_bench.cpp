// The skinned frame of a 1920 x 1080 window with the embedded skin: the
// whole frame picture (bands, five buttons, caption text) and one resize
// step (geometry, region, picture), against copying as many pixels. Each at
// 96 DPI and at 144 DPI, where the window is 2880 x 1620 and the skin the
// scaled one.
#include <benchmark/benchmark.h>

#include <cstring>

#include "cli/cell_text_renderer.h"
#include "core/base/byte_stream.h"
#include "core/base/display_scale.h"
#include "core/frame/skin_frame.h"
#include "core/skin/skin_data.h"
#include "embedded/default_skin.h"

namespace {

constexpr int kW = 1920;
constexpr int kH = 1080;

struct NoForms : zv::FormRegistry {
  std::vector<zv::SkinMessageTarget*> Forms() override { return {}; }
};

// The window at a benchmark's DPI (its argument).
zv::Size WindowAt(const benchmark::State& state) { return zv::ScaleSize({kW, kH}, static_cast<int>(state.range(0))); }

// The embedded skin in force, and a frame at full size.
struct EmbeddedFrame {
  NoForms forms;
  zv::TzsCompressedSkinList list;
  zv::TzsSkinData data{nullptr, forms};
  zv::SkinFrame frame;
  zv::CellTextRenderer text{{7, 13}};
  zv::Size size;
  explicit EmbeddedFrame(const benchmark::State& state) : size(WindowAt(state)) {
    zv::ByteReader stream(zv::DefaultSkinStream());
    list.Skins().Add().ReadSkin(stream);
    data.SetSkinList(&list);
    frame.SetSkin(zv::FrameSkinOf(data, static_cast<int>(state.range(0))));
    frame.SetOptions({zv::BorderIcons::All()});
    frame.Resize(size);
  }
};

void BM_CopyWindowPixels(benchmark::State& state) {
  const zv::Size size = WindowAt(state);
  zv::Bitmap from(size.width, size.height), to(size.width, size.height);
  for (auto _ : state) {
    std::memcpy(to.view().Row(0), from.view().Row(0), sizeof(zv::Pixel) * size.width * size.height);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopyWindowPixels)->Arg(96)->Arg(144);

void BM_FramePicture(benchmark::State& state) {
  EmbeddedFrame f(state);
  zv::Bitmap out(f.size.width, f.size.height);
  for (auto _ : state) {
    f.frame.Paint(out.view(), f.text, "Zorvane", true);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FramePicture)->Arg(96)->Arg(144);

// Alternates between two sizes so that every step recomputes.
void BM_ResizeStep(benchmark::State& state) {
  EmbeddedFrame f(state);
  zv::Bitmap out(f.size.width, f.size.height);
  int step = 0;
  for (auto _ : state) {
    f.frame.Resize({f.size.width - (step++ & 1), f.size.height});
    const std::vector<zv::Rect> region = f.frame.Region();
    f.frame.Paint(out.view(), f.text, "Zorvane", true);
    benchmark::DoNotOptimize(region.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ResizeStep)->Arg(96)->Arg(144);

}  // namespace

BENCHMARK_MAIN();
