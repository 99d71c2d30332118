// libFuzzer harness for the window's face under a hostile skin. The input's
// first bytes choose the window's state, options, size and the points to test;
// the rest is a skin package, loaded as the program loads it. The frame is
// laid out, hit-tested, shaped and painted, then one of a menu of fixed items
// with a submenu, the system menu and a hint is laid out and painted with the skin.
// A skin that does not load leaves the plain face, which is driven the same
// way. Crashes, undefined behaviour and huge allocations are findings.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/frame/skin_frame.h"
#include "core/frame/system_menu.h"
#include "core/menus/skin_hint.h"
#include "core/menus/skin_menu.h"
#include "core/skin/skin_data.h"
#include "fuzz_budget.h"

namespace {

// The harness's own limits: sides of at most 1024, a frame picture of at
// most 4 K pixels and popups painted up to 16 K pixels (a hostile skin's
// margins make huge ones, which only take longer to fill).
constexpr int kMaxSide = 1024;
constexpr int kMaxFramePixels = 1 << 12;
constexpr long long kMaxPopupPixels = 1 << 14;
constexpr zv::Rect kWorkArea{0, 0, 1024, 768};

// Reads the parameters from the front of the input; past its end every
// value is 0.
class ParamReader {
 public:
  explicit ParamReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  unsigned Byte() { return next_ < bytes_.size() ? bytes_[next_++] : 0; }
  unsigned Word() {
    const unsigned low = Byte();
    return low | Byte() << 8;
  }
  bool Bit(unsigned bits, int index) const { return (bits >> index) & 1; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t next_ = 0;
};

constexpr std::size_t kParamBytes = 24;

struct FaceParams {
  zv::FrameState state;
  bool active = false;
  bool resizable = false;
  bool inSizeMove = false;
  zv::CaptionOptions options;
  zv::Size size;
  unsigned hot = 0;   // the caption object under the mouse
  unsigned down = 0;  // the one pressed
  zv::Point points[3];
  zv::Point at;        // where the menu or the hint opens
  unsigned popup = 0;  // which: the fixed menu, the system menu or the hint
};

int SideOf(unsigned word) { return 1 + static_cast<int>(word % kMaxSide); }

// A coordinate from a little before the window to a little past it.
int Around(unsigned word, int side) { return static_cast<int>(word % static_cast<unsigned>(side + 32)) - 16; }

FaceParams ReadParams(std::span<const std::uint8_t> bytes) {
  ParamReader in(bytes);
  FaceParams p;
  const unsigned flags = in.Byte();
  p.state = {in.Bit(flags, 0), in.Bit(flags, 1), in.Bit(flags, 2)};
  p.active = in.Bit(flags, 3);
  p.resizable = in.Bit(flags, 4);
  p.inSizeMove = in.Bit(flags, 5);
  p.options.showIcon = in.Bit(flags, 6);
  p.options.defaultHints = in.Bit(flags, 7);
  const unsigned icons = in.Byte();
  p.options.icons = {in.Bit(icons, 0), in.Bit(icons, 1), in.Bit(icons, 2), in.Bit(icons, 3), in.Bit(icons, 4)};
  p.options.hideCaptionButtons = in.Bit(icons, 5);
  p.options.disableSystemMenu = in.Bit(icons, 6);
  p.size = {SideOf(in.Word()), SideOf(in.Word())};
  p.hot = in.Byte();
  p.down = in.Byte();
  for (zv::Point& point : p.points) point = {Around(in.Word(), p.size.width), Around(in.Word(), p.size.height)};
  const unsigned atX = in.Word();
  p.at = {static_cast<int>(atX % kMaxSide), static_cast<int>(in.Word() % kMaxSide)};
  p.popup = (atX / kMaxSide) % 3;
  return p;
}

class NoForms : public zv::FormRegistry {
 public:
  std::vector<zv::SkinMessageTarget*> Forms() override { return {}; }
};

// Small fixed metrics, and no ink: what is laid out and drawn around the
// text is under test, and small windows paint fast.
class CellText : public zv::TextRenderer {
 public:
  zv::Size Measure(const zv::FontSpec&, std::string_view text) override {
    return {static_cast<int>(text.size()) * 2, 8};
  }
  void Draw(const zv::BitmapView&, const zv::FontSpec&, std::string_view, zv::Point, const zv::Rect&) override {}
};

class NoTimers : public zv::TimerHost {
 public:
  void Start(int, unsigned) override {}
  void Stop(int) override {}
};

class NoWindow : public zv::PopupHost {
 public:
  void Show(const zv::Rect&, const std::vector<zv::Rect>&, const std::vector<int>&) override {}
  void Hide() override {}
  void Invalidate() override {}
  bool IsUnderCursor(zv::Point) const override { return false; }
};

class FacePlatform : public zv::MenuPlatform {
 public:
  zv::TextRenderer& Text() override { return text_; }
  zv::TimerHost& Timers() override { return timers_; }
  zv::ColorRef SystemColor(int index) const override { return static_cast<zv::ColorRef>(index * 0x010101); }
  zv::Point CursorPos() const override { return {}; }
  std::unique_ptr<zv::PopupHost> CreatePopupHost(zv::TzsSkinPopupWindow&) override {
    return std::make_unique<NoWindow>();
  }
  std::unique_ptr<zv::PopupHost> CreateHintHost(zv::TzsSkinHintWindow&) override {
    return std::make_unique<NoWindow>();
  }
  zv::Rect WorkArea() const override { return kWorkArea; }
  zv::Rect WorkAreaAt(zv::Point) const override { return kWorkArea; }
  void Execute(zv::MenuNode&) override {}

 private:
  CellText text_;
  NoTimers timers_;
};

zv::MenuNode Item(std::string caption, bool enabled = true) {
  zv::MenuNode node;
  node.caption = std::move(caption);
  node.enabled = enabled;
  return node;
}

void DriveFrame(const zv::TzsSkinData& skin, const FaceParams& p, zv::TextRenderer& text) {
  zv::SkinFrame frame;
  frame.SetSkin(zv::FrameSkinOf(skin));
  frame.SetOptions(p.options);
  frame.SetState(p.state);
  frame.Resize(p.size);
  frame.ClientRect();
  frame.MinSize({});
  for (const zv::Point& point : p.points) {
    frame.HitTest(point, p.resizable, p.inSizeMove);
    frame.PointInShape(point);
  }
  frame.Region();
  auto& objects = frame.objects();
  if (!objects.empty()) {
    objects[p.hot % objects.size()].active = objects[p.hot % objects.size()].mouseIn = true;
    objects[p.down % objects.size()].down = true;
  }
  frame.RefreshActiveLook(p.active, false);
  zv::Bitmap picture(p.size.width, p.size.height);
  frame.Paint(picture.view(), text, "Zorvane", p.active);
}

template <typename Window>
void PaintWindow(const Window& window) {
  const zv::Size size = window.WindowSize();
  if (static_cast<long long>(size.width) * size.height > kMaxPopupPixels) return;
  zv::Bitmap canvas(size.width, size.height);
  window.Paint(canvas.view());
}

zv::MenuNode FixedMenu() {
  zv::MenuNode root;
  root.children = {Item("&Open"), Item("-"), Item("More"), Item("Disabled", false)};
  root.children[0].shortcut = "Ctrl+O";
  root.children[2].children = {Item("&Inner"), Item("Checked")};
  root.children[2].children[1].checked = true;
  return root;
}

zv::MenuNode SystemMenuOf(const FaceParams& p) {
  zv::SystemMenuWindow window;
  window.state = p.state.maximized   ? zv::WindowState::wsMaximized
                 : p.state.minimized ? zv::WindowState::wsMinimized
                                     : zv::WindowState::wsNormal;
  window.rolledUp = p.state.rolledUp;
  zv::MenuNode root;
  for (const zv::SystemMenuItem& item : zv::DefaultSystemMenu(window, nullptr)) {
    zv::MenuNode node = Item(item.caption);
    node.shortcut = item.shortcut;
    node.name = item.name;
    root.children.push_back(std::move(node));
  }
  return root;
}

// Opens the menu at the point, walks into the submenu from the keyboard and
// paints every level.
void DriveMenu(zv::MenuPlatform& platform, const zv::MenuSkin& skin, zv::MenuNode root, zv::Point at) {
  zv::TzsSkinMenu menu(platform, nullptr);
  menu.Open(nullptr, skin, root, {at.x, at.y, at.x, at.y}, {.fromKeyboard = true});
  for (const int key : {zv::kKeyDown, zv::kKeyDown, zv::kKeyRight}) menu.KeyDown(key);
  for (int level = 0; level < menu.LevelCount(); ++level) PaintWindow(menu.LevelAt(level));
}

void DriveHint(zv::MenuPlatform& platform, const zv::MenuSkin& skin, zv::Point at) {
  zv::TzsSkinHint hint(platform, skin);
  hint.ShowAt(at, {"Close the window@and end the program", "Close", nullptr, 0});
  PaintWindow(hint.Window());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  const FaceParams params = ReadParams(input);
  if (params.size.width * params.size.height > kMaxFramePixels) return -1;
  const auto package = input.subspan(std::min(size, kParamBytes));
  if (!zv::fuzz::PackageWithinBudget(package)) return -1;

  zv::TzsCompressedStoredSkin stored;
  stored.SetCompressedData(zv::fuzz::StoredZlib(package));
  NoForms forms;
  zv::TzsSkinData skin(nullptr, forms);
  try {
    skin.LoadCompressedSkin(stored);
  } catch (const zv::Error&) {
  }

  FacePlatform platform;
  DriveFrame(skin, params, platform.Text());
  const zv::MenuSkin menuSkin = zv::MenuSkinOf(skin);
  // One popup an input: painting all three made every input three times slower.
  switch (params.popup) {
    case 0:
      DriveMenu(platform, menuSkin, FixedMenu(), params.at);
      break;
    case 1:
      DriveMenu(platform, menuSkin, SystemMenuOf(params), params.at);
      break;
    default:
      DriveHint(platform, menuSkin, params.at);
  }
  return 0;
}
