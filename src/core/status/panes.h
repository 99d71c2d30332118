#pragma once
// The windowless panes drawn on a status bar: plain text panes and panes
// woken by the shared polling timer, among them the clock.
#include <functional>
#include <string>

#include "core/platform/local_time.h"
#include "core/platform/text_renderer.h"
#include "core/status/colour.h"
#include "core/status/frame_style.h"
#include "core/status/timer_lists.h"

namespace zv {

class TSbStatusBar;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TSbCustomStatusPane : public BlinkClient {
 public:
  TSbCustomStatusPane(TSbStatusBar& bar, StatusLists& lists);
  virtual ~TSbCustomStatusPane();
  TSbCustomStatusPane(const TSbCustomStatusPane&) = delete;
  TSbCustomStatusPane& operator=(const TSbCustomStatusPane&) = delete;

  // Placement; aligned panes get their rectangle from the bar's layout.
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  int Left() const { return left_; }
  void SetLeft(int left);
  int Top() const { return top_; }
  void SetTop(int top);
  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  Rect BoundsRect() const { return bounds_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  int DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int width);

  TFrameStyleEx FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyleEx style);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  int CaptionOffset() const { return captionOffset_; }
  void SetCaptionOffset(int offset);
  TColor FlatColor() const { return flatColor_; }
  void SetFlatColor(TColor colour);
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  void SetFlatColorAdjustment(int adjustment);

  TColor Color() const;
  void SetColor(TColor colour);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parent);
  TColor FillColor() const;
  void SetFillColor(TColor colour);
  bool ParentFillColor() const { return parentFillColor_; }
  void SetParentFillColor(bool parent);
  const FontSpec& Font() const;
  void SetFont(const FontSpec& font);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parent);

  bool Blinking() const { return blinking_; }
  void SetBlinking(bool blinking);
  TColor BlinkColor() const { return blinkColor_; }
  void SetBlinkColor(TColor colour);
  unsigned BlinkIntervalOn() const { return blinkIntervalOn_; }
  void SetBlinkIntervalOn(unsigned ms) { blinkIntervalOn_ = ms; }
  unsigned BlinkIntervalOff() const { return blinkIntervalOff_; }
  void SetBlinkIntervalOff(unsigned ms) { blinkIntervalOff_ = ms; }
  // True during the on phase of a blinking pane: the text takes BlinkColor.
  bool ShowsBlinkColor() const { return blinking_ && blinkOn_; }

  // A clock pane touching the bar's right end leaves room for the grip.
  virtual bool KeepsGripFree() const { return false; }
  // Called by the bar when loading ends.
  virtual void Loaded() {}

  void BlinkStateChanged(bool on) override;
  // The bar's layout places the pane.
  void PlaceAt(const Rect& bounds) { bounds_ = bounds; }
  // Re-applies auto-size, e.g. after the parent's font changed.
  void ApplyAutoSize();

 protected:
  TSbStatusBar& bar() const { return bar_; }
  StatusLists& lists() const { return lists_; }
  void Repaint();

 private:
  template <class T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    Repaint();
  }
  void Relayout();

  TSbStatusBar& bar_;
  StatusLists& lists_;
  TAlign align_ = alNone;
  int left_ = 0;
  int top_ = 0;
  int width_ = 100;
  int height_ = 20;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = false;
  int defaultWidth_ = 40;
  TFrameStyleEx frameStyle_ = fsFlat;
  int borderWidth_ = 1;
  int captionOffset_ = 2;
  TColor flatColor_ = clBtnShadow;
  int flatColorAdjustment_ = 30;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  TColor fillColor_ = clBtnFace;
  bool parentFillColor_ = true;
  FontSpec font_;
  bool parentFont_ = true;
  bool blinking_ = false;
  TColor blinkColor_ = clHighlight;
  unsigned blinkIntervalOn_ = 500;
  unsigned blinkIntervalOff_ = 500;
  bool blinkOn_ = false;
};

class TSbStatusPane : public TSbCustomStatusPane {
 public:
  using TSbCustomStatusPane::TSbCustomStatusPane;
};

class TSbPollingStatus : public TSbCustomStatusPane, public PollingClient {
 public:
  TSbPollingStatus(TSbStatusBar& bar, StatusLists& lists);
  ~TSbPollingStatus() override;

  // Both live on the shared polling timer.
  bool Active() const { return lists().PollingActive(); }
  void SetActive(bool active) { lists().SetPollingActive(active); }
  unsigned Interval() const { return lists().PollingInterval(); }
  void SetInterval(unsigned ms) { lists().SetPollingInterval(ms); }

  std::function<void(TSbPollingStatus&)> OnTimerExpired;

  bool ReceivesPolls() const override { return Visible(); }
  void Poll() override { TimerExpired(); }

 protected:
  virtual void TimerExpired();
};

class TSbClockStatus : public TSbPollingStatus {
 public:
  TSbClockStatus(TSbStatusBar& bar, StatusLists& lists, LocalTime& time);

  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& format);
  // May replace the date and time about to be shown.
  std::function<void(TSbClockStatus&, LocalDateTime&)> OnGetDateTime;
  const std::string& LastText() const { return lastText_; }

  bool KeepsGripFree() const override { return true; }
  void Loaded() override;

 protected:
  void TimerExpired() override;

 private:
  void UpdateText();

  LocalTime& time_;
  std::string format_;
  std::string lastText_;
  bool loaded_ = false;
};

}  // namespace zv
