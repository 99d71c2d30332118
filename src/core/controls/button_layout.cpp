#include "core/controls/button_layout.h"

namespace zv {
namespace {

struct Along {
  int glyph;  // offset of the glyph from the start of the main axis
  int text;
};

// The main axis runs from the glyph's side: left for blGlyphLeft, and so on.
Along PlaceAlong(int extent, int glyph, int text, int margin, int spacing) {
  if (glyph <= 0 || text <= 0) spacing = 0;
  if (margin < 0) {
    if (spacing < 0) {
      spacing = (extent - glyph - text) / 3;
      margin = spacing;
    } else {
      margin = (extent - glyph - spacing - text) / 2;
    }
  } else if (spacing < 0) {
    spacing = (extent - margin - glyph - text) / 2;
  }
  return {margin, margin + glyph + spacing};
}

}  // namespace

ButtonContentPlaces PlaceButtonContent(const Rect& area, Size glyph, Size text, TzsButtonLayout layout, int margin,
                                       int spacing) {
  const bool across = layout == TzsButtonLayout::blGlyphLeft || layout == TzsButtonLayout::blGlyphRight;
  const int extent = across ? area.Width() : area.Height();
  const Along a = across ? PlaceAlong(extent, glyph.width, text.width, margin, spacing)
                         : PlaceAlong(extent, glyph.height, text.height, margin, spacing);
  const int glyphCross = across ? area.top + (area.Height() - glyph.height) / 2 : area.left + (area.Width() - glyph.width) / 2;
  const int textCross = across ? area.top + (area.Height() - text.height) / 2 : area.left + (area.Width() - text.width) / 2;
  switch (layout) {
    case TzsButtonLayout::blGlyphLeft:
      return {{area.left + a.glyph, glyphCross}, {area.left + a.text, textCross}};
    case TzsButtonLayout::blGlyphRight:
      return {{area.right - a.glyph - glyph.width, glyphCross}, {area.right - a.text - text.width, textCross}};
    case TzsButtonLayout::blGlyphTop:
      return {{glyphCross, area.top + a.glyph}, {textCross, area.top + a.text}};
    case TzsButtonLayout::blGlyphBottom:
      return {{glyphCross, area.bottom - a.glyph - glyph.height}, {textCross, area.bottom - a.text - text.height}};
  }
  return {};
}

}  // namespace zv
