#pragma once
// Placing child controls by alignment and anchors, as a form lays out its
// children whenever a parent's client area changes.
#include <vector>

#include "core/base/geometry.h"

namespace zv {

enum class Align { kNone, kTop, kBottom, kLeft, kRight, kClient };

struct Anchors {
  bool left = true;
  bool top = true;
  bool right = false;
  bool bottom = false;
};

struct LayoutItem {
  Align align = Align::kNone;
  Anchors anchors;
  Rect bounds;  // in the parent's client coordinates; updated in place
};

// Aligned items are placed in the order top, bottom, left, right, client, each
// taking its band from what is left of `client`; items of one alignment go
// from the edge inwards in the order they stand (ties keep the given order). Unaligned items follow their anchors from
// `oldClient` to `client`: anchored left and right stretches, right alone moves.
void ArrangeChildren(std::vector<LayoutItem*>& items, const Rect& oldClient, const Rect& client);

}  // namespace zv
