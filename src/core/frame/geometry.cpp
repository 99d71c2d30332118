#include "core/frame/geometry.h"

#include <algorithm>

#include "core/skin/rect_rules.h"

namespace zv {
namespace {

Point Moved(Point p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

// Inside (0, 0, size) and never inverted.
Rect KeptInside(const Rect& r, Size size) {
  const int left = std::clamp(r.left, 0, std::max(size.width, 0));
  const int top = std::clamp(r.top, 0, std::max(size.height, 0));
  return {left, top, std::clamp(r.right, left, std::max(size.width, left)),
          std::clamp(r.bottom, top, std::max(size.height, top))};
}

Rect NeverInverted(Rect r) {
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

bool InZone(const Rect& zone, const Rect& r) {
  return zone.Contains({r.left, r.top}) && zone.Contains({r.right, r.bottom});
}

}  // namespace

FrameGeometry ComputeFrameGeometry(const SkinFormInfo& info, Size picture, Size frame) {
  FrameGeometry g;
  g.size = frame;
  g.picture = picture;
  g.dx = frame.width - picture.width;
  g.dy = frame.height - picture.height;
  const int dx = g.dx, dy = g.dy;
  g.skinLeftTop = info.leftTopPoint;
  g.skinRightTop = info.rightTopPoint;
  g.skinLeftBottom = info.leftBottomPoint;
  g.skinRightBottom = info.rightBottomPoint;
  g.leftTop = info.leftTopPoint;
  g.rightTop = Moved(info.rightTopPoint, dx, 0);
  g.leftBottom = Moved(info.leftBottomPoint, 0, dy);
  g.rightBottom = Moved(info.rightBottomPoint, dx, dy);
  const Rect& cr = info.clientRect;
  g.client = KeptInside({cr.left, cr.top, cr.right + dx, cr.bottom + dy}, frame);
  g.caption = info.captionRect;
  if (!IsNullRect(g.caption)) g.caption.right += dx;
  g.buttons = info.buttonsRect;
  if (!IsNullRect(g.buttons) && picture.width / 2 < g.buttons.left) g.buttons = g.buttons.Offset(dx, 0);
  g.buttonsOffset = info.buttonsOffset;
  g.buttonsInLeft = info.buttonsInLeft;
  g.hitLeftTop = info.hitTestLeftTopPoint;
  g.hitRightTop = Moved(info.hitTestRightTopPoint, dx, 0);
  g.hitLeftBottom = Moved(info.hitTestLeftBottomPoint, 0, dy);
  g.hitRightBottom = Moved(info.hitTestRightBottomPoint, dx, dy);
  const Rect& mr = info.maskRectArea;
  g.maskRect = KeptInside({mr.left, mr.top, mr.right + dx, mr.bottom + dy}, frame);
  return g;
}

Rect MapSkinRect(const FrameGeometry& g, const Rect& r) {
  const int dx = g.dx, dy = g.dy;
  const int pw = g.picture.width, ph = g.picture.height;
  const Rect topLeft{0, 0, g.skinLeftTop.x, g.skinLeftTop.y};
  const Rect topRight{g.skinRightTop.x, 0, pw, g.skinRightTop.y};
  const Rect bottomLeft{0, g.skinLeftBottom.y, g.skinLeftBottom.x, ph};
  const Rect bottomRight{g.skinRightBottom.x, g.skinRightBottom.y, pw, ph};
  if (InZone(topLeft, r)) return r;
  if (InZone(topRight, r)) return r.Offset(dx, 0);
  if (InZone(bottomLeft, r)) return r.Offset(0, dy);
  if (InZone(bottomRight, r)) return r.Offset(dx, dy);
  const Point tl{r.left, r.top}, br{r.right, r.bottom};
  if (topLeft.Contains(tl) && bottomRight.Contains(br)) return {r.left, r.top, r.right + dx, r.bottom + dy};
  if (topLeft.Contains(tl) && topRight.Contains(br)) return {r.left, r.top, r.right + dx, r.bottom};
  if (bottomLeft.Contains(tl) && bottomRight.Contains(br)) return {r.left, r.top + dy, r.right + dx, r.bottom + dy};
  if (topLeft.Contains(tl) && bottomLeft.Contains(br)) return {r.left, r.top, r.right, r.bottom + dy};
  if (topRight.Contains(tl) && bottomRight.Contains(br)) return {r.left + dx, r.top, r.right + dx, r.bottom + dy};
  return r;
}

Rect SkinnedClientFromWindow(const SkinFormInfo& info, Size picture, const Rect& window) {
  const Rect& cr = info.clientRect;
  return NeverInverted({window.left + cr.left, window.top + cr.top, window.right - (picture.width - cr.right),
                        window.bottom - (picture.height - cr.bottom)});
}

Rect PlainClientFromWindow(const PlainMetrics& plain, const Rect& window) {
  const int b = plain.border;
  return NeverInverted({window.left + b, window.top + b + plain.captionHeight, window.right - b, window.bottom - b});
}

int MinFrameWidth(const SkinFormInfo* skin, Size picture, const FrameLimits& limits, const FrameState& state) {
  if (!skin) return limits.minWidth > 0 ? limits.minWidth : 120;
  int width = picture.width;
  if (picture.width < limits.minWidth && !state.minimized) {
    width = limits.minWidth;
  } else if (skin->formMinWidth > 0) {
    width = skin->formMinWidth >= limits.minWidth || state.minimized ? skin->formMinWidth : limits.minWidth;
  }
  return std::clamp(width, 0, kMaxFrameSide);
}

int MinFrameHeight(const SkinFormInfo* skin, Size picture, const PlainMetrics& plain, const FrameLimits& limits,
                   const FrameState& state) {
  const int frame = skin ? picture.height - skin->clientRect.Height() : plain.captionHeight + 2 * plain.border;
  const int height = frame < limits.minHeight && !state.rolledUp && !state.minimized ? limits.minHeight : frame;
  return std::clamp(height, 0, kMaxFrameSide);
}

Size MaxFrameSize(const Rect& monitorArea, const FrameLimits& limits) {
  Size size{monitorArea.Width(), monitorArea.Height()};
  if (limits.maxWidth != 0 && limits.maxWidth < size.width) size.width = limits.maxWidth;
  if (limits.maxHeight != 0 && limits.maxHeight < size.height) size.height = limits.maxHeight;
  return size;
}

Rect FirstShowBounds(PositionInMonitor position, const Rect& monitor, const Rect& work, const Rect& bounds) {
  if (position == PositionInMonitor::zspDefault) return bounds;
  const Rect& area = position == PositionInMonitor::zspScreenCenter ? monitor : work;
  return Rect::FromSize(area.left + area.Width() / 2 - bounds.Width() / 2,
                        area.top + area.Height() / 2 - bounds.Height() / 2, bounds.Width(), bounds.Height());
}

}  // namespace zv
