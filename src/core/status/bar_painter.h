#pragma once
// Drawing the bar and its panes onto a bitmap, without the platform's theme
// except through the StatusTheme seam.
#include <string_view>

#include "core/platform/text_renderer.h"
#include "core/status/bar_host.h"
#include "core/status/frame_style.h"
#include "core/status/panes.h"

namespace zv {

// Everything needed to draw one pane, colours already resolved.
struct PaneLook {
  Rect bounds;
  Rect textRect;
  TFrameStyleEx frameStyle = fsFlat;
  int borderWidth = 1;
  ColorRef colour = 0;
  ColorRef fill = 0;
  FrameColours frame;
  FontSpec font;  // its colour is the text colour
  std::string_view caption;
  TAlignment alignment = taLeftJustify;
  int captionOffset = 2;
  bool enabled = true;
};

// The top-left of a caption `textWidth` wide inside `textRect`; `ppHeight`
// is the height of "Pp" in the caption's font.
Point CaptionOrigin(const Rect& textRect, TAlignment alignment, int captionOffset, int textWidth, int ppHeight);

// The six grip dots in `highlight`, each with its `shadow` dot one pixel up
// and left, in the bottom-right corner of `client` (its bottom taken one pixel
// higher).
void DrawSizeGrip(const BitmapView& target, const Rect& client, ColorRef highlight, ColorRef shadow);

// The classic path draws everything; with `theme` the pane part and the bar
// background behind the text come from the theme.
void PaintPane(const BitmapView& target, const PaneLook& look, TextRenderer& text, const SystemPalette& palette,
               StatusTheme* theme, const Rect& barRect);

}  // namespace zv
