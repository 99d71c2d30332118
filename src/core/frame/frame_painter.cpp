#include "core/frame/frame_painter.h"

// Sections: object looks, caption text, skinned frame, plain frame, client background.
#include <algorithm>
#include <utility>

#include "core/gfx/blit.h"
#include "core/gfx/compose.h"
#include "core/gfx/effects.h"
#include "core/gfx/ellipsis.h"
#include "core/gfx/glyphs.h"
#include "core/skin/record_pieces.h"
#include "core/skin/rect_rules.h"

namespace zv {
namespace {

using enum ButtonCommand;

struct Look {
  Look() = default;
  Look(BitmapView p, Rect r) : picture(p), from(r) {}
  Look(BitmapView p, Rect r, Rect to, double x, MorphKind k) : picture(p), from(r), morphTo(to), factor(x), kind(k) {}

  BitmapView picture;
  Rect from;
  Rect morphTo;  // with a factor strictly between 0 and 1: blended toward this look
  double factor = 0;
  MorphKind kind = MorphKind::mkDefault;
};

bool Set(const Rect& r) { return !IsNullRect(r); }

bool InRestoreState(const CaptionObject& o, const FrameState& s) {
  return (o.command == cmMaximize && s.maximized) || (o.command == cmMinimize && s.minimized) ||
         (o.command == cmRollUp && s.rolledUp);
}

// The normal or hovered look, or while the object morphs the two blended.
Look Hovered(const CaptionObject& o, const FramePaint& paint, BitmapView picture, const Rect& normal,
             const Rect& hovered) {
  if (o.Morphs(*paint.skin) && Set(hovered)) {
    if (o.morph >= 1) return {picture, hovered};
    if (o.morph > 0) return {picture, normal, hovered, o.morph, o.record->morphKind};
  } else if (picture.width() > 0 && o.active && Set(hovered)) {
    return {picture, hovered};
  }
  return {picture, normal};
}

// An animated button shows the first frame of its strip for the state.
Look AnimatedLook(const CaptionObject& o, const TzsDataSkinAnimate& a, const BitmapView& picture) {
  Rect strip = a.skinRect;
  if (o.down && o.mouseIn && Set(a.downSkinRect)) {
    strip = a.downSkinRect;
  } else if (o.active && Set(a.activeSkinRect)) {
    strip = a.activeSkinRect;
  }
  return {picture, StripFrame(strip, a.countFrames, 0)};
}

// The picture and rectangle an object shows now; an empty picture: nothing.
Look LookOf(const CaptionObject& o, const FramePaint& paint) {
  const TzsDataSkinObject& r = *o.record;
  const BitmapView active = paint.skin->ActivePicture(r.activePictureIndex);
  const bool hasActive = active.width() > 0;
  if (const auto* a = dynamic_cast<const TzsDataSkinAnimate*>(&r)) return AnimatedLook(o, *a, active);
  if (const auto* std = dynamic_cast<const TzsDataSkinStdButton*>(&r);
      std && hasActive && o.enabled && InRestoreState(o, paint.state) && Set(std->restoreRect)) {
    if (!paint.active && Set(std->restoreInactiveRect)) return {active, std->restoreInactiveRect};
    if (o.down && o.mouseIn && Set(std->restoreDownRect)) return {active, std->restoreDownRect};
    return Hovered(o, paint, active, std->restoreRect, std->restoreActiveRect);
  }
  if (const auto* button = dynamic_cast<const TzsDataSkinButton*>(&r); button && hasActive) {
    if (!o.enabled && Set(button->disableSkinRect)) return {active, button->disableSkinRect};
    if (o.down && o.mouseIn && Set(button->downRect)) return {active, button->downRect};
  }
  if (hasActive && o.enabled && !paint.active && Set(r.inactiveSkinRect)) return {active, r.inactiveSkinRect};
  const Look look = Hovered(o, paint, active, r.skinRect, r.activeSkinRect);
  // The normal look of a frame object is already in the frame bands.
  if (!o.InPicture() && look.from == r.skinRect && look.factor == 0) return {};
  return look;
}

// Both looks at the object's size, the normal one turned toward the active one.
void CopyMorphed(const BitmapView& target, const Rect& clip, const Rect& to, const Look& look) {
  Bitmap normal(to.Width(), to.Height()), active(to.Width(), to.Height());
  StretchBlit(normal.view(), normal.view().bounds(), look.picture, look.from);
  StretchBlit(active.view(), active.view().bounds(), look.picture, look.morphTo);
  Morph(normal.view(), active.view(), look.kind, look.factor);
  Blit(target, clip, {to.left, to.top}, normal.view(), normal.view().bounds());
}

void CopyLook(const BitmapView& target, const Rect& clip, const Rect& to, const Look& look) {
  if (look.picture.width() <= 0 || IsNullRect(look.from) || to.IsEmpty()) return;
  if (look.factor > 0 && look.factor < 1) {
    CopyMorphed(target, clip, to, look);
    return;
  }
  if (look.from.Width() == to.Width() && look.from.Height() == to.Height()) {
    Blit(target, clip, {to.left, to.top}, look.picture, look.from);
  } else {
    StretchBlit(target, clip, to, look.picture, look.from);
  }
}

// A strip of `from` (cut to the picture) widened to `width`: `left` and
// `right` columns keep their width, the middle is repeated.
Bitmap WidenedPiece(const BitmapView& picture, Rect from, int left, int right, int width) {
  from = from.Intersect(picture.bounds());
  Bitmap strip;
  if (from.IsEmpty() || width <= 0) return strip;
  left = std::clamp(left, 0, from.Width());
  right = std::clamp(right, 0, from.Width() - left);
  ComposeHorizontalStrip(left, right, strip, false, width, from, picture);
  return strip;
}

// The caption's background piece widened to the object: the parts outside
// FORMINFO's cut points keep their width.
void DrawCaptionBackground(const BitmapView& target, const Rect& clip, const CaptionObject& o, const Rect& from,
                           const FramePaint& paint) {
  if (IsNullRect(from) || o.rect.IsEmpty()) return;
  const SkinFormInfo& info = paint.skin->info;
  // A frame object's own look lies in the main picture, every other in the active picture.
  const bool own = from == o.record->skinRect && !o.InPicture();
  Bitmap strip = WidenedPiece(own ? paint.skin->picture : paint.skin->ActivePicture(o.record->activePictureIndex), from,
                              info.leftTopPoint.x - o.record->skinRect.left,
                              o.record->skinRect.right - info.rightTopPoint.x, o.rect.Width());
  if (strip.width() > 0) Blit(target, clip, {o.rect.left, o.rect.top}, strip.view(), strip.view().bounds());
}

FontSpec CaptionFont(const TzsDataSkinCaption& c, bool active) {
  return {c.fontName, c.fontHeight, c.fontStyle.bits, active ? c.activeFontColor : c.fontColor};
}

// The form's small icon at the top-left of `at`, blended by its alpha, within `clip`.
void DrawSmallIcon(const BitmapView& target, const Rect& clip, Point at, const BitmapView& icon) {
  const Rect c = clip.Intersect(target.bounds());
  if (c.IsEmpty()) return;
  AlphaBlend(target.Sub(c), {at.x - c.left, at.y - c.top}, icon);
}

// The plain frame's default button look.
void DrawDefaultButton(const BitmapView& target, const CaptionObject& o, const FrameState& s, const PlainColors& c,
                       const BitmapView& icon) {
  const BitmapView b = target.Sub(o.rect);
  if (b.width() <= 0 || b.height() <= 0 || b.width() != o.rect.Width() || b.height() != o.rect.Height()) return;
  const int w = b.width(), h = b.height();
  b.Fill(b.bounds(), OpaquePixel(c.face));
  if (o.mouseIn) {
    b.Fill(b.bounds(), OpaquePixel(o.down ? 11899781 : 13811126));
    const Pixel navy = OpaquePixel(8388608);
    DrawOutline(b, b.bounds(), navy, navy);
  }
  if (o.icon.width > 0 && icon.width() > 0) {
    DrawSmallIcon(b, b.bounds(), {0, 0}, icon);
    return;
  }
  const Point at = o.down && o.mouseIn ? Point{w / 2 - 4, h / 2 - 3} : Point{w / 2 - 5, h / 2 - 4};
  CommandGlyph glyph = CommandGlyph::kClose;
  switch (o.command) {
    case cmClose:
      glyph = CommandGlyph::kClose;
      break;
    case cmMaximize:
      glyph = s.maximized ? CommandGlyph::kRestore : CommandGlyph::kMaximize;
      break;
    case cmMinimize:
      glyph = s.minimized ? CommandGlyph::kRestore : CommandGlyph::kMinimize;
      break;
    case cmRollUp:
      glyph = s.rolledUp ? CommandGlyph::kRollDown : CommandGlyph::kRollUp;
      break;
    case cmMinimizeToTray:
      glyph = CommandGlyph::kMinimizeToTray;
      break;
    case cmSysMenu:
    case cmDefault:
      glyph = CommandGlyph::kSystemMenu;
      break;
  }
  DrawCommandGlyph(b, glyph, at, o.enabled ? c.text : c.shadow);
}

int NextRandom(int n) {
  static unsigned state = 0x2545F491u;
  state = state * 1103515245u + 12345u;
  return n > 0 ? static_cast<int>((state >> 8) % static_cast<unsigned>(n)) : 0;
}

// The frame behind the caption text, cut from the active picture and
// widened to the text (or, with "fullframe", to the caption object).
void DrawTextFrame(const BitmapView& target, const Rect& clip, const CaptionObject& o, const TzsDataSkinCaption& c,
                   const FramePaint& paint, Point text, int textWidth) {
  if (!Set(c.frameRect)) return;
  const Rect from = paint.active && Set(c.activeFrameRect) ? c.activeFrameRect : c.frameRect;
  const int inset = paint.geometry->buttonsOffset;
  const int left = c.fullFrame ? o.rect.left + inset : text.x - c.frameTextRect.left;
  const int width =
      c.fullFrame ? o.rect.Width() - 2 * inset : c.frameRect.Width() + textWidth - c.frameTextRect.Width();
  // Nothing beyond the window shows, so nothing wider is made.
  Bitmap strip = WidenedPiece(paint.skin->ActivePicture(c.activePictureIndex), from, c.frameLeftOffset,
                              c.frameRightOffset, std::min(width, target.width()));
  if (strip.width() > 0) Blit(target, clip, {left, text.y - c.frameTextRect.top}, strip.view(), strip.view().bounds());
}

// The caption text through the skin's text effect, into `canvas` (the
// caption's clip) at `box`; false when the text is to be drawn plainly.
bool DrawTextWithEffect(const BitmapView& canvas, const TzsDataSkinCaption& c, const FramePaint& paint,
                        const FontSpec& font, const std::string& line, const Rect& box) {
  const TextDrawing drawing{*paint.text, font, {}};
  const bool active = paint.active;
  if (c.reflectionEffect) {
    DrawTextReflection(canvas, drawing, line, box, active ? c.reflectionActiveColor : c.reflectionColor,
                       c.reflectionOffset);
    return true;
  }
  const ColorRef glow = active ? c.glowActiveColor : c.glowColor;
  if (c.vistaGlowEffect) {
    if (!active && !c.vistaGlowInactiveEffect) return false;
    DrawGlowBox(canvas, drawing, line, box, glow);
    return true;
  }
  if (!c.glowEffect || (!active && !c.glowInactiveEffect)) return false;
  DrawTextGlow(canvas, drawing, line, box, c.glowSize, glow, c.glowOffset);
  return true;
}

}  // namespace

Rect CaptionTextRect(const CaptionObject& o) {
  const auto* c = dynamic_cast<const TzsDataSkinCaption*>(o.record);
  if (!c || IsNullRect(c->textRect)) return {};
  Rect t = c->textRect;
  t.right += o.rect.Width() - c->skinRect.Width();
  if (Set(c->frameRect)) {
    t.left += c->frameTextRect.left;
    t.top += c->frameTextRect.top;
    t.right += c->frameTextRect.right - c->frameRect.Width();
  }
  t = t.Offset(o.rect.left, o.rect.top).Intersect(o.rect);
  if (t.right < t.left) t.right = t.left;
  if (t.bottom < t.top) t.bottom = t.top;
  return t;
}

void DrawCaptionText(const BitmapView& target, const Rect& clip, const CaptionObject& o, const FramePaint& paint) {
  if (paint.captionPainter && *paint.captionPainter) {
    (*paint.captionPainter)(target, o.rect, paint.active);
    return;
  }
  const auto* c = dynamic_cast<const TzsDataSkinCaption*>(o.record);
  if (!c || paint.caption.empty() || IsNullRect(c->textRect) || !paint.text) return;
  const Rect t = CaptionTextRect(o);
  const Rect textClip = clip.Intersect(o.rect);
  FontSpec font = CaptionFont(*c, paint.active);
  const std::string line = ShortenWithEllipsis(*paint.text, font, paint.caption, t.Width());
  const Size m = paint.text->Measure(font, line);
  const int y = t.top + t.Height() / 2 - m.height / 2;
  int x = t.left;
  if (c->alignment == Alignment::taRightJustify) x = t.right - m.width;
  if (c->alignment == Alignment::taCenter) x = t.left + t.Width() / 2 - m.width / 2;
  DrawTextFrame(target, textClip, o, *c, paint, {x, y}, m.width);
  const ColorRef color = font.color;
  if (c->light) {
    font.color = paint.active ? c->activeLightColor : c->lightColor;
    paint.text->Draw(target, font, line, {x - 1, y - 1}, textClip);
  }
  if (c->shadow) {
    font.color = paint.active ? c->activeShadowColor : c->shadowColor;
    paint.text->Draw(target, font, line, {x + 1, y + 1}, textClip);
  }
  font.color = color;
  if (!DrawTextWithEffect(target.Sub(textClip), *c, paint, font, line,
                          Rect::FromSize(x, y, m.width, m.height).Offset(-textClip.left, -textClip.top))) {
    paint.text->Draw(target, font, line, {x, y}, textClip);
  }
}

// The caption's `from` piece with its text in the active or inactive
// colours, the size of the object.
static Bitmap CaptionImage(const CaptionObject& o, const Rect& from, bool active, const FramePaint& paint) {
  Bitmap image(o.rect.Width(), o.rect.Height());
  CaptionObject local = o;
  local.rect = image.view().bounds();
  FramePaint look = paint;
  look.active = active;
  DrawCaptionBackground(image.view(), local.rect, local, from, look);
  DrawCaptionText(image.view(), local.rect, local, look);
  return image;
}

// The caption in its look now: a frame of its animation, the normal and
// active looks blended while it morphs, its background piece, or only
// its text over the frame band.
static void DrawCaption(const BitmapView& target, const Rect& clip, const CaptionObject& o, const FramePaint& paint) {
  const TzsDataSkinObject& r = *o.record;
  if (const Rect frame = o.AnimationFrameRect(); o.Animates(*paint.skin) && Set(frame)) {
    DrawCaptionBackground(target, clip, o, frame, paint);
    DrawCaptionText(target, clip, o, paint);
    return;
  }
  const bool morphs = o.Morphs(*paint.skin);
  if (morphs && (paint.active ? o.morph < 1 : o.morph > 0)) {
    Bitmap normal = CaptionImage(o, r.skinRect, false, paint);
    Bitmap active = CaptionImage(o, r.activeSkinRect, true, paint);
    Morph(normal.view(), active.view(), r.morphKind, o.morph);
    Blit(target, clip, {o.rect.left, o.rect.top}, normal.view(), normal.view().bounds());
    return;
  }
  const auto* c = dynamic_cast<const TzsDataSkinCaption*>(&r);
  const bool hasActive = paint.skin->ActivePicture(r.activePictureIndex).width() > 0;
  const bool textOnly = !hasActive || !Set(r.activeSkinRect) ||
                        (!paint.active && !morphs && !(c && c->stretchEffect) && !o.Animates(*paint.skin));
  if (!textOnly) DrawCaptionBackground(target, clip, o, paint.active ? r.activeSkinRect : r.skinRect, paint);
  DrawCaptionText(target, clip, o, paint);
}

void DrawCaptionObject(const BitmapView& target, const Rect& clip, const CaptionObject& o, const FramePaint& paint) {
  if (!o.visible || !o.record) return;
  switch (o.kind) {
    case ObjectKind::kUser:
      if (paint.objectPainter && *paint.objectPainter) (*paint.objectPainter)(o.Name(), target, o.rect);
      return;
    case ObjectKind::kCaption:
      DrawCaption(target, clip, o, paint);
      return;
    default:
      if (o.icon.width > 0 && o.InPicture() && paint.smallIcon.width() > 0) {
        DrawSmallIcon(target, clip, {o.rect.left, o.rect.top}, paint.smallIcon);
        return;
      }
      CopyLook(target, clip, o.rect, LookOf(o, paint));
  }
}

void PaintSkinnedFrame(const BitmapView& target, const FramePaint& paint) {
  const FrameSkin& skin = *paint.skin;
  const FrameGeometry& g = *paint.geometry;
  const Size size = g.size;
  if (skin.Empty() || size.width <= 0 || size.height <= 0) return;
  const bool useInactive = !paint.active && skin.inactivePicture.width() > 0;
  const BitmapView source = useInactive ? skin.inactivePicture : skin.picture;
  const SkinPieces pieces = PiecesOf(skin.info, source, source.bounds());
  const SkinPoints fitted{g.leftTop, g.rightTop, g.leftBottom, g.rightBottom, g.client};
  const FrameBands bands = ComposeFrameBands(size, pieces, fitted);
  const int topHeight = bands.top.height();
  auto place = [&](const Bitmap& band, Point at) {
    if (band.width() > 0) Blit(target, at, const_cast<Bitmap&>(band).view(), {0, 0, band.width(), band.height()});
  };
  place(bands.top, {0, 0});
  place(bands.left, {0, topHeight});
  place(bands.right, {size.width - bands.right.width(), topHeight});
  place(bands.bottom, {0, size.height - bands.bottom.height()});

  const Rect topArea{0, 0, size.width, g.client.top};
  const Rect bottomArea{0, g.client.bottom, size.width, size.height};
  for (const CaptionObject& o : *paint.objects) {
    DrawCaptionObject(target, o.rect.bottom > g.client.top ? bottomArea : topArea, o, paint);
  }
  if (paint.active || !skin.info.autoRenderingInactiveImage) return;
  const Rect areas[] = {topArea,
                        bottomArea,
                        {0, g.client.top, g.client.left, g.client.bottom},
                        {g.client.right, g.client.top, size.width, g.client.bottom}};
  for (const Rect& area : areas) {
    const BitmapView part = target.Sub(area);
    if (part.width() > 0 && part.height() > 0) ApplyInactiveEffect(part, skin.info.inactiveEffect, NextRandom);
  }
}

ColorRef PlainColors::Resolve(ColorRef color) const {
  if (!IsSystemColor(color)) return color;
  const std::pair<int, ColorRef> known[] = {{15, face},      {16, shadow},       {18, text},
                                            {20, highlight}, {21, darkShadow3d}, {22, light3d}};
  for (const auto& [index, value] : known) {
    if (index == SystemColorIndex(color)) return value;
  }
  return text;
}

void PaintPlainFrame(const BitmapView& target, const PlainPaint& p) {
  const int w = p.size.width, h = p.size.height, b = p.metrics.border, hc = p.metrics.captionHeight;
  const PlainColors& c = p.colors;
  if (w <= 2 * b || h <= 2 * b) return;
  Bitmap strip(w - 2 * b, hc, OpaquePixel(c.face));
  const BitmapView s = strip.view();
  const int left = p.caption.left - b;
  const int right = s.width() - p.caption.right;
  if (hc - 4 > 1) {
    for (int i = 0; i < hc - 5; ++i) {
      DrawLine(s, {left + 2, 2 + i}, {s.width() - right - 6, 2 + i}, OpaquePixel(i % 2 == 0 ? c.highlight : c.shadow));
    }
  }
  if (p.captionPainter && *p.captionPainter) {
    (*p.captionPainter)(s, {left, 0, s.width() - right - 3, hc}, p.active);
  } else if (!p.caption_text.empty() && p.text) {
    FontSpec font = p.active ? p.fonts.active : p.fonts.inactive;
    font.color = c.Resolve(font.color);
    const int room = s.width() - left - right;
    const std::string line = ShortenWithEllipsis(*p.text, font, p.caption_text, room);
    const Size m = p.text->Measure(font, line);
    const int x = left + room / 2 - (m.width + 5) / 2;
    const int y = hc / 2 - m.height / 2;
    s.Fill(Rect::FromSize(x, y, m.width, m.height).Inflate(2, 2), OpaquePixel(c.face));
    p.text->Draw(s, font, line, {x, y}, s.bounds());
  }
  for (CaptionObject o : *p.objects) {
    if (!o.visible) continue;
    o.rect = o.rect.Offset(-b, -b);
    DrawDefaultButton(s, o, p.state, c, p.smallIcon);
  }
  Blit(target, {b, b}, s, s.bounds());
  const Pixel bevels[3][2] = {{OpaquePixel(c.light3d), OpaquePixel(c.darkShadow3d)},
                              {OpaquePixel(c.highlight), OpaquePixel(c.shadow)},
                              {OpaquePixel(c.face), OpaquePixel(c.face)}};
  for (int i = 0; i < 3; ++i) DrawOutline(target, Rect{0, 0, w, h}.Inflate(-i, -i), bevels[i][0], bevels[i][1]);
}

void PaintClientBackground(const BitmapView& target, const FrameSkin& skin, ColorRef face) {
  const SkinFormInfo& info = skin.info;
  const BitmapView background = skin.ActivePicture(info.bgPictureIndex);
  if (skin.Empty() || (background.width() <= 0 && IsNullRect(info.clientRect))) {
    target.Fill(target.bounds(), OpaquePixel(face));
    return;
  }
  SkinPieces pieces = PiecesOf(info, skin.picture, skin.picture.bounds());
  if (background.width() > 0) {
    pieces.picture = background;
    pieces.skinRect = background.bounds();
    pieces.points.clientRect = background.bounds();
  }
  PaintClientPiece(target, target.bounds(), pieces);
}

}  // namespace zv
