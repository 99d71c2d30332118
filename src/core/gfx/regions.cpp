#include "core/gfx/regions.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

#include "core/gfx/blit.h"

namespace zv {
namespace {

bool IsBlack(const Pixel& p) {
  std::uint32_t v;
  std::memcpy(&v, &p, sizeof v);
  // Blue, green and red are the first three bytes whatever the byte order.
  constexpr std::uint32_t kColour = std::endian::native == std::endian::little ? 0x00FFFFFFu : 0xFFFFFF00u;
  return (v & kColour) == 0;
}

constexpr Pixel kOutside{255, 255, 255, 0};

// The part of a mask band placed at `at` in the window that lies inside the
// window. Only that part is ever allocated, so a band far larger than the
// window (a client rectangle 200000 rows down, say) costs no more than the
// window; copies go to band coordinates and are clipped to the part.
class VisibleBand {
 public:
  VisibleBand(const Rect& window, Point at, int width, int height)
      : at_(at),
        area_(Rect{at.x, at.y, ClampToInt(0LL + at.x + width), ClampToInt(0LL + at.y + height)}.Intersect(window)) {
    if (!area_.IsEmpty()) bitmap_ = Bitmap(area_.Width(), area_.Height(), kOutside);
  }
  bool IsEmpty() const { return area_.IsEmpty(); }
  // The band's columns and rows past these do not show.
  int ShownWidth() const { return ClampToInt(0LL + area_.right - at_.x); }
  int ShownHeight() const { return ClampToInt(0LL + area_.bottom - at_.y); }
  void Copy(Point to, const BitmapView& mask, const Rect& from) {
    const Point at{ClampToInt(0LL + to.x + at_.x - area_.left), ClampToInt(0LL + to.y + at_.y - area_.top)};
    Blit(bitmap_.view(), at, mask, from);
  }
  std::vector<Rect> Runs() { return RegionFromMask(bitmap_.view(), area_.left, area_.top); }

 private:
  Point at_;
  Rect area_;
  Bitmap bitmap_;
};

// A band laid out as the frame bands are: `middle` repeated along it from
// `start` to `end` and cut there (or where the band stops showing), then
// the end pieces.
struct Piece {
  Rect from;
  Point to;
};

std::vector<Rect> BandAcross(VisibleBand band, const BitmapView& mask, const Rect& middle, int start, int end,
                             const Piece (&ends)[2]) {
  if (band.IsEmpty()) return {};
  Tile(start, std::min(end, band.ShownWidth()), middle.Width(), [&](int x, int len) {
    band.Copy(Point{x, 0}, mask, Rect{middle.left, middle.top, middle.left + len, middle.bottom});
  });
  for (const Piece& p : ends) band.Copy(p.to, mask, p.from);
  return band.Runs();
}

// Runs of black pixels in a row: [start, end) column pairs.
using Runs = std::vector<std::pair<int, int>>;

void RowRuns(Runs& runs, const Pixel* row, int width) {
  runs.clear();
  int x = 0;
  while (x < width) {
    while (x < width && !IsBlack(row[x])) ++x;
    if (x == width) break;
    const int start = x;
    while (x < width && IsBlack(row[x])) ++x;
    runs.emplace_back(start, x);
  }
}

// Appends rows of runs as rectangles kept to `window`. A row whose
// rectangles continue those of the row above makes them taller instead:
// the same pixels in far fewer rectangles for the long side bands.
class MergingRows {
 public:
  MergingRows(std::vector<Rect>& to, const Rect& window) : to_(to), window_(window), above_(to.size()) {}

  // `count` rows with the same runs from row y down.
  void Add(const Runs& runs, int x0, int y, int count) {
    const std::size_t start = to_.size();
    for (const auto& [left, right] : runs) {
      const Rect inside = Rect{x0 + left, y, x0 + right, ClampToInt(0LL + y + count)}.Intersect(window_);
      if (!inside.IsEmpty()) to_.push_back(inside);
    }
    const bool continues =
        start > above_ && to_.size() - start == start - above_ &&
        std::equal(to_.begin() + start, to_.end(), to_.begin() + above_, [](const Rect& r, const Rect& up) {
          return r.left == up.left && r.right == up.right && r.top == up.bottom;
        });
    if (!continues) {
      above_ = start;
      return;
    }
    for (std::size_t i = above_; i < start; ++i) to_[i].bottom = to_[start + (i - above_)].bottom;
    to_.resize(start);
  }

 private:
  std::vector<Rect>& to_;
  Rect window_;
  std::size_t above_;  // where the row above's rectangles start
};

// Rows [start, end) of a repeated middle piece whose runs are the same.
struct RowGroup {
  long long start, end;
  Runs runs;
};

// The middle's rows as groups, each mask row scanned once; rows of a
// middle that lie outside the mask have no runs. Rows are `width` columns
// from the band's column `column`.
std::vector<RowGroup> MiddleGroups(const BitmapView& mask, const Rect& middle, int column, int width) {
  std::vector<RowGroup> groups;
  const long long period = middle.Height();
  const auto add = [&](long long start, long long end, Runs runs) {
    if (start >= end) return;
    if (!groups.empty() && groups.back().runs == runs) {
      groups.back().end = end;
    } else {
      groups.push_back({start, end, std::move(runs)});
    }
  };
  const long long inFrom = std::clamp(0LL - middle.top, 0LL, period);
  const long long inTo = std::clamp(0LL + mask.height() - middle.top, inFrom, period);
  add(0, inFrom, {});
  Bitmap line(width, 1, kOutside);
  const BitmapView row = line.view();
  Runs runs;
  for (long long r = inFrom; r < inTo; ++r) {
    row.Fill(row.bounds(), kOutside);
    const int from = ClampToInt(middle.top + r);
    Blit(row, Point{-column, 0}, mask, Rect{middle.left, from, middle.right, from + 1});
    RowRuns(runs, row.Row(0), width);
    add(r, r + 1, runs);
  }
  add(inTo, period, {});
  return groups;
}

// A side band `width` by `height` placed at `at`, laid out as the frame
// bands are: `middle` repeated down from the band's first row, then the end
// pieces over it. The middle's rows are scanned once however often it
// repeats, and rows with
// the same runs share rectangles. Only the rows and columns inside the
// window are looked at.
void AppendBandDown(std::vector<Rect>& to, const Rect& window, Point at, int width, int height, const BitmapView& mask,
                    const Rect& middle, const Piece (&ends)[2]) {
  const long long first = std::clamp(0LL + window.top - at.y, 0LL, 0LL + height);
  const long long last = std::clamp(0LL + window.bottom - at.y, 0LL, 0LL + height);
  const int column = ClampToInt(std::clamp(0LL + window.left - at.x, 0LL, 0LL + width));
  const int shown = ClampToInt(std::clamp(0LL + window.right - at.x, 0LL + column, 0LL + width)) - column;
  if (shown <= 0 || first >= last) return;
  const int x0 = ClampToInt(0LL + at.x + column);
  const long long period = middle.Height();
  const std::vector<RowGroup> groups = period > 0 ? MiddleGroups(mask, middle, column, shown) : std::vector<RowGroup>{};
  const auto underEnd = [&](long long y) {
    for (const Piece& p : ends) {
      if (!p.from.IsEmpty() && y >= p.to.y && y - p.to.y < p.from.Height()) return true;
    }
    return false;
  };
  const auto nextEnd = [&](long long y) {  // the first row after y where an end piece starts
    long long next = last;
    for (const Piece& p : ends) {
      if (!p.from.IsEmpty() && p.to.y > y) next = std::min(next, 0LL + p.to.y);
    }
    return next;
  };
  // A row under an end piece: the middle's row with the pieces drawn over it.
  Bitmap line(shown, 1);
  const BitmapView row = line.view();
  Runs endRuns;
  const auto endRow = [&](long long y) -> const Runs& {
    row.Fill(row.bounds(), kOutside);
    if (period > 0) {
      const int from = ClampToInt(middle.top + y % period);
      Blit(row, Point{-column, 0}, mask, Rect{middle.left, from, middle.right, from + 1});
    }
    for (const Piece& p : ends) {
      const long long from = p.from.top + y - p.to.y;
      if (p.from.IsEmpty() || from < p.from.top || from >= p.from.bottom) continue;
      Blit(row, Point{p.to.x - column, 0}, mask,
           Rect{p.from.left, ClampToInt(from), p.from.right, ClampToInt(from + 1)});
    }
    RowRuns(endRuns, row.Row(0), shown);
    return endRuns;
  };
  const Runs none;
  MergingRows out(to, window);
  for (long long y = first; y < last;) {
    if (underEnd(y)) {
      out.Add(endRow(y), x0, ClampToInt(at.y + y), 1);
      ++y;
      continue;
    }
    const long long stop = nextEnd(y);
    if (groups.empty()) {
      out.Add(none, x0, ClampToInt(at.y + y), ClampToInt(stop - y));
      y = stop;
      continue;
    }
    const long long r = y % period;
    const auto group = std::upper_bound(groups.begin(), groups.end(), r,
                                        [](long long value, const RowGroup& g) { return value < g.end; });
    const long long count = std::min(group->end - r, stop - y);
    out.Add(group->runs, x0, ClampToInt(at.y + y), ClampToInt(count));
    y += count;
  }
}

// Keeps the parts inside the window.
void Append(std::vector<Rect>& to, const std::vector<Rect>& more, const Rect& window) {
  for (const Rect& r : more) {
    const Rect inside = r.Intersect(window);
    if (!inside.IsEmpty()) to.push_back(inside);
  }
}

}  // namespace

std::vector<Rect> RegionFromMask(const BitmapView& mask, int x0, int y0) {
  std::vector<Rect> rects;
  Runs runs;
  for (int y = 0; y < mask.height(); ++y) {
    RowRuns(runs, mask.Row(y), mask.width());
    for (const auto& [start, end] : runs) rects.push_back(Rect{x0 + start, y0 + y, x0 + end, y0 + y + 1});
  }
  return rects;
}

std::vector<Rect> RegionFromFrameMask(const SkinPoints& record, const SkinPoints& fitted, int width, int height,
                                      const BitmapView& mask) {
  const Point lt = record.leftTop, rt = record.rightTop, lb = record.leftBottom, rb = record.rightBottom;
  const Rect& cr = record.clientRect;
  const Rect& ncr = fitted.clientRect;
  if (fitted.rightTop.x < fitted.leftTop.x || fitted.leftBottom.y < fitted.leftTop.y) return {};
  const int mw = mask.width();
  const int mh = mask.height();
  const int sideHeight = ncr.Height();
  const Rect window{0, 0, width, height};
  std::vector<Rect> rects;

  if (width > 0 && cr.top > 0) {
    Append(rects,
           BandAcross(VisibleBand(window, {0, 0}, width, cr.top), mask, Rect{lt.x, 0, rt.x, cr.top}, fitted.leftTop.x,
                      fitted.rightTop.x,
                      {{Rect{0, 0, lt.x, cr.top}, {0, 0}}, {Rect{rt.x, 0, mw, cr.top}, {fitted.rightTop.x, 0}}}),
           window);
  }
  if (width > 0 && mh - cr.bottom > 0) {
    const int h = mh - cr.bottom;
    Append(rects,
           BandAcross(
               VisibleBand(window, {0, ncr.bottom}, width, h), mask, Rect{lb.x, cr.bottom, rb.x, mh},
               fitted.leftBottom.x, fitted.rightBottom.x,
               {{Rect{0, cr.bottom, lb.x, mh}, {0, 0}}, {Rect{rb.x, cr.bottom, mw, mh}, {fitted.rightBottom.x, 0}}}),
           window);
  }
  if (cr.left > 0 && sideHeight > 0) {
    AppendBandDown(rects, window, {0, ncr.top}, cr.left, sideHeight, mask, Rect{0, lt.y, cr.left, lb.y},
                   {{Rect{0, cr.top, cr.left, lt.y}, {0, 0}},
                    {Rect{0, lb.y, cr.left, cr.bottom}, {0, sideHeight - (cr.bottom - lb.y)}}});
  }
  if (mw - cr.right > 0 && sideHeight > 0) {
    AppendBandDown(rects, window, {ncr.right, ncr.top}, mw - cr.right, sideHeight, mask, Rect{cr.right, rt.y, mw, rb.y},
                   {{Rect{cr.right, cr.top, mw, rt.y}, {0, 0}},
                    {Rect{cr.right, rb.y, mw, cr.bottom}, {0, sideHeight - (cr.bottom - rb.y)}}});
  }
  Append(rects, {ncr}, window);
  return rects;
}

}  // namespace zv
