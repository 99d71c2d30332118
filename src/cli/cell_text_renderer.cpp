#include "cli/cell_text_renderer.h"

namespace zv {

Size CellTextRenderer::Measure(const FontSpec&, std::string_view text) {
  return {static_cast<int>(text.size()) * cellWidth_, cellHeight_};
}

void CellTextRenderer::Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
                            const Rect& clip) {
  const Rect visible = clip.Intersect(target.bounds());
  const Pixel ink = ToPixel(font.color, 255);
  int x = origin.x;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool wide = static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size();
    const int width = cellWidth_ * (wide ? 2 : 1);
    if (text[i] != ' ') {
      const Rect box{x + 1, origin.y + 1, x + width - 1, origin.y + cellHeight_ - 1};
      for (const Rect& edge :
           {Rect{box.left, box.top, box.right, box.top + 1}, Rect{box.left, box.bottom - 1, box.right, box.bottom},
            Rect{box.left, box.top, box.left + 1, box.bottom}, Rect{box.right - 1, box.top, box.right, box.bottom}}) {
        if (!box.IsEmpty()) target.Fill(edge.Intersect(visible), ink);
      }
    }
    x += width;
    if (wide) ++i;
  }
}

}  // namespace zv
