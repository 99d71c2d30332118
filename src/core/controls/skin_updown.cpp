#include "core/controls/skin_updown.h"

#include <algorithm>

#include "core/gfx/blit.h"
#include "core/gfx/glyphs.h"

namespace zv {

TzsSkinUpDown::TzsSkinUpDown(SkinControlHost& host, TimerHost& timers)
    : TzsSkinCustomControl(host, "hupdown"), repeat_(timers, kRepeatTimerId) {
  const Rect b = host_.Bounds();
  host_.ApplyBounds(Rect::FromSize(b.left, b.top, kCreationSize.width, kCreationSize.height));
}

void TzsSkinUpDown::SetOrientation(TzsUpDownOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  SetSkinDataName(orientation == TzsUpDownOrientation::udVertical ? "vupdown" : "hupdown");
  ApplySkin();
}

void TzsSkinUpDown::ClampPosition() {
  const int clamped = std::clamp(position_, min_, max_);
  if (clamped == position_) return;
  position_ = clamped;
  if (OnChange) OnChange();
}

void TzsSkinUpDown::SetMin(int min) {
  min_ = min;
  max_ = std::max(max_, min_);
  ClampPosition();
}

void TzsSkinUpDown::SetMax(int max) {
  max_ = max;
  min_ = std::min(min_, max_);
  ClampPosition();
}

void TzsSkinUpDown::SetPosition(int position) {
  const int clamped = std::clamp(position, min_, max_);
  if (clamped == position_) return;
  position_ = clamped;
  host_.Invalidate();
  if (OnChange) OnChange();
}

void TzsSkinUpDown::Step(UpDownButton button) {
  // In 64 bits, so a large increment near the ends cannot overflow.
  const std::int64_t delta = button == UpDownButton::kUp ? increment_ : -static_cast<std::int64_t>(increment_);
  const std::int64_t next = std::clamp<std::int64_t>(position_ + delta, min_, max_);
  SetPosition(static_cast<int>(next));
  const auto& event = button == UpDownButton::kUp ? OnUpButtonClick : OnDownButtonClick;
  if (event) event();
}

Rect TzsSkinUpDown::ButtonRect(UpDownButton button) const {
  const Size size = CurrentSize();
  if (button == UpDownButton::kNone) return {};
  if (orientation_ == TzsUpDownOrientation::udHorizontal) {
    const int half = size.width / 2;
    return button == UpDownButton::kDown ? Rect{0, 0, half, size.height} : Rect{half, 0, size.width, size.height};
  }
  const int half = size.height / 2;
  return button == UpDownButton::kUp ? Rect{0, 0, size.width, half} : Rect{0, half, size.width, size.height};
}

UpDownButton TzsSkinUpDown::ButtonAt(Point p) const {
  if (ButtonRect(UpDownButton::kUp).Contains(p)) return UpDownButton::kUp;
  if (ButtonRect(UpDownButton::kDown).Contains(p)) return UpDownButton::kDown;
  return UpDownButton::kNone;
}

void TzsSkinUpDown::MouseDown(Point p) {
  if (!host_.Enabled()) return;
  const UpDownButton button = ButtonAt(p);
  if (button == UpDownButton::kNone) return;
  pressed_ = button;
  pressedInside_ = true;
  host_.Invalidate();
  Step(button);
  repeat_.Start(RepeatInterval);
}

void TzsSkinUpDown::MouseMove(Point p) {
  const UpDownButton over = ButtonAt(p);
  const bool inside = pressed_ != UpDownButton::kNone && over == pressed_;
  if (over == hot_ && inside == pressedInside_) return;
  hot_ = over;
  pressedInside_ = inside;
  host_.Invalidate();
}

void TzsSkinUpDown::MouseUp(Point) {
  if (pressed_ == UpDownButton::kNone) return;
  pressed_ = UpDownButton::kNone;
  pressedInside_ = false;
  repeat_.Stop();
  host_.Invalidate();
}

void TzsSkinUpDown::MouseLeave() {
  if (hot_ == UpDownButton::kNone) return;
  hot_ = UpDownButton::kNone;
  host_.Invalidate();
}

void TzsSkinUpDown::TimerTick(int id) {
  if (id != repeat_.TimerId() || !repeat_.Tick()) return;
  if (pressed_ != UpDownButton::kNone && pressedInside_) Step(pressed_);
}

void TzsSkinUpDown::EnabledChanged() {
  if (!host_.Enabled()) {
    pressed_ = UpDownButton::kNone;
    hot_ = UpDownButton::kNone;
    repeat_.Stop();
  }
  host_.Invalidate();
}

Rect TzsSkinUpDown::ButtonSkinRect(UpDownButton button) const {
  const auto* r = dynamic_cast<const TzsDataSkinUpDownControl*>(Record());
  if (!r) return {};
  const bool up = button == UpDownButton::kUp;
  const Rect& normal = up ? r->upButtonRect : r->downButtonRect;
  if (pressed_ == button && pressedInside_) {
    const Rect& down = up ? r->downUpButtonRect : r->downDownButtonRect;
    if (!down.IsEmpty()) return down;
  }
  if (hot_ == button || (pressed_ == button && pressedInside_)) {
    const Rect& active = up ? r->activeUpButtonRect : r->activeDownButtonRect;
    if (!active.IsEmpty()) return active;
  }
  return normal;
}

void TzsSkinUpDown::PaintPlainButton(const BitmapView& view, UpDownButton button) const {
  const Rect r = ButtonRect(button);
  const bool sunk = pressed_ == button && pressedInside_;
  const Pixel light = ToPixel(host_.SystemColorValue(kColorBtnHighlight));
  const Pixel shadow = ToPixel(host_.SystemColorValue(kColorBtnShadow));
  view.Fill(r, ToPixel(host_.SystemColorValue(kColorBtnFace)));
  DrawOutline(view, r, sunk ? shadow : light, sunk ? light : shadow);
  const bool horizontal = orientation_ == TzsUpDownOrientation::udHorizontal;
  const bool up = button == UpDownButton::kUp;
  const ArrowDirection direction = horizontal ? (up ? ArrowDirection::kRight : ArrowDirection::kLeft)
                                              : (up ? ArrowDirection::kUp : ArrowDirection::kDown);
  const int ink = host_.Enabled() ? kColorBtnText : kColorBtnShadow;
  DrawArrow(view, sunk ? r.Offset(1, 1) : r, direction, ToPixel(host_.SystemColorValue(ink)));
}

void TzsSkinUpDown::RenderUnskinned(Bitmap& bitmap) {
  TzsSkinCustomControl::RenderUnskinned(bitmap);
  PaintPlainButton(bitmap.view(), UpDownButton::kDown);
  PaintPlainButton(bitmap.view(), UpDownButton::kUp);
}

void TzsSkinUpDown::RenderSkinned(Bitmap& bitmap) {
  TzsSkinCustomControl::RenderSkinned(bitmap);
  // The fixed look may have resized the bitmap: lay the buttons out on it.
  if (bitmap.width() != CurrentSize().width || bitmap.height() != CurrentSize().height) {
    Bitmap whole(CurrentSize().width, CurrentSize().height, SystemPixel(kColorBtnFace));
    Blit(whole.view(), Point{0, 0}, bitmap.view(), bitmap.view().bounds());
    bitmap = std::move(whole);
  }
  for (UpDownButton button : {UpDownButton::kDown, UpDownButton::kUp}) {
    const Rect look = ButtonSkinRect(button);
    if (look.IsEmpty() || Pieces().picture.width() <= 0) {
      PaintPlainButton(bitmap.view(), button);
    } else {
      StretchBlit(bitmap.view(), ButtonRect(button), Pieces().picture, look);
    }
  }
}

}  // namespace zv
