#pragma once
// TzsSkinPopupWindow: one level of a skinned popup menu. It lays its items
// out in the skin's POPUPWINDOW frame, places itself on the screen, scrolls
// when it does not fit, follows the mouse and the keyboard, and paints
// itself onto a bitmap. The manager (TzsSkinMenu) opens and closes levels
// and carries out commands.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/controls/skin_panel.h"
#include "core/menus/menu_node.h"
#include "core/menus/menu_platform.h"
#include "core/menus/menu_skin.h"

namespace zv {

class TzsSkinMenu;

struct MenuOptions {
  int maxMenuItemsInWindow = 0;  // 0: no limit
  bool useSkinFont = true;
  int defaultItemHeight = 20;
  FontSpec defaultItemFont{"Arial", 14, 0, 0};
  bool alphaBlend = false;
  bool alphaBlendAnimation = false;
  int alphaBlendValue = 150;
  const SkinImageList* images = nullptr;
};

struct TzsSkinMenuItem {
  MenuNode* node = nullptr;
  int height = 0;
  Rect rect;  // window coordinates
  bool visible = false;
  bool active = false;
  bool down = false;  // its submenu is open
  bool keyboardSelected = false;
};

// Where a level goes and how it relates to its anchor.
struct PopupPlacement {
  Rect anchor;  // screen
  bool popupUp = false;
  bool byItem = false;  // a submenu, placed level with its parent item
};

// The top-left corner of a window of `size` for the anchor, by the vertical
// and horizontal rules, never above or left of the work area; `itemsTop` is
// the fitted items rectangle's top.
Point PlacePopup(const PopupPlacement& place, const Rect& workArea, Size size, int itemsTop);

class TzsSkinPopupWindow {
 public:
  static constexpr int kScrollMarkerHeight = 10;  // at 96 DPI

  // Builds the level for the visible children of `parent` from `startIndex`
  // on, sizes, lays out and places it. Showing is separate.
  TzsSkinPopupWindow(TzsSkinMenu& menu, int level, MenuNode& parent, int startIndex, const PopupPlacement& place);
  TzsSkinPopupWindow(const TzsSkinPopupWindow&) = delete;
  TzsSkinPopupWindow& operator=(const TzsSkinPopupWindow&) = delete;
  ~TzsSkinPopupWindow();

  int Level() const { return level_; }
  MenuNode& ParentNode() const { return parent_; }
  const std::vector<TzsSkinMenuItem>& Items() const { return items_; }
  Size WindowSize() const { return size_; }
  // Screen position and size.
  Rect Bounds() const { return Rect::FromSize(position_.x, position_.y, size_.width, size_.height); }
  const Rect& ItemsRect() const { return itemsRect_; }
  const SkinPoints& FittedPoints() const { return fitted_; }
  bool Scrollable() const { return scrollable_; }
  int VisibleStart() const { return visibleStart_; }
  int VisibleCount() const { return visibleCount_; }
  int ActiveIndex() const { return active_; }
  int ScrollCode() const { return scrollCode_; }
  const std::string& HintText() const { return hint_; }
  // The window shape, window coordinates; empty without a mask.
  const std::vector<Rect>& Region() const { return region_; }

  // Shows the window and selects the first selectable item.
  void Show(std::vector<int> fade);
  // Draws the whole window.
  void Paint(const BitmapView& canvas) const;

  // Navigation, forwarded by the manager. Returns false for keys it ignores.
  bool KeyDown(int key);
  // The cursor moved to `screen`; `over` tells whether this window is under it.
  void MouseMoved(Point screen, bool over);
  void MouseUp(Point screen);
  // Scrolls by whole notches of the wheel, up when positive.
  void Wheel(int notches);
  void ScrollTick();
  void StopScrolling();

  // The manager's side of selection.
  void SetItemDown(int index, bool down);
  bool IsUnderCursor(Point screen) const;
  TzsSkinMenuItem& ItemAt(int index) { return items_[index]; }
  int IndexOf(const MenuNode* node) const;

 private:
  bool Skinned() const { return skin_.Skinned(); }
  bool ItemsSkinned() const { return skin_.ItemsSkinned(); }
  int ItemHeight(const MenuNode& node) const;
  int NormalItemHeight() const;
  FontSpec ItemFont() const;
  // The item's font: bold for the default item.
  FontSpec ItemFont(const MenuNode& node) const;
  int GlyphColumn() const;
  void ComputeSize();
  void Fit();
  void Layout();
  void Place(const PopupPlacement& place);
  void BuildRegion();
  void Invalidate() const;

  // Selection.
  void SetActive(int index, bool keyboard);
  void Select(int index, bool keyboard);
  void Deselect(int index);
  bool ActiveLit() const { return active_ >= 0 && items_[active_].active; }
  int NextSelectable(int from, int step) const;
  void MoveTo(int index);
  void MoveSelection(int step);
  void EnsureVisible(int index);
  int LastStart() const;
  bool SelectByAccelerator(int key);

  // Scrolling.
  Rect UpperMarker() const;
  Rect LowerMarker() const;
  bool CanScroll(int code) const;
  void HandleMarkers(Point client);
  void StartScrolling(int code);

  // Painting (popup_paint.cpp).
  struct ItemStrips {
    Bitmap normal, active, divider;
  };
  void PaintFrame(const BitmapView& canvas, Bitmap* paintBuffer) const;
  void PaintItem(const BitmapView& canvas, const TzsSkinMenuItem& item, const ItemStrips& strips,
                 const Bitmap* paintBuffer) const;
  void PaintSkinnedItem(const BitmapView& canvas, const TzsSkinMenuItem& item, const ItemStrips& strips,
                        const Bitmap* paintBuffer) const;
  void PaintPlainItem(const BitmapView& canvas, const TzsSkinMenuItem& item) const;
  void PaintItemBackground(const BitmapView& target, const TzsSkinMenuItem& item, const ItemStrips& strips,
                           const Bitmap* paintBuffer) const;
  bool PaintHeader(const BitmapView& target, const TzsSkinMenuItem& item) const;
  void PaintMarks(const BitmapView& target, const TzsSkinMenuItem& item, const Rect& textArea, ColorRef color,
                  int markX, bool active) const;
  void PaintScrollMarkers(const BitmapView& canvas, const ItemStrips& strips, const Bitmap* paintBuffer) const;
  void PaintNormalBackground(const BitmapView& canvas, const Rect& r, const ItemStrips& strips,
                             const Bitmap* paintBuffer) const;
  ColorRef Sys(int index) const;
  ColorRef Resolve(ColorRef color) const;

  TzsSkinMenu& menu_;
  int level_;
  MenuNode& parent_;
  const MenuSkin& skin_;
  std::vector<TzsSkinMenuItem> items_;
  int active_ = -1;
  int visibleStart_ = 0;
  int visibleCount_ = 0;
  bool scrollable_ = false;
  int scrollCode_ = 0;
  zv::Size size_;
  SkinPoints fitted_;
  Rect itemsRect_;
  Point position_;
  std::optional<Point> lastCursor_;
  std::string hint_;
  std::vector<Rect> region_;
  std::unique_ptr<PopupHost> host_;
};

}  // namespace zv
