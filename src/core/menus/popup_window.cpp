#include "core/menus/popup_window.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "core/gfx/regions.h"
#include "core/menus/skin_menu.h"

namespace zv {

namespace {

// No window grows past this, whatever the skin or the captions say.
constexpr int kMaxWindowSide = 8192;

bool InUpperHalf(int y, const Rect& workArea) { return y - workArea.top < workArea.Height() / 2; }

int VerticalPosition(const PopupPlacement& place, const Rect& wa, int height, int itemsTop, bool tall, bool& overlap) {
  const Rect& r = place.anchor;
  overlap = false;
  if (tall) return wa.top;
  if (place.byItem) {
    if (r.top + height - itemsTop <= wa.bottom) return r.top - itemsTop;
    if (InUpperHalf(r.top, wa)) return wa.bottom - height;
    return std::max(r.bottom + itemsTop - height, wa.top);
  }
  if (place.popupUp) {
    if (r.top - height >= wa.top) return r.top - height;
    if (InUpperHalf(r.top, wa)) {
      if (r.bottom + height <= wa.bottom) return r.bottom;
      overlap = true;
      return wa.bottom - height;
    }
    overlap = true;
    return wa.top;
  }
  if (r.bottom + height <= wa.bottom) return r.bottom;
  overlap = true;
  if (InUpperHalf(r.top, wa)) return wa.bottom - height;
  return r.top - height >= wa.top ? r.top - height : wa.top;
}

}  // namespace

Point PlacePopup(const PopupPlacement& place, const Rect& workArea, Size size, int itemsTop) {
  // Only a window as tall as the work area goes to its top; one that scrolls
  // because of an item limit opens at its anchor like any other.
  const bool tall = size.height >= workArea.Height();
  bool overlap = false;
  const int y = VerticalPosition(place, workArea, size.height, itemsTop, tall, overlap);
  const Rect& r = place.anchor;
  int x;
  if (!place.byItem && !tall && !overlap) {
    x = std::min(r.left, workArea.right - size.width);
  } else {
    x = r.right + size.width + 1 <= workArea.right ? r.right + 1 : r.left - size.width - 1;
  }
  return {std::max(x, workArea.left), std::max(y, workArea.top)};
}

TzsSkinPopupWindow::TzsSkinPopupWindow(TzsSkinMenu& menu, int level, MenuNode& parent, int startIndex,
                                       const PopupPlacement& place)
    : menu_(menu), level_(level), parent_(parent), skin_(menu.Skin()) {
  for (std::size_t i = std::max(0, startIndex); i < parent.children.size(); ++i) {
    MenuNode& child = parent.children[i];
    if (!child.visible) continue;
    TzsSkinMenuItem item;
    item.node = &child;
    item.height = ItemHeight(child);
    items_.push_back(item);
  }
  ComputeSize();
  Fit();
  Layout();
  Place(place);
  BuildRegion();
}

TzsSkinPopupWindow::~TzsSkinPopupWindow() = default;

FontSpec TzsSkinPopupWindow::ItemFont() const {
  if (ItemsSkinned() && menu_.Options.useSkinFont) {
    return {skin_.item->fontName, skin_.item->fontHeight, skin_.item->fontStyle.bits, skin_.item->fontColor};
  }
  return menu_.Options.defaultItemFont;
}

int TzsSkinPopupWindow::GlyphColumn() const {
  const SkinImageList* images = menu_.Options.images;
  return images ? images->size.width + skin_.Scaled(5) : skin_.Scaled(19);
}

int TzsSkinPopupWindow::ItemHeight(const MenuNode& node) const {
  int height;
  if (ItemsSkinned()) {
    height = node.IsSeparator() ? skin_.item->dividerRect.Height() : skin_.item->skinRect.Height();
  } else {
    height = node.IsSeparator() ? skin_.Scaled(4) : menu_.Options.defaultItemHeight;
  }
  // A skin with empty rects still gets items the cursor can land on.
  return std::clamp(height, 1, kMaxWindowSide);
}

int TzsSkinPopupWindow::NormalItemHeight() const {
  static const MenuNode normal;
  return ItemHeight(normal);
}

FontSpec TzsSkinPopupWindow::ItemFont(const MenuNode& node) const {
  FontSpec font = ItemFont();
  if (node.isDefault) font.style |= kFontBold;
  return font;
}

void TzsSkinPopupWindow::ComputeSize() {
  TextRenderer& text = menu_.Platform().Text();
  int widest = 0;
  for (const TzsSkinMenuItem& item : items_) {
    std::string shown = DisplayCaption(item.node->caption);
    if (!item.node->shortcut.empty()) shown += "  " + item.node->shortcut;
    widest = std::max(widest, text.Measure(ItemFont(*item.node), shown).width + skin_.Scaled(2));
  }
  const int a = std::min(widest, kMaxWindowSide) + GlyphColumn() + skin_.Scaled(19);
  int width = a + skin_.Scaled(10);
  const int count = static_cast<int>(items_.size());
  const int limit = menu_.Options.maxMenuItemsInWindow;
  scrollable_ = limit > 0 && count > limit;
  int height = 0;
  if (scrollable_) {
    height = std::min(limit, kMaxWindowSide) * NormalItemHeight();
  } else {
    for (const TzsSkinMenuItem& item : items_) height = std::min(height + item.height, 2 * kMaxWindowSide);
  }
  if (Skinned()) {
    const TzsDataSkinPopupWindow& p = *skin_.popup;
    const int pw = skin_.popupPicture.width();
    const int ph = skin_.popupPicture.height();
    width = pw + a + p.itemsRect.left - p.itemsRect.right;
    if (ItemsSkinned()) {
      const TzsDataSkinMenuItem& r = *skin_.item;
      width += r.textRect.left + r.skinRect.Width() - r.textRect.right;
    }
    height += ph + p.itemsRect.top - p.itemsRect.bottom + (scrollable_ ? skin_.Scaled(20) : 0);
  } else {
    height += skin_.Scaled(scrollable_ ? 26 : 6);
  }
  const Rect& wa = menu_.WorkArea();
  if (height > wa.Height()) {
    height = wa.Height();
    scrollable_ = true;
  }
  size_ = {std::clamp(width, 1, kMaxWindowSide), std::clamp(height, 1, kMaxWindowSide)};
}

void TzsSkinPopupWindow::Fit() {
  const int w = size_.width;
  const int h = size_.height;
  if (!Skinned()) {
    const int edge = skin_.Scaled(2);
    itemsRect_ = {edge, edge, w - edge, h - edge};
    return;
  }
  const TzsDataSkinPopupWindow& p = *skin_.popup;
  const int pw = skin_.popupPicture.width();
  const int ph = skin_.popupPicture.height();
  fitted_.leftTop = p.leftTopPoint;
  fitted_.rightTop = {w + p.rightTopPoint.x - pw, p.rightTopPoint.y};
  fitted_.leftBottom = {p.leftBottomPoint.x, h + p.leftBottomPoint.y - ph};
  fitted_.rightBottom = {w + p.rightBottomPoint.x - pw, h + p.rightBottomPoint.y - ph};
  itemsRect_ = {p.itemsRect.left, p.itemsRect.top, w + p.itemsRect.right - pw, h + p.itemsRect.bottom - ph};
  fitted_.clientRect = itemsRect_;
}

void TzsSkinPopupWindow::Layout() {
  const int margin = scrollable_ ? skin_.Scaled(kScrollMarkerHeight) : 0;
  const int bottom = itemsRect_.bottom - margin;
  int y = itemsRect_.top + margin;
  visibleCount_ = 0;
  bool ended = false;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    TzsSkinMenuItem& item = items_[i];
    item.visible = false;
    if (i < visibleStart_ || ended) continue;
    const Rect r{itemsRect_.left, y, itemsRect_.right, y + item.height};
    if (r.bottom > bottom) {
      ended = true;
      continue;
    }
    item.rect = r;
    item.visible = true;
    ++visibleCount_;
    y = r.bottom;
  }
}

void TzsSkinPopupWindow::Place(const PopupPlacement& place) {
  position_ = PlacePopup(place, menu_.WorkArea(), size_, itemsRect_.top);
}

void TzsSkinPopupWindow::BuildRegion() {
  region_.clear();
  if (!Skinned() || skin_.popupMask.width() <= 0) return;
  const SkinPieces pieces = skin_.PopupPieces();
  region_ = RegionFromFrameMask(pieces.points, fitted_, size_.width, size_.height, skin_.popupMask);
}

void TzsSkinPopupWindow::Invalidate() const {
  if (host_) host_->Invalidate();
}

bool TzsSkinPopupWindow::IsUnderCursor(Point screen) const { return host_ && host_->IsUnderCursor(screen); }

void TzsSkinPopupWindow::Show(std::vector<int> fade) {
  host_ = menu_.Platform().CreatePopupHost(*this);
  const int first = NextSelectable(-1, 1);
  if (first >= 0) {
    EnsureVisible(first);
    items_[first].active = true;
    items_[first].keyboardSelected = true;
    active_ = first;
  }
  host_->Show(Bounds(), region_, fade);
}

int TzsSkinPopupWindow::IndexOf(const MenuNode* node) const {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (items_[i].node == node) return i;
  }
  return -1;
}

// Selection -----------------------------------------------------------------

int TzsSkinPopupWindow::NextSelectable(int from, int step) const {
  const int count = static_cast<int>(items_.size());
  if (count == 0) return -1;
  int i = from < 0 ? (step > 0 ? -1 : count) : from;
  // One full turn at most: a menu without a selectable item ends here.
  for (int n = 0; n < count; ++n) {
    i = (i + step + count) % count;
    if (items_[i].node->Selectable()) return i;
  }
  return -1;
}

void TzsSkinPopupWindow::SetItemDown(int index, bool down) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_[index].down = down;
  Invalidate();
}

void TzsSkinPopupWindow::Deselect(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  TzsSkinMenuItem& item = items_[index];
  if (!item.node->Selectable()) return;
  item.active = false;
  item.keyboardSelected = false;
  Invalidate();
}

void TzsSkinPopupWindow::SetActive(int index, bool keyboard) {
  active_ = index;
  TzsSkinMenuItem& item = items_[index];
  item.active = true;
  item.keyboardSelected = keyboard;
  hint_ = item.node->hint;
  Invalidate();
}

void TzsSkinPopupWindow::Select(int index, bool keyboard) {
  if (index < 0 || !items_[index].node->Selectable()) return;
  const bool wasKeyboardSelected = items_[index].keyboardSelected;
  SetActive(index, keyboard);
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (i != index && items_[i].down) SetItemDown(i, false);
  }
  if (wasKeyboardSelected && !keyboard) return;
  if (items_[index].down) {
    menu_.CloseFrom(level_ + 2);
    return;
  }
  menu_.ActivateItem(*this, index, keyboard, false);
}

// Keyboard selection: the old item goes out, the new one is scrolled into view.
void TzsSkinPopupWindow::MoveTo(int index) {
  if (index < 0) return;
  if (index != active_) Deselect(active_);
  EnsureVisible(index);
  Select(index, true);
}

void TzsSkinPopupWindow::MoveSelection(int step) {
  const int next = NextSelectable(active_, step);
  if (next < 0) return;
  const bool wrapped = active_ >= 0 && (step > 0 ? next <= active_ : next >= active_);
  if (wrapped && scrollable_ && !items_[next].visible) visibleStart_ = step > 0 ? 0 : LastStart();
  MoveTo(next);
}

int TzsSkinPopupWindow::LastStart() const {
  const int room = itemsRect_.Height() - 2 * skin_.Scaled(kScrollMarkerHeight);
  int used = 0;
  int start = static_cast<int>(items_.size());
  while (start > 0 && used + items_[start - 1].height <= room) used += items_[--start].height;
  return std::min(start, static_cast<int>(items_.size()) - 1);
}

void TzsSkinPopupWindow::EnsureVisible(int index) {
  if (!scrollable_) return;
  Layout();
  // Each round moves the range by one item towards `index`; an item that
  // does not fit even at the start of the range ends the search.
  while (!items_[index].visible && visibleStart_ != index) {
    visibleStart_ = index < visibleStart_ ? index : visibleStart_ + 1;
    Layout();
  }
  Invalidate();
}

// As platform menus do: disabled items have no accelerator; the only item
// with the key runs, several with the same key are selected in turn and
// none runs.
bool TzsSkinPopupWindow::SelectByAccelerator(int key) {
  if (key < '0' || key > 'Z' || !host_) return false;
  const char wanted = static_cast<char>(std::tolower(key));
  const int count = static_cast<int>(items_.size());
  int next = -1;
  int matches = 0;
  for (int n = 1; n <= count; ++n) {
    const int i = (active_ + n) % count;  // from the item after the active one, around
    const MenuNode& node = *items_[i].node;
    if (!node.enabled || AcceleratorOf(node.caption) != wanted) continue;
    if (next < 0) next = i;
    ++matches;
  }
  if (next < 0) return false;
  MoveTo(next);
  if (matches == 1) menu_.ActivateItem(*this, next, true, true);
  return true;
}

bool TzsSkinPopupWindow::KeyDown(int key) {
  if (SelectByAccelerator(key)) return true;
  switch (key) {
    case kKeyReturn:
      if (ActiveLit()) menu_.ActivateItem(*this, active_, true, true);
      return true;
    case kKeyUp:
      MoveSelection(-1);
      return true;
    case kKeyDown:
      MoveSelection(1);
      return true;
    case kKeyHome:
      MoveTo(NextSelectable(-1, 1));
      return true;
    case kKeyEnd:
      MoveTo(NextSelectable(-1, -1));
      return true;
    case kKeyRight:
      if (ActiveLit() && items_[active_].node->HasChildren()) menu_.ActivateItem(*this, active_, true, true);
      return true;
    default:
      return false;
  }
}

// Mouse and scrolling ---------------------------------------------------------

Rect TzsSkinPopupWindow::UpperMarker() const {
  return {itemsRect_.left, itemsRect_.top, itemsRect_.right, itemsRect_.top + skin_.Scaled(kScrollMarkerHeight)};
}

Rect TzsSkinPopupWindow::LowerMarker() const {
  return {itemsRect_.left, itemsRect_.bottom - skin_.Scaled(kScrollMarkerHeight), itemsRect_.right, itemsRect_.bottom};
}

bool TzsSkinPopupWindow::CanScroll(int code) const {
  if (!scrollable_) return false;
  if (code == 1) return visibleStart_ > 0;
  return visibleStart_ + visibleCount_ < static_cast<int>(items_.size());
}

void TzsSkinPopupWindow::StartScrolling(int code) {
  if (scrollCode_ == code) return;
  scrollCode_ = code;
  menu_.CloseFrom(level_ + 1);
  menu_.StartScrollTimer(*this);
  Invalidate();
}

void TzsSkinPopupWindow::StopScrolling() {
  if (scrollCode_ == 0) return;
  scrollCode_ = 0;
  menu_.StopScrollTimer();
  Invalidate();
}

void TzsSkinPopupWindow::HandleMarkers(Point client) {
  if (!scrollable_) return;
  if (UpperMarker().Contains(client) && CanScroll(1)) {
    StartScrolling(1);
  } else if (LowerMarker().Contains(client) && CanScroll(2)) {
    StartScrolling(2);
  } else {
    StopScrolling();
  }
}

void TzsSkinPopupWindow::Wheel(int notches) {
  const int code = notches > 0 ? 1 : 2;
  bool moved = false;
  for (int n = std::abs(notches); n > 0 && CanScroll(code); --n) {
    visibleStart_ += code == 1 ? -1 : 1;
    Layout();
    moved = true;
  }
  if (!moved) return;
  // A submenu would stay beside an item that moved away.
  menu_.CloseFrom(level_ + 1);
  Invalidate();
}

void TzsSkinPopupWindow::ScrollTick() {
  if (!CanScroll(scrollCode_)) {
    StopScrolling();
    return;
  }
  visibleStart_ += scrollCode_ == 1 ? -1 : 1;
  Layout();
  Invalidate();
}

void TzsSkinPopupWindow::MouseMoved(Point screen, bool over) {
  if (lastCursor_ == screen) return;
  lastCursor_ = screen;
  if (!over) {
    StopScrolling();
    return;
  }
  const Point client{screen.x - position_.x, screen.y - position_.y};
  HandleMarkers(client);
  int hovered = -1;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (items_[i].visible && items_[i].rect.Contains(client)) hovered = i;
  }
  if (hovered < 0) return;
  if (hovered == active_) {
    TzsSkinMenuItem& item = items_[hovered];
    if (!item.keyboardSelected) return;
    item.keyboardSelected = false;
    if (item.node->HasChildren()) menu_.ActivateItem(*this, hovered, false, false);
    return;
  }
  Deselect(active_);
  // A separator or a disabled item under the cursor is active too, lit or
  // not, so that coming back to the item before it selects that again.
  active_ = hovered;
  Select(hovered, false);
}

void TzsSkinPopupWindow::MouseUp(Point screen) {
  const Point client{screen.x - position_.x, screen.y - position_.y};
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const TzsSkinMenuItem& item = items_[i];
    if (item.visible && item.active && !item.node->IsSeparator() && item.rect.Contains(client)) {
      menu_.ActivateItem(*this, i, false, true);
      return;
    }
  }
}

std::vector<int> FadeSteps(int from, int target, int step) {
  std::vector<int> steps;
  if (step <= 0 || from >= target) return {target};
  for (int value = from; value < target;) {
    value = std::min(value + step, target);
    steps.push_back(value);
  }
  return steps;
}

}  // namespace zv
