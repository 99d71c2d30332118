#pragma once
// One line of CP936 text measured and drawn with GDI. Drawing goes through a
// small DIB section of the clipped area, so it lands in any BitmapView.
#include "core/platform/text_renderer.h"

namespace zv::win {

class GdiTextRenderer : public TextRenderer {
 public:
  Size Measure(const FontSpec& font, std::string_view text) override;
  void Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
            const Rect& clip) override;
};

}  // namespace zv::win
