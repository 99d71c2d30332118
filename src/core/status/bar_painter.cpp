#include "core/status/bar_painter.h"

#include <array>

#include "core/status/status_bar.h"

namespace zv {
namespace {

struct GripDot {
  int left;   // pixels left of the right edge
  int above;  // pixels above the bottom
};
constexpr std::array<GripDot, 6> kGripDots{{{5, 12}, {5, 8}, {5, 4}, {9, 8}, {9, 4}, {13, 4}}};

void DrawCaption(const BitmapView& target, const PaneLook& look, TextRenderer& text, const SystemPalette& palette) {
  if (look.caption.empty() || look.textRect.IsEmpty()) return;
  const int width = text.Measure(look.font, look.caption).width;
  const int ppHeight = text.Measure(look.font, "Pp").height;
  const Point at = CaptionOrigin(look.textRect, look.alignment, look.captionOffset, width, ppHeight);
  if (look.enabled) {
    text.Draw(target, look.font, look.caption, at, look.textRect);
    return;
  }
  FontSpec embossed = look.font;
  embossed.color = palette.Resolve(clBtnHighlight);
  text.Draw(target, embossed, look.caption, {at.x + 1, at.y + 1}, look.textRect);
  embossed.color = palette.Resolve(clBtnShadow);
  text.Draw(target, embossed, look.caption, at, look.textRect);
}

PaneLook LookOf(const TSbCustomStatusPane& pane, const TSbStatusBar& bar) {
  const SystemPalette& palette = bar.Palette();
  PaneLook look;
  look.bounds = pane.BoundsRect();
  look.textRect = bar.PaneTextRect(pane);
  look.frameStyle = pane.FrameStyle();
  look.borderWidth = pane.BorderWidth();
  look.colour = palette.Resolve(pane.Color());
  look.fill = palette.Resolve(pane.FillColor());
  look.frame = MakeFrameColours(palette, palette.Resolve(pane.FlatColor()), pane.FlatColorAdjustment());
  look.font = pane.Font();
  look.font.color = palette.Resolve(pane.ShowsBlinkColor() ? pane.BlinkColor() : pane.Font().color);
  look.caption = pane.Caption();
  look.alignment = pane.Alignment();
  look.captionOffset = pane.CaptionOffset();
  look.enabled = pane.Enabled();
  return look;
}

// The bar's own caption while SimpleStatus is on: one pane over the whole
// bar, with the pane defaults for everything the bar does not set.
PaneLook SimpleLook(const TSbStatusBar& bar) {
  const SystemPalette& palette = bar.Palette();
  PaneLook look;
  look.bounds = bar.AlignRect();
  look.frameStyle = bar.SimpleFrameStyle();
  look.borderWidth = 0;
  const int inset = TextInset(look.frameStyle);
  look.textRect = look.bounds.Inflate(-inset, -inset);
  if (bar.ShowSizeGrip()) look.textRect.right -= bar.GripReserve();
  look.colour = look.fill = palette.Resolve(bar.Color());
  look.frame = MakeFrameColours(palette, palette.Resolve(bar.FlatColor()), 30);
  look.font = bar.Font();
  look.font.color = palette.Resolve(bar.Font().color);
  look.caption = bar.SimpleCaption();
  return look;
}

}  // namespace

void TSbStatusBar::Paint(const BitmapView& target) {
  const Rect client = ClientRect();
  StatusTheme* theme = UsesTheme() ? theme_ : nullptr;
  if (theme != nullptr) {
    theme->DrawPart(target, StatusThemePart::kBackground, client, client);
  } else {
    target.Fill(client, ToPixel(palette_.Resolve(Color())));
    const FrameColours colours = MakeFrameColours(palette_, palette_.Resolve(FlatColor()), 0);
    DrawFrame(target, client, BorderOuter(), colours, BorderSides());
    const int inset = FrameThickness(BorderOuter()) + BorderWidth();
    DrawFrame(target, client.Inflate(-inset, -inset), BorderInner(), colours, BorderSides());
  }
  if (SimpleStatus()) {
    PaintPane(target, SimpleLook(*this), text_, palette_, theme, client);
  } else {
    for (const auto& pane : panes_) {
      if (pane->Visible()) PaintPane(target, LookOf(*pane, *this), text_, palette_, theme, client);
    }
  }
  if (!GripActive()) return;
  if (theme != nullptr) {
    theme->DrawPart(target, StatusThemePart::kGripper, GripRect(), GripRect());
  } else {
    DrawSizeGrip(target, client, palette_.Resolve(clBtnHighlight), palette_.Resolve(clBtnShadow));
  }
}

Point CaptionOrigin(const Rect& textRect, TAlignment alignment, int captionOffset, int textWidth, int ppHeight) {
  int x = textRect.left + captionOffset + 1;
  if (alignment == taRightJustify) x = textRect.right - captionOffset - 1 - textWidth;
  if (alignment == taCenter) x = textRect.left + (textRect.Width() - textWidth) / 2;
  return {x, textRect.top + (textRect.Height() - ppHeight) / 2};
}

void DrawSizeGrip(const BitmapView& target, const Rect& client, ColorRef highlight, ColorRef shadow) {
  const int right = client.right;
  const int bottom = client.bottom - 1;
  for (const GripDot& dot : kGripDots) {
    const int x = right - dot.left, y = bottom - dot.above;
    target.Fill({x, y, x + 2, y + 2}, ToPixel(highlight));
    target.Fill({x - 1, y - 1, x + 1, y + 1}, ToPixel(shadow));
  }
}

void PaintPane(const BitmapView& target, const PaneLook& look, TextRenderer& text, const SystemPalette& palette,
               StatusTheme* theme, const Rect& barRect) {
  const Rect frameRect = look.bounds.Inflate(-look.borderWidth, -look.borderWidth);
  if (theme != nullptr) {
    theme->DrawPart(target, StatusThemePart::kPane, look.bounds, look.bounds);
    theme->DrawPart(target, StatusThemePart::kBackground, barRect, look.textRect.Intersect(look.bounds));
  } else {
    target.Fill(look.bounds, ToPixel(look.colour));
    target.Fill(look.textRect.Intersect(look.bounds), ToPixel(look.fill));
  }
  DrawCaption(target, look, text, palette);
  // The frame goes last: for the styles whose text rectangle reaches the
  // frame line, the text background would otherwise wipe the frame out.
  if (theme == nullptr) DrawFrame(target, frameRect, look.frameStyle, look.frame);
}

}  // namespace zv
