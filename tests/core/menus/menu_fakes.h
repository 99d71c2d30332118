#pragma once
// Stand-ins for the menu and hint seams, and the default skin read whole.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli/skin_command.h"
#include "core/menus/menu_platform.h"
#include "core/menus/popup_window.h"
#include "core/skin/package.h"
#include "core/skin/package_skin.h"
#include "embedded/default_skin.h"
#include "fake_text_renderer.h"

namespace zv::test {

inline const PackageSkin& DefaultPackageSkin() {
  static const PackageSkin skin = [] {
    const auto stream = DefaultSkinStream();
    return PackageSkin(ReadPackage(UnpackSkinFile(std::string(stream.begin(), stream.end()))));
  }();
  return skin;
}

class FakeTimers : public TimerHost {
 public:
  std::map<int, unsigned> running;
  void Start(int id, unsigned ms) override { running[id] = ms; }
  void Stop(int id) override { running.erase(id); }
  bool Running(int id) const { return running.count(id) != 0; }
};

struct FakeHostLog {
  int shows = 0;
  int hides = 0;
  std::vector<int> lastFade;
  std::vector<Rect> lastRegion;
};

class FakePopupHost : public PopupHost {
 public:
  explicit FakePopupHost(FakeHostLog& log) : log_(log) {}
  void Show(const Rect& b, const std::vector<Rect>& region, const std::vector<int>& fade) override {
    bounds = b;
    ++log_.shows;
    log_.lastFade = fade;
    log_.lastRegion = region;
  }
  void Hide() override { ++log_.hides; }
  void Invalidate() override {}
  bool IsUnderCursor(Point screen) const override { return bounds.Contains(screen); }
  Rect bounds;

 private:
  FakeHostLog& log_;
};

class FakeMenuPlatform : public MenuPlatform {
 public:
  FakeTextRenderer text;
  FakeTimers timers;
  FakeHostLog hosts;
  Point cursor;
  std::vector<int> executed;
  bool canLayer = false;

  TextRenderer& Text() override { return text; }
  TimerHost& Timers() override { return timers; }
  ColorRef SystemColor(int index) const override { return static_cast<ColorRef>(index * 0x010101); }
  Point CursorPos() const override { return cursor; }
  std::unique_ptr<PopupHost> CreatePopupHost(TzsSkinPopupWindow&) override {
    return std::make_unique<FakePopupHost>(hosts);
  }
  std::unique_ptr<PopupHost> CreateHintHost(TzsSkinHintWindow&) override {
    return std::make_unique<FakePopupHost>(hosts);
  }
  // The work areas of the monitors, the first the main one.
  std::vector<Rect> monitors{{0, 0, 1920, 1040}};
  bool keyboardCues = false;
  Rect WorkArea() const override { return monitors.front(); }
  // As the platform answers: the monitor holding the point, else the nearest.
  Rect WorkAreaAt(Point p) const override {
    const auto distance = [p](const Rect& r) {
      const int dx = std::max({r.left - p.x, 0, p.x - r.right + 1});
      const int dy = std::max({r.top - p.y, 0, p.y - r.bottom + 1});
      return dx * dx + dy * dy;
    };
    return *std::min_element(monitors.begin(), monitors.end(),
                             [&](const Rect& a, const Rect& b) { return distance(a) < distance(b); });
  }
  bool KeyboardCues() const override { return keyboardCues; }
  void Execute(MenuNode& item) override { executed.push_back(item.command); }
  bool CanLayer() const override { return canLayer; }
};

struct FakeClient : MenuClient {
  int closed = 0;
  int commands = 0;
  std::vector<std::string>* order = nullptr;
  void MenuClosed() override {
    ++closed;
    if (order) order->push_back("closed");
  }
  void MenuCommand() override {
    ++commands;
    if (order) order->push_back("command");
  }
};

inline MenuNode Item(std::string caption, int command = 0, bool enabled = true) {
  MenuNode n;
  n.caption = std::move(caption);
  n.command = command;
  n.enabled = enabled;
  return n;
}

}  // namespace zv::test
