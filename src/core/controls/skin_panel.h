#pragma once
// The skinned container: a panel drawn from the skin's panel record, with an
// optional caption band holding a check box, a glyph or image and a roll-up
// arrow; it can roll up to its caption and paint over its parent's
// background. It decides everything; the host window only carries out.
#include <functional>
#include <string>
#include <vector>

#include "core/controls/skin_control.h"

namespace zv {

enum class TzsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
enum class TzsImagePosition { zsipDefault, zsipLeft };

// Images of one size, drawn with their bottom-left colour transparent.
struct SkinImageList {
  Size size;
  std::vector<Bitmap> images;
};

struct SizeConstraints {
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  friend bool operator==(const SizeConstraints&, const SizeConstraints&) = default;
};

class TzsSkinPanel : public TzsSkinCustomControl {
 public:
  explicit TzsSkinPanel(SkinControlHost& host, std::string skinDataName = "panel");

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string text);
  bool CaptionMode() const { return captionMode_; }
  void SetCaptionMode(bool on);
  int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void SetDefaultCaptionHeight(int height);
  Alignment DefaultAlignment() const { return defaultAlignment_; }
  void SetDefaultAlignment(Alignment alignment);
  TzsSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TzsSkinBorderStyle style);
  bool TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(bool on);
  bool CheckedMode() const { return checkedMode_; }
  void SetCheckedMode(bool on);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool AutoEnabledControls = true;
  bool RollUpMode() const { return rollUpMode_; }
  void SetRollUpMode(bool on);
  bool RollUpState() const { return rollUpState_; }
  void SetRollUpState(bool rolledUp);
  int RealHeight() const { return realHeight_; }
  const Bitmap& Glyph() const { return glyph_; }
  void SetGlyph(const Bitmap& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  const SkinImageList* CaptionImageList() const { return captionImages_; }
  void SetCaptionImageList(const SkinImageList* list);
  int CaptionImageIndex() const { return captionImageIndex_; }
  void SetCaptionImageIndex(int index);
  TzsImagePosition ImagePosition() const { return imagePosition_; }
  void SetImagePosition(TzsImagePosition position);
  const SizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const SizeConstraints& constraints) { constraints_ = constraints; }

  std::function<void()> OnChecked;
  std::function<void()> OnChangeRollUpState;

  // The area aligned children share, in panel coordinates.
  virtual Rect ClientArea();
  // Where a click toggles check and roll-up state; written at skinned paints.
  const Rect& CaptionHitRect() const { return captionHitRect_; }
  // Left-button release at `p`; the host fires OnClick afterwards as usual.
  void MouseUp(Point p);
  void EnabledChanged() { host_.Invalidate(); }
  // The panel moved within its parent.
  void PositionChanged() { RepaintTransparentHook(); }
  // Automatic sizing is refused while rolling.
  bool CanAutoSize() const { return !rolling_; }

  void ApplySkin() override;
  void SetDpi(int dpi) override;
  void SetBounds(const Rect& bounds) override;
  void Paint(const BitmapView& canvas) override;

 protected:
  // Called at the end of the transparent paints.
  virtual void PaintOverlay(const BitmapView& canvas) { (void)canvas; }
  void RenderUnskinned(Bitmap& bitmap) override;
  void RenderSkinned(Bitmap& bitmap) override;
  void RepaintTransparentHook() override;

 private:
  const TzsDataSkinPanelControl* PanelRecord() const;
  BitmapView BackgroundPicture() const;
  FontSpec CaptionFont(ColorRef color) const;
  ColorRef LabelColor() const;
  // The caption image or glyph cell to draw, and its width, or none.
  struct Image {
    BitmapView view;
    Rect from;
    int Width() const { return from.Width(); }
    int Height() const { return from.Height(); }
  };
  Image CaptionImage() const;
  int RolledUpHeight();
  void Roll(bool up);
  void RepaintIfUnskinnedCaption();

  void PaintTransparentFrame(const BitmapView& canvas);
  void PaintGroupBox(const BitmapView& canvas);
  void PaintBackgroundPicture(const BitmapView& canvas, const BitmapView& background);
  Rect PlaceCaptionRect(const Rect& captionRect, Size size) const;
  void DrawSkinnedCaption(const BitmapView& target, const Rect& captionRect);
  void DrawUnskinnedCaption(const BitmapView& target);

  std::string caption_;
  bool captionMode_ = false;
  int defaultCaptionHeight_ = 22;
  Alignment defaultAlignment_ = Alignment::taLeftJustify;
  TzsSkinBorderStyle borderStyle_ = TzsSkinBorderStyle::bvFrame;
  bool transparentMode_ = false;
  bool checkedMode_ = false;
  bool checked_ = false;
  bool rollUpMode_ = false;
  bool rollUpState_ = false;
  int realHeight_ = -1;
  Bitmap glyph_;
  int numGlyphs_ = 1;
  int spacing_ = 2;
  const SkinImageList* captionImages_ = nullptr;
  int captionImageIndex_ = -1;
  TzsImagePosition imagePosition_ = TzsImagePosition::zsipDefault;
  SizeConstraints constraints_;
  SizeConstraints savedConstraints_;
  Rect captionHitRect_;
  bool rolling_ = false;
};

// The small roll-up arrow centred in `area`: four rows, 1 to 7 pixels wide.
void DrawRollArrow(const BitmapView& target, const Rect& area, bool down, ColorRef color);

}  // namespace zv
