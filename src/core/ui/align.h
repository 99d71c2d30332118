#pragma once
// Placing child controls by alignment and anchors, as a form lays out its
// children whenever a parent's client area changes.
#include <cstddef>
#include <functional>
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

// Gives item `index` the bounds the layout wants and answers the bounds it
// took: a control may keep another size (a skin of fixed size, say).
using BoundsRule = std::function<Rect(std::size_t index, const Rect& wanted)>;

// Aligned items are placed in the order top, bottom, left, right, client, each
// taking its band from what is left of `client`; items of one alignment go
// from the edge inwards in the order they stand (ties keep the given order).
// What is left shrinks by the band an item actually took. Unaligned items
// follow their anchors from `oldClient` to `client`: anchored left and right
// stretches, right alone moves. Every item's new bounds pass through `take`
// (none: taken as wanted).
void ArrangeChildren(std::vector<LayoutItem*>& items, const Rect& oldClient, const Rect& client,
                     const BoundsRule& take = {});

}  // namespace zv
