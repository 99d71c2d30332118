#pragma once
// Text as fixed cells, for previews that must come out the same on any
// machine: every byte of the CP936 text is `cell.width` pixels wide, a line
// `cell.height` high, drawn as a solid block one pixel narrower than its
// cell in the font's colour.
#include "core/platform/text_renderer.h"

namespace zv {

class CellTextRenderer : public TextRenderer {
 public:
  explicit CellTextRenderer(Size cell) : cell_(cell) {}
  Size Measure(const FontSpec& font, std::string_view text) override;
  void Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
            const Rect& clip) override;

 private:
  Size cell_;
};

// Measures nothing and draws nothing: previews without a text renderer.
class NoTextRenderer : public TextRenderer {
 public:
  Size Measure(const FontSpec&, std::string_view) override { return {}; }
  void Draw(const BitmapView&, const FontSpec&, std::string_view, Point, const Rect&) override {}
};

}  // namespace zv
