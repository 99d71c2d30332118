#include "core/ui/align.h"

#include <algorithm>

namespace zv {

namespace {

// Keeps an edge's distance to the matching edge of the parent when anchored
// there; a side anchored on neither edge keeps its proportional centre.
void FollowAnchors(LayoutItem& item, const Rect& oldClient, const Rect& client) {
  Rect& b = item.bounds;
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
}

void Place(LayoutItem& item, Rect& rest) {
  Rect& b = item.bounds;
  const int w = b.Width();
  const int h = b.Height();
  switch (item.align) {
    case Align::kTop:
      b = {rest.left, rest.top, rest.right, rest.top + h};
      rest.top = std::min(rest.bottom, rest.top + h);
      break;
    case Align::kBottom:
      b = {rest.left, rest.bottom - h, rest.right, rest.bottom};
      rest.bottom = std::max(rest.top, rest.bottom - h);
      break;
    case Align::kLeft:
      b = {rest.left, rest.top, rest.left + w, rest.bottom};
      rest.left = std::min(rest.right, rest.left + w);
      break;
    case Align::kRight:
      b = {rest.right - w, rest.top, rest.right, rest.bottom};
      rest.right = std::max(rest.left, rest.right - w);
      break;
    case Align::kClient:
      b = rest;
      break;
    case Align::kNone:
      break;
  }
}

}  // namespace

// Items of one alignment are placed from the parent's edge inwards in the
// order they currently stand, so the layout does not depend on creation order.
static int StandingOrder(const LayoutItem& item) {
  const Rect& b = item.bounds;
  switch (item.align) {
    case Align::kTop: return b.top;
    case Align::kBottom: return -b.bottom;
    case Align::kLeft: return b.left;
    case Align::kRight: return -b.right;
    default: return 0;
  }
}

void ArrangeChildren(std::vector<LayoutItem*>& items, const Rect& oldClient, const Rect& client) {
  Rect rest = client;
  for (Align pass : {Align::kTop, Align::kBottom, Align::kLeft, Align::kRight, Align::kClient}) {
    std::vector<LayoutItem*> band;
    for (LayoutItem* item : items) {
      if (item->align == pass) band.push_back(item);
    }
    std::stable_sort(band.begin(), band.end(),
                     [](const LayoutItem* a, const LayoutItem* b) { return StandingOrder(*a) < StandingOrder(*b); });
    for (LayoutItem* item : band) Place(*item, rest);
  }
  for (LayoutItem* item : items) {
    if (item->align == Align::kNone) FollowAnchors(*item, oldClient, client);
  }
}

}  // namespace zv
