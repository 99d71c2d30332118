#pragma once
// Decisions behind layered windows and monitor areas; the shell asks the
// platform for the facts and carries out the answers.
#include <cstdint>
#include <optional>

#include "core/base/geometry.h"

namespace zv {

// Layered windows with per-pixel alpha: NT 5.0 to 5.2 and every later major version.
constexpr bool SupportsLayering(int major, int minor) {
  return major > 5 || (major == 5 && minor >= 0 && minor <= 2);
}
// Drop shadows: version 5.1, or any later major version.
constexpr bool SupportsShadow(int major, int minor) { return (major == 5 && minor == 1) || major > 5; }

// The fade-in of a layer window, one step per 25 ms timer tick.
class LayerFade {
 public:
  static constexpr int kTickMs = 25;

  // Starts from alpha 0 towards `target`; returns the alpha to show first.
  std::uint8_t Start(std::uint8_t target);
  // One tick: the alpha to show now. Stops once the target is reached.
  std::uint8_t Tick();
  void Stop() { running_ = false; }
  bool running() const { return running_; }
  std::uint8_t current() const { return current_; }
  std::uint8_t target() const { return target_; }

 private:
  std::uint8_t current_ = 0;
  std::uint8_t target_ = 0;
  std::uint8_t step_ = 0;
  bool running_ = false;
};

// What the platform tells about the monitors.
struct MonitorFacts {
  int monitorCount = 1;
  bool hasMonitorApi = false;  // both monitor entry points were found
  struct Monitor {
    Rect monitor;
    Rect work;
  };
  std::optional<Monitor> nearest;  // the monitor nearest the window; absent when the query failed
  Rect systemWorkArea;
  Size screen;
};

// The work area (`workArea` set) or whole area of the window's monitor.
Rect ChooseWorkArea(const MonitorFacts& facts, bool workArea);

}  // namespace zv
