#include "win32/platform/monitor.h"

#include <shellapi.h>

#include <array>

#include "core/gfx/layer.h"

#ifndef ABM_GETAUTOHIDEBAREX
#define ABM_GETAUTOHIDEBAREX 0x0000000b
#endif

namespace zv::win {

namespace {

Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info{sizeof info};
  if (GetMonitorInfoW(monitor, &info)) reinterpret_cast<std::vector<Rect>*>(areas)->push_back(FromRect(info.rcWork));
  return TRUE;
}

// The edges of `monitor` where an auto-hiding taskbar is docked.
unsigned AutoHideEdges(const RECT& monitor) {
  struct EdgeBit {
    UINT edge;
    unsigned bit;
  };
  constexpr std::array<EdgeBit, 4> kEdges{
      {{ABE_LEFT, kAutoHideLeft}, {ABE_TOP, kAutoHideTop}, {ABE_RIGHT, kAutoHideRight}, {ABE_BOTTOM, kAutoHideBottom}}};
  unsigned edges = 0;
  for (const EdgeBit& e : kEdges) {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    data.uEdge = e.edge;
    data.rc = monitor;
    if (SHAppBarMessage(ABM_GETAUTOHIDEBAREX, &data) != 0) edges |= e.bit;
  }
  return edges;
}

// The work area or the whole area of `monitor`.
Rect AreaOf(HMONITOR monitor, bool workArea) {
  MonitorFacts facts;
  facts.monitorCount = GetSystemMetrics(SM_CMONITORS);
  facts.hasMonitorApi = true;  // present on every Windows this program supports
  MONITORINFO info{sizeof info};
  if (GetMonitorInfoW(monitor, &info)) {
    facts.nearest = MonitorFacts::Monitor{FromRect(info.rcMonitor), FromRect(info.rcWork)};
  }
  RECT system{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &system, 0);
  facts.systemWorkArea = FromRect(system);
  facts.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return ChooseWorkArea(facts, workArea);
}

}  // namespace

Rect WorkAreaOf(HWND window, bool workArea) {
  return AreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), workArea);
}

Rect WorkAreaAt(Point screen) { return AreaOf(MonitorFromPoint({screen.x, screen.y}, MONITOR_DEFAULTTONEAREST), true); }

MonitorAreas MonitorAreasOf(HWND window) {
  MONITORINFO info{sizeof info};
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
    return {WorkAreaOf(window, false), WorkAreaOf(window, true), 0};
  }
  return {FromRect(info.rcMonitor), FromRect(info.rcWork), AutoHideEdges(info.rcMonitor)};
}

std::vector<Rect> AllWorkAreas() {
  std::vector<Rect> areas;
  EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

}  // namespace zv::win
