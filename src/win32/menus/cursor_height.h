#pragma once
// Where a hint goes below the cursor: how far under its hot spot the current
// cursor's shape really ends, not the size of its picture.

namespace zv::win {

// The last row of the cursor's mask that is not wholly transparent, counted
// from the hot spot; the system's cursor height when the shape cannot be read.
int VisibleCursorHeight();

}  // namespace zv::win
