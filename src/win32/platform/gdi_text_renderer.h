#pragma once
// The core's text seam drawn with GDI: CP936 text in the font the core
// names, asked for with the GB2312 character set so Chinese glyphs are found
// whatever the system's locale, in a face that has the Latin ones too.
// Fonts are made once per description.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "core/platform/text_renderer.h"
#include "win32/platform/dib_surface.h"
#include "win32/platform/handles.h"

namespace zv::win {

class GdiTextRenderer : public TextRenderer {
 public:
  Size Measure(const FontSpec& font, std::string_view text) override;
  void Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
            const Rect& clip) override;

 private:
  HFONT FontFor(const FontSpec& font);

  using FontKey = std::tuple<std::string, int, unsigned>;
  std::map<FontKey, Font> fonts_;
  DibSurface scratch_;
};

// The description of a GDI font, its colour the window text colour.
FontSpec FontSpecOf(HFONT font);

}  // namespace zv::win
