#include "core/controls/skin_panel.h"

namespace zv {

TzsSkinPanel::TzsSkinPanel(SkinControlHost& host, std::string skinDataName)
    : TzsSkinCustomControl(host, std::move(skinDataName)) {
  SetDirectBackground(true);
}

const TzsDataSkinPanelControl* TzsSkinPanel::PanelRecord() const {
  return dynamic_cast<const TzsDataSkinPanelControl*>(Record());
}

BitmapView TzsSkinPanel::BackgroundPicture() const {
  const TzsDataSkinPanelControl* record = PanelRecord();
  return record && SkinData() ? SkinAtDpi()->Picture(record->bgPictureIndex) : BitmapView{};
}

void TzsSkinPanel::RepaintIfUnskinnedCaption() {
  if (!Skinned() && captionMode_) host_.Invalidate();
}

void TzsSkinPanel::SetCaption(std::string text) {
  caption_ = std::move(text);
  if (captionMode_) host_.Invalidate();
}

void TzsSkinPanel::SetCaptionMode(bool on) {
  captionMode_ = on;
  host_.Invalidate();
  host_.RealignChildren();
}

void TzsSkinPanel::SetDefaultCaptionHeight(int height) {
  defaultCaptionHeight_ = height;
  if (!Skinned() && captionMode_) {
    host_.Invalidate();
    host_.RealignChildren();
  }
}

void TzsSkinPanel::SetDefaultAlignment(Alignment alignment) {
  defaultAlignment_ = alignment;
  RepaintIfUnskinnedCaption();
}

void TzsSkinPanel::SetBorderStyle(TzsSkinBorderStyle style) {
  borderStyle_ = style;
  if (!Skinned()) host_.Invalidate();
}

void TzsSkinPanel::SetTransparentMode(bool on) {
  if (on == transparentMode_) return;
  transparentMode_ = on;
  host_.Invalidate();
  if (!Designing) host_.NotifyChildrenParentBackChanged();
}

void TzsSkinPanel::SetCheckedMode(bool on) {
  checkedMode_ = on;
  host_.Invalidate();
}

void TzsSkinPanel::SetChecked(bool checked) {
  checked_ = checked;
  if (checkedMode_) host_.Invalidate();
  if (AutoEnabledControls && checkedMode_) host_.SetChildrenEnabled(checked);
  if (OnChecked) OnChecked();
}

void TzsSkinPanel::SetRollUpMode(bool on) {
  rollUpMode_ = on;
  RepaintIfUnskinnedCaption();
}

void TzsSkinPanel::SetGlyph(const Bitmap& glyph) {
  glyph_ = glyph;
  host_.Invalidate();
}

void TzsSkinPanel::SetNumGlyphs(int count) {
  numGlyphs_ = count < 1 ? 1 : count;  // the cell width divides by it
  host_.Invalidate();
}

void TzsSkinPanel::SetSpacing(int spacing) {
  spacing_ = spacing;
  host_.Invalidate();
}

void TzsSkinPanel::SetCaptionImageList(const SkinImageList* list) {
  captionImages_ = list;
  host_.Invalidate();
}

void TzsSkinPanel::SetCaptionImageIndex(int index) {
  if (index == captionImageIndex_) return;
  captionImageIndex_ = index;
  host_.Invalidate();
}

void TzsSkinPanel::SetImagePosition(TzsImagePosition position) {
  if (position == imagePosition_) return;
  imagePosition_ = position;
  host_.Invalidate();
}

Rect TzsSkinPanel::ClientArea() {
  const Size size = CurrentSize();
  Rect area{0, 0, size.width, size.height};
  LookUpSkinRecord();
  if (!CustomRecord() || Designing) {
    if (borderStyle_ != TzsSkinBorderStyle::bvNone) area = area.Inflate(-1, -1);
    if (captionMode_) area.top += defaultCaptionHeight_;
    return area;
  }
  const bool wholeClientPiece =
      borderStyle_ == TzsSkinBorderStyle::bvNone && !captionMode_ && Sizing() == SkinSizing::kBoth;
  if (BackgroundPicture().width() > 0 || wholeClientPiece) return area;
  FitSizeToSkin(size);
  return Fitted().clientRect;
}

void TzsSkinPanel::MouseUp(Point p) {
  if (!captionMode_ || !(checkedMode_ || rollUpMode_)) return;
  const Size size = CurrentSize();
  bool counts;
  if (Skinned()) {
    const Rect& r = captionHitRect_;
    counts = p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
  } else {
    counts = Rect{1, 1, size.width - 1, defaultCaptionHeight_}.Contains(p);
  }
  if (!counts) return;
  if (checkedMode_) SetChecked(!checked_);
  if (rollUpMode_) SetRollUpState(!rollUpState_);
}

int TzsSkinPanel::RolledUpHeight() {
  LookUpSkinRecord();
  if (!CustomRecord()) return defaultCaptionHeight_ + 1;
  const Size size = CurrentSize();
  FitSizeToSkin(size);
  return size.height + Fitted().clientRect.top - Fitted().clientRect.bottom;
}

void TzsSkinPanel::Roll(bool up) {
  const Rect b = host_.Bounds();
  rolling_ = true;
  if (up && realHeight_ == -1) {
    realHeight_ = b.Height();
    host_.SetAlignSuspended(true);
    host_.SetChildrenVisible(false);
    SetBounds(Rect::FromSize(b.left, b.top, b.Width(), RolledUpHeight()));
  } else if (!up && realHeight_ != -1) {
    SetBounds(Rect::FromSize(b.left, b.top, b.Width(), realHeight_));
    realHeight_ = -1;
    host_.SetChildrenVisible(true);
    host_.SetAlignSuspended(false);
  }
  rolling_ = false;
}

void TzsSkinPanel::SetRollUpState(bool rolledUp) {
  if (rolledUp == rollUpState_) return;
  if (!rollUpMode_) {
    constraints_ = savedConstraints_;
    rollUpState_ = false;
    return;
  }
  savedConstraints_ = constraints_;
  constraints_ = {};
  rollUpState_ = rolledUp;
  Roll(rolledUp);
  if (OnChangeRollUpState) OnChangeRollUpState();
}

void TzsSkinPanel::SetDpi(int dpi) {
  defaultCaptionHeight_ = RescaleLength(defaultCaptionHeight_, Dpi(), dpi);
  TzsSkinCustomControl::SetDpi(dpi);
}

void TzsSkinPanel::ApplySkin() {
  TzsSkinCustomControl::ApplySkin();
  if (!rollUpState_) {
    host_.RealignChildren();
    return;
  }
  // Rolled up: roll up again with the new skin's caption height; the height
  // to roll down to stays.
  const Rect b = host_.Bounds();
  rolling_ = true;
  SetBounds(Rect::FromSize(b.left, b.top, b.Width(), RolledUpHeight()));
  rolling_ = false;
}

void TzsSkinPanel::SetBounds(const Rect& bounds) {
  const Rect old = host_.Bounds();
  TzsSkinCustomControl::SetBounds(bounds);
  if (!Skinned()) host_.Invalidate();
  if (old.left != bounds.left || old.top != bounds.top) PositionChanged();
}

void TzsSkinPanel::RepaintTransparentHook() {
  if (!transparentMode_) return;
  host_.Invalidate();
  host_.NotifyChildrenParentBackChanged();
}

}  // namespace zv
