#pragma once
// Resampling a picture cell by cell: the picture is cut by a grid and each
// cell is scaled on its own, so no sample crosses a cut and the edges of
// pieces cut from the picture stay crisp.
#include <vector>

#include "core/base/bitmap.h"

namespace zv {

// One axis of the grid: the source cuts, ascending, and where each lands in
// the target (non-decreasing). Cell i runs from from[i] to from[i + 1].
struct GridAxis {
  std::vector<int> from;
  std::vector<int> to;
};

enum class ResampleFilter {
  kArea,     // each target pixel averages the source area it covers
  kNearest,  // each target pixel takes one source pixel: two-level masks stay two-level
};

// Scales every cell of `source` into its place in `target`. A cell that
// grows by a whole factor is replicated pixel for pixel with either filter;
// samples never leave their cell. Parts outside either picture are skipped.
void ResampleGrid(const BitmapView& source, const GridAxis& x, const GridAxis& y, const BitmapView& target,
                  ResampleFilter filter);

}  // namespace zv
