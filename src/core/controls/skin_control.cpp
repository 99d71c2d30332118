#include "core/controls/skin_control.h"

#include "core/gfx/blit.h"

namespace zv {

TzsSkinControl::TzsSkinControl(SkinControlHost& host, SkinFamily family, std::string skinDataName)
    : host_(host), family_(family), skinDataName_(std::move(skinDataName)) {}

TzsSkinControl::~TzsSkinControl() {
  if (skinData_) skinData_->RemoveFreeListener(this);
}

void TzsSkinControl::SetSkinData(const SkinSource* data) {
  if (data != skinData_) {
    if (skinData_) skinData_->RemoveFreeListener(this);
    if (data) data->AddFreeListener(this);
  }
  skinData_ = data;
  if (data && !data->IsEmpty() && !Designing) ApplySkin();
}

void TzsSkinControl::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  if (skinData_ && !Designing) ApplySkin();
}

void TzsSkinControl::SkinDataRemoved(const SkinSource* data) {
  if (!data || data != skinData_) return;
  skinData_->RemoveFreeListener(this);
  skinData_ = nullptr;
  LookUpSkinRecord();  // drops the record and every view into the pictures
  host_.Invalidate();
}

void TzsSkinControl::FreeNotification(const FreeNotifier* removed) {
  if (skinData_ && removed == skinData_) SkinDataRemoved(skinData_);
}

void TzsSkinControl::LookUpSkinRecord() {
  record_ = skinData_ && !skinData_->IsEmpty() ? SkinAtDpi()->ControlRecord(skinDataName_) : nullptr;
}

void TzsSkinControl::ApplySkin() {
  LookUpSkinRecord();
  host_.Invalidate();
}

void TzsSkinControl::SetBounds(const Rect& bounds) {
  const Rect old = host_.Bounds();
  host_.ApplyBounds(bounds);
  if (old.Width() != bounds.Width() || old.Height() != bounds.Height()) host_.Invalidate();
}

Size TzsSkinControl::CurrentSize() const {
  const Rect b = host_.Bounds();
  return {b.Width(), b.Height()};
}

const TzsDataSkinCustomControl* TzsSkinCustomControl::CustomRecord() const {
  return dynamic_cast<const TzsDataSkinCustomControl*>(Record());
}

void TzsSkinCustomControl::SetDefaultFont(const FontSpec& font) {
  defaultFont_ = font;
  DefaultFontChanged();
  if (!Skinned()) host_.Invalidate();
}

void TzsSkinCustomControl::SetDefaultWidth(int width) {
  defaultWidth_ = width;
  if (!Skinned() && width > 0) {
    const Rect b = host_.Bounds();
    SetBounds(Rect::FromSize(b.left, b.top, width, b.Height()));
  }
}

void TzsSkinCustomControl::SetDefaultHeight(int height) {
  defaultHeight_ = height;
  if (!Skinned() && height > 0) {
    const Rect b = host_.Bounds();
    SetBounds(Rect::FromSize(b.left, b.top, b.Width(), height));
  }
}

void TzsSkinCustomControl::SetDpi(int dpi) {
  if (dpi == Dpi()) return;
  defaultFont_.height = RescaleFontHeight(defaultFont_.height, Dpi(), dpi);
  defaultWidth_ = RescaleLength(defaultWidth_, Dpi(), dpi);
  defaultHeight_ = RescaleLength(defaultHeight_, Dpi(), dpi);
  DefaultFontChanged();
  TzsSkinControl::SetDpi(dpi);
}

void TzsSkinCustomControl::LookUpSkinRecord() {
  TzsSkinControl::LookUpSkinRecord();
  // Never keep views into pictures of a skin that may be gone.
  pieces_ = {};
  mask_ = {};
  sizing_ = SkinSizing::kNoSkin;
  const TzsDataSkinCustomControl* record = CustomRecord();
  // A record without frame geometry draws the plain look.
  if (!record) return;
  pieces_ = PiecesFromRecord(*record, SkinAtDpi()->Picture(record->pictureIndex));
  mask_ = SkinAtDpi()->Picture(record->maskPictureIndex);
  sizing_ = DeriveSizing(pieces_);
}

Size TzsSkinCustomControl::FitSizeToSkin(Size proposed) {
  return zv::FitSizeToSkin(sizing_, pieces_, proposed, fitted_);
}

void TzsSkinCustomControl::SetBounds(const Rect& bounds) {
  LookUpSkinRecord();
  const Rect old = host_.Bounds();
  Rect target = bounds;
  const bool sizeRequested = old.Width() != bounds.Width() || old.Height() != bounds.Height();
  if (CustomRecord() && sizeRequested) {
    const Size fitted = FitSizeToSkin({bounds.Width(), bounds.Height()});
    target = Rect::FromSize(bounds.left, bounds.top, fitted.width, fitted.height);
    if (sizing_ == SkinSizing::kFixed) fitted_.clientRect = pieces_.points.clientRect;
  }
  host_.ApplyBounds(target);
  if (old.Width() != target.Width() || old.Height() != target.Height()) {
    UpdateWindowShape();
    host_.Invalidate();
  }
  if (Family() == SkinFamily::kWindowed && CustomRecord() && pieces_.stretchEffect) {
    host_.NotifyChildrenParentBackChanged();
  }
}

void TzsSkinCustomControl::ApplySkin() {
  LookUpSkinRecord();
  const Rect b = host_.Bounds();
  const Size current{b.Width(), b.Height()};
  Size wanted = current;
  if (CustomRecord()) {
    wanted = FitSizeToSkin(current);
  } else {
    if (defaultWidth_ > 0) wanted.width = defaultWidth_;
    if (defaultHeight_ > 0) wanted.height = defaultHeight_;
  }
  if (wanted != current) {
    SetBounds(Rect::FromSize(b.left, b.top, wanted.width, wanted.height));  // shapes and repaints
    return;
  }
  UpdateWindowShape();
  host_.Invalidate();
}

void TzsSkinCustomControl::UpdateWindowShape() {
  if (Family() != SkinFamily::kWindowed || !host_.HasParent()) return;
  if (!CustomRecord() || mask_.width() <= 0 || mask_.height() <= 0) {
    host_.SetShape({});
    return;
  }
  const Size size = CurrentSize();
  FitSizeToSkin(size);
  host_.SetShape(ShapeFromMask(sizing_, pieces_, fitted_, size, mask_));
}

void TzsSkinCustomControl::Paint(const BitmapView& canvas) {
  const Size size = CurrentSize();
  if (size.width < 1 || size.height < 1) return;
  LookUpSkinRecord();
  FitSizeToSkin(size);
  if (CustomRecord() && directBackground_ && sizing_ == SkinSizing::kBoth) {
    PaintDirect(canvas);
  } else {
    PaintOffScreen(canvas);
  }
}

void TzsSkinCustomControl::PaintOffScreen(const BitmapView& canvas) {
  const Size size = CurrentSize();
  Bitmap bitmap(size.width, size.height);
  if (CustomRecord()) {
    RenderSkinned(bitmap);
  } else {
    RenderUnskinned(bitmap);
  }
  Blit(canvas, Point{0, 0}, bitmap.view(), bitmap.view().bounds());
}

void TzsSkinCustomControl::PaintDirect(const BitmapView& canvas) {
  const Size size = CurrentSize();
  FrameBands bands = ComposeFrameBands(size, pieces_, fitted_);
  inDirectPaint_ = true;
  RenderSkinned(bands.top);
  inDirectPaint_ = false;
  if (DrawClientPiece) PaintClientPiece(canvas, fitted_.clientRect, pieces_);
  const int topHeight = bands.top.height();
  Blit(canvas, Point{0, 0}, bands.top.view(), bands.top.view().bounds());
  Blit(canvas, Point{0, topHeight}, bands.left.view(), bands.left.view().bounds());
  Blit(canvas, Point{size.width - bands.right.width(), topHeight}, bands.right.view(), bands.right.view().bounds());
  Blit(canvas, Point{0, size.height - bands.bottom.height()}, bands.bottom.view(), bands.bottom.view().bounds());
}

void TzsSkinCustomControl::RenderUnskinned(Bitmap& bitmap) {
  bitmap.view().Fill(bitmap.view().bounds(), SystemPixel(kColorBtnFace));
}

void TzsSkinCustomControl::RenderSkinned(Bitmap& bitmap) { RenderPieces(bitmap, pieces_); }

void TzsSkinCustomControl::RenderPieces(Bitmap& bitmap, const SkinPieces& pieces) {
  const Rect& s = pieces.skinRect;
  const SkinPoints& p = pieces.points;
  switch (sizing_) {
    case SkinSizing::kNoSkin:
      return;
    case SkinSizing::kFixed:
      bitmap = Bitmap(s.Width(), s.Height());
      Blit(bitmap.view(), Point{0, 0}, pieces.picture, s);
      return;
    case SkinSizing::kBoth:
      if (inDirectPaint_) return;  // the bands and the client piece are drawn already
      ComposeNineSlice(bitmap, {bitmap.width(), bitmap.height()}, pieces, fitted_, true);
      return;
    case SkinSizing::kHorizontal:
      ComposeHorizontalStrip(p.leftTop.x, s.Width() - p.rightTop.x, bitmap, pieces.stretchEffect, bitmap.width(), s,
                             pieces.picture);
      return;
    case SkinSizing::kVertical:
      ComposeVerticalStrip(p.leftTop.y, s.Height() - p.leftBottom.y, bitmap, pieces.stretchEffect, bitmap.height(), s,
                           pieces.picture);
      return;
  }
}

ColorRef TzsSkinCustomControl::ResolveColor(ColorRef color) const {
  return IsSystemColor(color) ? host_.SystemColorValue(SystemColorIndex(color)) : color;
}

void RelaySkinChange(unsigned message, const SkinSource* sender, const std::vector<SkinControlTree>& controls) {
  if (message != ZSM_SKINCHANGING && message != ZSM_SKINCHANGED) return;
  for (const SkinControlTree& node : controls) {
    TzsSkinControl* control = node.control;
    if (control && (!sender || control->SkinData() == sender)) {
      if (message == ZSM_SKINCHANGING) {
        control->DropSkin();
      } else {
        control->ApplySkin();
      }
    }
    RelaySkinChange(message, sender, node.children);
  }
}

}  // namespace zv
