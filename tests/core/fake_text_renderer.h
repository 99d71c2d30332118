#pragma once
// A text renderer with fixed metrics: every byte is a cell `cellWidth` wide
// and `height` high, drawn as a solid block one pixel narrower than its cell.
#include <string>
#include <vector>

#include "core/platform/text_renderer.h"

namespace zv::test {

class FakeTextRenderer : public TextRenderer {
 public:
  struct Call {
    std::string text;
    Point origin;
    Rect clip;
    ColorRef color;
  };

  int cellWidth = 6;
  int height = 13;
  std::vector<Call> calls;

  Size Measure(const FontSpec&, std::string_view text) override {
    return {static_cast<int>(text.size()) * cellWidth, height};
  }
  void Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
            const Rect& clip) override {
    calls.push_back({std::string(text), origin, clip, font.color});
    const Rect visible = clip.Intersect(target.bounds());
    for (std::size_t i = 0; i < text.size(); ++i) {
      const int x = origin.x + static_cast<int>(i) * cellWidth;
      target.Fill(Rect{x, origin.y, x + cellWidth - 1, origin.y + height}.Intersect(visible), ToPixel(font.color));
    }
  }
};

}  // namespace zv::test
