#pragma once
// The window side shared by every skinned control: it carries out what the
// core control asks (bounds, repaint, shape, the parent's background,
// children, timers), swallows erase-background, and paints the control into
// a DIB section kept per size, blitted once.
#include <vector>

#include "core/controls/skin_control.h"
#include "core/platform/timer_host.h"
#include "win32/forms/control.h"
#include "win32/platform/dib_surface.h"
#include "win32/platform/gdi_text_renderer.h"

namespace zv::win {

class SkinHostWindow : public Control, protected SkinControlHost, protected TimerHost {
 public:
  ~SkinHostWindow() override;
  // The control painted as a paint message would paint it.
  Bitmap Snapshot();
  TzsSkinControl* SkinControl() override { return &Skin(); }

 protected:
  SkinHostWindow(Form& owner, Control& parent, std::string name);
  // Registers the class (no background brush, no redraw styles) and creates
  // the window; called once the core control exists.
  void CreateHost(const wchar_t* className, DWORD style, DWORD exStyle);
  virtual TzsSkinControl& Skin() = 0;
  virtual void TimerTick(int id) { (void)id; }
  // Paints the control into the surface at the client size; false when empty.
  bool PaintSurface();
  // Asks for WM_MOUSELEAVE once per entry; true on the move that entered,
  // which also offers the control's hint to the application's hints.
  bool TrackMouse();
  static Point MousePoint(LPARAM lParam);

  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Paint(HDC dc) override;
  void ScaleContents(int from, int to) override;
  // The skin decides the size, whoever asks: a caller or the parent's layout.
  Rect TakeBounds(const Rect& wanted) override;

  // SkinControlHost
  Rect Bounds() const override { return bounds(); }
  void ApplyBounds(const Rect& b) override;
  bool HasParent() const override { return parent() != nullptr; }
  void Invalidate() override;
  void SetShape(const std::vector<Rect>& rects) override;
  void PaintParentBackground(const BitmapView& target) override;
  void NotifyChildrenParentBackChanged() override;
  void SetChildrenEnabled(bool enabled) override;
  void SetChildrenVisible(bool visible) override;
  void SetAlignSuspended(bool suspended) override { alignSuspended_ = suspended; }
  void RealignChildren() override;
  bool Enabled() const override;
  ColorRef SystemColorValue(int index) const override;
  TextRenderer& Text() override { return text_; }

  // TimerHost: timers of this window, ticking into TimerTick.
  void Start(int id, unsigned milliseconds) override;
  void Stop(int id) override;

  bool alignSuspended_ = false;
  DibSurface surface_;  // remade only when the size changes

 private:
  GdiTextRenderer text_;
  bool tracking_ = false;
  bool hinted_ = false;  // the application's hints know the mouse is here
};

}  // namespace zv::win
