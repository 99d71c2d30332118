#pragma once
// Pixel effects of the skin engine, all on 32-bit views:
//   - inactive-window effects (lighten, darken, grayscale, invert, noise, split blur)
//   - morph transitions from a normal to an active picture
//   - per-pixel alpha blending, the running-sum blur, alpha from a mask
//   - text glow, glow box and reflection (text through the TextRenderer seam)
// The colour effects and morphs change blue, green and red and leave alpha
// alone. Every channel result is rounded half to even and clamped to 0..255.
#include <functional>
#include <string_view>

#include "core/base/bitmap.h"
#include "core/gfx/kinds.h"
#include "core/platform/text_renderer.h"

namespace zv {

// Nearest integer, halves to even, clamped to a channel's range.
int RoundChannel(double value);
// num / den (den > 0) to the nearest integer, halves to even, clamped to 0..255.
int RoundRatio(long long num, long long den);
// An amount clamped to 0..1 in whole millionths, so that decimal amounts
// (0.3, 0.5) are exact and a channel result that is a half rounds as one.
constexpr long long kMillion = 1'000'000;
long long AmountInMillionths(double amount);

// A number from 0 to n - 1.
using RandomSource = std::function<int(int n)>;

void Lighten(const BitmapView& bitmap, double amount);
void Darken(const BitmapView& bitmap, double amount);
void Grayscale(const BitmapView& bitmap);
void Invert(const BitmapView& bitmap);
// One draw r per pixel moves all three channels by r - amount div 2.
void Noise(const BitmapView& bitmap, int amount, const RandomSource& random);
// Each pixel := the mean of the four pixels `radius` away diagonally; rows
// are done in place from the top, so rows above are read already blurred.
void SplitBlur(const BitmapView& bitmap, int radius);

// The skin's inactive-window looks.
// Values outside the enumeration change nothing.
void ApplyInactiveEffect(const BitmapView& bitmap, InactiveEffect effect, const RandomSource& random);

// Transitions from the normal picture (x = 0) towards the active one (x = 1).
// Changes `normal` in place; pictures of different size or an unknown kind
// leave it unchanged.
void Morph(const BitmapView& normal, const BitmapView& active, MorphKind kind, double x);

// A platform colour 0x00BBGGRR as an opaque pixel.
constexpr Pixel OpaquePixel(ColorRef c) { return ToPixel(c, 255); }

// Draws `foreground` over `background` with its top-left at `at`, each
// pixel by its own alpha (see docs/effects-and-regions.md for the form).
void AlphaBlend(const BitmapView& background, Point at, const BitmapView& foreground);
// Triangular-weight blur along rows, then columns; edges repeat the edge
// pixel; output alpha 255. Cost does not grow with the radius.
void Blur(const BitmapView& bitmap, int radius);
// Colours scaled by their own alpha (rounded), as the platform's per-pixel
// alpha layering expects; without it transparent pixels would still add
// their colour to what lies behind the layer.
void PremultiplyAlpha(const BitmapView& bitmap);
// Alpha of each pixel := the mean of the mask pixel's three channels (white
// opaque, black transparent). Nothing happens when the sizes differ.
void AlphaFromMask(const BitmapView& bitmap, const BitmapView& mask);

// Placement of a line of text inside a rectangle.
enum class TextAlign { kLeft, kCenter, kRight };
struct TextFormat {
  TextAlign align = TextAlign::kLeft;
  bool verticalCenter = false;
};
// The rectangle a measured line occupies inside `box`.
Rect PlaceText(Size measured, const Rect& box, TextFormat format);

struct TextDrawing {
  TextRenderer& renderer;
  FontSpec font;
  TextFormat format;
};
// The text drawn in its font's colour inside `box`, clipped to it.
void DrawTextIn(const BitmapView& canvas, const TextDrawing& text, std::string_view line, const Rect& box);
// A halo of `glowSize` pixels in `glowColor` behind the text, moved by `offset`.
void DrawTextGlow(const BitmapView& canvas, const TextDrawing& text, std::string_view line, const Rect& box,
                  int glowSize, ColorRef glowColor, int offset);
// A soft box of `color` behind the text.
void DrawGlowBox(const BitmapView& canvas, const TextDrawing& text, std::string_view line, const Rect& box,
                 ColorRef color);
// A fading mirror image of the text in `color`, `distance` pixels below it.
void DrawTextReflection(const BitmapView& canvas, const TextDrawing& text, std::string_view line, const Rect& box,
                        ColorRef color, int distance);

}  // namespace zv
