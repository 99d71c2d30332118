#include "core/status/status_bar.h"

#include <algorithm>

namespace zv {

void TSbCustomPanel::SetSize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  Changed();
}

void TSbCustomPanel::SetColor(TColor colour) {
  parentColor_ = false;
  if (colour == color_) return;
  color_ = colour;
  Changed();
}

void TSbCustomPanel::SetFont(const FontSpec& font) {
  if (font == font_) return;
  font_ = font;
  Changed();
}

void TSbCustomPanel::SetBorderInner(TFrameStyleEx style) {
  if (style == borderInner_) return;
  borderInner_ = style;
  BorderChanged();
}

void TSbCustomPanel::SetBorderOuter(TFrameStyleEx style) {
  if (style == borderOuter_) return;
  borderOuter_ = style;
  BorderChanged();
}

void TSbCustomPanel::SetBorderSides(TSbBorderSides sides) {
  if (sides == borderSides_) return;
  borderSides_ = sides;
  BorderChanged();
}

void TSbCustomPanel::SetBorderWidth(int width) {
  width = std::max(width, 0);
  if (width == borderWidth_) return;
  borderWidth_ = width;
  Changed();
}

void TSbCustomPanel::SetFlatColor(TColor colour) {
  if (colour == flatColor_) return;
  flatColor_ = colour;
  Changed();
}

void TSbCustomPanel::ApplyBorders(TFrameStyleEx inner, TFrameStyleEx outer, TSbBorderSides sides, int width) {
  borderInner_ = inner;
  borderOuter_ = outer;
  borderSides_ = sides;
  borderWidth_ = width;
}

TSbStatusBar::TSbStatusBar(StatusBarHost& host, TextRenderer& text, const SystemPalette& palette, StatusTheme* theme)
    : host_(host), text_(text), palette_(palette), theme_(theme) {
  TSbCustomPanel::SetSize(Width(), StandardHeight());
}

// Panes go first, newest first, while the bar is still whole.
TSbStatusBar::~TSbStatusBar() {
  while (!panes_.empty()) panes_.pop_back();
}

void TSbStatusBar::DeletePane(TSbCustomStatusPane& pane) {
  const auto it = std::find_if(panes_.begin(), panes_.end(), [&](const auto& p) { return p.get() == &pane; });
  if (it == panes_.end()) return;
  panes_.erase(it);
  Realign();
}

void TSbStatusBar::SetShowSizeGrip(bool show) {
  if (show == showSizeGrip_) return;
  showSizeGrip_ = show;
  Changed();
}

void TSbStatusBar::SetSimpleStatus(bool simple) {
  if (simple == simpleStatus_) return;
  simpleStatus_ = simple;
  Changed();
}

void TSbStatusBar::SetSimpleCaption(const std::string& caption) {
  if (caption == simpleCaption_) return;
  simpleCaption_ = caption;
  if (simpleStatus_) Changed();
}

void TSbStatusBar::SetSimpleFrameStyle(TFrameStyleEx style) {
  if (style == simpleFrameStyle_) return;
  simpleFrameStyle_ = style;
  if (simpleStatus_) Changed();
}

void TSbStatusBar::SetThemeAware(bool aware) {
  if (aware == themeAware_) return;
  themeAware_ = aware;
  Changed();
}

void TSbStatusBar::Loaded() {
  if (autoStyle_) {
    ApplyBorders(fsNone, fsNone, kAllSides, 0);
    TSbCustomPanel::SetSize(Width(), StandardHeight());
  }
  Changed();
  for (const auto& pane : panes_) pane->Loaded();
}

void TSbStatusBar::SetSize(int width, int height) { TSbCustomPanel::SetSize(width, height); }

void TSbStatusBar::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  for (const auto& pane : panes_) {
    pane->SetWidth(RescaleLength(pane->Width(), dpi_, dpi));
    pane->SetHeight(RescaleLength(pane->Height(), dpi_, dpi));
  }
  dpi_ = dpi;
  if (autoStyle_) TSbCustomPanel::SetSize(Width(), StandardHeight());
  Changed();
}

bool TSbStatusBar::UsesTheme() { return themeAware_ && theme_ != nullptr && host_.VisualStylesActive(); }

void TSbStatusBar::BorderChanged() {
  autoStyle_ = false;
  Changed();
}

void TSbStatusBar::Changed() {
  for (const auto& pane : panes_) pane->ApplyAutoSize();
  Realign();
}

}  // namespace zv
