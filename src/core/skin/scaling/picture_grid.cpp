#include "core/skin/scaling/picture_grid.h"

#include <algorithm>

#include "core/base/display_scale.h"

namespace zv {

AxisMap::AxisMap(std::vector<int> cuts, int dpi) : dpi_(dpi), cuts_(std::move(cuts)) {
  std::sort(cuts_.begin(), cuts_.end());
  cuts_.erase(std::unique(cuts_.begin(), cuts_.end()), cuts_.end());
  to_.reserve(cuts_.size());
  for (const int c : cuts_) to_.push_back(ScaleLength(c, dpi_));
  fixed_.assign(cuts_.size(), false);
  if (!cuts_.empty()) fixed_.front() = fixed_.back() = true;
}

std::ptrdiff_t AxisMap::IndexOf(int coordinate) const {
  const auto found = std::lower_bound(cuts_.begin(), cuts_.end(), coordinate);
  return found != cuts_.end() && *found == coordinate ? found - cuts_.begin() : -1;
}

int AxisMap::operator()(int coordinate) const {
  const std::ptrdiff_t i = IndexOf(coordinate);
  return i < 0 ? ScaleLength(coordinate, dpi_) : to_[static_cast<std::size_t>(i)];
}

// A free cut may move between its neighbours, never onto them.
bool AxisMap::TryMove(std::size_t moved, int want) {
  if (fixed_[moved] || want <= to_[moved - 1] || want >= to_[moved + 1]) return false;
  to_[moved] = want;
  return true;
}

void AxisMap::KeepLength(int a, int b) {
  const std::ptrdiff_t ia = IndexOf(a);
  const std::ptrdiff_t ib = IndexOf(b);
  if (ia < 0 || ib <= ia) return;
  const auto i = static_cast<std::size_t>(ia);
  const auto j = static_cast<std::size_t>(ib);
  const int length = ScaleLength(static_cast<long long>(b) - a, dpi_);
  // The edge that moves must keep a cell on its far side: the first and last cuts are fixed.
  const bool kept = to_[j] - to_[i] == length || TryMove(j, to_[i] + length) || TryMove(i, to_[j] - length);
  if (kept) fixed_[i] = fixed_[j] = true;
}

void PictureCuts::AddCut(Point p) {
  xs.push_back(p.x);
  ys.push_back(p.y);
}

void PictureCuts::AddCuts(const Rect& r) {
  AddCut({r.left, r.top});
  AddCut({r.right, r.bottom});
}

namespace {

// The picture's own edges and the cuts inside them.
std::vector<int> Inside(const std::vector<int>& cuts, int size) {
  std::vector<int> inside{0, size};
  for (const int c : cuts) {
    if (c > 0 && c < size) inside.push_back(c);
  }
  return inside;
}

}  // namespace

PictureGrid::PictureGrid(const PictureCuts& cuts, Size size, int dpi)
    : x(Inside(cuts.xs, size.width), dpi), y(Inside(cuts.ys, size.height), dpi) {
  for (const Rect& look : cuts.looks) {
    x.KeepLength(look.left, look.right);
    y.KeepLength(look.top, look.bottom);
  }
}

}  // namespace zv
