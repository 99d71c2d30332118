#include "core/ui/scaled_layout.h"

#include "core/base/display_scale.h"

namespace zv {

std::vector<LayoutItem> LayoutAtDpi(std::span<const LayoutItem> design, int dpi) {
  std::vector<LayoutItem> items(design.begin(), design.end());
  for (LayoutItem& item : items) item.bounds = ScaleRect(item.bounds, dpi);
  return items;
}

int FontHeightAtDpi(int height, int dpi) { return RescaleFontHeight(height, kBaseDpi, dpi); }

}  // namespace zv
