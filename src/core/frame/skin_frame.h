#pragma once
// One window's skinned frame as a whole: the skin, the options, the size
// and state, and everything derived from them (geometry, caption objects,
// mask bands). The Win32 component and the command line both drive it;
// it recomputes only when the size, state, skin or options change.
#include <string>
#include <vector>

#include "core/frame/caption_objects.h"
#include "core/frame/caption_tracker.h"
#include "core/frame/frame_painter.h"
#include "core/frame/frame_shape.h"
#include "core/frame/frame_skin.h"
#include "core/frame/geometry.h"

namespace zv {

// One tick of the caption animation: whether it goes on, and whether a
// frame changed (repaint).
struct AnimationTick {
  bool busy = false;
  bool changed = false;
};

class SkinFrame {
 public:
  // The caption animation's and the morph's timer interval, milliseconds.
  static constexpr int kLookTick = 25;

  // An empty skin gives the plain frame.
  void SetSkin(FrameSkin skin);
  void SetOptions(const CaptionOptions& options);
  void SetState(const FrameState& state);
  void Resize(Size size);
  void SetToolWindow(bool toolWindow);
  void SetPlainCaptionFonts(const PlainCaptionFonts& fonts) { plainFonts_ = fonts; }
  const PlainCaptionFonts& plainCaptionFonts() const { return plainFonts_; }
  // The form's small icon, shown by the system-menu button with ShowIcon.
  void SetSmallIcon(Bitmap icon) { smallIcon_ = std::move(icon); }
  // The application's own caption drawing (OnCaptionPaint); none draws the text.
  void SetCaptionPainter(CaptionPainter painter) { captionPainter_ = std::move(painter); }
  // The application's drawing of its own objects (OnPaintEvent).
  void SetObjectPainter(ObjectPainter painter) { objectPainter_ = std::move(painter); }

  bool Skinned() const { return !skin_.Empty(); }
  const FrameSkin& skin() const { return skin_; }
  const CaptionOptions& options() const { return options_; }
  const FrameState& state() const { return state_; }
  Size size() const { return size_; }
  const FrameGeometry& geometry() const { return geometry_; }
  const std::vector<CaptionObject>& objects() const { return objects_; }
  std::vector<CaptionObject>& objects() { return objects_; }
  CaptionTracker& tracker() { return tracker_; }
  const PlainMetrics& plain() const { return plain_; }

  // Window coordinates.
  Rect ClientRect() const;
  // WM_NCCALCSIZE: the client rectangle for a proposed window rectangle.
  Rect ClientFromWindow(const Rect& window) const;
  // The caption rectangle of the frame (FORMINFO "captionrect" stretched,
  // or the plain caption between the default buttons).
  Rect CaptionRect() const;
  // Where the caption text may go: the caption object's text rectangle.
  Rect CaptionTextRect() const;
  Size MinSize(const FrameLimits& limits) const;

  // Every object but the caption loses its hover look at once (a new
  // activation); the next move over one lights it again.
  void ResetObjectLooks();
  // Moves every morphing object's factor 0.2 toward its look (1 while
  // active, 0 otherwise); returns whether any moved (repaint, step again).
  bool MorphStep();
  // The caption takes the window's active state. With `animate` its frame
  // strip starts playing and a morphing look steps (MorphStep); without,
  // the look jumps. Returns whether the caption changed.
  bool RefreshActiveLook(bool active, bool animate);
  // A tick of the caption animation: a frame stays `animateinterval`
  // milliseconds, then the next is shown (backwards while inactive).
  AnimationTick AnimationStep();

  HitCode HitTest(Point p, bool resizable, bool inSizeMove) const;
  // The window region's rectangles; the whole window without a mask, none
  // (empty) for a maximised window, whose every pixel is its own.
  std::vector<Rect> Region() const;
  // The skin's mask shapes the window.
  bool Shaped() const;
  bool PointInShape(Point p) const;

  // The frame picture into the whole-window `target`; the client area is
  // left as it was. Nothing when the window is below its minimum size.
  void Paint(const BitmapView& target, TextRenderer& text, const std::string& caption, bool active,
             const PlainColors& colors = {}) const;

 private:
  void Rebuild();
  void Relayout();

  FrameSkin skin_;
  CaptionOptions options_;
  FrameState state_;
  Size size_;
  PlainMetrics plain_;
  PlainCaptionFonts plainFonts_;
  FrameGeometry geometry_;
  Rect plainCaption_;
  std::vector<CaptionObject> objects_;
  CaptionTracker tracker_;
  MaskBands bands_;
  Bitmap smallIcon_;
  CaptionPainter captionPainter_;
  ObjectPainter objectPainter_;
};

}  // namespace zv
