#include "core/gfx/glyphs.h"

#include <cstdlib>
#include <span>

namespace zv {
namespace {

enum class Shape { kLine, kFrame, kFill };
struct Stroke {
  Shape shape;
  Rect r;  // a line from (left, top) to (right, bottom); otherwise the rectangle
};

constexpr Stroke kClose[] = {{Shape::kLine, {1, 1, 9, 9}},
                             {Shape::kLine, {9, 1, 1, 9}},
                             {Shape::kLine, {2, 1, 10, 9}},
                             {Shape::kLine, {8, 1, 0, 9}}};
constexpr Stroke kMinimize[] = {{Shape::kLine, {1, 8, 9, 8}}, {Shape::kLine, {1, 9, 9, 9}}};
constexpr Stroke kMaximize[] = {{Shape::kFrame, {0, 0, 11, 10}}, {Shape::kFrame, {0, 0, 11, 2}}};
constexpr Stroke kRestore[] = {{Shape::kFrame, {2, 0, 10, 6}},
                               {Shape::kFrame, {2, 0, 10, 2}},
                               {Shape::kFrame, {0, 4, 7, 10}},
                               {Shape::kFrame, {0, 4, 7, 6}}};
// Five rows i = 0..4 at y = 6 - i.
constexpr Stroke kRollUp[] = {{Shape::kLine, {1, 6, 9, 6}},
                              {Shape::kLine, {2, 5, 8, 5}},
                              {Shape::kLine, {3, 4, 7, 4}},
                              {Shape::kLine, {4, 3, 6, 3}},
                              {Shape::kLine, {5, 2, 5, 2}}};
constexpr Stroke kRollDown[] = {{Shape::kLine, {5, 6, 5, 6}},
                                {Shape::kLine, {4, 5, 6, 5}},
                                {Shape::kLine, {3, 4, 7, 4}},
                                {Shape::kLine, {2, 3, 8, 3}},
                                {Shape::kLine, {1, 2, 9, 2}}};
constexpr Stroke kMinimizeToTray[] = {{Shape::kFill, {2, 2, 7, 7}}};
constexpr Stroke kSystemMenu[] = {{Shape::kFrame, {1, 3, 9, 6}}};

std::span<const Stroke> StrokesOf(CommandGlyph glyph) {
  switch (glyph) {
    case CommandGlyph::kClose: return kClose;
    case CommandGlyph::kMinimize: return kMinimize;
    case CommandGlyph::kMaximize: return kMaximize;
    case CommandGlyph::kRestore: return kRestore;
    case CommandGlyph::kRollUp: return kRollUp;
    case CommandGlyph::kRollDown: return kRollDown;
    case CommandGlyph::kMinimizeToTray: return kMinimizeToTray;
    case CommandGlyph::kSystemMenu: return kSystemMenu;
  }
  return {};
}

void Plot(const BitmapView& target, int x, int y, Pixel pixel) {
  if (target.bounds().Contains(Point{x, y})) target.At(x, y) = pixel;
}

void DrawFrame(const BitmapView& target, const Rect& r, Pixel pixel) {
  if (r.IsEmpty()) return;
  target.Fill(Rect{r.left, r.top, r.right, r.top + 1}, pixel);
  target.Fill(Rect{r.left, r.bottom - 1, r.right, r.bottom}, pixel);
  target.Fill(Rect{r.left, r.top, r.left + 1, r.bottom}, pixel);
  target.Fill(Rect{r.right - 1, r.top, r.right, r.bottom}, pixel);
}

}  // namespace

void DrawLine(const BitmapView& target, Point from, Point to, Pixel pixel) {
  // Bresenham; the loop stops before the end pixel.
  const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
  const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
  int err = dx + dy;
  Point p = from;
  while (p != to) {
    Plot(target, p.x, p.y, pixel);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      p.x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      p.y += sy;
    }
  }
}

void DrawCommandGlyph(const BitmapView& target, CommandGlyph glyph, Point at, ColorRef color) {
  const Pixel pixel = ToPixel(color, 255);
  for (const Stroke& s : StrokesOf(glyph)) {
    const Rect r = s.r.Offset(at.x, at.y);
    switch (s.shape) {
      case Shape::kLine: DrawLine(target, Point{r.left, r.top}, Point{r.right, r.bottom}, pixel); break;
      case Shape::kFrame: DrawFrame(target, r, pixel); break;
      case Shape::kFill: target.Fill(r, pixel); break;
    }
  }
}

void DrawOutline(const BitmapView& target, const Rect& r, Pixel topLeft, Pixel bottomRight) {
  if (r.IsEmpty()) return;
  target.Fill({r.left, r.top, r.right, r.top + 1}, topLeft);
  target.Fill({r.left, r.top, r.left + 1, r.bottom}, topLeft);
  target.Fill({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  target.Fill({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void DrawArrow(const BitmapView& target, const Rect& area, ArrowDirection direction, Pixel pixel) {
  const int cx = (area.left + area.right) / 2;
  const int cy = (area.top + area.bottom) / 2;
  // Row i of the triangle is 2i + 1 long; the tip (i = 0) points the way.
  for (int i = 0; i <= 3; ++i) {
    switch (direction) {
      case ArrowDirection::kUp: target.Fill({cx - i, cy - 2 + i, cx + i + 1, cy - 1 + i}, pixel); break;
      case ArrowDirection::kDown: target.Fill({cx - i, cy + 2 - i, cx + i + 1, cy + 3 - i}, pixel); break;
      case ArrowDirection::kLeft: target.Fill({cx - 2 + i, cy - i, cx - 1 + i, cy + i + 1}, pixel); break;
      case ArrowDirection::kRight: target.Fill({cx + 2 - i, cy - i, cx + 3 - i, cy + i + 1}, pixel); break;
    }
  }
}

}  // namespace zv
