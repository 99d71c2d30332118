#include "core/frame/caption_objects.h"

#include <algorithm>
#include <optional>

#include "core/skin/rect_rules.h"
#include "core/skin/resource_strings.h"

namespace zv {
namespace {

using enum ButtonCommand;

// The order in which buttons line up from the container's far end.
constexpr ButtonCommand kLineOrder[] = {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray};

std::optional<ObjectKind> KindOf(const TzsDataSkinObject& record) {
  const std::string_view word = record.TypeWord();
  if (word == "stdbutton") return ObjectKind::kStdButton;
  if (word == "button") return ObjectKind::kButton;
  if (word == "caption") return ObjectKind::kCaption;
  if (word == "animate") return ObjectKind::kAnimate;
  if (word == "userobject") return ObjectKind::kUser;
  return std::nullopt;
}

ButtonCommand CommandOf(const TzsDataSkinObject& record) {
  if (const auto* b = dynamic_cast<const TzsDataSkinStdButton*>(&record)) return b->command;
  if (const auto* a = dynamic_cast<const TzsDataSkinAnimate*>(&record)) return a->command;
  return cmDefault;
}

bool Enabled(ButtonCommand command, const CaptionOptions& o) {
  switch (command) {
    case cmClose:
      return true;
    case cmMaximize:
      return o.icons.maximize;
    case cmMinimize:
      return o.icons.minimize;
    case cmRollUp:
      return o.icons.rollUp;
    case cmMinimizeToTray:
      return o.icons.minimizeToTray;
    case cmSysMenu:
      return o.icons.systemMenu && !o.disableSystemMenu;
    case cmDefault:
      return true;
  }
  return true;
}

// The resource string naming each command's button; none for cmdefault.
const char* HintKey(ButtonCommand command) {
  switch (command) {
    case cmClose:
      return "CLOSEBUTTON_HINT";
    case cmMaximize:
      return "MAXBUTTON_HINT";
    case cmMinimize:
      return "MINBUTTON_HINT";
    case cmSysMenu:
      return "MENUBUTTON_HINT";
    case cmRollUp:
      return "ROLLUPBUTTON_HINT";
    case cmMinimizeToTray:
      return "TRAYBUTTON_HINT";
    case cmDefault:
      return nullptr;
  }
  return nullptr;
}

// A key a skin's strings leave out or empty keeps the built-in text, so
// no button goes without its hint.
std::string ResourceString(const char* key, const TzsResourceStrData* strings) {
  std::string text = strings ? strings->GetResString(key) : std::string();
  if (!text.empty()) return text;
  for (const ResourceStringDefault& d : DefaultResourceStrings()) {
    if (std::string_view(d.key) == key) return d.text;
  }
  return {};
}

void ReloadHints(std::vector<CaptionObject>& objects, const CaptionOptions& options) {
  for (CaptionObject& o : objects) {
    if (o.record) {
      o.hint = o.record->hint;
      const auto* std = dynamic_cast<const TzsDataSkinStdButton*>(o.record);
      const auto* animate = dynamic_cast<const TzsDataSkinAnimate*>(o.record);
      o.restoreHint = std ? std->restoreHint : animate ? animate->restoreHint : std::string();
    }
    const char* key = o.HasCommand() ? HintKey(o.command) : nullptr;
    if (!options.defaultHints || !key) continue;
    o.hint = ResourceString(key, options.strings);
    o.restoreHint = ResourceString("RESTORE_HINT", options.strings);
  }
}

Size SizeOf(const CaptionObject& o) {
  if (o.icon.width > 0 && o.icon.height > 0) return o.icon;
  Rect r = o.record ? o.record->skinRect : o.rect;
  // An animated button is one frame of its strip wide.
  if (const auto* a = dynamic_cast<const TzsDataSkinAnimate*>(o.record)) r = StripFrame(r, a->countFrames, 0);
  return {std::max(r.Width(), 0), std::max(r.Height(), 0)};
}

bool Lined(const CaptionObject& o) { return o.visible && o.InPicture() && o.HasCommand(); }

// Objects in line order: the five commands, then the application's own buttons in list order.
std::vector<CaptionObject*> LineUp(std::vector<CaptionObject>& objects) {
  std::vector<CaptionObject*> line;
  for (ButtonCommand command : kLineOrder) {
    const auto it = std::find_if(objects.begin(), objects.end(),
                                 [&](const CaptionObject& o) { return Lined(o) && o.command == command; });
    if (it != objects.end()) line.push_back(&*it);
  }
  for (CaptionObject& o : objects) {
    if (Lined(o) && o.command == cmDefault) line.push_back(&o);
  }
  return line;
}

CaptionObject* FirstCaption(std::vector<CaptionObject>& objects) {
  const auto it = std::find_if(objects.begin(), objects.end(),
                               [](const CaptionObject& o) { return o.kind == ObjectKind::kCaption; });
  return it == objects.end() ? nullptr : &*it;
}

CaptionObject* SystemMenuButton(std::vector<CaptionObject>& objects) {
  const auto it = std::find_if(objects.begin(), objects.end(),
                               [](const CaptionObject& o) { return Lined(o) && o.command == cmSysMenu; });
  return it == objects.end() ? nullptr : &*it;
}

}  // namespace

const std::string& CaptionObject::Name() const {
  static const std::string kDefault;
  return record ? record->Name() : kDefault;
}

bool CaptionObject::Morphs(const FrameSkin& skin) const {
  return record && record->morphing && !IsNullRect(record->activeSkinRect) && skin.effects &&
         skin.ActivePicture(record->activePictureIndex).width() > 0;
}

bool CaptionObject::Animates(const FrameSkin& skin) const {
  const auto* c = dynamic_cast<const TzsDataSkinCaption*>(record);
  return c && !IsNullRect(c->animateSkinRect) && c->frameCount > 0 && skin.effects &&
         skin.ActivePicture(c->activePictureIndex).width() > 0;
}

// The strip holds the frames side by side, or stacked when it is taller
// than the caption's own look.
Rect CaptionObject::AnimationFrameRect() const {
  const auto* c = dynamic_cast<const TzsDataSkinCaption*>(record);
  if (!c || c->frameCount <= 0 || animationFrame < 1 || animationFrame > c->frameCount) return {};
  const Rect strip = c->animateSkinRect;
  const int i = animationFrame - 1;
  if (strip.Height() > c->skinRect.Height()) {
    const int h = strip.Height() / c->frameCount;
    return h > 0 ? Rect::FromSize(strip.left, strip.top + i * h, strip.Width(), h) : Rect{};
  }
  const int w = strip.Width() / c->frameCount;
  return w > 0 ? Rect::FromSize(strip.left + i * w, strip.top, w, strip.Height()) : Rect{};
}

std::vector<CaptionObject> BuildCaptionObjects(const FrameSkin& skin) {
  std::vector<CaptionObject> objects;
  for (const TzsDataSkinObject* record : skin.objects) {
    const auto kind = KindOf(*record);
    if (!kind) continue;
    CaptionObject o;
    o.record = record;
    o.kind = *kind;
    o.command = CommandOf(*record);
    o.rect = record->skinRect;
    o.activeMask = skin.ActivePicture(record->activeMaskPictureIndex);
    objects.push_back(o);
  }
  return objects;
}

bool CaptionObject::Accepts(Point p) const {
  if (activeMask.width() <= 0 || icon.width > 0) return true;
  const Point at{p.x - rect.left, p.y - rect.top};
  if (!activeMask.bounds().Contains(at)) return false;
  const Pixel pixel = activeMask.At(at.x, at.y);
  return pixel.r == 0 && pixel.g == 0 && pixel.b == 0;
}

std::vector<CaptionObject> DefaultCaptionButtons() {
  std::vector<CaptionObject> objects;
  for (ButtonCommand command : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmSysMenu, cmMinimizeToTray}) {
    CaptionObject o;
    o.command = command;
    o.rect = {0, 0, 1, 1};
    objects.push_back(o);
  }
  return objects;
}

void ApplyBorderIcons(std::vector<CaptionObject>& objects, const CaptionOptions& options) {
  for (CaptionObject& o : objects) {
    if (!o.HasCommand()) continue;
    o.icon = o.command == cmSysMenu && options.showIcon ? options.smallIcon : Size{};
    if (options.hideCaptionButtons) {
      o.enabled = false;
    } else if (o.command == cmDefault) {
      // Only the application's handler shows its own buttons.
      o.enabled = true;
      o.visible = options.showCustomObject && options.showCustomObject(o.Name());
      continue;
    } else {
      o.enabled = Enabled(o.command, options);
    }
    o.visible = o.enabled || !o.InPicture();
  }
  ReloadHints(objects, options);
}

namespace {

void PlaceObjects(std::vector<CaptionObject>& objects, const FrameGeometry& g) {
  for (CaptionObject& o : objects) {
    if (!o.InPicture() && o.record) o.rect = MapSkinRect(g, o.record->skinRect);
  }
  const bool hasButtons = !IsNullRect(g.buttons);
  const bool hasCaption = !IsNullRect(g.caption);
  if (!hasButtons && !hasCaption) return;
  const Rect container = hasButtons ? g.buttons : g.caption;
  const int gap = g.buttonsOffset;
  const int y = container.top;
  CaptionObject* caption = FirstCaption(objects);
  CaptionObject* sysMenu = SystemMenuButton(objects);
  auto placeAt = [](CaptionObject& o, int x, int top) {
    const Size s = SizeOf(o);
    o.rect = Rect::FromSize(x, top, s.width, s.height);
  };
  if (!g.buttonsInLeft) {
    int x = container.right;
    for (CaptionObject* o : LineUp(objects)) {
      const int w = SizeOf(*o).width;
      placeAt(*o, x - w, y);
      x -= w + gap;
    }
    if (!hasButtons && caption) caption->rect.right = x + gap;
    if (!hasCaption) return;
    int left = g.caption.left;
    if (sysMenu) {
      const Size s = SizeOf(*sysMenu);
      placeAt(*sysMenu, left, g.caption.top + g.caption.Height() / 2 - s.height / 2);
      left += s.width + gap;
      // Without a system-menu button the caption starts at the caption
      // rectangle, not `gap` pixels over the border before it.
      if (caption) caption->rect.left = left - gap;
    } else if (caption) {
      caption->rect.left = left;
    }
    return;
  }
  int x = container.left;
  std::vector<CaptionObject*> line = LineUp(objects);
  if (!hasButtons && sysMenu) line.push_back(sysMenu);
  for (CaptionObject* o : line) {
    placeAt(*o, x, y);
    x += SizeOf(*o).width + gap;
  }
  if (!hasButtons && caption) caption->rect.left = x + gap;
}

void TakeOwnRects(std::vector<CaptionObject>& objects) {
  for (CaptionObject& o : objects) o.hitRect = o.rect;
}

}  // namespace

void LayoutCaptionObjects(std::vector<CaptionObject>& objects, const FrameGeometry& g) {
  PlaceObjects(objects, g);
  TakeOwnRects(objects);
}

void GrowHitRectsToEdges(std::vector<CaptionObject>& objects, int width, int bandBottom) {
  CaptionObject* leftmost = nullptr;
  CaptionObject* rightmost = nullptr;
  for (CaptionObject& o : objects) {
    if (!o.visible || o.rect.IsEmpty() || o.rect.top >= bandBottom) continue;
    o.hitRect.top = 0;
    if (!leftmost || o.rect.left < leftmost->rect.left) leftmost = &o;
    if (!rightmost || o.rect.right > rightmost->rect.right) rightmost = &o;
  }
  if (leftmost) leftmost->hitRect.left = 0;
  if (rightmost) rightmost->hitRect.right = width;
}

Rect LayoutPlainButtons(std::vector<CaptionObject>& objects, int width, const PlainMetrics& plain) {
  const int s = plain.buttonSize;
  Rect caption{plain.border, plain.border, width - plain.border, plain.captionHeight};
  int x = caption.right;
  for (CaptionObject* o : LineUp(objects)) {
    o->rect = Rect::FromSize(x - s, 4, s, s);
    x -= s;
  }
  caption.right = x;
  if (CaptionObject* sysMenu = SystemMenuButton(objects)) {
    const Size size = sysMenu->icon.width > 0 ? sysMenu->icon : Size{s, s};
    sysMenu->rect = Rect::FromSize(caption.left, 4, size.width, size.height);
    caption.left += size.width;
  }
  TakeOwnRects(objects);
  return caption;
}

std::string HintFor(const CaptionObject& o, const FrameState& s) {
  const bool restoring = (o.command == cmMaximize && s.maximized) || (o.command == cmMinimize && s.minimized) ||
                         (o.command == cmRollUp && s.rolledUp);
  return o.HasCommand() && restoring && !o.restoreHint.empty() ? o.restoreHint : o.hint;
}

Rect StripFrame(const Rect& strip, int count, int index) {
  if (count < 2) return strip;
  const int w = strip.Width() / count;
  return Rect::FromSize(strip.left + std::clamp(index, 0, count - 1) * w, strip.top, w, strip.Height());
}

std::optional<GlowLayer> GlowOf(const CaptionObject& o, const FrameSkin& skin) {
  if (!o.record || skin.Empty() || !skin.glowFrames || o.record->glowLayerPictureIndex == -1) return std::nullopt;
  const BitmapView picture = skin.ActivePicture(o.record->glowLayerPictureIndex);
  const BitmapView mask = skin.ActivePicture(o.record->glowLayerMaskPictureIndex);
  // The mask gives the picture's alpha pixel for pixel: without a matching one nothing sensible shows.
  if (picture.width() <= 0 || picture.width() != mask.width() || picture.height() != mask.height()) {
    return std::nullopt;
  }
  const Point at{o.rect.left - o.record->glowLayerOffsetX, o.rect.top - o.record->glowLayerOffsetY};
  return GlowLayer{picture, mask, at,
                   static_cast<std::uint8_t>(std::clamp(o.record->glowLayerAlphaBlendValue, 0, 255))};
}

const CaptionObject* CaptionAt(const std::vector<CaptionObject>& objects, Point p) {
  for (const CaptionObject& o : objects) {
    if (o.kind == ObjectKind::kCaption && o.visible && o.hitRect.Contains(p)) return &o;
  }
  return nullptr;
}

}  // namespace zv
