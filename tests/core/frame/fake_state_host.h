#pragma once
// A window for the state operations: it keeps its bounds and counts what
// the platform was asked to do.
#include <vector>

#include "core/frame/window_state_machine.h"

namespace zv {

class FakeStateHost : public WindowStateHost {
 public:
  Rect bounds{100, 100, 900, 700};
  bool mainForm = false;
  bool platformMaximized = false;
  bool gripVisible = true;
  int appMinimized = 0;
  std::vector<Point> strips;
  Rect firstShow{10, 10, 810, 610};

  Rect Bounds() const override { return bounds; }
  void SetBounds(const Rect& r) override { bounds = r; }
  void ShowMaximized(const Rect& target) override {
    bounds = target;
    platformMaximized = true;
  }
  void ShowRestored(const Rect& normal) override {
    bounds = normal;
    platformMaximized = false;
  }
  void MinimizeApplication() override { ++appMinimized; }
  bool IsMainForm() const override { return mainForm; }
  MonitorAreas Areas() const override { return {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 0}; }
  std::vector<Rect> WorkAreas() const override { return {{0, 0, 1920, 1040}}; }
  std::vector<Point> OtherMinimizedStrips() const override { return strips; }
  Size MinSize() const override { return {200, 31}; }
  void SetClientHeight(int height) override { bounds.bottom = bounds.top + 31 + height; }
  void SetSizeGripVisible(bool visible) override { gripVisible = visible; }
  Rect FirstShowBounds(const Rect&) const override { return firstShow; }
};

}  // namespace zv
