#include "core/menus/skin_hint.h"

#include <algorithm>

#include "core/gfx/blit.h"
#include "core/gfx/glyphs.h"
#include "core/gfx/regions.h"
#include "core/skin/values.h"

namespace zv {

namespace {

constexpr int kMaxHintSide = 8192;

// Grows `size` by the shortfall when `moved` ends before `fixed`.
void KeepAfter(int moved, int fixed, int& size) {
  if (moved < fixed) size += fixed - moved;
}

}  // namespace

std::vector<std::string> HintLines(std::string_view text, std::string_view separator) {
  std::vector<std::string> lines;
  if (separator.empty()) return {std::string(text)};
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + separator.size()) {
    lines.emplace_back(text.substr(start, at - start));
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

TzsSkinHintWindow::TzsSkinHintWindow(MenuPlatform& platform, const MenuSkin& skin, const HintOptions& options)
    : platform_(platform), skin_(skin), options_(options) {}

TzsSkinHintWindow::~TzsSkinHintWindow() = default;

FontSpec TzsSkinHintWindow::Font(bool bold) const {
  FontSpec font = options_.defaultFont;
  if (Skinned() && options_.useSkinFont) {
    font = {skin_.hint->fontName, skin_.hint->fontHeight, skin_.hint->fontStyle.bits, skin_.hint->fontColor};
  }
  if (bold) font.style |= kFontBold;
  return font;
}

Size TzsSkinHintWindow::MeasureLines(const FontSpec& font) const {
  Size total;
  for (const std::string& line : lines_) {
    const Size s = platform_.Text().Measure(font, line.empty() ? " " : line);
    total.width = std::max(total.width, line.empty() ? 0 : s.width);
    total.height = std::min(total.height + s.height, kMaxHintSide);
  }
  total.width = std::min(total.width, kMaxHintSide);
  return total;
}

const Bitmap* TzsSkinHintWindow::Image() const {
  const SkinImageList* list = content_.images;
  if (!list || content_.imageIndex < 0 || content_.imageIndex >= static_cast<int>(list->images.size())) return nullptr;
  return &list->images[content_.imageIndex];
}

Rect TzsSkinHintWindow::Client() const {
  const int edge = skin_.Scaled(2);
  return Skinned() ? fitted_.clientRect : Rect{edge, edge, size_.width - edge, size_.height - edge};
}

void TzsSkinHintWindow::FitFrame(int width, int height) {
  const TzsDataSkinHintWindow& h = *skin_.hint;
  const int pw = skin_.hintPicture.width();
  const int ph = skin_.hintPicture.height();
  int w = width + h.clientRect.left + pw - h.clientRect.right;
  int ht = height + h.clientRect.top + ph - h.clientRect.bottom;
  KeepAfter(h.rightTopPoint.x + w - pw, h.leftTopPoint.x, w);
  KeepAfter(h.rightBottomPoint.x + w - pw, h.leftBottomPoint.x, w);
  KeepAfter(h.leftBottomPoint.y + ht - ph, h.leftTopPoint.y, ht);
  KeepAfter(h.rightBottomPoint.y + ht - ph, h.rightTopPoint.y, ht);
  w = std::clamp(w, 1, kMaxHintSide);
  ht = std::clamp(ht, 1, kMaxHintSide);
  const int dw = w - pw;
  const int dh = ht - ph;
  size_ = {w, ht};
  fitted_.leftTop = h.leftTopPoint;
  fitted_.rightTop = {h.rightTopPoint.x + dw, h.rightTopPoint.y};
  fitted_.leftBottom = {h.leftBottomPoint.x, h.leftBottomPoint.y + dh};
  fitted_.rightBottom = {h.rightBottomPoint.x + dw, h.rightBottomPoint.y + dh};
  fitted_.clientRect = {h.clientRect.left, h.clientRect.top, h.clientRect.right + dw, h.clientRect.bottom + dh};
}

void TzsSkinHintWindow::Prepare(const HintContent& content) {
  content_ = content;
  lines_ = HintLines(content.text, options_.lineSeparator);
  Size text = MeasureLines(Font(false));
  const Bitmap* image = Image();
  const bool extras = !content.title.empty() || image;
  if (extras) {
    Size title;
    if (!content.title.empty()) title = platform_.Text().Measure(Font(true), content.title);
    text.width = std::max(text.width, title.width);
    if (title.height > 0) text.height += title.height + skin_.Scaled(10);
    if (image) {
      text.width += image->width() + skin_.Scaled(10);
      text.height = std::max(text.height, image->height() + title.height + skin_.Scaled(5));
    }
  }
  if (Skinned()) {
    FitFrame(text.width + skin_.Scaled(extras ? 10 : 5), text.height);
  } else {
    // A title or an image puts the text 5 pixels in from each side, as in the skinned look.
    const int margins = extras ? skin_.Scaled(10) : 0;
    const int edges = skin_.Scaled(4);
    size_ = {std::clamp(text.width + margins + edges, 1, kMaxHintSide),
             std::clamp(text.height + edges, 1, kMaxHintSide)};
    fitted_ = {};
  }
  region_.clear();
  if (Skinned() && skin_.hintMask.width() > 0) {
    region_ = RegionFromFrameMask(skin_.HintPieces().points, fitted_, size_.width, size_.height, skin_.hintMask);
  }
}

Point TzsSkinHintWindow::PlaceAt(Point at, const Rect& bounds) const {
  Point p = at;
  if (p.x + size_.width > bounds.right) p.x -= size_.width + skin_.Scaled(2);
  if (p.y + size_.height > bounds.bottom) p.y -= size_.height + skin_.Scaled(2);
  return p;
}

void TzsSkinHintWindow::ActivateHint(Point at, const HintContent& content) {
  Prepare(content);
  position_ = PlaceAt(at, platform_.WorkArea());
  if (!host_) host_ = platform_.CreateHintHost(*this);
  std::vector<int> fade;
  if (options_.alphaBlend && platform_.CanLayer()) {
    const int target = std::clamp(options_.alphaBlendValue, 0, 255);
    fade = options_.alphaBlendAnimation ? FadeSteps(0, target, 20) : std::vector<int>{target};
  }
  host_->Show(Bounds(), region_, fade);
}

void TzsSkinHintWindow::Hide() {
  if (host_) host_->Hide();
  host_.reset();
  content_ = {};
}

void TzsSkinHintWindow::PaintContent(const BitmapView& canvas, const Rect& client, ColorRef color) const {
  TextRenderer& text = platform_.Text();
  FontSpec font = Font(false);
  font.color = color;
  const Bitmap* image = Image();
  int titleHeight = 0;
  if (!content_.title.empty()) {
    FontSpec bold = Font(true);
    bold.color = color;
    titleHeight = text.Measure(bold, content_.title).height;
    text.Draw(canvas, bold, content_.title, {client.left + skin_.Scaled(5), client.top}, canvas.bounds());
  }
  const Size block = MeasureLines(font);
  const bool plainText = content_.title.empty() && !image;
  int x = client.left + skin_.Scaled(5);
  int y =
      titleHeight > 0 ? client.top + titleHeight + skin_.Scaled(5) : client.top + (client.Height() - block.height) / 2;
  if (image) {
    const int iy = titleHeight > 0 ? y : client.top + (client.Height() - image->height()) / 2;
    BlitTransparent(canvas, {x, iy}, const_cast<Bitmap*>(image)->view(), {0, 0, image->width(), image->height()});
    x += image->width() + skin_.Scaled(5);
  }
  for (const std::string& line : lines_) {
    const Size s = text.Measure(font, line.empty() ? " " : line);
    int lx = x;
    if (plainText) lx = Skinned() ? client.left + (client.Width() - s.width) / 2 : client.left;
    if (!line.empty()) text.Draw(canvas, font, line, {lx, y}, canvas.bounds());
    y += s.height;
  }
}

void TzsSkinHintWindow::Paint(const BitmapView& canvas) const {
  if (Skinned()) {
    ComposeNineSlice(canvas, skin_.HintPieces(), fitted_, true);
    const ColorRef c = skin_.hint->fontColor;
    PaintContent(canvas, Client(), IsSystemColor(c) ? platform_.SystemColor(SystemColorIndex(c)) : c);
    return;
  }
  canvas.Fill(canvas.bounds(), ToPixel(platform_.SystemColor(kSysColorInfoBk), 255));
  const Pixel frame = ToPixel(platform_.SystemColor(kSysColorBtnShadow), 255);
  DrawOutline(canvas, canvas.bounds(), frame, frame);
  PaintContent(canvas, Client(), platform_.SystemColor(kSysColorInfoText));
}

TzsSkinHint::TzsSkinHint(MenuPlatform& platform, const MenuSkin& skin)
    : platform_(platform), window_(platform, skin, Options) {}

void TzsSkinHint::ShowAt(Point at, const HintContent& content) {
  if (Active) window_.ActivateHint(at, content);
}

void TzsSkinHint::ShowByItself(std::string text) {
  pending_ = std::move(text);
  platform_.Timers().Start(kShowTimerId, HintPause);
}

void TzsSkinHint::Hide() {
  platform_.Timers().Stop(kShowTimerId);
  platform_.Timers().Stop(kHideTimerId);
  window_.Hide();
}

void TzsSkinHint::TimerTick(int id) {
  if (id == kShowTimerId) {
    platform_.Timers().Stop(kShowTimerId);
    const Point cursor = platform_.CursorPos();
    ShowAt({cursor.x, cursor.y + platform_.CursorHeight()}, HintContent{pending_, {}, nullptr, 0});
    platform_.Timers().Start(kHideTimerId, HintHidePause);
  } else if (id == kHideTimerId) {
    Hide();
  }
}

HintContent HintOf(const TzsSkinControl& control) {
  return {control.Hint, control.HintTitle, control.HintImageList, control.HintImageIndex};
}

TzsApplicationHints::TzsApplicationHints(TimerHost& timers, std::function<Point()> below)
    : timers_(timers), below_(std::move(below)) {}

void TzsApplicationHints::Add(TzsSkinHint& hint) {
  if (std::find(hints_.begin(), hints_.end(), &hint) == hints_.end()) hints_.push_back(&hint);
  HintShortPause = 100;
}

void TzsApplicationHints::Remove(TzsSkinHint& hint) {
  if (shown_ && Serving() == &hint) HideShown();
  std::erase(hints_, &hint);
}

void TzsApplicationHints::Activate(TzsSkinHint& hint) {
  for (TzsSkinHint* other : hints_) other->Active = other == &hint;
  hint.Active = true;
}

TzsSkinHint* TzsApplicationHints::Serving() const {
  const auto it = std::find_if(hints_.begin(), hints_.end(), [](const TzsSkinHint* h) { return h->Active; });
  return it == hints_.end() ? nullptr : *it;
}

void TzsApplicationHints::MouseOver(const void* source, const HintContent& content) {
  if (source == source_ && content.text == content_.text) return;
  const bool wasShown = shown_;
  HideShown();
  source_ = source;
  content_ = content;
  if (content.text.empty()) return;
  showPending_ = true;
  timers_.Start(kShowTimerId, wasShown ? HintShortPause : HintPause);
}

void TzsApplicationHints::MouseLeave(const void* source) {
  if (source != source_) return;
  HideShown();
  source_ = nullptr;
  content_ = {};
}

void TzsApplicationHints::MouseDown() { HideShown(); }

void TzsApplicationHints::TimerTick(int id) {
  if (id == kShowTimerId) {
    timers_.Stop(kShowTimerId);
    showPending_ = false;
    TzsSkinHint* hint = Serving();
    if (!hint || content_.text.empty()) return;
    HintShowing showing{content_, below_()};
    if (hint->OnShowHint) hint->OnShowHint(showing);
    if (!showing.canShow || showing.content.text.empty()) return;
    hint->ShowAt(showing.at, showing.content);
    shown_ = true;
    timers_.Start(kHideTimerId, HintHidePause);
  } else if (id == kHideTimerId) {
    HideShown();
  }
}

void TzsApplicationHints::HideShown() {
  timers_.Stop(kShowTimerId);
  timers_.Stop(kHideTimerId);
  showPending_ = false;
  if (!shown_) return;
  shown_ = false;
  for (TzsSkinHint* hint : hints_) hint->Hide();
}

void TzsApplicationHints::ShowHint(const std::string& text, const Rect&) { MouseOver(this, {text, {}, nullptr, 0}); }

void TzsApplicationHints::HideHint() { MouseLeave(this); }

}  // namespace zv
