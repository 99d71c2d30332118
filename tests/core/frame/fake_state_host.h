#pragma once
// A window for the state operations, with the platform's own part modelled:
// its restore rectangle follows moves in its normal state and is kept while
// it is maximised, and it maximises and restores by itself as Windows does
// (Aero Snap, Win+Arrow, a shortcut set to run maximised).
#include <vector>

#include "core/frame/window_state_machine.h"

namespace zv {

class FakeStateHost : public WindowStateHost {
 public:
  Rect bounds{100, 100, 900, 700};
  Rect placement = bounds;  // the platform's restore rectangle
  bool platformMaximized = false;
  bool mainForm = false;
  bool gripVisible = true;
  int appMinimized = 0;
  std::vector<Point> strips;
  Rect firstShow{10, 10, 810, 610};
  int clientHeight = 0;  // the form's ClientHeight; 0 keeps none

  Rect Bounds() const override { return bounds; }
  void SetBounds(const Rect& r) override {
    bounds = r;
    if (!platformMaximized) placement = r;
  }
  Rect NormalPlacement() const override { return placement; }
  void ShowMaximized(const Rect& target, const Rect& normal) override {
    bounds = target;
    placement = normal;
    platformMaximized = true;
  }
  void ShowRestored(const Rect& r) override {
    bounds = placement = r;
    platformMaximized = false;
  }
  void MinimizeApplication() override { ++appMinimized; }
  bool IsMainForm() const override { return mainForm; }
  MonitorAreas Areas() const override { return {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 0}; }
  std::vector<Rect> WorkAreas() const override { return {{0, 0, 1920, 1040}}; }
  std::vector<Point> OtherMinimizedStrips() const override { return strips; }
  Size MinSize() const override { return {200, 31}; }
  bool RestoreClientHeight() override {
    if (clientHeight > 0) SetBounds({bounds.left, bounds.top, bounds.right, bounds.top + 31 + clientHeight});
    return clientHeight > 0;
  }
  void SetSizeGripVisible(bool visible) override { gripVisible = visible; }
  Rect FirstShowBounds(const Rect&) const override { return firstShow; }

  // The platform acting on its own, then telling the window (WM_SIZE).
  void PlatformMaximize(WindowStateMachine& states) {
    if (!platformMaximized) placement = bounds;
    platformMaximized = true;
    bounds = Areas().work;
    states.PlatformStateChanged(WindowState::wsMaximized);
  }
  void PlatformRestore(WindowStateMachine& states) {
    platformMaximized = false;
    bounds = placement;
    states.PlatformStateChanged(WindowState::wsNormal);
  }
};

}  // namespace zv
