#pragma once
// CP936 text measured and drawn by GDI.
#include "core/platform/text_renderer.h"

namespace zv::win {

class GdiTextRenderer : public TextRenderer {
 public:
  Size Measure(const FontSpec& font, std::string_view text) override;
  // GDI draws into a DIB section holding a copy of the clipped part of
  // target; colours are copied back, target's alpha is kept.
  void Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
            const Rect& clip) override;
};

}  // namespace zv::win
