#include "core/ui/align.h"

#include <algorithm>

namespace zv {

namespace {

// Keeps an edge's distance to the matching edge of the parent when anchored
// there; a side anchored on neither edge keeps its proportional centre.
Rect FollowAnchors(const LayoutItem& item, const Rect& oldClient, const Rect& client) {
  Rect b = item.bounds;
  const int dw = client.Width() - oldClient.Width();
  const int dh = client.Height() - oldClient.Height();
  if (item.anchors.right) {
    if (item.anchors.left) {
      b.right += dw;
    } else {
      b = b.Offset(dw, 0);
    }
  } else if (!item.anchors.left && oldClient.Width() > 0) {
    b = b.Offset(dw / 2, 0);
  }
  if (item.anchors.bottom) {
    if (item.anchors.top) {
      b.bottom += dh;
    } else {
      b = b.Offset(0, dh);
    }
  } else if (!item.anchors.top && oldClient.Height() > 0) {
    b = b.Offset(0, dh / 2);
  }
  return b;
}

// The band an aligned item wants from what is left. What is left may be
// used up (an edge past its opposite): later bands then lie beyond it, one
// after another as they stand, with no size across it, so that a parent
// shrunk to nothing (a minimised or rolled-up window) and grown again gives
// the same layout.
Rect Band(const LayoutItem& item, const Rect& rest) {
  const int w = item.bounds.Width();
  const int h = item.bounds.Height();
  const int right = std::max(rest.right, rest.left);
  const int bottom = std::max(rest.bottom, rest.top);
  switch (item.align) {
    case Align::kTop:
      return {rest.left, rest.top, right, rest.top + h};
    case Align::kBottom:
      return {rest.left, rest.bottom - h, right, rest.bottom};
    case Align::kLeft:
      return {rest.left, rest.top, rest.left + w, bottom};
    case Align::kRight:
      return {rest.right - w, rest.top, rest.right, bottom};
    default:
      return {rest.left, rest.top, right, bottom};
  }
}

// What is left once an item has taken `taken`.
void Shrink(Rect& rest, Align align, const Rect& taken) {
  switch (align) {
    case Align::kTop:
      rest.top = std::max(taken.bottom, rest.top);
      break;
    case Align::kBottom:
      rest.bottom = std::min(taken.top, rest.bottom);
      break;
    case Align::kLeft:
      rest.left = std::max(taken.right, rest.left);
      break;
    case Align::kRight:
      rest.right = std::min(taken.left, rest.right);
      break;
    default:
      break;
  }
}

// Items of one alignment are placed from the parent's edge inwards in the
// order they currently stand, so the layout does not depend on creation order.
int StandingOrder(const LayoutItem& item) {
  const Rect& b = item.bounds;
  switch (item.align) {
    case Align::kTop:
      return b.top;
    case Align::kBottom:
      return -b.bottom;
    case Align::kLeft:
      return b.left;
    case Align::kRight:
      return -b.right;
    default:
      return 0;
  }
}

}  // namespace

void ArrangeChildren(std::vector<LayoutItem*>& items, const Rect& oldClient, const Rect& client,
                     const BoundsRule& take) {
  auto place = [&](std::size_t i, const Rect& wanted) { items[i]->bounds = take ? take(i, wanted) : wanted; };
  Rect rest = client;
  for (Align pass : {Align::kTop, Align::kBottom, Align::kLeft, Align::kRight, Align::kClient}) {
    std::vector<std::size_t> band;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i]->align == pass) band.push_back(i);
    }
    std::stable_sort(band.begin(), band.end(),
                     [&](std::size_t a, std::size_t b) { return StandingOrder(*items[a]) < StandingOrder(*items[b]); });
    for (std::size_t i : band) {
      place(i, Band(*items[i], rest));
      Shrink(rest, pass, items[i]->bounds);
    }
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i]->align == Align::kNone) place(i, FollowAnchors(*items[i], oldClient, client));
  }
}

}  // namespace zv
