#include <algorithm>
#include <cmath>

#include "core/gfx/effects.h"

namespace zv {
namespace {

constexpr ColorRef kRed = Rgb(255, 0, 0);

// Every pixel takes `color`, with its alpha from how red it was.
void ColourByRed(const BitmapView& bitmap, ColorRef color) {
  for (int y = 0; y < bitmap.height(); ++y) {
    Pixel* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.width(); ++x) row[x] = ToPixel(color, row[x].r);
  }
}

TextDrawing InRed(const TextDrawing& text) {
  TextDrawing red = text;
  red.font.color = kRed;
  return red;
}

// red × max(0, 0.7 - (b + t - y) / (b - t)), in whole numbers so that
// halves are exact.
std::uint8_t ReflectionAlpha(int red, int y, int t, int b) {
  return static_cast<std::uint8_t>(RoundRatio(red * (7LL * (b - t) - 10LL * (b + t - y)), 10LL * (b - t)));
}

}  // namespace

Rect PlaceText(Size measured, const Rect& box, TextFormat format) {
  int x = box.left;
  if (format.align == TextAlign::kCenter) x = box.left + (box.Width() - measured.width) / 2;
  if (format.align == TextAlign::kRight) x = box.right - measured.width;
  const int y = format.verticalCenter ? box.top + (box.Height() - measured.height) / 2 : box.top;
  return Rect::FromSize(x, y, measured.width, measured.height);
}

void DrawTextIn(const BitmapView& canvas, const TextDrawing& text, std::string_view line, const Rect& box) {
  if (line.empty()) return;
  const Rect placed = PlaceText(text.renderer.Measure(text.font, line), box, text.format);
  text.renderer.Draw(canvas, text.font, line, Point{placed.left, placed.top}, box);
}

void DrawTextGlow(const BitmapView& canvas, const TextDrawing& text, std::string_view line, const Rect& box,
                  int glowSize, ColorRef glowColor, int offset) {
  const int s = std::max(0, glowSize);
  if (box.Width() > 0 && box.Height() > 0) {
    Bitmap glow(box.Width() + 2 * s, box.Height() + 2 * s);
    DrawTextIn(glow.view(), InRed(text), line, Rect::FromSize(s, s, box.Width(), box.Height()));
    Blur(glow.view(), s);
    ColourByRed(glow.view(), glowColor);
    AlphaBlend(canvas, Point{box.left - s + offset, box.top - s + offset}, glow.view());
  }
  DrawTextIn(canvas, text, line, box);
}

void DrawGlowBox(const BitmapView& canvas, const TextDrawing& text, std::string_view line, const Rect& box,
                 ColorRef color) {
  constexpr int s = 12;
  if (box.Width() > 0 && box.Height() > 0) {
    Bitmap glow(box.Width() + 2 * s, box.Height() + 2 * s);
    const Rect inner = Rect::FromSize(s, s, box.Width(), box.Height());
    const TextDrawing red = InRed(text);
    const Rect placed = PlaceText(text.renderer.Measure(text.font, line), inner, text.format);
    glow.view().Fill(Rect{placed.left - 3, placed.top + 2, placed.right + 3, placed.bottom - 2}, ToPixel(kRed));
    for (const Point d : {Point{-1, 0}, Point{1, 0}, Point{0, -1}, Point{0, 1}, Point{0, 0}}) {
      DrawTextIn(glow.view(), red, line, inner.Offset(d.x, d.y));
    }
    Blur(glow.view(), 6);
    Blur(glow.view(), 6);
    ColourByRed(glow.view(), color);
    AlphaBlend(canvas, Point{box.left - s, box.top - s}, glow.view());
  }
  DrawTextIn(canvas, text, line, box);
}

void DrawTextReflection(const BitmapView& canvas, const TextDrawing& text, std::string_view line, const Rect& box,
                        ColorRef color, int distance) {
  const int w = box.Width();
  const int h = box.Height();
  if (w > 0 && h > 0 && !line.empty()) {
    Bitmap mirror(w, h);
    const Rect local = Rect::FromSize(0, 0, w, h);
    DrawTextIn(mirror.view(), InRed(text), line, local);
    const Rect placed = PlaceText(text.renderer.Measure(text.font, line), local, text.format);
    const int t = std::max(0, placed.top);
    const int b = std::min(h, placed.bottom);
    for (int y = 0; y < h; ++y) {
      Pixel* row = mirror.view().Row(y);
      for (int x = 0; x < w; ++x) {
        if (y < t || y >= b) {
          row[x] = Pixel{};
          continue;
        }
        row[x] = ToPixel(color, ReflectionAlpha(row[x].r, y, t, b));
      }
    }
    Bitmap flipped(w, h);
    for (int y = 0; y < h; ++y) std::copy_n(mirror.view().Row(h - 1 - y), w, flipped.view().Row(y));
    AlphaBlend(canvas, Point{box.left, box.top + b + b + distance - h}, flipped.view());
  }
  DrawTextIn(canvas, text, line, box);
}

}  // namespace zv
