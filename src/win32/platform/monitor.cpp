#include "win32/platform/monitor.h"

#include "core/gfx/layer.h"

namespace zv::win {

namespace {

Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

Rect WorkAreaOf(HWND window, bool workArea) {
  MonitorFacts facts;
  facts.monitorCount = GetSystemMetrics(SM_CMONITORS);
  facts.hasMonitorApi = true;  // present on every Windows this program supports
  MONITORINFO info{sizeof info};
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
    facts.nearest = MonitorFacts::Monitor{FromRect(info.rcMonitor), FromRect(info.rcWork)};
  }
  RECT system{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &system, 0);
  facts.systemWorkArea = FromRect(system);
  facts.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return ChooseWorkArea(facts, workArea);
}

}  // namespace zv::win
