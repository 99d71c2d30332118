#include "core/status/frame_style.h"

#include <array>

namespace zv {
namespace {

// One ring of a bevel: the colour of its top-left and bottom-right edges.
struct Ring {
  ColorRef FrameColours::*topLeft;
  ColorRef FrameColours::*bottomRight;
};

struct StyleInfo {
  int textInset;
  int rings;  // number of bevel rings drawn (0 for the flat kinds)
  Ring outer;
  Ring inner;
};

using C = FrameColours;
constexpr Ring kNoRing{nullptr, nullptr};

constexpr std::array<StyleInfo, kFrameStyleCount> kStyles{{
    {0, 0, kNoRing, kNoRing},                                              // fsNone
    {1, 0, kNoRing, kNoRing},                                              // fsFlat
    {2, 2, {&C::shadow, &C::highlight}, {&C::highlight, &C::shadow}},      // fsGroove
    {2, 2, {&C::highlight, &C::shadow}, {&C::shadow, &C::highlight}},      // fsBump
    {2, 2, {&C::shadow, &C::highlight}, {&C::darkShadow, &C::light}},      // fsLowered
    {2, 2, {&C::darkShadow, &C::highlight}, {&C::shadow, &C::light}},      // fsButtonDown
    {2, 2, {&C::light, &C::darkShadow}, {&C::highlight, &C::shadow}},      // fsRaised
    {2, 2, {&C::highlight, &C::darkShadow}, {&C::light, &C::shadow}},      // fsButtonUp
    {1, 1, {&C::shadow, &C::highlight}, kNoRing},                          // fsStatus
    {1, 1, {&C::highlight, &C::shadow}, kNoRing},                          // fsPopup
    {2, 0, kNoRing, kNoRing},                                              // fsFlatBold
    {0, 0, kNoRing, kNoRing},                                              // fsFlatRounded
}};

const StyleInfo& Info(TFrameStyleEx style) {
  const int index = style >= 0 && style < kFrameStyleCount ? style : fsNone;
  return kStyles[static_cast<std::size_t>(index)];
}

void HLine(const BitmapView& t, int x0, int x1, int y, ColorRef c) { t.Fill({x0, y, x1, y + 1}, ToPixel(c)); }
void VLine(const BitmapView& t, int x, int y0, int y1, ColorRef c) { t.Fill({x, y0, x + 1, y1}, ToPixel(c)); }

// A bevel ring: top and left edges first, bottom and right over them, as a
// rectangle outline drawn by the platform would come out.
void DrawRing(const BitmapView& t, const Rect& r, ColorRef topLeft, ColorRef bottomRight, TSbBorderSides sides) {
  if (r.IsEmpty()) return;
  if (sides & sdTop) HLine(t, r.left, r.right, r.top, topLeft);
  if (sides & sdLeft) VLine(t, r.left, r.top, r.bottom, topLeft);
  if (sides & sdBottom) HLine(t, r.left, r.right, r.bottom - 1, bottomRight);
  if (sides & sdRight) VLine(t, r.right - 1, r.top, r.bottom, bottomRight);
}

// Flat edges leave out `corner` pixels at each end of every edge.
void DrawFlatEdges(const BitmapView& t, const Rect& r, ColorRef c, int corner, TSbBorderSides sides) {
  if (r.IsEmpty()) return;
  if (sides & sdTop) HLine(t, r.left + corner, r.right - corner, r.top, c);
  if (sides & sdBottom) HLine(t, r.left + corner, r.right - corner, r.bottom - 1, c);
  if (sides & sdLeft) VLine(t, r.left, r.top + corner, r.bottom - corner, c);
  if (sides & sdRight) VLine(t, r.right - 1, r.top + corner, r.bottom - corner, c);
}

Rect Deflate(const Rect& r, int n) { return r.Inflate(-n, -n); }

}  // namespace

int TextInset(TFrameStyleEx style) { return Info(style).textInset; }

int FrameThickness(TFrameStyleEx style) {
  switch (style) {
    case fsNone: return 0;
    case fsFlat: case fsStatus: case fsPopup: case fsFlatRounded: return 1;
    default: return 2;
  }
}

FrameColours MakeFrameColours(const SystemPalette& palette, ColorRef flatColour, int flatAdjustment) {
  return {AdjustLightness(flatColour, flatAdjustment), palette.Resolve(clBtnHighlight), palette.Resolve(cl3DLight),
          palette.Resolve(clBtnShadow), palette.Resolve(cl3DDkShadow)};
}

void DrawFrame(const BitmapView& target, const Rect& rect, TFrameStyleEx style, const FrameColours& colours,
               TSbBorderSides sides) {
  const StyleInfo& info = Info(style);
  switch (style) {
    case fsFlat:
      DrawFlatEdges(target, rect, colours.flat, 1, sides);
      return;
    case fsFlatBold:
      DrawRing(target, rect, colours.flat, colours.flat, sides);
      DrawRing(target, Deflate(rect, 1), colours.flat, colours.flat, sides);
      return;
    case fsFlatRounded:
      // Corners cut by two pixels with one pixel on the diagonal.
      DrawFlatEdges(target, rect, colours.flat, 2, sides);
      if (rect.Width() > 2 && rect.Height() > 2) {
        const Rect in = Deflate(rect, 1);
        for (const Point p : {Point{in.left, in.top}, Point{in.right - 1, in.top}, Point{in.left, in.bottom - 1},
                              Point{in.right - 1, in.bottom - 1}}) {
          target.Fill({p.x, p.y, p.x + 1, p.y + 1}, ToPixel(colours.flat));
        }
      }
      return;
    default:
      break;
  }
  if (info.rings >= 1) DrawRing(target, rect, colours.*info.outer.topLeft, colours.*info.outer.bottomRight, sides);
  if (info.rings >= 2) {
    DrawRing(target, Deflate(rect, 1), colours.*info.inner.topLeft, colours.*info.inner.bottomRight, sides);
  }
}

}  // namespace zv
