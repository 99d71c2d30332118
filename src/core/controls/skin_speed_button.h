#pragma once
// The skinned speed button: a windowless push button with a glyph (up to
// four cells: up, disabled, pressed, down) or an image-list image and a
// caption, drawn from the skin's "toolbutton" record or in a plain 3-D or
// flat look. Buttons of one parent with the same GroupIndex stay down one
// at a time; RepeatMode clicks again and again while the button is held.
#include <functional>
#include <string>
#include <vector>

#include "core/controls/auto_repeat.h"
#include "core/controls/button_layout.h"
#include "core/controls/skin_control.h"
#include "core/controls/skin_panel.h"

namespace zv {

// What the button looks like now; also the glyph cell order.
enum class SpeedButtonState { kUp = 0, kDisabled = 1, kPressed = 2, kDown = 3 };

class TzsSkinSpeedButton : public TzsGraphicSkinCustomControl {
 public:
  static constexpr int kRepeatTimerId = 1;

  TzsSkinSpeedButton(SkinControlHost& host, TimerHost& timers, std::string skinDataName = "toolbutton");

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string text);
  bool Flat() const { return flat_; }
  void SetFlat(bool on);
  const Bitmap& Glyph() const { return glyph_; }
  void SetGlyph(const Bitmap& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  // Kept within 1 to 4.
  void SetNumGlyphs(int count);
  TzsButtonLayout Layout() const { return layout_; }
  void SetLayout(TzsButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  const SkinImageList* Images() const { return images_; }
  void SetImages(const SkinImageList* list);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  bool Down() const { return down_; }
  // Ignored without a group; the last button of a group without AllowAllUp
  // cannot be raised. Going down raises the group's other buttons.
  void SetDown(bool down);
  bool AllowAllUp() const { return allowAllUp_; }
  // Shared by the whole group.
  void SetAllowAllUp(bool allow);

  bool RepeatMode = false;
  unsigned RepeatInterval = 100;
  // With a record, the button takes the size of the skin's look.
  bool UseSkinSize = true;
  // Caption colour from the record's colour for the state, not DefaultFont's.
  bool UseSkinFontColor = true;

  std::function<void()> OnClick;
  // After the button drew itself: the canvas and the button's rectangle.
  std::function<void(const BitmapView& canvas, const Rect& rect)> OnPaint;
  // The other buttons of the same parent; the group lives among them.
  std::function<std::vector<TzsSkinSpeedButton*>()> Siblings;

  SpeedButtonState State() const;
  bool MouseInControl() const { return mouseIn_; }

  void MouseEnter();
  void MouseLeave();
  // Points in button coordinates.
  virtual void MouseDown(Point p);
  void MouseMove(Point p);
  virtual void MouseUp(Point p);
  void TimerTick(int id);
  void EnabledChanged();

  Size FitSizeToSkin(Size proposed) override;
  void Paint(const BitmapView& canvas) override;

 private:
  std::vector<TzsSkinSpeedButton*> GroupPeers() const;
  void RaisedByPeer();
  void Click();
  Rect SkinRectFor(SpeedButtonState state) const;
  void PaintFace(Bitmap& bitmap, SpeedButtonState state);
  void PaintContent(const BitmapView& target, SpeedButtonState state);
  FontSpec CaptionFont(SpeedButtonState state) const;

  std::string caption_;
  bool flat_ = false;
  Bitmap glyph_;
  int numGlyphs_ = 1;
  TzsButtonLayout layout_ = TzsButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  const SkinImageList* images_ = nullptr;
  int imageIndex_ = -1;
  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  bool mouseIn_ = false;
  bool pressed_ = false;       // the left button went down on us and is held
  bool pressedInside_ = false; // ... and the pointer is over the button
  AutoRepeat repeat_;
};

}  // namespace zv
