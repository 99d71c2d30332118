#pragma once
// Measuring and drawing one line of CP936 text. Windows draws with GDI into a
// DIB section; tests use a fake with fixed metrics.
#include <string>
#include <string_view>

#include "core/base/bitmap.h"

namespace zv {

enum FontStyleBits : unsigned { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

struct FontSpec {
  std::string name = "MS Sans Serif";
  int height = -11;  // negative: character height in pixels, as the platform takes it
  unsigned style = 0;
  ColorRef color = 0;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  virtual Size Measure(const FontSpec& font, std::string_view text) = 0;
  // Draws with a transparent background, clipped to `clip`, the text's
  // top-left at `origin`.
  virtual void Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
                    const Rect& clip) = 0;
};

}  // namespace zv
