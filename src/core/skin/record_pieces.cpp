#include "core/skin/record_pieces.h"

#include "core/gfx/regions.h"

namespace zv {
namespace {

// A skin's points may lie near the ends of the int range.
int Moved(int v, long long d) { return ClampToInt(v + d); }
Point Moved(Point p, long long dx, long long dy) { return {Moved(p.x, dx), Moved(p.y, dy)}; }

}  // namespace

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
  const Rect& c = p.clientRect;
  const int sw = pieces.skinRect.Width();
  const int sh = pieces.skinRect.Height();
  const long long dW = 0LL + proposed.width - sw;
  const long long dH = 0LL + proposed.height - sh;
  switch (sizing) {
    case SkinSizing::kNoSkin:
      return proposed;
    case SkinSizing::kFixed:
      fitted.clientRect = c;
      return {sw, sh};
    case SkinSizing::kBoth:
      fitted.leftTop = p.leftTop;
      fitted.rightTop = Moved(p.rightTop, dW, 0);
      fitted.leftBottom = Moved(p.leftBottom, 0, dH);
      fitted.rightBottom = Moved(p.rightBottom, dW, dH);
      fitted.clientRect = {c.left, c.top, Moved(c.right, dW), Moved(c.bottom, dH)};
      return proposed;
    case SkinSizing::kHorizontal:
      fitted.leftTop = p.leftTop;
      fitted.rightTop = Moved(p.rightTop, dW, 0);
      fitted.clientRect = {c.left, c.top, Moved(c.right, dW), c.bottom};
      return {proposed.width, sh};
    case SkinSizing::kVertical:
      fitted.leftTop = p.leftTop;
      fitted.leftBottom = Moved(p.leftBottom, 0, dH);
      fitted.clientRect = {c.left, c.top, c.right, Moved(c.bottom, dH)};
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
      fit.rightTop = Moved(record.rightTop, 0LL + size.width - pieces.skinRect.Width(), 0);
      record.leftBottom = record.leftTop;
      record.rightBottom = record.rightTop;
      fit.leftBottom = fit.leftTop;
      fit.rightBottom = fit.rightTop;
      break;
    case SkinSizing::kVertical:
      fit.leftBottom = Moved(record.leftBottom, 0, 0LL + size.height - pieces.skinRect.Height());
      record.rightTop = record.leftTop;
      record.rightBottom = record.leftBottom;
      fit.rightTop = fit.leftTop;
      fit.rightBottom = fit.leftBottom;
      break;
  }
  return RegionFromFrameMask(record, fit, size.width, size.height, mask);
}

}  // namespace zv
