#pragma once
// The main window wearing the skin's frame, with helpers that press, hit-test
// and click it as the platform would hand the messages over.
#include <windows.h>

#include <string>
#include <vector>

#include "win32/frame/skin_form.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {

class SkinFormTest : public MainWindowTest {
 protected:
  // Opened whole on the null driver's 1024 by 768 screen, in front, for the
  // platform's own input.
  void OpenOnTheScreen() {
    Open();
    SetWindowPos(hwnd(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetForegroundWindow(hwnd());
  }
  HWND hwnd() const { return form->hwnd(); }
  RECT WindowRect() const {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    return r;
  }
  int Width() const { return WindowRect().right - WindowRect().left; }
  LRESULT HitAt(int x, int y) const {
    const RECT r = WindowRect();
    return SendMessageW(hwnd(), WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
  }
  void Mouse(UINT msg, WPARAM hit, int x, int y) const {
    const RECT r = WindowRect();
    SendMessageW(hwnd(), msg, hit, MAKELPARAM(r.left + x, r.top + y));
  }
  Rect Bounds() const {
    const RECT r = WindowRect();
    return {r.left, r.top, r.right, r.bottom};
  }
  // The middle of the first caption button of `command`, window coordinates.
  Point ButtonCentre(ButtonCommand command) const {
    for (const CaptionObject& o : form->zsfrm->frame().objects()) {
      if (o.command == command) return {(o.rect.left + o.rect.right) / 2, (o.rect.top + o.rect.bottom) / 2};
    }
    ADD_FAILURE() << "no such caption button";
    return {};
  }
  // A left click on the first caption button of `command`.
  void ClickButton(ButtonCommand command) const {
    SendMessageW(hwnd(), WM_NCACTIVATE, TRUE, 0);
    const Point c = ButtonCentre(command);
    Mouse(WM_NCLBUTTONDOWN, HTOBJECT, c.x, c.y);
    Mouse(WM_NCLBUTTONUP, HTOBJECT, c.x, c.y);
  }
  WindowState State() const { return form->zsfrm->states().State(); }
};

struct RecordingHints : FrameHints {
  std::vector<std::string> log;
  void ShowHint(const std::string& text, const Rect&) override { log.push_back("show " + text); }
  void HideHint() override { log.push_back("hide"); }
};

// The names of the open system menu's items, or nothing when it is closed.
std::vector<std::string> OpenMenuNames(TzsSkinForm& skinForm);

// Presses and releases the left button `clicks` times at `screen` through
// the platform's input queue, from another thread, as a user's hand would:
// the window's own thread meanwhile runs its messages (and any move loop a
// press starts). Returns when the input has been handled.
void ClickWithTheMouse(Point screen, int clicks);
// Presses the left button at `from`, drags it `by` in ten steps and lets go.
void DragWithTheMouse(Point from, Size by);

}  // namespace zv::win::test
