#pragma once
// The skinned hint: TzsSkinHintWindow sizes, places and paints a hint from
// the skin's HINTWINDOW section (or the plain look), and TzsSkinHint shows
// it at a point or by itself after the hint pause, hiding it after the hide
// pause.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/controls/skin_panel.h"
#include "core/menus/frame_hints.h"
#include "core/menus/menu_platform.h"
#include "core/menus/menu_skin.h"

namespace zv {

// The text cut into lines at each `separator`; an empty separator cuts nothing.
std::vector<std::string> HintLines(std::string_view text, std::string_view separator);

struct HintContent {
  std::string text;
  std::string title;
  const SkinImageList* images = nullptr;
  int imageIndex = 0;
};

// A hint about to show, as an OnShowHint handler may change it.
struct HintShowing {
  HintContent content;
  Point at;  // screen
  bool canShow = true;
};

struct HintOptions {
  std::string lineSeparator = "@";
  bool useSkinFont = true;
  FontSpec defaultFont{"MS Sans Serif", -11, 0, 0};
  bool alphaBlend = false;
  int alphaBlendValue = 0;
  bool alphaBlendAnimation = false;
};

class TzsSkinHintWindow {
 public:
  TzsSkinHintWindow(MenuPlatform& platform, const MenuSkin& skin, const HintOptions& options);
  // The skin is kept by reference: a temporary would be gone at once.
  TzsSkinHintWindow(MenuPlatform& platform, MenuSkin&& skin, const HintOptions& options) = delete;
  ~TzsSkinHintWindow();

  // Sizes the window for `content`.
  void Prepare(const HintContent& content);
  // Top-left at `at`, moved left by its width + 2 or up by its height + 2
  // where it would pass the edges of `bounds`.
  Point PlaceAt(Point at, const Rect& bounds) const;
  // Prepares, places and shows the window; Hide takes it down.
  void ActivateHint(Point at, const HintContent& content);
  void Hide();
  bool Shown() const { return host_ != nullptr; }

  bool Skinned() const { return skin_.hint != nullptr; }
  Size WindowSize() const { return size_; }
  Rect Bounds() const { return Rect::FromSize(position_.x, position_.y, size_.width, size_.height); }
  // The fitted client rectangle (the text area of the plain look).
  Rect Client() const;
  const SkinPoints& FittedPoints() const { return fitted_; }
  const std::vector<Rect>& Region() const { return region_; }
  void Paint(const BitmapView& canvas) const;

 private:
  FontSpec Font(bool bold) const;
  Size MeasureLines(const FontSpec& font) const;
  const Bitmap* Image() const;
  void FitFrame(int width, int height);
  void PaintContent(const BitmapView& canvas, const Rect& client, ColorRef color) const;

  MenuPlatform& platform_;
  const MenuSkin& skin_;
  const HintOptions& options_;
  HintContent content_;
  std::vector<std::string> lines_;
  Size size_;
  SkinPoints fitted_;
  Point position_;
  std::vector<Rect> region_;
  std::unique_ptr<PopupHost> host_;
};

class TzsSkinHint {
 public:
  static constexpr int kShowTimerId = 11;
  static constexpr int kHideTimerId = 12;

  TzsSkinHint(MenuPlatform& platform, const MenuSkin& skin);

  HintOptions Options;
  bool Active = true;
  unsigned HintPause = 500;
  unsigned HintHidePause = 2500;
  // Called for each hint of the application this component shows, once the
  // hinted control's title and image are read.
  std::function<void(HintShowing&)> OnShowHint;

  // Shows `content` at the screen point at once.
  void ShowAt(Point at, const HintContent& content);
  // Shows `text` below the cursor after the hint pause.
  void ShowByItself(std::string text);
  void Hide();
  void TimerTick(int id);
  TzsSkinHintWindow& Window() { return window_; }

 private:
  MenuPlatform& platform_;
  TzsSkinHintWindow window_;
  std::string pending_;
};

// The hint a skinned control offers: its text with its title and image.
HintContent HintOf(const TzsSkinControl& control);

// The application's hints. Hint components register here; the first active
// one shows every hint, and activating one deactivates the others. While the
// mouse rests on something with a hint, the hint appears after the hint
// pause below the cursor (after the short pause when another hint was just
// up) and goes after the hide pause, or when the mouse leaves or presses.
// Caption buttons reach it as the frame's hint window.
class TzsApplicationHints : public FrameHints {
 public:
  static constexpr int kShowTimerId = 21;
  static constexpr int kHideTimerId = 22;

  // `below` is where a hint goes: under the cursor, in screen coordinates.
  TzsApplicationHints(TimerHost& timers, std::function<Point()> below);

  unsigned HintPause = 500;
  unsigned HintShortPause = 50;
  unsigned HintHidePause = 2500;

  // A hint component comes or goes; one coming shortens the short pause.
  void Add(TzsSkinHint& hint);
  void Remove(TzsSkinHint& hint);
  void Activate(TzsSkinHint& hint);
  // The first active hint component, or none.
  TzsSkinHint* Serving() const;

  // The mouse rests on `source` (any identity), which offers `content`; an
  // empty text shows nothing. Moving within the same source changes nothing.
  void MouseOver(const void* source, const HintContent& content);
  void MouseLeave(const void* source);
  // A press hides the hint until the mouse moves to another source.
  void MouseDown();
  void TimerTick(int id);
  bool Pending() const { return showPending_; }

  // FrameHints: the caption button under the mouse.
  void ShowHint(const std::string& text, const Rect& object) override;
  void HideHint() override;

 private:
  void HideShown();

  TimerHost& timers_;
  std::function<Point()> below_;
  std::vector<TzsSkinHint*> hints_;
  const void* source_ = nullptr;
  HintContent content_;
  bool showPending_ = false;
  bool shown_ = false;
};

}  // namespace zv
