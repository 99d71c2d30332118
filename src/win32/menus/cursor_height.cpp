#include "win32/menus/cursor_height.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "win32/platform/handles.h"

namespace zv::win {

namespace {

// The bitmap's pixels as 32-bit rows, top-down; empty when it cannot be read.
std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc ||
      GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) != height) {
    return {};
  }
  return pixels;
}

}  // namespace

int VisibleCursorHeight() {
  const int fallback = GetSystemMetrics(SM_CYCURSOR);
  ICONINFO icon{};
  HCURSOR cursor = GetCursor();
  if (!cursor || !GetIconInfo(cursor, &icon)) return fallback;
  const BitmapHandle mask(icon.hbmMask);
  const BitmapHandle color(icon.hbmColor);
  BITMAP shape{};
  if (!mask || !GetObjectW(mask.get(), sizeof shape, &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0) {
    return fallback;
  }
  const int width = shape.bmWidth;
  // A monochrome cursor's mask holds the AND mask above the XOR mask.
  const int rows = color ? shape.bmHeight : shape.bmHeight / 2;
  const std::vector<std::uint32_t> masks = PixelsOf(mask.get(), width, shape.bmHeight);
  std::vector<std::uint32_t> colors;
  bool alpha = false;
  if (color) {
    colors = PixelsOf(color.get(), width, rows);
    for (const std::uint32_t c : colors) alpha |= (c >> 24) != 0;
  }
  if (masks.empty() || (color && colors.empty())) return fallback;
  // A pixel shows unless its AND bit keeps the screen and nothing is drawn
  // on it (an XOR of black).
  const auto shows = [&](int x, int y) {
    const std::size_t at = static_cast<std::size_t>(y) * width + x;
    if (alpha) return (colors[at] >> 24) != 0;
    const bool keeps = (masks[at] & 0xFFFFFF) != 0;
    const std::uint32_t drawn = color ? colors[at] : masks[at + static_cast<std::size_t>(rows) * width];
    const bool inverts = (drawn & 0xFFFFFF) != 0;
    return !keeps || inverts;
  };
  for (int y = rows - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      if (shows(x, y)) return y + 1 - static_cast<int>(icon.yHotspot);
    }
  }
  return fallback;
}

}  // namespace zv::win
