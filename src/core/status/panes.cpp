#include "core/status/panes.h"

#include <algorithm>

#include "core/status/date_format.h"
#include "core/status/status_bar.h"

namespace zv {

TSbCustomStatusPane::TSbCustomStatusPane(TSbStatusBar& bar, StatusLists& lists) : bar_(bar), lists_(lists) {
  lists_.AddBlinking(*this);
}

TSbCustomStatusPane::~TSbCustomStatusPane() { lists_.RemoveBlinking(*this); }

void TSbCustomStatusPane::Repaint() {
  if (visible_) bar_.Invalidate(bounds_);
}

void TSbCustomStatusPane::Relayout() { bar_.Realign(); }

void TSbCustomStatusPane::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  Relayout();
}

void TSbCustomStatusPane::SetLeft(int left) {
  if (left == left_) return;
  left_ = left;
  Relayout();
}

void TSbCustomStatusPane::SetTop(int top) {
  if (top == top_) return;
  top_ = top;
  Relayout();
}

void TSbCustomStatusPane::SetWidth(int width) {
  width = std::max(width, 0);
  if (width == width_) return;
  width_ = width;
  Relayout();
}

void TSbCustomStatusPane::SetHeight(int height) {
  height = std::max(height, 0);
  if (height == height_) return;
  height_ = height;
  Relayout();
}

void TSbCustomStatusPane::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Relayout();
}

void TSbCustomStatusPane::SetEnabled(bool enabled) { Set(enabled_, enabled); }

void TSbCustomStatusPane::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Repaint();
  ApplyAutoSize();
}

void TSbCustomStatusPane::SetAlignment(TAlignment alignment) { Set(alignment_, alignment); }

void TSbCustomStatusPane::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  ApplyAutoSize();
}

void TSbCustomStatusPane::SetDefaultWidth(int width) {
  if (width == defaultWidth_) return;
  defaultWidth_ = width;
  ApplyAutoSize();
}

void TSbCustomStatusPane::ApplyAutoSize() {
  if (!autoSize_) return;
  SetWidth(caption_.empty() ? defaultWidth_
                            : bar_.Text().Measure(Font(), caption_).width + 2 * borderWidth_ + captionOffset_ + 6);
}

void TSbCustomStatusPane::SetFrameStyle(TFrameStyleEx style) { Set(frameStyle_, style); }

void TSbCustomStatusPane::SetBorderWidth(int width) {
  if (width == borderWidth_) return;
  borderWidth_ = std::max(width, 0);
  Repaint();
  ApplyAutoSize();
}

void TSbCustomStatusPane::SetCaptionOffset(int offset) {
  if (offset == captionOffset_) return;
  captionOffset_ = offset;
  Repaint();
  ApplyAutoSize();
}

void TSbCustomStatusPane::SetFlatColor(TColor colour) { Set(flatColor_, colour); }
void TSbCustomStatusPane::SetFlatColorAdjustment(int adjustment) { Set(flatColorAdjustment_, adjustment); }

TColor TSbCustomStatusPane::Color() const { return parentColor_ ? bar_.Color() : color_; }

void TSbCustomStatusPane::SetColor(TColor colour) {
  parentColor_ = false;
  color_ = colour;
  Repaint();
}

void TSbCustomStatusPane::SetParentColor(bool parent) { Set(parentColor_, parent); }

TColor TSbCustomStatusPane::FillColor() const { return parentFillColor_ ? Color() : fillColor_; }

void TSbCustomStatusPane::SetFillColor(TColor colour) {
  parentFillColor_ = false;
  fillColor_ = colour;
  Repaint();
}

void TSbCustomStatusPane::SetParentFillColor(bool parent) { Set(parentFillColor_, parent); }

const FontSpec& TSbCustomStatusPane::Font() const { return parentFont_ ? bar_.Font() : font_; }

void TSbCustomStatusPane::SetFont(const FontSpec& font) {
  parentFont_ = false;
  font_ = font;
  Repaint();
  ApplyAutoSize();
}

void TSbCustomStatusPane::SetParentFont(bool parent) {
  if (parent == parentFont_) return;
  parentFont_ = parent;
  Repaint();
  ApplyAutoSize();
}

void TSbCustomStatusPane::SetBlinking(bool blinking) {
  if (blinking == blinking_) return;
  blinking_ = blinking;
  blinkOn_ = false;
  Repaint();
}

void TSbCustomStatusPane::SetBlinkColor(TColor colour) { Set(blinkColor_, colour); }

void TSbCustomStatusPane::BlinkStateChanged(bool on) {
  if (!blinking_) return;
  blinkOn_ = on;
  Repaint();
}

TSbPollingStatus::TSbPollingStatus(TSbStatusBar& bar, StatusLists& lists) : TSbCustomStatusPane(bar, lists) {
  lists.AddPolling(*this);
}

TSbPollingStatus::~TSbPollingStatus() { lists().RemovePolling(*this); }

void TSbPollingStatus::TimerExpired() {
  if (OnTimerExpired) OnTimerExpired(*this);
}

TSbClockStatus::TSbClockStatus(TSbStatusBar& bar, StatusLists& lists, LocalTime& time)
    : TSbPollingStatus(bar, lists), time_(time) {
  SetWidth(150);
}

void TSbClockStatus::SetFormat(const std::string& format) {
  if (format == format_) return;
  format_ = format;
  if (loaded_) UpdateText();
}

void TSbClockStatus::Loaded() {
  loaded_ = true;
  UpdateText();
}

void TSbClockStatus::TimerExpired() {
  UpdateText();
  TSbPollingStatus::TimerExpired();
}

void TSbClockStatus::UpdateText() {
  LocalDateTime now = time_.Now();
  if (OnGetDateTime) OnGetDateTime(*this, now);
  const LocaleFormats formats = time_.Formats();
  std::string text = format_.empty() ? DefaultDateTimeText(now, formats) : FormatDateTime(format_, now, formats);
  if (text == lastText_) return;
  lastText_ = std::move(text);
  SetCaption(lastText_);
  if (Visible()) bar().RedrawNow(BoundsRect());
}

}  // namespace zv
