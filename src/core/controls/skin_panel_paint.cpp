// The panel's looks: the six paint cases, the transparent group box, the
// skinned caption band and the plain look.
#include <algorithm>

#include "core/controls/skin_panel.h"
#include "core/gfx/blit.h"
#include "core/gfx/glyphs.h"

namespace zv {
namespace {

int CentredTop(const Rect& band, int height) { return band.top + (band.Height() - height) / 2; }

}  // namespace

void DrawRollArrow(const BitmapView& target, const Rect& area, bool down, ColorRef color) {
  const Pixel ink = ToPixel(color);
  const int cx = (area.left + area.right) / 2;
  const int cy = (area.top + area.bottom) / 2;
  for (int i = 0; i <= 3; ++i) {
    const int y = down ? cy - i + 2 : cy + i - 2;
    target.Fill(Rect{cx - i, y, cx + i + 1, y + 1}.Intersect(target.bounds()), ink);
  }
}

FontSpec TzsSkinPanel::CaptionFont(ColorRef color) const {
  FontSpec font = DefaultFont();
  const TzsDataSkinPanelControl* record = PanelRecord();
  if (UseSkinFont && record) font = {record->fontName, record->fontHeight, record->fontStyle.bits, 0};
  font.color = color;
  return font;
}

ColorRef TzsSkinPanel::LabelColor() const {
  if (const auto* label = dynamic_cast<const TzsDataSkinStdLabelControl*>(SkinAtDpi()->ControlRecord("stdlabel"))) {
    return ResolveColor(label->fontColor);
  }
  return ResolveColor(SkinAtDpi()->Colors().cBtnText);
}

TzsSkinPanel::Image TzsSkinPanel::CaptionImage() const {
  if (glyph_.width() <= 0 && captionImages_ && captionImageIndex_ >= 0 &&
      captionImageIndex_ < static_cast<int>(captionImages_->images.size())) {
    const Bitmap& image = captionImages_->images[static_cast<std::size_t>(captionImageIndex_)];
    auto& mutableImage = const_cast<Bitmap&>(image);  // read only; views are non-const by design
    return {mutableImage.view(), mutableImage.view().bounds()};
  }
  if (glyph_.width() <= 0) return {};
  const int cell = glyph_.width() / numGlyphs_;
  const int index = (!host_.Enabled() && numGlyphs_ == 2) ? 1 : 0;
  auto& glyph = const_cast<Bitmap&>(glyph_);
  return {glyph.view(), Rect{cell * index, 0, cell * (index + 1), glyph_.height()}};
}

void TzsSkinPanel::Paint(const BitmapView& canvas) {
  const Size size = CurrentSize();
  if (size.width < 1 || size.height < 1) return;
  LookUpSkinRecord();
  FitSizeToSkin(size);
  const bool skinned = CustomRecord() != nullptr;
  const BitmapView background = BackgroundPicture();
  if (transparentMode_ && skinned && !captionMode_) {
    PaintTransparentFrame(canvas);
  } else if (transparentMode_ && skinned) {
    PaintGroupBox(canvas);
  } else if (!skinned || (!DirectBackground() && Pieces().stretchEffect)) {
    TzsSkinCustomControl::Paint(canvas);
  } else if (borderStyle_ == TzsSkinBorderStyle::bvNone && Sizing() == SkinSizing::kBoth && !captionMode_ &&
             DirectBackground()) {
    captionHitRect_ = {};
    PaintClientPiece(canvas, canvas.bounds(), Pieces());
  } else if (background.width() <= 0) {
    TzsSkinCustomControl::Paint(canvas);
  } else {
    PaintBackgroundPicture(canvas, background);
  }
}

void TzsSkinPanel::PaintTransparentFrame(const BitmapView& canvas) {
  captionHitRect_ = {};
  Bitmap bitmap(canvas.width(), canvas.height());
  host_.PaintParentBackground(bitmap.view());
  if (borderStyle_ != TzsSkinBorderStyle::bvNone) {
    const Pixel shadow = ToPixel(ResolveColor(SkinAtDpi()->Colors().cBtnShadow));
    DrawOutline(bitmap.view(), bitmap.view().bounds(), shadow, shadow);
  }
  PaintOverlay(bitmap.view());
  Blit(canvas, Point{0, 0}, bitmap.view(), bitmap.view().bounds());
}

void TzsSkinPanel::PaintGroupBox(const BitmapView& canvas) {
  const int w = canvas.width();
  const int h = canvas.height();
  Bitmap bitmap(w, h);
  const BitmapView view = bitmap.view();
  host_.PaintParentBackground(view);
  const Pixel shadow = ToPixel(ResolveColor(SkinAtDpi()->Colors().cBtnShadow));
  const ColorRef textColor = LabelColor();
  const FontSpec font = CaptionFont(textColor);
  // An empty caption still gets a band of the font's text height.
  const int textHeight = host_.Text().Measure(font, caption_.empty() ? "0" : caption_).height;
  int x = 5;
  Rect band{x, 0, w, textHeight + 5};
  captionHitRect_ = band;
  if (checkedMode_) {
    const TzsDataSkinPanelControl* record = PanelRecord();
    const Rect image = record ? (checked_ ? record->checkImageRect : record->uncheckImageRect) : Rect{};
    BlitTransparent(view, Point{x, band.top + band.Height() / 2 - image.Height() / 2}, Pieces().picture, image);
    x += (record ? record->checkImageRect.Width() : 0) + 5;
  }
  const Image image = CaptionImage();
  const int imageX = x;
  if (image.Width() > 0) x += image.Width() + 2;
  band = {x, 0, w, textHeight + 5};
  const int textWidth = caption_.empty() ? 0 : host_.Text().Measure(font, caption_).width;
  if (!caption_.empty()) host_.Text().Draw(view, font, caption_, {band.left, CentredTop(band, textHeight)}, band);
  if (image.Width() > 0) {
    BlitTransparent(view, {imageX, band.top + band.Height() / 2 - image.Height() / 2}, image.view, image.from);
  }
  const int m = band.Height() / 2;
  int lineStart = band.left + textWidth + 3;
  if (rollUpMode_) {
    DrawRollArrow(view, {band.left + textWidth + 3, band.top, band.left + textWidth + 10, band.bottom}, rollUpState_,
                  textColor);
    lineStart = band.left + textWidth + 12;
  }
  DrawLine(view, {lineStart, m}, {w, m}, shadow);
  DrawLine(view, {0, m}, {4, m}, shadow);
  DrawLine(view, {w - 1, m}, {w - 1, h - 1}, shadow);
  DrawLine(view, {w - 1, h - 1}, {0, h - 1}, shadow);
  DrawLine(view, {0, h - 1}, {0, m}, shadow);
  PaintOverlay(view);
  Blit(canvas, Point{0, 0}, view, view.bounds());
}

void TzsSkinPanel::PaintBackgroundPicture(const BitmapView& canvas, const BitmapView& background) {
  captionHitRect_ = {};
  SkinPieces pieces;
  pieces.picture = background;
  pieces.skinRect = background.bounds();
  pieces.points.clientRect = background.bounds();
  pieces.stretchEffect = Pieces().stretchEffect;
  pieces.stretchType = Pieces().stretchType;
  const bool overClient = pieces.stretchEffect && pieces.stretchType == StretchType::stFull;
  PaintClientPiece(canvas, overClient ? Fitted().clientRect : canvas.bounds(), pieces);
}

void TzsSkinPanel::RenderSkinned(Bitmap& bitmap) {
  const Size size = CurrentSize();
  if (borderStyle_ == TzsSkinBorderStyle::bvNone && Sizing() == SkinSizing::kBoth && !captionMode_ &&
      !Pieces().stretchEffect) {
    captionHitRect_ = {};
    PaintClientPiece(bitmap.view(), bitmap.view().bounds(), Pieces());
    return;
  }
  TzsSkinCustomControl::RenderSkinned(bitmap);
  const TzsDataSkinPanelControl* record = PanelRecord();
  Rect captionRect = record ? record->captionRect : Rect{};
  if (Sizing() != SkinSizing::kFixed && !transparentMode_) captionRect = PlaceCaptionRect(captionRect, size);
  captionHitRect_ = captionRect;
  if (!caption_.empty() && !captionRect.IsEmpty()) DrawSkinnedCaption(bitmap.view(), captionRect);
}

Rect TzsSkinPanel::PlaceCaptionRect(const Rect& r, Size size) const {
  const SkinPoints& p = Pieces().points;
  const int dW = size.width - Pieces().skinRect.Width();
  const int dH = size.height - Pieces().skinRect.Height();
  Rect placed = r;
  if (r.left >= p.rightTop.x) {
    placed = placed.Offset(dW, 0);
  } else if (r.right > p.leftTop.x) {
    placed.right += dW;
  }
  if (r.top >= p.leftBottom.y) {
    placed = placed.Offset(0, dH);
  } else if (r.bottom > p.leftTop.y) {
    placed.bottom += dH;
  }
  return placed;
}

void TzsSkinPanel::DrawSkinnedCaption(const BitmapView& target, const Rect& cr) {
  const TzsDataSkinPanelControl* record = PanelRecord();
  const ColorRef color = record ? ResolveColor(record->fontColor) : 0;
  const FontSpec font = CaptionFont(color);
  int left = cr.left;
  if (checkedMode_ && record) {
    const Rect image = checked_ ? record->checkImageRect : record->uncheckImageRect;
    BlitTransparent(target, {cr.left, cr.top + cr.Height() / 2 - image.Height() / 2}, Pieces().picture, image);
    left += image.Width() + 2;
  }
  Rect area{left, cr.top, cr.right, cr.bottom};
  if (rollUpMode_) {
    const Rect arrow{cr.right - 10, cr.top, cr.right, cr.bottom};
    if (record && !record->markFrameRect.IsEmpty()) {
      Blit(target, Point{arrow.left, arrow.top}, Pieces().picture, record->markFrameRect);
    }
    DrawRollArrow(target, arrow, rollUpState_, color);
    area.right -= 10;
  }
  const Size text = host_.Text().Measure(font, caption_);
  const Image image = CaptionImage();
  const int imageWidth = image.Width() > 0 ? image.Width() + spacing_ : 0;
  const bool imageLeft = imagePosition_ == TzsImagePosition::zsipLeft && image.Width() > 0;
  const int alignedWidth = text.width + (imageLeft ? 0 : imageWidth);
  int x = area.left;
  if (record && record->alignment == Alignment::taRightJustify) x = area.right - alignedWidth;
  if (record && record->alignment == Alignment::taCenter) x = area.left + (area.Width() - alignedWidth) / 2;
  int imageX = x;
  int textX = x + imageWidth;
  if (imageLeft) {
    imageX = cr.left + 2;
    textX = std::max(x, imageX + imageWidth);
  }
  const int textY = CentredTop(cr, text.height);
  if (record && !record->frameRect.IsEmpty()) {
    Bitmap frame;
    const int frameWidth = text.width + record->frameRect.Width() - record->frameTextRect.Width();
    ComposeHorizontalStrip(record->frameLeftOffset, record->frameRightOffset, frame, false, frameWidth,
                           record->frameRect, Pieces().picture);
    Blit(target, Point{textX - record->frameTextRect.left, cr.top}, frame.view(), frame.view().bounds());
  }
  host_.Text().Draw(target, font, caption_, {textX, textY}, area);
  if (image.Width() > 0) {
    BlitTransparent(target, {imageX, cr.top + cr.Height() / 2 - image.Height() / 2}, image.view, image.from);
  }
}

void TzsSkinPanel::RenderUnskinned(Bitmap& bitmap) {
  const BitmapView view = bitmap.view();
  const Pixel face = SystemPixel(kColorBtnFace);
  const Pixel shadow = SystemPixel(kColorBtnShadow);
  const Pixel light = SystemPixel(kColorBtnHighlight);
  view.Fill(view.bounds(), face);
  switch (borderStyle_) {
    case TzsSkinBorderStyle::bvFrame:
      DrawOutline(view, view.bounds(), shadow, shadow);
      break;
    case TzsSkinBorderStyle::bvRaised:
      DrawOutline(view, view.bounds(), light, shadow);
      break;
    case TzsSkinBorderStyle::bvLowered:
      DrawOutline(view, view.bounds(), shadow, light);
      break;
    case TzsSkinBorderStyle::bvNone:
      break;
  }
  if (captionMode_) DrawUnskinnedCaption(view);
}

void TzsSkinPanel::DrawUnskinnedCaption(const BitmapView& view) {
  const int w = view.width();
  const Pixel shadow = SystemPixel(kColorBtnShadow);
  const Pixel light = SystemPixel(kColorBtnHighlight);
  const Pixel face = SystemPixel(kColorBtnFace);
  const bool none = borderStyle_ == TzsSkinBorderStyle::bvNone;
  Rect band = none ? Rect{0, 0, w, defaultCaptionHeight_} : Rect{1, 1, w - 1, defaultCaptionHeight_};
  if (checkedMode_) band.left += 20;
  if (rollUpMode_) band.right -= 10;
  if (none) {
    DrawOutline(view, band, shadow, shadow);
    DrawOutline(view, band.Inflate(-1, -1), light, face);
  } else {
    DrawOutline(view, band, shadow, light);
    DrawOutline(view, band.Inflate(-1, -1), light, shadow);
  }
  if (checkedMode_) {
    const Rect box = Rect::FromSize(5, CentredTop(band, 14), 14, 14);
    DrawOutline(view, box, shadow, shadow);
    if (checked_) {
      const Pixel ink = SystemPixel(kColorBtnText);
      const int x = box.left + 3;
      const int y = box.top + 2;
      for (int i = 0; i <= 2; ++i) {
        DrawLine(view, {x, y + 5 - i}, {x + 2, y + 7 - i}, ink);
        DrawLine(view, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}, ink);
      }
    }
  }
  FontSpec font = DefaultFont();
  font.color = host_.SystemColorValue(kColorBtnText);
  const Size text = caption_.empty() ? Size{} : host_.Text().Measure(font, caption_);
  const Image image = CaptionImage();
  const int imageWidth = image.Width() > 0 ? image.Width() + spacing_ : 0;
  const int total = text.width + imageWidth;
  int x = band.left + 2;
  if (defaultAlignment_ == Alignment::taRightJustify) x = band.right - total;
  if (defaultAlignment_ == Alignment::taCenter) x = band.left + 2 + band.Width() / 2 - total / 2;
  if (image.Width() > 0) {
    BlitTransparent(view, {x, band.top + band.Height() / 2 - image.Height() / 2}, image.view, image.from);
  }
  if (!caption_.empty()) host_.Text().Draw(view, font, caption_, {x + imageWidth, CentredTop(band, text.height)}, band);
  if (rollUpMode_) DrawRollArrow(view, {band.right, band.top, band.right + 10, band.bottom}, rollUpState_, font.color);
}

}  // namespace zv
