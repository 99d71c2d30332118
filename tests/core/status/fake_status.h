#pragma once
// Stand-ins for the seams of the status bar: timers, the hosting window, the
// platform theme and the local time.
#include <map>
#include <utility>
#include <vector>

#include "core/platform/local_time.h"
#include "core/platform/timer_host.h"
#include "core/status/bar_host.h"

namespace zv::test {

class FakeTimerHost : public TimerHost {
 public:
  std::map<int, unsigned> running;  // id -> period
  int starts = 0;
  int stops = 0;

  void Start(int id, unsigned milliseconds) override {
    running[id] = milliseconds;
    ++starts;
  }
  void Stop(int id) override {
    running.erase(id);
    ++stops;
  }
  bool IsRunning(int id) const { return running.count(id) != 0; }
};

class FakeBarHost : public StatusBarHost {
 public:
  bool sizeable = true;
  bool maximised = false;
  bool visualStyles = false;
  std::vector<Rect> invalidated;
  std::vector<Rect> redrawn;

  void Invalidate(const Rect& rect) override { invalidated.push_back(rect); }
  void RedrawNow(const Rect& rect) override { redrawn.push_back(rect); }
  bool WindowSizeable() override { return sizeable; }
  bool WindowMaximised() override { return maximised; }
  bool VisualStylesActive() override { return visualStyles; }
  void Forget() {
    invalidated.clear();
    redrawn.clear();
  }
};

// Paints each part in its own colour so tests can see which part went where.
class FakeTheme : public StatusTheme {
 public:
  static constexpr ColorRef kBackground = 0x00102030;
  static constexpr ColorRef kPane = 0x00405060;
  static constexpr ColorRef kGripper = 0x00708090;
  std::vector<std::pair<StatusThemePart, Rect>> parts;

  void DrawPart(const BitmapView& target, StatusThemePart part, const Rect& rect, const Rect& clip) override {
    parts.emplace_back(part, rect);
    const ColorRef colour = part == StatusThemePart::kBackground ? kBackground
                            : part == StatusThemePart::kPane     ? kPane
                                                                 : kGripper;
    target.Fill(rect.Intersect(clip), ToPixel(colour));
  }
};

class FakeLocalTime : public LocalTime {
 public:
  LocalDateTime now{2024, 5, 17, 9, 5, 3, 250};
  LocaleFormats formats;
  int reads = 0;

  LocalDateTime Now() override {
    ++reads;
    return now;
  }
  LocaleFormats Formats() override { return formats; }
};

}  // namespace zv::test
