// Building, laying out and composing a 40-item skinned menu with the
// embedded skin, against copying the menu window's pixels once. Text is
// measured in cells and not drawn: drawing glyphs is the platform's work
// (GDI on Windows), not the menu's.
#include <benchmark/benchmark.h>

#include <cstring>

#include "cli/skin_command.h"
#include "core/menus/skin_menu.h"
#include "core/skin/package.h"
#include "core/skin/package_skin.h"
#include "embedded/default_skin.h"

namespace {

class NoTimers : public zv::TimerHost {
 public:
  void Start(int, unsigned) override {}
  void Stop(int) override {}
};

class CellsOnly : public zv::TextRenderer {
 public:
  zv::Size Measure(const zv::FontSpec&, std::string_view text) override {
    return {7 * static_cast<int>(text.size()), 13};
  }
  void Draw(const zv::BitmapView&, const zv::FontSpec&, std::string_view, zv::Point, const zv::Rect&) override {}
};

class NoWindow : public zv::PopupHost {
 public:
  void Show(const zv::Rect&, const std::vector<zv::Rect>&, const std::vector<int>&) override {}
  void Hide() override {}
  void Invalidate() override {}
  bool IsUnderCursor(zv::Point) const override { return false; }
};

class BenchPlatform : public zv::MenuPlatform {
 public:
  zv::TextRenderer& Text() override { return text_; }
  zv::TimerHost& Timers() override { return timers_; }
  zv::ColorRef SystemColor(int) const override { return 0; }
  zv::Point CursorPos() const override { return {}; }
  std::unique_ptr<zv::PopupHost> CreatePopupHost(zv::TzsSkinPopupWindow&) override {
    return std::make_unique<NoWindow>();
  }
  std::unique_ptr<zv::PopupHost> CreateHintHost(zv::TzsSkinHintWindow&) override {
    return std::make_unique<NoWindow>();
  }
  zv::Rect WorkArea() const override { return {0, 0, 1920, 1040}; }
  zv::Rect WorkAreaAt(zv::Point) const override { return WorkArea(); }
  void Execute(zv::MenuNode&) override {}

 private:
  CellsOnly text_;
  NoTimers timers_;
};

const zv::PackageSkin& Skin() {
  static const zv::PackageSkin skin = [] {
    const auto stream = zv::DefaultSkinStream();
    return zv::PackageSkin(zv::ReadPackage(zv::UnpackSkinFile(std::string(stream.begin(), stream.end()))));
  }();
  return skin;
}

zv::MenuNode FortyItems() {
  zv::MenuNode root;
  for (int i = 0; i < 40; ++i) {
    zv::MenuNode item;
    item.caption = i % 8 == 7 ? "-" : "Menu item number " + std::to_string(i);
    if (i % 5 == 0) item.shortcut = "Ctrl+" + std::to_string(i);
    root.children.push_back(item);
  }
  return root;
}

zv::Size MenuSize() {
  BenchPlatform platform;
  zv::TzsSkinMenu menu(platform, nullptr);
  zv::MenuNode root = FortyItems();
  menu.Open(nullptr, zv::MenuSkinOf(Skin()), root, {100, 100, 100, 100});
  return menu.Top()->WindowSize();
}

void BM_CopyMenuPixels(benchmark::State& state) {
  const zv::Size size = MenuSize();
  zv::Bitmap from(size.width, size.height), to(size.width, size.height);
  for (auto _ : state) {
    std::memcpy(to.view().Row(0), from.view().Row(0), sizeof(zv::Pixel) * size.width * size.height);
    benchmark::ClobberMemory();
  }
  state.counters["pixels"] = size.width * size.height;
}
BENCHMARK(BM_CopyMenuPixels);

void BM_BuildLayOutComposeMenu(benchmark::State& state) {
  BenchPlatform platform;
  const zv::MenuSkin skin = zv::MenuSkinOf(Skin());
  zv::MenuNode root = FortyItems();
  // The window's surface is kept between paints, as the Windows host keeps its DIB.
  const zv::Size size = MenuSize();
  zv::Bitmap canvas(size.width, size.height);
  for (auto _ : state) {
    zv::TzsSkinMenu menu(platform, nullptr);
    menu.Open(nullptr, skin, root, {100, 100, 100, 100});
    menu.Top()->Paint(canvas.view());
    benchmark::DoNotOptimize(canvas.pixels().data());
  }
}
BENCHMARK(BM_BuildLayOutComposeMenu);

}  // namespace

BENCHMARK_MAIN();
