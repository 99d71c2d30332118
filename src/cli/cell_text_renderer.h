#pragma once
// Text measured in fixed cells, so that geometry is the same on every
// machine: a text is CW pixels per byte of its CP936 form and CH pixels
// high. Drawn as one outlined box per character.
#include <memory>

#include "core/platform/text_renderer.h"

namespace zv {

class CellTextRenderer : public TextRenderer {
 public:
  CellTextRenderer(int cellWidth, int cellHeight) : cellWidth_(cellWidth), cellHeight_(cellHeight) {}
  explicit CellTextRenderer(Size cell) : CellTextRenderer(cell.width, cell.height) {}
  Size Measure(const FontSpec& font, std::string_view text) override;
  void Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
            const Rect& clip) override;

 private:
  int cellWidth_;
  int cellHeight_;
};

// Measures nothing and draws nothing: previews without text.
class NoTextRenderer : public TextRenderer {
 public:
  Size Measure(const FontSpec&, std::string_view) override { return {}; }
  void Draw(const BitmapView&, const FontSpec&, std::string_view, Point, const Rect&) override {}
};

// The platform's text renderer for previews: FreeType with fontconfig on
// Linux, GDI on Windows.
std::unique_ptr<TextRenderer> MakeFontTextRenderer();

}  // namespace zv
