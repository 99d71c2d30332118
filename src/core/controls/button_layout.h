#pragma once
// Where a button's glyph and caption go: the glyph on one side of the text,
// the pair centred (margin -1) or `margin` pixels from the glyph's edge, with
// `spacing` pixels between them (-1: the text centred in the room left).
#include "core/base/geometry.h"

namespace zv {

enum class TzsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct ButtonContentPlaces {
  Point glyph;
  Point text;
};

// An empty glyph or text takes no room and no spacing.
ButtonContentPlaces PlaceButtonContent(const Rect& area, Size glyph, Size text, TzsButtonLayout layout, int margin,
                                       int spacing);

}  // namespace zv
