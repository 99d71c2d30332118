#pragma once
// The skinned up-down control: two arrow buttons that step Position by
// Increment within Min and Max, once per press and again and again while a
// button is held. Horizontal (the default, record "hupdown") puts the down
// button left and the up button right; vertical ("vupdown") puts up on top.
#include <cstdint>
#include <functional>

#include "core/controls/auto_repeat.h"
#include "core/controls/skin_control.h"

namespace zv {

enum class TzsUpDownOrientation { udHorizontal, udVertical };
enum class UpDownButton { kNone, kUp, kDown };

class TzsSkinUpDown : public TzsSkinCustomControl {
 public:
  static constexpr int kRepeatTimerId = 1;
  static constexpr Size kCreationSize{50, 25};

  // Takes its creation size at once, keeping the position.
  TzsSkinUpDown(SkinControlHost& host, TimerHost& timers);

  TzsUpDownOrientation Orientation() const { return orientation_; }
  // Switches the record name with the orientation and applies the skin.
  void SetOrientation(TzsUpDownOrientation orientation);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int Increment() const { return increment_; }
  // Min above Max moves Max up to it (and the reverse); Position is always
  // kept within them.
  void SetMin(int min);
  void SetMax(int max);
  // Clamped into Min..Max; OnChange fires when it changed.
  void SetPosition(int position);
  void SetIncrement(int increment) { increment_ = increment; }
  unsigned RepeatInterval = 100;

  std::function<void()> OnChange;
  std::function<void()> OnUpButtonClick;
  std::function<void()> OnDownButtonClick;

  // The button's rectangle in control coordinates, and the button at a point.
  Rect ButtonRect(UpDownButton button) const;
  UpDownButton ButtonAt(Point p) const;
  UpDownButton PressedButton() const { return pressed_; }
  UpDownButton HotButton() const { return hot_; }

  void MouseDown(Point p);
  void MouseMove(Point p);
  void MouseUp(Point p);
  void MouseLeave();
  void TimerTick(int id);
  void EnabledChanged();

 protected:
  void RenderUnskinned(Bitmap& bitmap) override;
  void RenderSkinned(Bitmap& bitmap) override;

 private:
  // One step of `button`: position, OnChange, then the button's own event.
  void Step(UpDownButton button);
  void ClampPosition();
  // The look rectangle of the button in its state, or empty.
  Rect ButtonSkinRect(UpDownButton button) const;
  void PaintPlainButton(const BitmapView& view, UpDownButton button) const;

  TzsUpDownOrientation orientation_ = TzsUpDownOrientation::udHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  UpDownButton pressed_ = UpDownButton::kNone;
  bool pressedInside_ = false;
  UpDownButton hot_ = UpDownButton::kNone;
  AutoRepeat repeat_;
};

}  // namespace zv
