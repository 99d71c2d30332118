#pragma once
// Caption objects: the caption and its buttons, one per frame entry of the
// skin's object list, laid out along the caption and shown or hidden by
// the window's border icons.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/frame/frame_skin.h"
#include "core/frame/geometry.h"

namespace zv {

class TzsResourceStrData;

enum class ObjectKind { kButton, kStdButton, kCaption, kAnimate, kUser };

struct CaptionObject {
  const TzsDataSkinObject* record = nullptr;  // nullptr: a default button of the plain frame
  ObjectKind kind = ObjectKind::kStdButton;
  ButtonCommand command = ButtonCommand::cmDefault;
  Rect rect;
  // Where it takes the mouse: its rectangle, grown to the window's edges
  // in a maximised frame (GrowHitRectsToEdges).
  Rect hitRect;
  bool enabled = true;
  bool visible = true;
  bool active = false;  // hovered (buttons) or the window active (caption)
  bool mouseIn = false;
  bool down = false;
  double morph = 0;  // 0 the normal look, 1 the active look
  // The caption's animation: the frame shown (1 to the skin's frame count;
  // other values show none) and the milliseconds spent on it.
  int animationFrame = 0;
  int animationTime = 0;
  // The system-menu button showing the form's small icon: the icon's size; empty otherwise.
  Size icon;
  // The object's active mask picture: only its black pixels take the mouse.
  BitmapView activeMask;
  // The hint, and the one shown while the window is in the state the button undoes.
  std::string hint;
  std::string restoreHint;

  // Whether the look moves from normal to active in steps: the skin asks
  // for it, has an active look, and effects are on.
  bool Morphs(const FrameSkin& skin) const;
  // A caption whose skin gives a strip of frames to play at activation.
  bool Animates(const FrameSkin& skin) const;
  // The strip frame shown now, in the active picture; null when none.
  Rect AnimationFrameRect() const;
  // Part of the active pictures and placed by the layout, rather than cut
  // from the frame picture at a fixed place.
  bool InPicture() const { return record ? record->skinRectInAPicture : true; }
  bool IsButton() const { return kind == ObjectKind::kButton || kind == ObjectKind::kStdButton; }
  // Goes down under a left press and comes up at the release.
  bool Presses() const { return IsButton() || kind == ObjectKind::kAnimate; }
  bool HasCommand() const { return kind == ObjectKind::kStdButton || kind == ObjectKind::kAnimate; }
  const std::string& Name() const;
  // Whether the mouse at `p` (window coordinates, inside `rect`) is on the
  // object: everywhere, or on its mask's black pixels when it has one.
  bool Accepts(Point p) const;
  // Whether the object takes the mouse at `p`: inside its hit rectangle,
  // and on its mask where it is drawn.
  bool Takes(Point p) const { return visible && hitRect.Contains(p) && (!rect.Contains(p) || Accepts(p)); }
};

// The window's BorderIcons; at creation the first four, this program all five.
struct BorderIcons {
  bool systemMenu = true;
  bool minimize = true;
  bool maximize = true;
  bool rollUp = true;
  bool minimizeToTray = false;
  static BorderIcons All() { return {true, true, true, true, true}; }
};

struct CaptionOptions {
  BorderIcons icons;
  bool disableSystemMenu = false;
  bool hideCaptionButtons = false;
  bool showIcon = false;   // the system-menu button shows the form's small icon
  Size smallIcon{16, 16};  // the platform's small-icon size
  // Whether an application's own button (command cmdefault) shows; none: hidden.
  std::function<bool(const std::string& name)> showCustomObject = nullptr;
  // UseDefaultObjectHint with skin data assigned: the buttons' hints are the
  // resource strings, from `strings` when given, else the built-in ones.
  bool defaultHints = false;
  const TzsResourceStrData* strings = nullptr;
};

// One object per caption entry of the skin, in list order; menu items and
// main-menu-bar entries make none.
std::vector<CaptionObject> BuildCaptionObjects(const FrameSkin& skin);
// The six buttons of the plain frame: close, maximise, minimise, roll-up,
// system menu, minimise to tray.
std::vector<CaptionObject> DefaultCaptionButtons();

// Enables and shows each button by the border icons; a button drawn as
// part of the frame picture stays visible and only stops reacting. Then
// reloads the hints.
void ApplyBorderIcons(std::vector<CaptionObject>& objects, const CaptionOptions& options);

// Places the objects: frame objects by MapSkinRect, the buttons along the
// buttons (or caption) rectangle, the caption between them. Each takes the
// mouse on its own rectangle.
void LayoutCaptionObjects(std::vector<CaptionObject>& objects, const FrameGeometry& g);
// A maximised window's objects take the mouse up to the window's edges, so
// that the pointer flung to the screen's top (or its top-right corner)
// finds the caption and the buttons: those in the top band (above
// `bandBottom`) reach the top row, the outermost ones the side edges.
void GrowHitRectsToEdges(std::vector<CaptionObject>& objects, int width, int bandBottom);
// The plain frame's layout of its default buttons for a `width` wide
// window; returns the caption rectangle left between them.
Rect LayoutPlainButtons(std::vector<CaptionObject>& objects, int width, const PlainMetrics& plain);

// The hint a button shows: its restore hint while the window is in the
// state the button undoes (maximised for maximise, minimised for minimise,
// rolled up for roll-up) and it has one, else its hint.
std::string HintFor(const CaptionObject& object, const FrameState& state);

// The `index`-th (from 0) of `count` equal frames side by side in `strip`;
// the whole strip for fewer than two frames.
Rect StripFrame(const Rect& strip, int count, int index);

// The layered glow an object shows while the mouse is on it: its picture,
// the mask giving the picture's alpha, where it goes (window coordinates)
// and its opacity.
struct GlowLayer {
  BitmapView picture;
  BitmapView mask;
  Point at;
  std::uint8_t alpha = 255;
};
// None without a loaded skin, with the skin's glow frames off, or when the
// object's glow picture or mask is missing or the two differ in size.
std::optional<GlowLayer> GlowOf(const CaptionObject& object, const FrameSkin& skin);

// The first visible caption object containing `p`, or nullptr.
const CaptionObject* CaptionAt(const std::vector<CaptionObject>& objects, Point p);

}  // namespace zv
