#pragma once
// A form designed in 96-DPI units, laid out at its window's DPI: bounds
// scale edge by edge, so touching controls keep touching and the margins
// anchors keep scale with them; alignments and anchors stay as designed.
#include <span>
#include <vector>

#include "core/ui/align.h"

namespace zv {

// The design's items at `dpi` (96 gives them unchanged).
std::vector<LayoutItem> LayoutAtDpi(std::span<const LayoutItem> design, int dpi);

// A platform font height at `dpi`. Its size scales, whatever its sign
// (negative: character height, positive: cell height), so -11 and 11 grow
// alike; a height of 0 (the platform's default) stays 0.
int FontHeightAtDpi(int height, int dpi);

}  // namespace zv
