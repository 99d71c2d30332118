// Painting a popup menu level: the frame, the items (skinned or plain),
// headers, marks and the scroll markers.
#include <algorithm>

#include "core/gfx/blit.h"
#include "core/gfx/glyphs.h"
#include "core/menus/popup_window.h"
#include "core/menus/skin_menu.h"
#include "core/skin/values.h"

namespace zv {

namespace {

constexpr ColorRef kPlainActiveFrame = 8388608;
constexpr ColorRef kPlainActiveFill = 13811126;

void FrameRect(const BitmapView& target, const Rect& r, ColorRef color) {
  const Pixel p = ToPixel(color, 255);
  DrawOutline(target, r, p, p);
}

struct ItemGlyph {
  const char* name;
  CommandGlyph glyph;
};
constexpr ItemGlyph kItemGlyphs[] = {
    {"ZSF_CLOSE", CommandGlyph::kClose},      {"TRAY_ZSF_CLOSE", CommandGlyph::kClose},
    {"ZSF_MINITEM", CommandGlyph::kMinimize}, {"ZSF_MAXITEM", CommandGlyph::kMaximize},
    {"ZSF_RESTORE", CommandGlyph::kRestore},  {"TRAY_ZSF_RESTORE", CommandGlyph::kRestore},
    {"ZSF_ROLLUP", CommandGlyph::kRollUp},    {"ZSF_MINTOTRAY", CommandGlyph::kMinimizeToTray},
};

const CommandGlyph* GlyphFor(const std::string& name) {
  for (const ItemGlyph& g : kItemGlyphs) {
    if (name == g.name) return &g.glyph;
  }
  return nullptr;
}

void DrawCheckMark(const BitmapView& target, Point at, ColorRef color) {
  const Pixel p = ToPixel(color, 255);
  for (int i = 0; i <= 2; ++i) {
    DrawLine(target, {at.x, at.y + 5 - i}, {at.x + 2, at.y + 7 - i}, p);
    DrawLine(target, {at.x + 2, at.y + 7 - i}, {at.x + 7, at.y + 2 - i}, p);
  }
}

void DrawRadioDot(const BitmapView& target, Point at, ColorRef color) {
  // A filled 6 x 6 circle: the corners left out.
  const Pixel p = ToPixel(color, 255);
  for (int y = 0; y < 6; ++y) {
    const int inset = (y == 0 || y == 5) ? 1 : 0;
    target.Fill(Rect{at.x + inset, at.y + y, at.x + 6 - inset, at.y + y + 1}.Intersect(target.bounds()), p);
  }
}

void DrawSubmenuTriangle(const BitmapView& target, Point at, ColorRef color) {
  const Pixel p = ToPixel(color, 255);
  for (int i = 0; i <= 3; ++i) DrawLine(target, {at.x + i, at.y + i}, {at.x + i, at.y + 7 - i}, p);
}

// Every mark fits in a square this many pixels wide at 96 DPI.
constexpr int kMarkDesignSide = 12;

// A mark designed at 96 DPI, drawn at `dpi`: at its design size first, then
// each of its pixels widened to the block it covers at that scale, so its
// shape and its crisp edges stay as designed.
template <class Draw>
void DrawMark(const BitmapView& target, Point at, int dpi, ColorRef color, Draw draw) {
  if (dpi <= kBaseDpi) {
    draw(target, at, color);
    return;
  }
  Bitmap design(kMarkDesignSide, kMarkDesignSide);
  draw(design.view(), Point{0, 0}, color);
  const Pixel pixel = ToPixel(color, 255);
  for (int y = 0; y < kMarkDesignSide; ++y) {
    for (int x = 0; x < kMarkDesignSide; ++x) {
      if (design.At(x, y).a == 0) continue;
      const Rect block{at.x + ScaleLength(x, dpi), at.y + ScaleLength(y, dpi), at.x + ScaleLength(x + 1, dpi),
                       at.y + ScaleLength(y + 1, dpi)};
      target.Fill(block.Intersect(target.bounds()), pixel);
    }
  }
}

// The caption as shown; with keyboard cues its accelerator gets a one-pixel
// line along the bottom of the character's cell.
void DrawCaption(TextRenderer& text, const BitmapView& target, const FontSpec& font, std::string_view caption, Point at,
                 const Rect& clip, bool cues) {
  const ShownCaption shown = ShowCaption(caption);
  text.Draw(target, font, shown.text, at, clip);
  if (!cues || shown.accelerator == std::string::npos) return;
  const std::string_view all = shown.text;
  const int x = at.x + (shown.accelerator > 0 ? text.Measure(font, all.substr(0, shown.accelerator)).width : 0);
  const Size cell = text.Measure(font, all.substr(shown.accelerator, 1));
  const int y = at.y + cell.height - 1;
  target.Fill(Rect{x, y, x + cell.width, y + 1}.Intersect(clip).Intersect(target.bounds()), ToPixel(font.color, 255));
}

// The image `from` centred in `area`, never left of or above it.
Point CentredIn(const Rect& area, Size size) {
  return {area.left + std::max(0, (area.Width() - size.width) / 2),
          area.top + std::max(0, (area.Height() - size.height) / 2)};
}

}  // namespace

ColorRef TzsSkinPopupWindow::Sys(int index) const { return menu_.Platform().SystemColor(index); }

ColorRef TzsSkinPopupWindow::Resolve(ColorRef color) const {
  return IsSystemColor(color) ? Sys(SystemColorIndex(color)) : color;
}

void TzsSkinPopupWindow::Paint(const BitmapView& canvas) const {
  Bitmap paintBuffer;
  const bool buffered = ItemsSkinned() && skin_.item->inactiveTransparent;
  PaintFrame(canvas, buffered ? &paintBuffer : nullptr);
  // Every item is as wide as the items rectangle: its looks are composed once.
  ItemStrips strips;
  if (ItemsSkinned()) {
    const TzsDataSkinMenuItem& rec = *skin_.item;
    const int w = itemsRect_.Width();
    ComposeHorizontalStrip(rec.itemLeftOffset, rec.itemRightOffset, strips.normal, rec.inactiveStretchEffect, w,
                           rec.skinRect, skin_.itemPicture);
    ComposeHorizontalStrip(rec.itemLeftOffset, rec.itemRightOffset, strips.active, rec.stretchEffect, w,
                           rec.activeSkinRect, skin_.itemPicture);
    ComposeHorizontalStrip(rec.dividerLeftOffset, rec.dividerRightOffset, strips.divider, rec.dividerStretchEffect, w,
                           rec.dividerRect, skin_.itemPicture);
  }
  for (const TzsSkinMenuItem& item : items_) {
    if (item.visible) PaintItem(canvas, item, strips, buffered ? &paintBuffer : nullptr);
  }
  if (scrollable_) PaintScrollMarkers(canvas, strips, buffered ? &paintBuffer : nullptr);
}

void TzsSkinPopupWindow::PaintFrame(const BitmapView& canvas, Bitmap* paintBuffer) const {
  if (Skinned()) {
    const SkinPieces pieces = skin_.PopupPieces();
    ComposeNineSlice(canvas, pieces, fitted_, scrollable_);
    if (paintBuffer) ComposeNineSlice(*paintBuffer, size_, pieces, fitted_, true);
    return;
  }
  const int column = menu_.Options.images ? GlyphColumn() + skin_.Scaled(2) : skin_.Scaled(21);
  canvas.Fill(canvas.bounds(), ToPixel(Sys(kSysColorWindow), 255));
  canvas.Fill(Rect{0, 0, column, size_.height}.Intersect(canvas.bounds()), ToPixel(Sys(kSysColorBtnFace), 255));
  FrameRect(canvas, {0, 0, size_.width, size_.height}, Sys(kSysColorBtnShadow));
  FrameRect(canvas, {1, 1, size_.width - 1, size_.height - 1}, Sys(kSysColorWindow));
}

void TzsSkinPopupWindow::PaintItem(const BitmapView& canvas, const TzsSkinMenuItem& item, const ItemStrips& strips,
                                   const Bitmap* paintBuffer) const {
  // Items draw straight into their part of the window.
  const BitmapView view = canvas.Sub(item.rect);
  if (view.width() <= 0 || view.height() <= 0) return;
  if (ItemsSkinned()) {
    PaintSkinnedItem(view, item, strips, paintBuffer);
  } else {
    PaintPlainItem(view, item);
  }
}

void TzsSkinPopupWindow::PaintItemBackground(const BitmapView& target, const TzsSkinMenuItem& item,
                                             const ItemStrips& strips, const Bitmap* paintBuffer) const {
  const Bitmap* strip = &strips.normal;
  if (item.node->IsSeparator()) {
    strip = &strips.divider;
  } else if (item.active || item.down) {
    strip = &strips.active;
  } else if (paintBuffer) {
    Blit(target, {0, 0}, const_cast<Bitmap*>(paintBuffer)->view(), item.rect);
    return;
  }
  Blit(target, {0, 0}, const_cast<Bitmap*>(strip)->view(), {0, 0, strip->width(), strip->height()});
}

bool TzsSkinPopupWindow::PaintHeader(const BitmapView& target, const TzsSkinMenuItem& item) const {
  if (!IsHeaderCaption(*item.node)) return false;
  const std::string title = DisplayCaption(item.node->caption.substr(1, item.node->caption.size() - 2));
  FontSpec font = ItemFont();
  int top = 0;
  if (const TzsDataSkinCustomControl* header = ItemsSkinned() ? skin_.header : nullptr) {
    if (const auto* label = dynamic_cast<const TzsDataSkinLabelControl*>(header)) {
      font = {label->fontName, label->fontHeight, label->fontStyle.bits, Resolve(label->fontColor)};
    }
    if (skin_.headerPicture.width() > 0 && !header->skinRect.IsEmpty()) {
      Bitmap strip;
      ComposeHorizontalStrip(header->leftTopPoint.x, header->skinRect.Width() - header->rightTopPoint.x, strip,
                             header->stretchEffect, target.width(), header->skinRect, skin_.headerPicture);
      top = (target.height() - strip.height()) / 2;
      Blit(target, {0, top}, strip.view(), strip.view().bounds());
    }
  } else if (!ItemsSkinned()) {
    target.Fill(target.bounds(), ToPixel(Sys(kSysColorBtnShadow), 255));
    font.color = Sys(kSysColorBtnHighlight);
  }
  TextRenderer& text = menu_.Platform().Text();
  const Size ts = text.Measure(font, title);
  text.Draw(target, font, title, {(target.width() - ts.width) / 2, (target.height() - ts.height) / 2}, target.bounds());
  return true;
}

void TzsSkinPopupWindow::PaintMarks(const BitmapView& target, const TzsSkinMenuItem& item, const Rect& textArea,
                                    ColorRef color, int markX, bool active) const {
  const MenuNode& node = *item.node;
  const TzsDataSkinMenuItem* rec = ItemsSkinned() ? skin_.item : nullptr;
  const bool imageArea = rec && !rec->imageRect.IsEmpty();
  const SkinImageList* images = menu_.Options.images;
  const bool hasImage = images && node.imageIndex >= 0 && node.imageIndex < static_cast<int>(images->images.size());
  if (hasImage) {
    const Bitmap& image = images->images[node.imageIndex];
    const Size size{image.width(), image.height()};
    const Point at = imageArea ? CentredIn(rec->imageRect, size)
                               : Point{markX, textArea.top + (textArea.Height() - size.height) / 2};
    const BitmapView view = const_cast<Bitmap&>(image).view();
    if (node.enabled) {
      BlitTransparent(target, at, view, view.bounds());
    } else {
      BlitDisabled(target, at, view, view.bounds(), Sys(kSysColorBtnHighlight), Sys(kSysColorBtnShadow));
    }
    if (node.checked) FrameRect(target, Rect::FromSize(at.x - 1, at.y - 1, size.width + 2, size.height + 2), color);
    return;
  }
  // Marks are 8 design pixels square.
  const Point at = imageArea ? Point{rec->imageRect.left + (rec->imageRect.Width() - skin_.Scaled(8)) / 2,
                                     rec->imageRect.top + rec->imageRect.Height() / 2 - skin_.Scaled(4)}
                             : Point{markX, textArea.top + textArea.Height() / 2 - skin_.Scaled(4)};
  if (const CommandGlyph* glyph = GlyphFor(node.name)) {
    DrawMark(target, at, skin_.dpi, color,
             [&](const BitmapView& view, Point p, ColorRef c) { DrawCommandGlyph(view, *glyph, p, c); });
    return;
  }
  if (!node.checked) return;
  const Rect imageRect = rec ? (node.radioItem ? (active ? rec->activeRadioImageRect : rec->radioImageRect)
                                               : (active ? rec->activeCheckImageRect : rec->checkImageRect))
                             : Rect{};
  if (!imageRect.IsEmpty()) {
    const Size size{imageRect.Width(), imageRect.Height()};
    const Point p = imageArea ? CentredIn(rec->imageRect, size)
                              : Point{markX, textArea.top + (textArea.Height() - size.height) / 2};
    BlitTransparent(target, p, skin_.itemPicture, imageRect);
  } else if (node.radioItem) {
    DrawMark(target, {at.x, at.y + skin_.Scaled(1)}, skin_.dpi, color, DrawRadioDot);
  } else {
    DrawMark(target, at, skin_.dpi, color, DrawCheckMark);
  }
}

void TzsSkinPopupWindow::PaintSkinnedItem(const BitmapView& target, const TzsSkinMenuItem& item,
                                          const ItemStrips& strips, const Bitmap* paintBuffer) const {
  const TzsDataSkinMenuItem& rec = *skin_.item;
  PaintItemBackground(target, item, strips, paintBuffer);
  const MenuNode& node = *item.node;
  if (node.IsSeparator()) return;
  if (PaintHeader(target, item)) return;
  const bool active = item.active || item.down;
  const int imageColumn = !rec.imageRect.IsEmpty() ? 0 : (menu_.Options.images ? GlyphColumn() : skin_.Scaled(16));
  Rect t = rec.textRect;
  t.right += target.width() - rec.skinRect.Width();
  // The shortcut ends this far before the text rectangle's end, where a submenu's arrow goes.
  const int shortcutEnd = t.right - skin_.Scaled(16);
  FontSpec font = ItemFont(node);
  font.color = Resolve(active ? rec.activeFontColor : (node.enabled ? rec.fontColor : rec.unenabledFontColor));
  TextRenderer& text = menu_.Platform().Text();
  const Size cs = text.Measure(font, DisplayCaption(node.caption));
  const Rect captionRect{t.left + imageColumn, t.top + (t.Height() - cs.height) / 2, shortcutEnd + skin_.Scaled(2),
                         t.top + (t.Height() - cs.height) / 2 + cs.height};
  DrawCaption(text, target, font, node.caption, {captionRect.left, captionRect.top},
              captionRect.Intersect(target.bounds()), menu_.ShowsCues());
  if (!node.shortcut.empty()) {
    const Size ss = text.Measure(font, node.shortcut);
    text.Draw(target, font, node.shortcut, {shortcutEnd - ss.width, captionRect.top}, target.bounds());
  }
  ColorRef markColor = font.color;
  if (node.HasChildren()) {
    const Rect arrow = active ? rec.activeArrowImageRect : rec.arrowImageRect;
    if (arrow.IsEmpty()) {
      DrawMark(target, {t.right - skin_.Scaled(7), t.top + t.Height() / 2 - skin_.Scaled(4)}, skin_.dpi, markColor,
               DrawSubmenuTriangle);
    } else {
      const Rect area{t.right - arrow.Width() - skin_.Scaled(5), t.top, t.right, t.bottom};
      BlitTransparent(target, CentredIn(area, {arrow.Width(), arrow.Height()}), skin_.itemPicture, arrow);
    }
  }
  if (rec.useImageColor) markColor = Resolve(active ? rec.activeImageColor : rec.imageColor);
  PaintMarks(target, item, t, markColor, t.left + skin_.Scaled(2), active);
}

void TzsSkinPopupWindow::PaintPlainItem(const BitmapView& target, const TzsSkinMenuItem& item) const {
  const MenuNode& node = *item.node;
  const int w = target.width();
  const int h = target.height();
  const int column = GlyphColumn();
  const bool active = (item.active || item.down) && node.Selectable();
  if (active) {
    target.Fill(target.bounds(), ToPixel(kPlainActiveFill, 255));
    FrameRect(target, target.bounds(), kPlainActiveFrame);
  } else {
    target.Fill(target.bounds(), ToPixel(Sys(kSysColorWindow), 255));
    target.Fill(Rect{0, 0, column, h}.Intersect(target.bounds()), ToPixel(Sys(kSysColorBtnFace), 255));
  }
  if (node.IsSeparator()) {
    DrawLine(target, {column, h / 2}, {w, h / 2}, ToPixel(Sys(kSysColorBtnShadow), 255));
    return;
  }
  if (PaintHeader(target, item)) return;
  FontSpec font = ItemFont(node);
  font.color = node.enabled ? Sys(kSysColorWindowText) : Sys(kSysColorBtnShadow);
  TextRenderer& text = menu_.Platform().Text();
  const Size cs = text.Measure(font, DisplayCaption(node.caption));
  const int edge = skin_.Scaled(2);
  const Rect area{edge, edge, w - edge, h - edge};
  const int y = area.top + (area.Height() - cs.height) / 2;
  DrawCaption(text, target, font, node.caption, {column + edge, y}, area, menu_.ShowsCues());
  if (!node.shortcut.empty()) {
    const Size ss = text.Measure(font, node.shortcut);
    text.Draw(target, font, node.shortcut, {w - skin_.Scaled(19) - ss.width, y}, area);
  }
  if (node.HasChildren()) {
    DrawMark(target, {w - skin_.Scaled(7), h / 2 - skin_.Scaled(4)}, skin_.dpi, font.color, DrawSubmenuTriangle);
  }
  PaintMarks(target, item, {0, 0, w, h}, font.color, skin_.Scaled(3), active);
}

void TzsSkinPopupWindow::PaintNormalBackground(const BitmapView& canvas, const Rect& r, const ItemStrips& strips,
                                               const Bitmap* paintBuffer) const {
  if (r.IsEmpty()) return;
  if (!ItemsSkinned()) {
    if (!Skinned()) canvas.Fill(r.Intersect(canvas.bounds()), ToPixel(Sys(kSysColorWindow), 255));
    return;
  }
  if (paintBuffer) {
    Blit(canvas, {r.left, r.top}, const_cast<Bitmap*>(paintBuffer)->view(), r);
    return;
  }
  Bitmap& strip = const_cast<Bitmap&>(strips.normal);
  // The normal look repeated downwards over the whole area.
  for (int y = r.top; strip.height() > 0 && y < r.bottom; y += strip.height()) {
    Blit(canvas, r.Intersect(canvas.bounds()), {r.left, y}, strip.view(), strip.view().bounds());
  }
}

void TzsSkinPopupWindow::PaintScrollMarkers(const BitmapView& canvas, const ItemStrips& strips,
                                            const Bitmap* paintBuffer) const {
  int lastBottom = itemsRect_.top + skin_.Scaled(kScrollMarkerHeight);
  for (const TzsSkinMenuItem& item : items_) {
    if (item.visible) lastBottom = item.rect.bottom;
  }
  const Rect lower = LowerMarker();
  PaintNormalBackground(canvas, {itemsRect_.left, lastBottom, itemsRect_.right, lower.top}, strips, paintBuffer);
  Rect markers[2] = {UpperMarker(), lower};
  for (int code = 1; code <= 2; ++code) {
    Rect m = markers[code - 1];
    ColorRef color;
    if (Skinned()) {
      PaintNormalBackground(canvas, m, strips, paintBuffer);
      color = Resolve(scrollCode_ == code ? skin_.popup->scrollMarkerActiveColor : skin_.popup->scrollMarkerColor);
    } else {
      m = code == 1 ? Rect{3, 3, size_.width - 3, 13} : Rect{3, size_.height - 10, size_.width - 3, size_.height - 3};
      canvas.Fill(m.Intersect(canvas.bounds()), ToPixel(Sys(kSysColorWindow), 255));
      color = Sys(scrollCode_ == code ? kSysColorBtnText : kSysColorBtnShadow);
    }
    DrawArrow(canvas, m, code == 1 ? ArrowDirection::kUp : ArrowDirection::kDown, ToPixel(color, 255));
  }
}

}  // namespace zv
