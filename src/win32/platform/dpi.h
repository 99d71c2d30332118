#pragma once
// Display scale from the platform. Windows 10 (1607) and later answer per
// window and monitor; older Windows answer the system's DPI, and system
// metrics at another DPI are scaled from the system's.
#include <windows.h>

namespace zv::win {

// The DPI the window is drawn at.
int WindowDpi(HWND window);
// The DPI of the monitor nearest the point (screen coordinates).
int MonitorDpiAt(POINT point);
// GetSystemMetrics at a DPI.
int SystemMetricAt(int index, int dpi);

}  // namespace zv::win
