#pragma once
// The base of every skinned control. A control links to a skin source and
// a record name; each paint looks the record up again, so a control never
// keeps a record across a skin change. The windowed and the graphic family
// share this code; the graphic one has no window shape, no direct-background
// mode and tells no children about background changes.
#include <string>
#include <vector>

#include "core/base/display_scale.h"
#include "core/controls/skin_control_host.h"
#include "core/skin/record_pieces.h"
#include "core/skin/skin_source.h"

namespace zv {

struct SkinImageList;

enum class SkinFamily { kWindowed, kGraphic };

class TzsSkinControl : private FreeListener {
 public:
  TzsSkinControl(const TzsSkinControl&) = delete;
  TzsSkinControl& operator=(const TzsSkinControl&) = delete;
  virtual ~TzsSkinControl();

  SkinFamily Family() const { return family_; }
  const SkinSource* SkinData() const { return skinData_; }
  // The skin as drawn: the source at the control's DPI.
  const SkinSource* SkinAtDpi() const { return skinData_ ? &skinData_->AtDpi(dpi_) : nullptr; }
  int Dpi() const { return dpi_; }
  // The window moved to another display scale: the skin's records and
  // pictures at that DPI from now on.
  virtual void SetDpi(int dpi);
  // Applies the skin at once unless the source is absent or empty, or at
  // design time.
  void SetSkinData(const SkinSource* data);
  // The source is going away: forget it and everything read from it. The
  // source calls it when destroyed.
  void SkinDataRemoved(const SkinSource* data);
  const std::string& SkinDataName() const { return skinDataName_; }
  // Used from the next paint; size and shape follow at the next ApplySkin.
  void SetSkinDataName(std::string name) { skinDataName_ = std::move(name); }

  // The record in use; nullptr means the plain look.
  const TzsDataSkinControl* Record() const { return record_; }
  bool Skinned() const { return record_ != nullptr; }

  virtual void LookUpSkinRecord();
  virtual void ApplySkin();
  // Until the next ApplySkin or paint nothing draws from the skin's pictures,
  // which the skin data is about to free.
  virtual void DropSkin() { record_ = nullptr; }
  // ZSM_PARENTBACKCHANGED.
  void ParentBackChanged() { RepaintTransparentHook(); }
  // Draws the whole control into `canvas` (its size).
  virtual void Paint(const BitmapView& canvas) { (void)canvas; }
  // Every change of position or size goes through here.
  virtual void SetBounds(const Rect& bounds);

  // The hint shown while the mouse rests on the control (CP936), and the
  // title and image the skinned hint adds to it.
  std::string Hint;
  std::string HintTitle;
  int HintImageIndex = 0;
  const SkinImageList* HintImageList = nullptr;
  bool Designing = false;

 protected:
  TzsSkinControl(SkinControlHost& host, SkinFamily family, std::string skinDataName);
  virtual void RepaintTransparentHook() {}
  Size CurrentSize() const;

  SkinControlHost& host_;

 private:
  void FreeNotification(const FreeNotifier* removed) override;

  SkinFamily family_;
  const SkinSource* skinData_ = nullptr;
  int dpi_ = kBaseDpi;
  std::string skinDataName_;
  const TzsDataSkinControl* record_ = nullptr;
};

class TzsGraphicSkinControl : public TzsSkinControl {
 public:
  TzsGraphicSkinControl(SkinControlHost& host, std::string skinDataName)
      : TzsSkinControl(host, SkinFamily::kGraphic, std::move(skinDataName)) {}
};

// Adds the record's geometry, the sizing mode, the fitted geometry, the
// plain look's defaults and the two paint paths.
class TzsSkinCustomControl : public TzsSkinControl {
 public:
  TzsSkinCustomControl(SkinControlHost& host, std::string skinDataName, SkinFamily family = SkinFamily::kWindowed)
      : TzsSkinControl(host, family, std::move(skinDataName)) {}

  const FontSpec& DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(const FontSpec& font);
  int DefaultWidth() const { return defaultWidth_; }
  int DefaultHeight() const { return defaultHeight_; }
  void SetDefaultWidth(int width);
  void SetDefaultHeight(int height);
  bool UseSkinFont = true;
  // Only the windowed family has this mode.
  bool DirectBackground() const { return directBackground_; }
  void SetDirectBackground(bool on) { directBackground_ = on && Family() == SkinFamily::kWindowed; }
  bool DrawClientPiece = true;

  SkinSizing Sizing() const { return sizing_; }
  const SkinPieces& Pieces() const { return pieces_; }
  const SkinPoints& Fitted() const { return fitted_; }
  const BitmapView& Mask() const { return mask_; }
  // The record as a frame-geometry record, or nullptr.
  const TzsDataSkinCustomControl* CustomRecord() const;

  void LookUpSkinRecord() override;
  void ApplySkin() override;
  void SetBounds(const Rect& bounds) override;
  void Paint(const BitmapView& canvas) override;
  // The plain look's font and sizes at the new scale too.
  void SetDpi(int dpi) override;
  // The size the skin allows for `proposed`; refreshes the fitted geometry.
  virtual Size FitSizeToSkin(Size proposed);
  virtual void UpdateWindowShape();

 protected:
  virtual void DefaultFontChanged() {}
  virtual void RenderUnskinned(Bitmap& bitmap);
  // Off-screen: the whole picture. In direct-background mode `bitmap` is the
  // top band and the base draws nothing on it.
  virtual void RenderSkinned(Bitmap& bitmap);
  // The skinned picture of `pieces` (the record's geometry with another look
  // rectangle, say) by the sizing mode, at the fitted geometry.
  void RenderPieces(Bitmap& bitmap, const SkinPieces& pieces);
  bool InDirectPaint() const { return inDirectPaint_; }
  // The direct-background path: bands and the client piece onto `canvas`.
  void PaintDirect(const BitmapView& canvas);
  void PaintOffScreen(const BitmapView& canvas);
  Pixel SystemPixel(int index) const { return ToPixel(host_.SystemColorValue(index)); }
  ColorRef ResolveColor(ColorRef color) const;

 private:
  FontSpec defaultFont_{"Arial", 14, 0, 0};
  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
  bool directBackground_ = false;
  bool inDirectPaint_ = false;
  SkinSizing sizing_ = SkinSizing::kNoSkin;
  SkinPieces pieces_;
  SkinPoints fitted_;
  BitmapView mask_;
};

class TzsGraphicSkinCustomControl : public TzsSkinCustomControl {
 public:
  TzsGraphicSkinCustomControl(SkinControlHost& host, std::string skinDataName)
      : TzsSkinCustomControl(host, std::move(skinDataName), SkinFamily::kGraphic) {}
};

// One control of a form and its children, for the skin-change relay.
struct SkinControlTree {
  TzsSkinControl* control = nullptr;  // nullptr for a control that is not skinned
  std::vector<SkinControlTree> children;
};

// ZSM_SKINCHANGING drops and ZSM_SKINCHANGED applies the skin of every
// control linked to `sender` (of every control when `sender` is nullptr),
// each control before its children. Other messages do nothing.
void RelaySkinChange(unsigned message, const SkinSource* sender, const std::vector<SkinControlTree>& controls);

}  // namespace zv
