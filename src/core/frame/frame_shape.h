#pragma once
// The window's shape and the platform's hit-test question. The shape is
// the skin's mask cut into four bands around FORMINFO "maskrectarea", each
// band's middle repeated to the window's size, plus the solid mask
// rectangle between them; the hit test reads the same bands.
#include <vector>

#include "core/base/bitmap.h"
#include "core/base/display_scale.h"
#include "core/frame/caption_objects.h"
#include "core/frame/geometry.h"

namespace zv {

// The platform's hit-test codes the frame answers.
enum HitCode : int {
  kHtClient = 1,
  kHtCaption = 2,
  kHtSysMenu = 3,
  kHtMinButton = 8,
  kHtMaxButton = 9,
  kHtLeft = 10,
  kHtRight = 11,
  kHtTop = 12,
  kHtTopLeft = 13,
  kHtTopRight = 14,
  kHtBottom = 15,
  kHtBottomLeft = 16,
  kHtBottomRight = 17,
  kHtObject = 19,
  kHtClose = 20,
};

// The code a caption object answers: the platform's own for a system-menu,
// minimise, maximise and close button (so that the platform knows where
// they are: snap layouts over maximise), the caption for the caption, the
// object code for every other.
HitCode ObjectHitCode(const CaptionObject& object);
// One of the four platform button codes.
bool IsButtonHitCode(int code);

// Sizing from a corner: along this many pixels of both edges from it, at
// the edge's depth, and across a square of this side at the corner itself
// (at 96 DPI; scaled with the skin).
constexpr int kCornerReach = 16;
constexpr int kCornerSquare = 8;

struct MaskBands {
  Bitmap top, bottom, left, right;
  Rect inner;  // the fitted mask rectangle: always inside the shape
  bool Empty() const { return inner.IsEmpty() && top.width() == 0 && bottom.width() == 0; }
};

// The mask's bands for the frame size. Every band is at most as large as
// the window along the band and the mask across it.
MaskBands ComposeMaskBands(const SkinFormInfo& info, const BitmapView& mask, const FrameGeometry& g);

// The window region as non-overlapping rectangles inside (0, 0, size). It
// follows the bands at every size, the rolled-up strip included.
std::vector<Rect> FrameRegion(const MaskBands& bands, Size size);

// Whether a window point belongs to the shape: exactly the points of FrameRegion.
bool PointInShape(const MaskBands& bands, Point p);

struct HitTestInput {
  const FrameGeometry* geometry = nullptr;
  const MaskBands* bands = nullptr;  // nullptr: the skin has no mask
  const std::vector<CaptionObject>* objects = nullptr;
  FrameState state;
  bool resizable = true;
  bool objectUnderMouse = false;
  bool inSizeMove = false;
  int borderWidth = 0;
  int dpi = kBaseDpi;  // the corners' reach scales with it
};

HitCode HitTestSkinned(Point p, const HitTestInput& in);

// The plain frame: a 2-pixel sizing border, the caption between the
// default buttons.
struct PlainHitInput {
  Size size;
  Rect caption;
  const std::vector<CaptionObject>* objects = nullptr;
  PlainMetrics metrics;
  FrameState state;
  bool resizable = true;
  bool objectUnderMouse = false;
};
HitCode HitTestPlain(Point p, const PlainHitInput& in);

// The hit code the cursor is chosen by when the form's own cursor shows
// over the frame too: the sizing codes and the client stay, every other
// (caption, buttons, bare frame) becomes the client.
HitCode FormCursorHitCode(int code);

}  // namespace zv
