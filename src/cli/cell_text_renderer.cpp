#include "cli/cell_text_renderer.h"

namespace zv {

Size CellTextRenderer::Measure(const FontSpec&, std::string_view text) {
  return {static_cast<int>(text.size()) * cell_.width, text.empty() ? 0 : cell_.height};
}

void CellTextRenderer::Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
                            const Rect& clip) {
  const Rect visible = clip.Intersect(target.bounds());
  const Pixel ink = ToPixel(font.color);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int x = origin.x + static_cast<int>(i) * cell_.width;
    const Rect cell = Rect{x, origin.y, x + cell_.width - 1, origin.y + cell_.height}.Intersect(visible);
    for (int y = cell.top; y < cell.bottom; ++y) {
      for (int px = cell.left; px < cell.right; ++px) {
        Pixel& p = target.At(px, y);
        p = {ink.b, ink.g, ink.r, p.a};
      }
    }
  }
}

}  // namespace zv
