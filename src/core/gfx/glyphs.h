#pragma once
// The small vector glyphs of the system commands and the roll-up arrows,
// drawn as the platform draws lines (end pixel left out) and rectangles
// (right and bottom edge left out).
#include "core/base/bitmap.h"

namespace zv {

enum class CommandGlyph { kClose, kMinimize, kMaximize, kRestore, kRollUp, kRollDown, kMinimizeToTray, kSystemMenu };

// Draws `glyph` with its origin at `at`, in `color`, clipped to the bitmap.
void DrawCommandGlyph(const BitmapView& target, CommandGlyph glyph, Point at, ColorRef color);

// A line from `from` to `to` without its end pixel.
void DrawLine(const BitmapView& target, Point from, Point to, Pixel pixel);

// A one-pixel rectangle outline: top and left edges in `topLeft`, bottom and
// right edges in `bottomRight` (the raised and lowered looks of buttons).
void DrawOutline(const BitmapView& target, const Rect& r, Pixel topLeft, Pixel bottomRight);

enum class ArrowDirection { kLeft, kRight, kUp, kDown };
// A solid triangle pointing `direction`, centred in `area`: four rows or
// columns, 1 to 7 pixels long.
void DrawArrow(const BitmapView& target, const Rect& area, ArrowDirection direction, Pixel pixel);

}  // namespace zv
