#pragma once
// What the status bar asks of the window that hosts it.
#include "core/base/bitmap.h"

namespace zv {

class StatusBarHost {
 public:
  virtual ~StatusBarHost() = default;
  // Repaint the rectangle (bar client coordinates) on the next paint.
  virtual void Invalidate(const Rect& rect) = 0;
  // Repaint the rectangle before returning.
  virtual void RedrawNow(const Rect& rect) = 0;
  // The top-level window: a sizeable border, and whether it is maximised.
  virtual bool WindowSizeable() = 0;
  virtual bool WindowMaximised() = 0;
  virtual bool VisualStylesActive() = 0;
};

// The platform theme's status-bar parts, drawn by the shell.
enum class StatusThemePart { kBackground, kPane, kGripper };

class StatusTheme {
 public:
  virtual ~StatusTheme() = default;
  // Draws `part` stretched over `rect`, touching only pixels inside `clip`.
  virtual void DrawPart(const BitmapView& target, StatusThemePart part, const Rect& rect, const Rect& clip) = 0;
};

}  // namespace zv
