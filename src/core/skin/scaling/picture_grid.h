#pragma once
// Where the cuts the records make in a skin picture land at a DPI. Each cut
// lands at its scaled coordinate; a look (a rectangle that is drawn) may
// then move one of its edges by a pixel so that it keeps the scaled size of
// its width and height, as long as no cell turns over. So every look of one
// size has one size at every DPI (a caption button's states line up), and
// records and pictures scale through the same map.
#include <vector>

#include "core/base/geometry.h"
#include "core/gfx/resample.h"

namespace zv {

class AxisMap {
 public:
  // No cuts: every coordinate at its scaled place.
  explicit AxisMap(int dpi) : dpi_(dpi) {}
  // `cuts` in any order, duplicates allowed; the first and last cut never move.
  AxisMap(std::vector<int> cuts, int dpi);

  int operator()(int coordinate) const;
  // Asks that cuts `a` and `b` (a < b) lie ScaleLength(b - a) apart.
  void KeepLength(int a, int b);
  // The cuts and their places, for ResampleGrid.
  GridAxis Grid() const { return {cuts_, to_}; }

 private:
  bool TryMove(std::size_t moved, int want);
  std::ptrdiff_t IndexOf(int coordinate) const;

  int dpi_;
  std::vector<int> cuts_;
  std::vector<int> to_;
  std::vector<bool> fixed_;
};

// The cuts and looks one picture collects from the records that use it.
struct PictureCuts {
  std::vector<int> xs;
  std::vector<int> ys;
  std::vector<Rect> looks;
  void AddCut(Point p);
  void AddCuts(const Rect& r);
};

struct PictureGrid {
  AxisMap x;
  AxisMap y;
  // The map of a `size` picture: its edges and every cut inside it, with
  // each look kept at its scaled size where it can be.
  PictureGrid(const PictureCuts& cuts, Size size, int dpi);
  explicit PictureGrid(int dpi) : x(dpi), y(dpi) {}
  Point operator()(Point p) const { return {x(p.x), y(p.y)}; }
  Rect operator()(const Rect& r) const { return {x(r.left), y(r.top), x(r.right), y(r.bottom)}; }
};

}  // namespace zv
