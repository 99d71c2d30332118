#include "core/frame/skin_frame.h"

#include <algorithm>
#include <cmath>

#include "core/skin/rect_rules.h"

namespace zv {

void SkinFrame::SetSkin(FrameSkin skin) {
  skin_ = std::move(skin);
  Rebuild();
}

void SkinFrame::SetOptions(const CaptionOptions& options) {
  options_ = options;
  ApplyBorderIcons(objects_, options_);
  Relayout();
}

void SkinFrame::SetState(const FrameState& state) {
  if (state == state_) return;
  state_ = state;
  Relayout();
}

void SkinFrame::SetToolWindow(bool toolWindow) {
  plain_ = PlainMetrics::For(toolWindow);
  Relayout();
}

void SkinFrame::Resize(Size size) {
  if (size == size_) return;
  size_ = size;
  Relayout();
}

void SkinFrame::Rebuild() {
  objects_ = Skinned() ? BuildCaptionObjects(skin_) : DefaultCaptionButtons();
  ApplyBorderIcons(objects_, options_);
  tracker_.Reset(&objects_);
  Relayout();
}

void SkinFrame::Relayout() {
  if (!Skinned()) {
    geometry_ = {};
    geometry_.size = size_;
    bands_ = {};
    plainCaption_ = LayoutPlainButtons(objects_, size_.width, plain_);
  } else {
    geometry_ = ComputeFrameGeometry(skin_.info, skin_.PictureSize(), size_);
    LayoutCaptionObjects(objects_, geometry_);
    bands_ = ComposeMaskBands(skin_.info, skin_.mask, geometry_);
  }
  if (state_.maximized) GrowHitRectsToEdges(objects_, size_.width, ClientRect().top);
}

bool SkinFrame::Shaped() const { return Skinned() && skin_.mask.width() > 0 && !state_.maximized; }

Rect SkinFrame::ClientRect() const {
  if (Skinned()) return geometry_.client;
  return PlainClientFromWindow(plain_, {0, 0, size_.width, size_.height});
}

Rect SkinFrame::ClientFromWindow(const Rect& window) const {
  return Skinned() ? SkinnedClientFromWindow(skin_.info, skin_.PictureSize(), window)
                   : PlainClientFromWindow(plain_, window);
}

Rect SkinFrame::CaptionRect() const { return Skinned() ? geometry_.caption : plainCaption_; }

Rect SkinFrame::CaptionTextRect() const {
  if (!Skinned()) return plainCaption_;
  for (const CaptionObject& o : objects_) {
    if (o.kind == ObjectKind::kCaption) return zv::CaptionTextRect(o);
  }
  return {};
}

Size SkinFrame::MinSize(const FrameLimits& limits) const {
  const SkinFormInfo* info = Skinned() ? &skin_.info : nullptr;
  return {MinFrameWidth(info, skin_.PictureSize(), limits, state_),
          MinFrameHeight(info, skin_.PictureSize(), plain_, limits, state_)};
}

void SkinFrame::ResetObjectLooks() {
  for (CaptionObject& o : objects_) {
    if (o.kind == ObjectKind::kCaption) continue;
    o.active = o.mouseIn = false;
    o.morph = 0;
  }
  tracker_.ForgetHover();
}

bool SkinFrame::MorphStep() {
  bool moved = false;
  for (CaptionObject& o : objects_) {
    if (!o.Morphs(skin_)) continue;
    const double target = o.active ? 1.0 : 0.0;
    if (o.morph == target) continue;
    o.morph = target > o.morph ? std::min(1.0, o.morph + 0.2) : std::max(0.0, o.morph - 0.2);
    if (std::abs(o.morph - target) < 1e-9) o.morph = target;
    moved = true;
  }
  return moved;
}

bool SkinFrame::RefreshActiveLook(bool active, bool animate) {
  for (CaptionObject& o : objects_) {
    if (o.kind != ObjectKind::kCaption || o.active == active) continue;
    o.active = active;
    if (animate && o.Animates(skin_)) {
      const auto& c = static_cast<const TzsDataSkinCaption&>(*o.record);
      o.animationTime = kLookTick;
      o.animationFrame = active ? 1 : (c.inactiveAnimation ? c.frameCount : 0);
    }
    if (!animate && o.Morphs(skin_)) o.morph = active ? 1 : 0;
    return true;
  }
  return false;
}

AnimationTick SkinFrame::AnimationStep() {
  AnimationTick tick;
  for (CaptionObject& o : objects_) {
    if (!o.Animates(skin_)) continue;
    const auto& c = static_cast<const TzsDataSkinCaption&>(*o.record);
    const bool ahead = o.active ? o.animationFrame <= c.frameCount : o.animationFrame > 0;
    if (!ahead) continue;
    tick.busy = true;
    if (o.animationTime < c.animateInterval) {
      // Added without passing the interval, however large the skin makes it.
      o.animationTime += std::min(kLookTick, c.animateInterval - o.animationTime);
      continue;
    }
    o.animationFrame += o.active ? 1 : -1;
    o.animationTime = kLookTick;
    tick.changed = true;
  }
  return tick;
}

HitCode SkinFrame::HitTest(Point p, bool resizable, bool inSizeMove) const {
  const bool objectUnderMouse = tracker_.underMouse() != CaptionTracker::kNone;
  if (!Skinned()) {
    return HitTestPlain(p, {size_, plainCaption_, &objects_, plain_, state_, resizable, objectUnderMouse});
  }
  const HitTestInput in{&geometry_, skin_.mask.width() > 0 ? &bands_ : nullptr,
                        &objects_,  state_,
                        resizable,  objectUnderMouse,
                        inSizeMove, skin_.info.borderWidth,
                        skin_.dpi};
  return HitTestSkinned(p, in);
}

std::vector<Rect> SkinFrame::Region() const {
  if (state_.maximized) return {};
  if (!Shaped()) return {Rect{0, 0, size_.width, size_.height}};
  return FrameRegion(bands_, size_);
}

bool SkinFrame::PointInShape(Point p) const {
  if (!Shaped()) return Rect{0, 0, size_.width, size_.height}.Contains(p);
  return zv::PointInShape(bands_, p);
}

void SkinFrame::Paint(const BitmapView& target, TextRenderer& text, const std::string& caption, bool active,
                      const PlainColors& colors) const {
  const Size min = MinSize({});
  if (size_.width < min.width || size_.height < min.height) return;
  const BitmapView icon = const_cast<Bitmap&>(smallIcon_).view();
  if (!Skinned()) {
    PaintPlainFrame(target, {size_, plain_, plainCaption_, &objects_, &text, caption, active, state_, colors,
                             plainFonts_, icon, &captionPainter_});
    return;
  }
  PaintSkinnedFrame(
      target, {&skin_, &geometry_, &objects_, &text, caption, active, state_, icon, &captionPainter_, &objectPainter_});
}

}  // namespace zv
