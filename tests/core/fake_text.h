#pragma once
// A text renderer with fixed metrics: every byte is 6 x 10 pixels and a
// line is drawn as one solid block in the font's colour.
#include <string>
#include <vector>

#include "core/platform/text_renderer.h"

namespace zv::test {

class BlockTextRenderer : public TextRenderer {
 public:
  int charWidth = 6;
  int lineHeight = 10;
  std::vector<std::string> measured;  // every text asked about, in order

  Size Measure(const FontSpec&, std::string_view text) override {
    measured.emplace_back(text);
    return {static_cast<int>(text.size()) * charWidth, lineHeight};
  }
  void Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
            const Rect& clip) override {
    const Rect block = Rect::FromSize(origin.x, origin.y, static_cast<int>(text.size()) * charWidth, lineHeight);
    target.Fill(block.Intersect(clip), ToPixel(font.color, 255));
  }
};

}  // namespace zv::test
