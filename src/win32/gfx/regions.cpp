#include "win32/gfx/regions.h"

#include <algorithm>
#include <cstdint>

namespace zv::win {

HRGN RegionFromRects(const std::vector<Rect>& rects) {
  if (rects.empty()) return nullptr;
  // One region from the whole list at once; no per-rectangle combining.
  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  RECT bounds{rects[0].left, rects[0].top, rects[0].right, rects[0].bottom};
  auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const Rect& r = rects[i];
    out[i] = {r.left, r.top, r.right, r.bottom};
    bounds = {std::min<LONG>(bounds.left, r.left), std::min<LONG>(bounds.top, r.top),
              std::max<LONG>(bounds.right, r.right), std::max<LONG>(bounds.bottom, r.bottom)};
  }
  header->rcBound = bounds;
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

}  // namespace zv::win
