#pragma once
// Window shapes cut from mask pictures, as rectangle lists the platform
// turns into regions. Pure black pixels (blue, green and red all 0) are
// inside the window; any other colour is outside.
#include <vector>

#include "core/base/bitmap.h"
#include "core/gfx/compose.h"

namespace zv {

// One rectangle per run of black pixels in each row, offset by (x0, y0);
// runs are never merged across rows. Linear in the number of pixels; the
// list grows as needed. An empty list means no region.
std::vector<Rect> RegionFromMask(const BitmapView& mask, int x0 = 0, int y0 = 0);

// The shape of a width by height window from a mask of the skin
// rectangle's size: the mask's border bands with their middle pieces
// repeated (never stretched) to the fitted points, plus the fitted client
// rectangle. The rectangles do not overlap; rows of a side band with the
// same runs share one taller rectangle. Empty (no region) when the fitted
// points cross.
std::vector<Rect> RegionFromFrameMask(const SkinPoints& record, const SkinPoints& fitted, int width, int height,
                                      const BitmapView& mask);

}  // namespace zv
