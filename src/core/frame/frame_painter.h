#pragma once
// The whole frame picture of a window: the border bands cut from the skin,
// the caption objects in their current looks and the caption text, or the
// plain frame without a skin. The window blits the result in one copy, so
// nothing flickers.
#include <functional>
#include <string>
#include <vector>

#include "core/base/bitmap.h"
#include "core/frame/caption_objects.h"
#include "core/frame/frame_skin.h"
#include "core/frame/geometry.h"
#include "core/platform/text_renderer.h"

namespace zv {

// The application drawing the caption itself (OnCaptionPaint): the canvas,
// the caption's rectangle on it and whether the window is active.
using CaptionPainter = std::function<void(const BitmapView& canvas, const Rect& rect, bool active)>;

// The application drawing one of its own objects (OnPaintEvent): the
// object's name, the canvas and the object's rectangle on it.
using ObjectPainter = std::function<void(const std::string& name, const BitmapView& canvas, const Rect& rect)>;

struct FramePaint {
  const FrameSkin* skin = nullptr;
  const FrameGeometry* geometry = nullptr;
  const std::vector<CaptionObject>* objects = nullptr;
  TextRenderer* text = nullptr;
  std::string caption;  // CP936
  bool active = true;
  FrameState state;
  BitmapView smallIcon;                            // the form's small icon, straight alpha
  const CaptionPainter* captionPainter = nullptr;  // set: draws the caption instead of the text
  const ObjectPainter* objectPainter = nullptr;    // draws the user objects
};

// Draws the frame into `target` (the whole window, W by H); the client
// rectangle is left untouched.
void PaintSkinnedFrame(const BitmapView& target, const FramePaint& paint);

// One object in its current look at its rectangle, clipped to `clip`.
void DrawCaptionObject(const BitmapView& target, const Rect& clip, const CaptionObject& object,
                       const FramePaint& paint);

// The caption object's text rectangle in window coordinates, never
// beyond the object (the buttons lie beside it); empty without a text rectangle.
Rect CaptionTextRect(const CaptionObject& object);

// The caption object's text: font, colours, light and shadow, shortened
// with "..." to its text rectangle, never beyond the object.
void DrawCaptionText(const BitmapView& target, const Rect& clip, const CaptionObject& object, const FramePaint& paint);

// The system colours the plain frame is drawn with.
struct PlainColors {
  ColorRef face = 0xC0C0C0;
  ColorRef text = 0x000000;
  ColorRef highlight = 0xFFFFFF;
  ColorRef shadow = 0x808080;
  ColorRef light3d = 0xC0C0C0;
  ColorRef darkShadow3d = 0x000000;
  // A system colour these stand for becomes its value; others stay.
  ColorRef Resolve(ColorRef color) const;
};

// The plain frame's caption fonts (DefCaptionFont, DefInActiveCaptionFont).
struct PlainCaptionFonts {
  FontSpec active{"Arial", 14, kFontBold, SystemColor(18)};    // clBtnText
  FontSpec inactive{"Arial", 14, kFontBold, SystemColor(16)};  // clBtnShadow
};

struct PlainPaint {
  Size size;
  PlainMetrics metrics;
  Rect caption;  // from LayoutPlainButtons
  const std::vector<CaptionObject>* objects = nullptr;
  TextRenderer* text = nullptr;
  std::string caption_text;
  bool active = true;
  FrameState state;
  PlainColors colors;
  PlainCaptionFonts fonts;
  BitmapView smallIcon;
  const CaptionPainter* captionPainter = nullptr;
};

// The plain frame: a bevelled 3-pixel border and a caption strip with the
// default buttons, the client area left untouched.
void PaintPlainFrame(const BitmapView& target, const PlainPaint& paint);

// The client background of a `client`-sized area: the skin's client piece
// (or background picture) repeated or stretched; without a skin, `face`.
void PaintClientBackground(const BitmapView& target, const FrameSkin& skin, ColorRef face);

}  // namespace zv
