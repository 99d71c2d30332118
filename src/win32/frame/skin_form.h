#pragma once
// TzsSkinForm: replaces a form's platform frame with the skin's. It
// subclasses the form's window (SetWindowSubclass chains safely, so a
// second attachment cannot recurse), answers the non-client messages from
// the core's SkinFrame, sets the window region, captures the mouse for the
// caption buttons and blits the core's frame picture in one copy.
#include <windows.h>

#include <memory>

#include "core/frame/frame_commands.h"
#include "core/frame/skin_frame.h"
#include "core/frame/snapping.h"
#include "core/platform/text_renderer.h"
#include "core/skin/skin_data.h"
#include "win32/platform/dib_surface.h"

namespace zv::win {

// The window commands done by the platform: close, maximise, minimise and
// restore as system commands. Roll-up, the tray and the system menu belong
// to the window-state work that completes this seam.
class PlatformFrameCommands : public FrameCommands {
 public:
  explicit PlatformFrameCommands(HWND window) : window_(window) {}
  void Run(FrameCommand command, const Rect& anchor) override;

 private:
  HWND window_;
};

class TzsSkinForm {
 public:
  TzsSkinForm(HWND window, TextRenderer& text);
  ~TzsSkinForm();
  TzsSkinForm(const TzsSkinForm&) = delete;
  TzsSkinForm& operator=(const TzsSkinForm&) = delete;

  // Published properties (creation values; the program sets its own).
  void SetSkinData(TzsSkinData* data);
  TzsSkinData* SkinData() const { return data_; }
  void SetBorderIcons(const BorderIcons& icons);
  bool AlwaysResize = false;
  bool AlwaysMinimizeToTray = false;
  bool AlwaysShowInTray = false;
  bool DisableSystemMenu = false;
  bool ShowObjectHint = false;
  bool Magnetic = false;
  int MagneticSize = 5;
  FrameLimits Limits;
  // The client size kept after each skin change; 0 keeps the window's size.
  int ClientWidth = 0;
  int ClientHeight = 0;

  // Where the caption buttons' commands go; the platform's by default.
  void SetCommands(FrameCommands* commands) { commands_ = commands ? commands : &platformCommands_; }
  // The hint window for the buttons' hints (with ShowObjectHint); none by default.
  void SetHints(FrameHints* hints) { hints_ = hints; }
  bool Skinnable() const { return skinnable_; }
  void SetSkinnable(bool skinnable);
  const SkinFrame& frame() const { return frame_; }

  // Draws the frame into `dc` (whole-window coordinates), as WM_NCPAINT does.
  void PaintFrameInto(HDC dc);

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

  void ApplyFormSkin();
  void UpdateFrame();
  void UpdateRegion();
  void Repaint();
  bool BelowMinimum() const;
  bool Resizable() const;
  Point WindowPoint(LPARAM screenPoint) const;
  Point CursorInWindow() const;
  TrackContext Context() const;
  void Track(Point p, bool tracking);
  void UpdateHint(int previous);
  void Press(MouseButton button, Point p, WPARAM hit);
  void Release(MouseButton button);
  void DoubleClick(Point p, WPARAM hit);
  void TrackingTick();
  void StopTracking();
  void StartMorphing();
  void StopTimers();
  void Run(FrameCommand command, const Rect& anchor);
  void PaintClientBackground(HDC dc);
  void OnMinMaxInfo(MINMAXINFO& info);

  HWND window_;
  TextRenderer& text_;
  TzsSkinData* data_ = nullptr;
  SkinFrame frame_;
  CaptionOptions options_;
  PlatformFrameCommands platformCommands_;
  FrameCommands* commands_ = &platformCommands_;
  FrameHints* hints_ = nullptr;
  SizeMoveMarks sizeMove_;
  SnapState snap_;
  DibSurface surface_;
  bool skinnable_ = true;
  bool paintSuppressed_ = false;
  bool active_ = false;
  bool tracking_ = false;
  bool morphing_ = false;
  bool attached_ = false;
};

}  // namespace zv::win
