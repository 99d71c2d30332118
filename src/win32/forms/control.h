#pragma once
// The window layer: every control owns one child window, knows its parent and
// children, and lays its children out by alignment and anchors. Messages are
// decoded here and handed to small virtual hooks.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/ui/align.h"

namespace zv {
class TzsSkinControl;
}

namespace zv::win {

class Form;

// A window's whole text.
std::wstring WindowText(HWND hwnd);

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const std::string& name() const { return name_; }
  HWND hwnd() const { return hwnd_; }
  Form& owner() const { return owner_; }
  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }

  // Placement in the parent's client coordinates; aligned controls follow
  // their alignment whenever the parent lays out.
  const LayoutItem& layout() const { return layout_; }
  Rect bounds() const { return layout_.bounds; }
  // Through TakeBounds; then the parent lays its children out again.
  void SetBounds(const Rect& bounds);
  void SetAlign(Align align);
  void SetAnchors(Anchors anchors);
  // Moves the control and its window into another parent and lays out both.
  void SetParent(Control& parent);

  int tabOrder() const { return tabOrder_; }
  void set_tabOrder(int order) { tabOrder_ = order; }
  // Whether the tab key stops here; containers do not.
  virtual bool CanFocus() const { return false; }
  // The skin engine's control behind a skinned window; nullptr otherwise.
  virtual TzsSkinControl* SkinControl() { return nullptr; }

  void SetCaption(const std::string& cp936);
  std::string Caption() const;
  void SetEnabled(bool enabled);

  // Places the children in this control's child area.
  void Realign();
  // Takes this control and its children from one DPI to another: their
  // places, the area they were laid out in, and what each keeps in pixels.
  // The form holds its layout meanwhile.
  void ChangeScale(int from, int to);

  std::function<void()> OnClick;

  // The control behind a window, if it is one of ours.
  static Control* FromWindow(HWND hwnd);

 protected:
  Control(Form& owner, Control* parent, std::string name);

  // Creates the window: a class of ours ("Zv..." classes route every message
  // to HandleMessage) or a system class (notifications arrive via OnCommand).
  void CreateWindowOf(const wchar_t* className, DWORD style, DWORD exStyle);
  // The part of the client area that aligned children share.
  virtual Rect ChildArea() const;
  // Every move and size, the parent's layout included, comes through here;
  // a control may keep another size than asked. Returns the bounds taken.
  virtual Rect TakeBounds(const Rect& wanted);
  // Moves and sizes the window to exactly `bounds`.
  void PlaceWindow(const Rect& bounds);
  // Lays the parent's children out again, unless it is doing so already.
  void RealignParent();
  // A message to a window of our own class; return true when handled.
  virtual bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // A notification from a system control (BN_CLICKED, LBN_SELCHANGE, ...).
  virtual void OnCommand(WORD code);
  virtual void Paint(HDC dc);
  // What a control keeps in pixels beside its bounds (an item height, the
  // status bar's panes), taken to the new DPI.
  virtual void ScaleContents(int from, int to) {
    (void)from;
    (void)to;
  }

  // A completed click: runs OnClick through the error display.
  virtual void Click();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // `style` adds class styles to the double-clicks every control takes.
  static void RegisterClassOnce(const wchar_t* className, HCURSOR cursor, HBRUSH background, UINT style = 0);

  HWND hwnd_ = nullptr;

 private:
  Form& owner_;
  Control* parent_;
  std::string name_;
  std::vector<Control*> children_;
  LayoutItem layout_;
  Rect lastChildArea_;
  bool laidOut_ = false;
  bool aligning_ = false;
  int tabOrder_ = 0;
  bool pressed_ = false;
};

}  // namespace zv::win
