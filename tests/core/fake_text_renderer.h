#pragma once
// A text renderer with fixed metrics: every byte is a cell `cellWidth` wide
// and `height` high, drawn as a solid block one pixel narrower than its cell
// in the font colour (the target's alpha is kept). Every call is recorded.
#include <string>
#include <vector>

#include "core/platform/text_renderer.h"

namespace zv::test {

class FakeTextRenderer : public TextRenderer {
 public:
  struct Call {
    std::string text;
    FontSpec font;
    Point origin;
    Rect clip;
  };

  int cellWidth = 6;
  int height = 13;
  std::vector<Call> calls;

  Size Measure(const FontSpec&, std::string_view text) override {
    return {static_cast<int>(text.size()) * cellWidth, height};
  }
  void Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
            const Rect& clip) override {
    calls.push_back({std::string(text), font, origin, clip});
    const Rect visible = clip.Intersect(target.bounds());
    const Pixel ink = ToPixel(font.color);
    for (std::size_t i = 0; i < text.size(); ++i) {
      const int x = origin.x + static_cast<int>(i) * cellWidth;
      const Rect cell = Rect{x, origin.y, x + cellWidth - 1, origin.y + height}.Intersect(visible);
      for (int y = cell.top; y < cell.bottom; ++y) {
        for (int px = cell.left; px < cell.right; ++px) {
          Pixel& p = target.At(px, y);
          p = {ink.b, ink.g, ink.r, p.a};
        }
      }
    }
  }
};

}  // namespace zv::test
