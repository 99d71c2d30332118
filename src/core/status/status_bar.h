#pragma once
// The status bar: a panel with its own border scheme that lays out, paints
// and hit-tests the panes on it. The shell hosts it in a child window.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/base/display_scale.h"
#include "core/platform/text_renderer.h"
#include "core/status/bar_host.h"
#include "core/status/colour.h"
#include "core/status/frame_style.h"
#include "core/status/panes.h"

namespace zv {

class TSbCustomPanel {
 public:
  virtual ~TSbCustomPanel() = default;

  int Width() const { return width_; }
  int Height() const { return height_; }
  virtual void SetSize(int width, int height);
  Rect ClientRect() const { return {0, 0, width_, height_}; }
  // The client rectangle inside the frames: where aligned children go.
  Rect AlignRect() const;

  TColor Color() const { return color_; }
  void SetColor(TColor colour);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parent) { parentColor_ = parent; }
  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& font);

  TFrameStyleEx BorderInner() const { return borderInner_; }
  void SetBorderInner(TFrameStyleEx style);
  TFrameStyleEx BorderOuter() const { return borderOuter_; }
  void SetBorderOuter(TFrameStyleEx style);
  TSbBorderSides BorderSides() const { return borderSides_; }
  void SetBorderSides(TSbBorderSides sides);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  TColor FlatColor() const { return flatColor_; }
  void SetFlatColor(TColor colour);

 protected:
  // A border property changed to a different value.
  virtual void BorderChanged() { Changed(); }
  // Anything that needs a relayout and a repaint.
  virtual void Changed() {}
  void ApplyBorders(TFrameStyleEx inner, TFrameStyleEx outer, TSbBorderSides sides, int width);

 private:
  int width_ = 185;
  int height_ = 41;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  FontSpec font_;
  TFrameStyleEx borderInner_ = fsNone;
  TFrameStyleEx borderOuter_ = fsNone;
  TSbBorderSides borderSides_ = kAllSides;
  int borderWidth_ = 0;
  TColor flatColor_ = clBtnShadow;
};

class TSbStatusBar : public TSbCustomPanel {
 public:
  static constexpr int kStandardHeight = 19;
  static constexpr int kGripWidth = 13;
  static constexpr int kGripReserve = 12;

  // `theme` may be null when the platform has no themes.
  TSbStatusBar(StatusBarHost& host, TextRenderer& text, const SystemPalette& palette, StatusTheme* theme = nullptr);
  ~TSbStatusBar() override;

  // Creates a pane of type P on this bar; the bar owns it.
  template <class P, class... Args>
  P& AddPane(StatusLists& lists, Args&&... args) {
    auto pane = std::make_unique<P>(*this, lists, std::forward<Args>(args)...);
    P& ref = *pane;
    panes_.push_back(std::move(pane));
    Realign();
    return ref;
  }
  void DeletePane(TSbCustomStatusPane& pane);
  std::size_t PaneCount() const { return panes_.size(); }
  TSbCustomStatusPane& Pane(std::size_t index) const { return *panes_.at(index); }

  bool AutoStyle() const { return autoStyle_; }
  void SetAutoStyle(bool autoStyle) { autoStyle_ = autoStyle; }
  bool ShowSizeGrip() const { return showSizeGrip_; }
  void SetShowSizeGrip(bool show);
  bool SimpleStatus() const { return simpleStatus_; }
  void SetSimpleStatus(bool simple);
  const std::string& SimpleCaption() const { return simpleCaption_; }
  void SetSimpleCaption(const std::string& caption);
  TFrameStyleEx SimpleFrameStyle() const { return simpleFrameStyle_; }
  void SetSimpleFrameStyle(TFrameStyleEx style);
  bool AutoScalePanes() const { return autoScalePanes_; }
  void SetAutoScalePanes(bool scale) { autoScalePanes_ = scale; }
  bool ThemeAware() const { return themeAware_; }
  void SetThemeAware(bool aware);

  // Loading ends: the standard look comes back while AutoStyle is on and the
  // panes finish loading (the clock formats its first text).
  void Loaded();
  void SetSize(int width, int height) override;
  // The bar at another display scale: its standard height, the grip and the
  // panes' sizes (the font comes from the form, already at that scale).
  void SetDpi(int dpi);
  int StandardHeight() const { return ScaleLength(kStandardHeight, dpi_); }
  int GripReserve() const { return ScaleLength(kGripReserve, dpi_); }

  // Painting and hit testing, in bar client coordinates.
  void Paint(const BitmapView& target);
  bool UsesTheme();
  // Whether the grip is drawn and answers the mouse now.
  bool GripActive();
  Rect GripRect() const;
  // Over the grip: the shell shows the diagonal sizing cursor and a left
  // press starts sizing from the window's bottom-right corner.
  bool IsGripPoint(Point p);
  // Where a pane's caption goes.
  Rect PaneTextRect(const TSbCustomStatusPane& pane) const;

  // Services for the panes.
  void Realign();
  void Invalidate(const Rect& rect) { host_.Invalidate(rect); }
  void RedrawNow(const Rect& rect) { host_.RedrawNow(rect); }
  TextRenderer& Text() const { return text_; }
  const SystemPalette& Palette() const { return palette_; }

 protected:
  void BorderChanged() override;
  void Changed() override;

 private:
  StatusBarHost& host_;
  TextRenderer& text_;
  const SystemPalette& palette_;
  StatusTheme* theme_;
  std::vector<std::unique_ptr<TSbCustomStatusPane>> panes_;
  bool autoStyle_ = true;
  bool showSizeGrip_ = true;
  bool simpleStatus_ = false;
  std::string simpleCaption_;
  TFrameStyleEx simpleFrameStyle_ = fsFlat;
  bool autoScalePanes_ = false;
  bool themeAware_ = true;
  int dpi_ = kBaseDpi;
};

}  // namespace zv
