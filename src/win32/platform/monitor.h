#pragma once
// The area of the monitor holding a window.
#include <windows.h>

#include <vector>

#include "core/base/geometry.h"
#include "core/frame/window_state_machine.h"

namespace zv::win {

// The work area (`workArea` set) or the whole area of the monitor nearest the
// window; the system work area or the screen where monitors cannot be asked.
Rect WorkAreaOf(HWND window, bool workArea);
// The work area of the monitor nearest the screen point.
Rect WorkAreaAt(Point screen);

// The nearest monitor's areas and the edges where an auto-hiding taskbar waits.
MonitorAreas MonitorAreasOf(HWND window);

// The work area of every monitor.
std::vector<Rect> AllWorkAreas();

}  // namespace zv::win
