#pragma once
// The skinned frame's geometry: FORMINFO stretched to the window's size,
// skin rectangles mapped into the window, the client area and the size
// limits. Window coordinates: origin at the window's top-left corner.
#include "core/base/geometry.h"
#include "core/skin/global_sections.h"

namespace zv {

// The component's own window state (the platform's is not used).
struct FrameState {
  bool maximized = false;
  bool minimized = false;
  bool rolledUp = false;
  friend bool operator==(const FrameState&, const FrameState&) = default;
};

// The application's own limits and options; 0 means no limit of its own.
struct FrameLimits {
  int minWidth = 0;
  int minHeight = 0;
  int maxWidth = 0;
  int maxHeight = 0;
};

// The unskinned frame: a 3-pixel border and a 19-pixel caption (15 for
// tool windows), buttons 17 (13) pixels square.
struct PlainMetrics {
  int border = 3;
  int captionHeight = 19;
  int buttonSize = 17;
  static PlainMetrics For(bool toolWindow) { return toolWindow ? PlainMetrics{3, 15, 13} : PlainMetrics{}; }
};

struct FrameGeometry {
  Size size;     // the frame size W by H
  Size picture;  // the main picture's size PW by PH
  int dx = 0;    // W - PW
  int dy = 0;    // H - PH
  // The skin's cut points (the zones of MapSkinRect) and the fitted ones.
  Point skinLeftTop, skinRightTop, skinLeftBottom, skinRightBottom;
  Point leftTop, rightTop, leftBottom, rightBottom;
  Rect client;
  Rect caption;
  Rect buttons;
  int buttonsOffset = 0;
  bool buttonsInLeft = false;
  Point hitLeftTop, hitRightTop, hitLeftBottom, hitRightBottom;
  Rect maskRect;
};

// FORMINFO for a frame of `frame` size. The client and mask rectangles are
// kept inside the window and never inverted, whatever the skin says.
FrameGeometry ComputeFrameGeometry(const SkinFormInfo& info, Size picture, Size frame);

// A rectangle of the main picture in window coordinates, by the picture's
// four corner zones.
Rect MapSkinRect(const FrameGeometry& g, const Rect& r);

// WM_NCCALCSIZE: the client rectangle inside a proposed window rectangle
// (screen coordinates), never inverted.
Rect SkinnedClientFromWindow(const SkinFormInfo& info, Size picture, const Rect& window);
Rect PlainClientFromWindow(const PlainMetrics& plain, const Rect& window);

// Size limits with a skin in use (`skin` true) or the plain frame. A
// skin's limits are kept within kMaxFrameSide so a hostile value cannot
// ask for a window larger than any screen.
constexpr int kMaxFrameSide = 16384;
int MinFrameWidth(const SkinFormInfo* skin, Size picture, const FrameLimits& limits, const FrameState& state);
int MinFrameHeight(const SkinFormInfo* skin, Size picture, const PlainMetrics& plain, const FrameLimits& limits,
                   const FrameState& state);
// The monitor area's size, or the application's maximum when smaller.
Size MaxFrameSize(const Rect& monitorArea, const FrameLimits& limits);

// Where a window goes when first shown: as it stands, or centred on its
// monitor (zspScreenCenter) or the monitor's work area (zspDesktopCenter).
enum class PositionInMonitor { zspDefault, zspScreenCenter, zspDesktopCenter };
Rect FirstShowBounds(PositionInMonitor position, const Rect& monitor, const Rect& work, const Rect& bounds);

}  // namespace zv
