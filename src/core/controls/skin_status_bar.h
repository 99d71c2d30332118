#pragma once
// The skinned status bar: a borderless skin panel along the bottom of its
// form, 21 pixels high, with a size grip at the right end of its client area.
// A hit test in the grip answers the bottom-right sizing border so the form
// resizes from there.
#include "core/controls/skin_panel.h"

namespace zv {

enum class SkinHitTest { kClient, kBottomRight };

class TzsSkinStatusBar : public TzsSkinPanel {
 public:
  static constexpr int kDefaultHeight = 21;

  // Takes the default height at once, keeping position and width.
  explicit TzsSkinStatusBar(SkinControlHost& host, std::string skinDataName = "statusbar");

  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool on);
  // Whether the form can be sized from the grip now (sizable, not maximised);
  // the host keeps it current.
  bool FormAllowsGrip() const { return formAllowsGrip_; }
  void SetFormAllowsGrip(bool allows);
  bool GripShown() const { return sizeGrip_ && formAllowsGrip_; }

  // Where the grip lies, in bar coordinates; empty when it is not shown.
  Rect GripArea();
  // The grip answers the bottom-right sizing border, anything else the client.
  SkinHitTest HitTest(Point p);
  // The panel's client area, ending where a shown grip begins.
  Rect ClientArea() override;
  void Paint(const BitmapView& canvas) override;

 private:
  // The grip placed right of `client`, kept inside the bar.
  Rect GripBeside(const Rect& client);
  void PaintGrip(const BitmapView& canvas, const Rect& grip);

  bool sizeGrip_ = true;
  bool formAllowsGrip_ = true;
};

}  // namespace zv
