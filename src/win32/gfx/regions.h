#pragma once
// Window regions from the core's rectangle lists.
#include <windows.h>

#include <vector>

#include "core/base/geometry.h"

namespace zv::win {

// One region from the whole list at once; nullptr for an empty list (no
// region). After a successful SetWindowRgn the system owns it.
HRGN RegionFromRects(const std::vector<Rect>& rects);

}  // namespace zv::win
