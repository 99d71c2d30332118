#include "core/skin/record_pieces.h"

#include "core/gfx/regions.h"

namespace zv {

SkinSizing DeriveSizing(const SkinPieces& pieces) {
  const SkinPoints& p = pieces.points;
  if (pieces.skinRect.Width() <= 0 || pieces.skinRect.Height() <= 0) return SkinSizing::kNoSkin;
  if (p.rightBottom.x != 0 && p.rightBottom.y != 0) return SkinSizing::kBoth;
  if (p.rightTop.x != 0 || p.rightTop.y != 0) return SkinSizing::kHorizontal;
  if (p.leftBottom.x != 0 || p.leftBottom.y != 0) return SkinSizing::kVertical;
  return SkinSizing::kFixed;
}

Size FitSizeToSkin(SkinSizing sizing, const SkinPieces& pieces, Size proposed, SkinPoints& fitted) {
  const SkinPoints& p = pieces.points;
  const int sw = pieces.skinRect.Width();
  const int sh = pieces.skinRect.Height();
  const int dW = proposed.width - sw;
  const int dH = proposed.height - sh;
  switch (sizing) {
    case SkinSizing::kNoSkin:
      return proposed;
    case SkinSizing::kFixed:
      fitted.clientRect = p.clientRect;
      return {sw, sh};
    case SkinSizing::kBoth:
      fitted.leftTop = p.leftTop;
      fitted.rightTop = {p.rightTop.x + dW, p.rightTop.y};
      fitted.leftBottom = {p.leftBottom.x, p.leftBottom.y + dH};
      fitted.rightBottom = {p.rightBottom.x + dW, p.rightBottom.y + dH};
      fitted.clientRect = {p.clientRect.left, p.clientRect.top, p.clientRect.right + dW, p.clientRect.bottom + dH};
      return proposed;
    case SkinSizing::kHorizontal:
      fitted.leftTop = p.leftTop;
      fitted.rightTop = {p.rightTop.x + dW, p.rightTop.y};
      fitted.clientRect = {p.clientRect.left, p.clientRect.top, p.clientRect.right + dW, p.clientRect.bottom};
      return {proposed.width, sh};
    case SkinSizing::kVertical:
      fitted.leftTop = p.leftTop;
      fitted.leftBottom = {p.leftBottom.x, p.leftBottom.y + dH};
      fitted.clientRect = {p.clientRect.left, p.clientRect.top, p.clientRect.right, p.clientRect.bottom + dH};
      return {sw, proposed.height};
  }
  return proposed;
}

std::vector<Rect> ShapeFromMask(SkinSizing sizing, const SkinPieces& pieces, const SkinPoints& fitted, Size size,
                                const BitmapView& mask) {
  if (mask.width() <= 0 || mask.height() <= 0) return {};
  SkinPoints record = pieces.points;
  SkinPoints fit = fitted;
  switch (sizing) {
    case SkinSizing::kNoSkin:
      return {};
    case SkinSizing::kFixed:
      return RegionFromMask(mask);
    case SkinSizing::kBoth:
      break;
    case SkinSizing::kHorizontal:
      // One band across: the bottom points follow the top ones.
      fit.rightTop = {record.rightTop.x + size.width - pieces.skinRect.Width(), record.rightTop.y};
      record.leftBottom = record.leftTop;
      record.rightBottom = record.rightTop;
      fit.leftBottom = fit.leftTop;
      fit.rightBottom = fit.rightTop;
      break;
    case SkinSizing::kVertical:
      fit.leftBottom = {record.leftBottom.x, record.leftBottom.y + size.height - pieces.skinRect.Height()};
      record.rightTop = record.leftTop;
      record.rightBottom = record.leftBottom;
      fit.rightTop = fit.leftTop;
      fit.rightBottom = fit.leftBottom;
      break;
  }
  return RegionFromFrameMask(record, fit, size.width, size.height, mask);
}

}  // namespace zv
