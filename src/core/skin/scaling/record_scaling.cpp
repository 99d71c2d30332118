#include "core/skin/scaling/record_scaling.h"

#include "core/base/display_scale.h"

namespace zv {
namespace {

constexpr std::string_view kSkinRectKey = "skinrect";

// Coordinates read from a skin may lie anywhere in the int range.
Point Plus(Point a, Point b) {
  return {ClampToInt(static_cast<long long>(a.x) + b.x), ClampToInt(static_cast<long long>(a.y) + b.y)};
}
Point Minus(Point a, Point b) {
  return {ClampToInt(static_cast<long long>(a.x) - b.x), ClampToInt(static_cast<long long>(a.y) - b.y)};
}

Rect Moved(const Rect& r, Point by) {
  const Point lt = Plus({r.left, r.top}, by);
  const Point rb = Plus({r.right, r.bottom}, by);
  return {lt.x, lt.y, rb.x, rb.y};
}

}  // namespace

void PixelKeyVisitor::Visit(const KeyInfo& key, int& field) {
  if (IsPixelUnit(key.unit)) Length(key, field);
}
void PixelKeyVisitor::Visit(const KeyInfo& key, Point& field) {
  if (IsPixelUnit(key.unit)) At(key, field);
}
void PixelKeyVisitor::Visit(const KeyInfo& key, Rect& field) {
  if (IsPixelUnit(key.unit)) Area(key, field);
}

template <typename Add>
void CutCollector::ForEach(const std::vector<int>& slots, Add add) {
  for (const int slot : slots) {
    if (slot >= 0 && static_cast<std::size_t>(slot) < pictures_.size()) add(pictures_[static_cast<std::size_t>(slot)]);
  }
}

void CutCollector::At(const KeyInfo& key, Point& field) {
  if (key.unit != KeyUnit::kCut) return;
  ForEach(places_.looks, [&](PictureCuts& p) { p.AddCut(Plus(places_.origin, field)); });
}

void CutCollector::Area(const KeyInfo& key, Rect& field) {
  if (key.unit == KeyUnit::kCut) {
    ForEach(places_.looks, [&](PictureCuts& p) { p.AddCuts(Moved(field, places_.origin)); });
  } else if (key.unit == KeyUnit::kLook) {
    ForEach(key.name == kSkinRectKey ? places_.skinRect : places_.looks, [&](PictureCuts& p) {
      p.AddCuts(field);
      p.looks.push_back(field);
    });
  }
}

KeyScaler::KeyScaler(const RecordPlaces& places, const std::vector<PictureGrid>& grids, int dpi)
    : places_(places), grids_(grids), plain_(dpi), dpi_(dpi) {}

const PictureGrid& KeyScaler::GridOf(const std::vector<int>& slots) const {
  for (const int slot : slots) {
    if (slot >= 0 && static_cast<std::size_t>(slot) < grids_.size()) return grids_[static_cast<std::size_t>(slot)];
  }
  return plain_;
}

void KeyScaler::Length(const KeyInfo&, int& field) { field = ScaleLength(field, dpi_); }

// A cut keeps its place in the picture's grid, counted from the scaled corner.
void KeyScaler::At(const KeyInfo& key, Point& field) {
  if (key.unit != KeyUnit::kCut) {
    field = ScalePoint(field, dpi_);
    return;
  }
  const PictureGrid& grid = GridOf(places_.looks);
  field = Minus(grid(Plus(places_.origin, field)), grid(places_.origin));
}

void KeyScaler::Area(const KeyInfo& key, Rect& field) {
  if (key.unit == KeyUnit::kCut) {
    const PictureGrid& grid = GridOf(places_.looks);
    const Point corner = grid(places_.origin);
    const Rect scaled = grid(Moved(field, places_.origin));
    const Point lt = Minus({scaled.left, scaled.top}, corner);
    const Point rb = Minus({scaled.right, scaled.bottom}, corner);
    field = {lt.x, lt.y, rb.x, rb.y};
  } else if (key.unit == KeyUnit::kLook) {
    field = GridOf(key.name == kSkinRectKey ? places_.skinRect : places_.looks)(field);
  } else {
    field = ScaleRect(field, dpi_);
  }
}

}  // namespace zv
