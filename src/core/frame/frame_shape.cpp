#include "core/frame/frame_shape.h"

#include <algorithm>

#include "core/gfx/blit.h"
#include "core/gfx/regions.h"

namespace zv {
namespace {

constexpr Pixel kOutside{255, 255, 255, 0};

struct Piece {
  Rect from;
  Point to;
};

// A band across: `middle` repeated from `start` and cut at `end`, then the two corners.
Bitmap BandAcross(const BitmapView& mask, Size size, const Rect& middle, int start, int end, const Piece (&ends)[2]) {
  if (size.width <= 0 || size.height <= 0) return {};
  Bitmap band(size.width, size.height, kOutside);
  const BitmapView b = band.view();
  Tile(start, std::min(end, size.width), middle.Width(), [&](int x, int len) {
    Blit(b, Point{x, 0}, mask, Rect{middle.left, middle.top, middle.left + len, middle.bottom});
  });
  for (const Piece& p : ends) Blit(b, p.to, mask, p.from);
  return band;
}

// A band down: `middle` repeated from row 0, then the upper and lower pieces.
Bitmap BandDown(const BitmapView& mask, Size size, const Rect& middle, const Piece (&ends)[2]) {
  if (size.width <= 0 || size.height <= 0) return {};
  Bitmap band(size.width, size.height, kOutside);
  const BitmapView b = band.view();
  Tile(0, size.height, middle.Height(), [&](int y, int len) {
    Blit(b, Point{0, y}, mask, Rect{middle.left, middle.top, middle.right, middle.top + len});
  });
  for (const Piece& p : ends) {
    if (!p.from.IsEmpty()) Blit(b, p.to, mask, p.from);
  }
  return band;
}

bool BlackAt(const Bitmap& band, int x, int y) {
  if (x < 0 || y < 0 || x >= band.width() || y >= band.height()) return false;
  const Pixel& p = band.At(x, y);
  return p.r == 0 && p.g == 0 && p.b == 0;
}

void AppendInside(std::vector<Rect>& to, const std::vector<Rect>& more, const Rect& window) {
  for (const Rect& r : more) {
    const Rect inside = r.Intersect(window);
    if (!inside.IsEmpty()) to.push_back(inside);
  }
}

}  // namespace

MaskBands ComposeMaskBands(const SkinFormInfo& info, const BitmapView& mask, const FrameGeometry& g) {
  MaskBands bands;
  bands.inner = g.maskRect;
  const int mw = mask.width(), mh = mask.height();
  if (mw <= 0 || mh <= 0) return bands;
  const Point lt = info.leftTopPoint, rt = info.rightTopPoint, lb = info.leftBottomPoint, rb = info.rightBottomPoint;
  // The mask rectangle in the picture, kept inside the mask.
  const Rect a = info.maskRectArea;
  const Rect cr{std::clamp(a.left, 0, mw), std::clamp(a.top, 0, mh), std::clamp(a.right, std::clamp(a.left, 0, mw), mw),
                std::clamp(a.bottom, std::clamp(a.top, 0, mh), mh)};
  const Rect& mr = bands.inner;
  const int w = g.size.width, h = g.size.height;
  const int sideHeight = mr.Height();
  bands.top = BandAcross(mask, {w, std::min(cr.top, h)}, {lt.x, 0, rt.x, cr.top}, g.leftTop.x, g.rightTop.x,
                         {{{0, 0, lt.x, cr.top}, {0, 0}}, {{rt.x, 0, mw, cr.top}, {g.rightTop.x, 0}}});
  bands.bottom =
      BandAcross(mask, {w, std::min(mh - cr.bottom, h)}, {lb.x, cr.bottom, rb.x, mh}, g.leftBottom.x, g.rightBottom.x,
                 {{{0, cr.bottom, lb.x, mh}, {0, 0}}, {{rb.x, cr.bottom, mw, mh}, {g.rightBottom.x, 0}}});
  bands.left = BandDown(
      mask, {std::min(cr.left, w), sideHeight}, {0, lt.y, cr.left, lb.y},
      {{{0, cr.top, cr.left, lt.y}, {0, 0}}, {{0, lb.y, cr.left, cr.bottom}, {0, sideHeight - (cr.bottom - lb.y)}}});
  bands.right = BandDown(mask, {std::min(mw - cr.right, w), sideHeight}, {cr.right, rt.y, mw, rb.y},
                         {{{cr.right, cr.top, mw, rt.y}, {0, 0}},
                          {{cr.right, rb.y, mw, cr.bottom}, {0, sideHeight - (cr.bottom - rb.y)}}});
  return bands;
}

std::vector<Rect> FrameRegion(const MaskBands& bands, Size size) {
  const Rect window{0, 0, size.width, size.height};
  const Rect& mr = bands.inner;
  std::vector<Rect> rects;
  auto add = [&](const Bitmap& band, Point at) {
    if (band.width() > 0) AppendInside(rects, RegionFromMask(const_cast<Bitmap&>(band).view(), at.x, at.y), window);
  };
  add(bands.top, {0, 0});
  add(bands.left, {0, mr.top});
  AppendInside(rects, {mr}, window);
  add(bands.right, {mr.right, mr.top});
  add(bands.bottom, {0, mr.bottom});
  // Row order: the platform builds a region fastest from sorted rectangles.
  std::stable_sort(rects.begin(), rects.end(), [](const Rect& l, const Rect& r) { return l.top < r.top; });
  return rects;
}

bool PointInShape(const MaskBands& bands, Point p) {
  const Rect& mr = bands.inner;
  if (mr.Contains(p)) return true;
  // The top band holds the rows above the mask rectangle; beside it, the
  // side bands hold every row from its top on.
  if (p.y < mr.top) return BlackAt(bands.top, p.x, p.y);
  if (p.y >= mr.bottom) return BlackAt(bands.bottom, p.x, p.y - mr.bottom);
  if (p.x >= mr.right) return BlackAt(bands.right, p.x - mr.right, p.y - mr.top);
  return BlackAt(bands.left, p.x, p.y - mr.top);
}

HitCode ObjectHitCode(const CaptionObject& o) {
  if (o.kind == ObjectKind::kCaption) return kHtCaption;
  if (!o.HasCommand()) return kHtObject;
  switch (o.command) {
    case ButtonCommand::cmSysMenu:
      return kHtSysMenu;
    case ButtonCommand::cmMinimize:
      return kHtMinButton;
    case ButtonCommand::cmMaximize:
      return kHtMaxButton;
    case ButtonCommand::cmClose:
      return kHtClose;
    default:
      return kHtObject;
  }
}

bool IsButtonHitCode(int code) {
  return code == kHtSysMenu || code == kHtMinButton || code == kHtMaxButton || code == kHtClose;
}

namespace {

// The first visible, enabled button with a platform code that takes the mouse at `p`.
const CaptionObject* PlatformButtonAt(const std::vector<CaptionObject>& objects, Point p) {
  for (const CaptionObject& o : objects) {
    if (o.enabled && IsButtonHitCode(ObjectHitCode(o)) && o.Takes(p)) return &o;
  }
  return nullptr;
}

// The corner whose sizing zone holds `p` in a window of `size`; 0 for none.
HitCode CornerAt(Point p, Size size, int depth, int dpi = kBaseDpi) {
  const int reach = ScaleLength(kCornerReach, dpi), square = ScaleLength(kCornerSquare, dpi);
  const auto zone = [=](int dx, int dy) {
    return (dx < reach && dy < depth) || (dy < reach && dx < depth) || (dx < square && dy < square);
  };
  const int right = size.width - 1 - p.x, bottom = size.height - 1 - p.y;
  if (zone(p.x, p.y)) return kHtTopLeft;
  if (zone(right, p.y)) return kHtTopRight;
  if (zone(p.x, bottom)) return kHtBottomLeft;
  if (zone(right, bottom)) return kHtBottomRight;
  return HitCode{};
}

}  // namespace

HitCode HitTestSkinned(Point p, const HitTestInput& in) {
  const FrameGeometry& g = *in.geometry;
  const Rect& nr = g.client;
  if (const CaptionObject* button = PlatformButtonAt(*in.objects, p)) return ObjectHitCode(*button);
  const bool inCaption = CaptionAt(*in.objects, p) != nullptr;
  const auto inner = [&] { return nr.Contains(p) ? kHtClient : inCaption ? kHtCaption : kHtObject; };
  if (in.state.rolledUp || in.state.minimized) return inCaption ? kHtCaption : kHtObject;
  if (in.objectUnderMouse && !inCaption && !nr.Contains(p) && !in.inSizeMove) return kHtObject;
  if (in.state.maximized || !in.resizable) return inner();
  const bool inShape = !in.bands || PointInShape(*in.bands, p);
  if (const HitCode corner = CornerAt(p, g.size, std::max(in.borderWidth, 1), in.dpi); corner && inShape) return corner;
  const int b = in.borderWidth;
  const Point around[] = {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}};
  const Rect window{0, 0, g.size.width, g.size.height};
  bool onBorder = false;
  for (const Point q : around) {
    if (in.bands ? !in.bands->inner.Contains(p) && !PointInShape(*in.bands, q) : !window.Contains(q)) onBorder = true;
  }
  if (!onBorder) return inner();
  if (p.x <= g.hitLeftTop.x && p.y <= g.hitLeftTop.y) return kHtTopLeft;
  if (p.x >= g.hitRightTop.x && p.y <= g.hitRightTop.y) return kHtTopRight;
  if (p.x <= g.hitLeftBottom.x && p.y >= g.hitLeftBottom.y) return kHtBottomLeft;
  if (p.x >= g.hitRightBottom.x && p.y >= g.hitRightBottom.y) return kHtBottomRight;
  if (Rect{g.hitLeftTop.x, 0, g.hitRightTop.x, nr.top}.Contains(p)) return kHtTop;
  if (Rect{g.hitLeftBottom.x, nr.bottom, g.hitRightBottom.x, g.size.height}.Contains(p)) return kHtBottom;
  if (Rect{0, g.hitLeftTop.y, nr.left, g.hitLeftBottom.y}.Contains(p)) return kHtLeft;
  if (Rect{nr.right, g.hitRightTop.y, g.size.width, g.hitRightBottom.y}.Contains(p)) return kHtRight;
  return inner();
}

HitCode HitTestPlain(Point p, const PlainHitInput& in) {
  const int w = in.size.width, h = in.size.height;
  const FrameState& s = in.state;
  if (in.objects) {
    if (const CaptionObject* button = PlatformButtonAt(*in.objects, p)) return ObjectHitCode(*button);
  }
  if (!s.maximized && !s.rolledUp && !s.minimized && in.resizable) {
    if (in.objectUnderMouse) return kHtObject;
    if (const HitCode corner = CornerAt(p, in.size, in.metrics.border)) return corner;
    const bool left = p.x <= 2, top = p.y <= 2, right = p.x >= w - 2, bottom = p.y >= h - 2;
    if (left && top) return kHtTopLeft;
    if (right && top) return kHtTopRight;
    if (left && bottom) return kHtBottomLeft;
    if (right && bottom) return kHtBottomRight;
    if (left) return kHtLeft;
    if (top) return kHtTop;
    if (right) return kHtRight;
    if (bottom) return kHtBottom;
  }
  if (in.caption.Contains(p)) return kHtCaption;
  const PlainMetrics& m = in.metrics;
  if (Rect{m.border, m.captionHeight + m.border, w - m.border, h - m.border}.Contains(p)) return kHtClient;
  return kHtObject;
}

HitCode FormCursorHitCode(int code) {
  return code >= kHtLeft && code <= kHtBottomRight ? static_cast<HitCode>(code) : kHtClient;
}

}  // namespace zv
