#pragma once
// Frame styles of panels and panes: how each is drawn and how far it pushes
// the text inwards.
#include "core/base/bitmap.h"
#include "core/status/colour.h"

namespace zv {

enum TFrameStyleEx {
  fsNone,
  fsFlat,
  fsGroove,
  fsBump,
  fsLowered,
  fsButtonDown,
  fsRaised,
  fsButtonUp,
  fsStatus,
  fsPopup,
  fsFlatBold,
  fsFlatRounded,
};
// The same list without its last value.
using TFrameStyle = TFrameStyleEx;
constexpr int kFrameStyleCount = fsFlatRounded + 1;

enum BorderSide : unsigned { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
using TSbBorderSides = unsigned;
constexpr TSbBorderSides kAllSides = sdLeft | sdTop | sdRight | sdBottom;

// Pixels between the frame rectangle and the text rectangle on each side.
int TextInset(TFrameStyleEx style);
// Pixels the drawn frame itself occupies on each side.
int FrameThickness(TFrameStyleEx style);

struct FrameColours {
  ColorRef flat = 0;  // already lightened or darkened
  ColorRef highlight = 0;
  ColorRef light = 0;
  ColorRef shadow = 0;
  ColorRef darkShadow = 0;
};

FrameColours MakeFrameColours(const SystemPalette& palette, ColorRef flatColour, int flatAdjustment);

// Draws `style` along the inside of `rect` on the given sides.
void DrawFrame(const BitmapView& target, const Rect& rect, TFrameStyleEx style, const FrameColours& colours,
               TSbBorderSides sides = kAllSides);

}  // namespace zv
