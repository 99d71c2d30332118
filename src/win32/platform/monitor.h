#pragma once
// The area of the monitor holding a window.
#include <windows.h>

#include "core/base/geometry.h"

namespace zv::win {

// The work area (`workArea` set) or the whole area of the monitor nearest the
// window; the system work area or the screen where monitors cannot be asked.
Rect WorkAreaOf(HWND window, bool workArea);

}  // namespace zv::win
