#include "core/controls/skin_speed_button.h"

#include <algorithm>

#include "core/gfx/blit.h"
#include "core/gfx/glyphs.h"

namespace zv {
namespace {

Rect FirstSet(std::initializer_list<Rect> rects) {
  for (const Rect& r : rects) {
    if (!r.IsEmpty()) return r;
  }
  return {};
}

}  // namespace

TzsSkinSpeedButton::TzsSkinSpeedButton(SkinControlHost& host, TimerHost& timers, std::string skinDataName)
    : TzsGraphicSkinCustomControl(host, std::move(skinDataName)), repeat_(timers, kRepeatTimerId) {}

void TzsSkinSpeedButton::SetCaption(std::string text) {
  caption_ = std::move(text);
  host_.Invalidate();
}

void TzsSkinSpeedButton::SetFlat(bool on) {
  flat_ = on;
  host_.Invalidate();
}

void TzsSkinSpeedButton::SetGlyph(const Bitmap& glyph) {
  glyph_ = glyph;
  host_.Invalidate();
}

void TzsSkinSpeedButton::SetNumGlyphs(int count) {
  numGlyphs_ = std::clamp(count, 1, 4);
  host_.Invalidate();
}

void TzsSkinSpeedButton::SetLayout(TzsButtonLayout layout) {
  layout_ = layout;
  host_.Invalidate();
}

void TzsSkinSpeedButton::SetMargin(int margin) {
  margin_ = std::max(margin, -1);
  host_.Invalidate();
}

void TzsSkinSpeedButton::SetSpacing(int spacing) {
  spacing_ = std::max(spacing, -1);
  host_.Invalidate();
}

void TzsSkinSpeedButton::SetImages(const SkinImageList* list) {
  images_ = list;
  host_.Invalidate();
}

void TzsSkinSpeedButton::SetImageIndex(int index) {
  imageIndex_ = index;
  host_.Invalidate();
}

std::vector<TzsSkinSpeedButton*> TzsSkinSpeedButton::GroupPeers() const {
  std::vector<TzsSkinSpeedButton*> peers;
  if (groupIndex_ == 0 || !Siblings) return peers;
  for (TzsSkinSpeedButton* b : Siblings()) {
    if (b && b != this && b->groupIndex_ == groupIndex_) peers.push_back(b);
  }
  return peers;
}

void TzsSkinSpeedButton::SetDown(bool down) {
  if (groupIndex_ == 0) down = false;
  if (down == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = down;
  host_.Invalidate();
  if (down_) {
    for (TzsSkinSpeedButton* peer : GroupPeers()) peer->RaisedByPeer();
  }
}

void TzsSkinSpeedButton::RaisedByPeer() {
  if (!down_) return;
  down_ = false;
  host_.Invalidate();
}

void TzsSkinSpeedButton::SetAllowAllUp(bool allow) {
  allowAllUp_ = allow;
  for (TzsSkinSpeedButton* peer : GroupPeers()) peer->allowAllUp_ = allow;
  host_.Invalidate();
}

SpeedButtonState TzsSkinSpeedButton::State() const {
  if (!host_.Enabled()) return SpeedButtonState::kDisabled;
  if (pressed_ && pressedInside_) return SpeedButtonState::kPressed;
  if (down_) return SpeedButtonState::kDown;
  return SpeedButtonState::kUp;
}

void TzsSkinSpeedButton::Click() {
  if (OnClick) OnClick();
}

void TzsSkinSpeedButton::MouseEnter() {
  if (Designing || !host_.Enabled() || mouseIn_) return;
  mouseIn_ = true;
  host_.Invalidate();
}

void TzsSkinSpeedButton::MouseLeave() {
  if (!mouseIn_) return;
  mouseIn_ = false;
  host_.Invalidate();
}

void TzsSkinSpeedButton::MouseDown(Point) {
  if (!host_.Enabled()) return;
  pressed_ = true;
  pressedInside_ = true;
  host_.Invalidate();
  if (RepeatMode) {
    // A held button acts at once and then repeats; its release adds nothing.
    Click();
    repeat_.Start(RepeatInterval);
  }
}

void TzsSkinSpeedButton::MouseMove(Point p) {
  if (!pressed_) return;
  const Size size = CurrentSize();
  const bool inside = Rect{0, 0, size.width, size.height}.Contains(p);
  if (inside == pressedInside_) return;
  pressedInside_ = inside;
  host_.Invalidate();
}

void TzsSkinSpeedButton::MouseUp(Point p) {
  if (!pressed_) return;
  pressed_ = false;
  pressedInside_ = false;
  repeat_.Stop();
  host_.Invalidate();
  const Size size = CurrentSize();
  if (!Rect{0, 0, size.width, size.height}.Contains(p)) return;
  if (groupIndex_ != 0) SetDown(!down_);
  if (!RepeatMode) Click();
}

void TzsSkinSpeedButton::TimerTick(int id) {
  if (id != repeat_.TimerId() || !repeat_.Tick()) return;
  if (pressed_ && pressedInside_) Click();
}

void TzsSkinSpeedButton::EnabledChanged() {
  if (!host_.Enabled()) {
    pressed_ = false;
    pressedInside_ = false;
    mouseIn_ = false;
    repeat_.Stop();
  }
  host_.Invalidate();
}

Size TzsSkinSpeedButton::FitSizeToSkin(Size proposed) {
  if (UseSkinSize && CustomRecord() && Sizing() != SkinSizing::kNoSkin) {
    const Rect& s = Pieces().skinRect;
    return TzsSkinCustomControl::FitSizeToSkin({s.Width(), s.Height()});
  }
  return TzsSkinCustomControl::FitSizeToSkin(proposed);
}

Rect TzsSkinSpeedButton::SkinRectFor(SpeedButtonState state) const {
  const Rect normal = Pieces().skinRect;
  const auto* r = dynamic_cast<const TzsDataSkinButtonControl*>(Record());
  if (!r) return normal;
  switch (state) {
    case SpeedButtonState::kDisabled: return FirstSet({r->disabledSkinRect, normal});
    case SpeedButtonState::kPressed:
    case SpeedButtonState::kDown: return FirstSet({r->downSkinRect, r->activeSkinRect, normal});
    case SpeedButtonState::kUp: return mouseIn_ ? FirstSet({r->activeSkinRect, normal}) : normal;
  }
  return normal;
}

FontSpec TzsSkinSpeedButton::CaptionFont(SpeedButtonState state) const {
  FontSpec font = DefaultFont();
  const auto* r = dynamic_cast<const TzsDataSkinButtonControl*>(Record());
  if (r && Sizing() != SkinSizing::kNoSkin) {
    if (UseSkinFont) font = {r->fontName, r->fontHeight, r->fontStyle.bits, font.color};
    if (UseSkinFontColor) {
      switch (state) {
        case SpeedButtonState::kDisabled: font.color = r->disabledFontColor; break;
        case SpeedButtonState::kPressed:
        case SpeedButtonState::kDown: font.color = r->downFontColor; break;
        case SpeedButtonState::kUp: font.color = mouseIn_ ? r->activeFontColor : r->fontColor; break;
      }
    }
  } else if (state == SpeedButtonState::kDisabled) {
    font.color = host_.SystemColorValue(kColorBtnShadow);
  }
  font.color = ResolveColor(font.color);
  return font;
}

void TzsSkinSpeedButton::PaintFace(Bitmap& bitmap, SpeedButtonState state) {
  const BitmapView view = bitmap.view();
  if (flat_ && state == SpeedButtonState::kUp && !mouseIn_) {
    host_.PaintParentBackground(view);
    return;
  }
  if (CustomRecord() && Sizing() != SkinSizing::kNoSkin) {
    SkinPieces pieces = Pieces();
    pieces.skinRect = SkinRectFor(state);
    RenderPieces(bitmap, pieces);
    return;
  }
  view.Fill(view.bounds(), SystemPixel(kColorBtnFace));
  const bool sunk = state == SpeedButtonState::kPressed || state == SpeedButtonState::kDown;
  const Pixel light = SystemPixel(kColorBtnHighlight);
  const Pixel shadow = SystemPixel(kColorBtnShadow);
  DrawOutline(view, view.bounds(), sunk ? shadow : light, sunk ? light : shadow);
}

void TzsSkinSpeedButton::PaintContent(const BitmapView& target, SpeedButtonState state) {
  BitmapView imageSource;
  Rect imageFrom;
  if (glyph_.width() > 0) {
    const int cell = glyph_.width() / numGlyphs_;
    const int index = static_cast<int>(state) < numGlyphs_ ? static_cast<int>(state) : 0;
    imageSource = const_cast<Bitmap&>(glyph_).view();
    imageFrom = {cell * index, 0, cell * (index + 1), glyph_.height()};
  } else if (images_ && imageIndex_ >= 0 && imageIndex_ < static_cast<int>(images_->images.size())) {
    Bitmap& image = const_cast<Bitmap&>(images_->images[static_cast<std::size_t>(imageIndex_)]);
    imageSource = image.view();
    imageFrom = image.view().bounds();
  }
  const FontSpec font = CaptionFont(state);
  const Size text = caption_.empty() ? Size{} : host_.Text().Measure(font, caption_);
  Rect area = target.bounds();
  // The plain look sinks its content with the face.
  const bool plain = !CustomRecord() || Sizing() == SkinSizing::kNoSkin;
  if (plain && (state == SpeedButtonState::kPressed || state == SpeedButtonState::kDown)) area = area.Offset(1, 1);
  const ButtonContentPlaces at =
      PlaceButtonContent(area, {imageFrom.Width(), imageFrom.Height()}, text, layout_, margin_, spacing_);
  if (!imageFrom.IsEmpty()) BlitTransparent(target, at.glyph, imageSource, imageFrom);
  if (!caption_.empty()) host_.Text().Draw(target, font, caption_, at.text, area);
}

void TzsSkinSpeedButton::Paint(const BitmapView& canvas) {
  const Size size = CurrentSize();
  if (size.width < 1 || size.height < 1) return;
  LookUpSkinRecord();
  FitSizeToSkin(size);
  const SpeedButtonState state = State();
  Bitmap bitmap(size.width, size.height);
  PaintFace(bitmap, state);
  PaintContent(bitmap.view(), state);
  if (OnPaint) OnPaint(bitmap.view(), bitmap.view().bounds());
  Blit(canvas, Point{0, 0}, bitmap.view(), bitmap.view().bounds());
}

}  // namespace zv
