#include "win32/forms/control.h"

#include <stdexcept>

#include "core/base/display_scale.h"
#include "win32/forms/application.h"
#include "win32/forms/form.h"
#include "win32/platform/handles.h"
#include "win32/platform/text.h"
#include "win32/platform/window_class.h"

namespace zv::win {

Control::Control(Form& owner, Control* parent, std::string name)
    : owner_(owner), parent_(parent), name_(std::move(name)) {
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (parent_) std::erase(parent_->children_, this);
  // A child moved here after its creation (a promotion slot into the
  // library list) is destroyed after this control and must not reach back.
  for (Control* child : children_) child->parent_ = nullptr;
}

Control* Control::FromWindow(HWND hwnd) {
  return hwnd ? reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

void Control::RegisterClassOnce(const wchar_t* className, HCURSOR cursor, HBRUSH background, UINT style) {
  RegisterWindowClassOnce({className, WindowProc, CS_DBLCLKS | style, cursor, background});
}

void Control::CreateWindowOf(const wchar_t* className, DWORD style, DWORD exStyle) {
  const Rect b = layout_.bounds;
  HWND parentWindow = parent_ ? parent_->hwnd() : nullptr;
  if (parent_) style |= WS_CHILD | WS_CLIPSIBLINGS;
  hwnd_ = CreateWindowExW(exStyle, className, L"", style, b.left, b.top, b.Width(), b.Height(), parentWindow, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("Cannot create the window of " + name_);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // A control created later lies above the ones created before it.
  if (parent_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(owner_.font()), FALSE);
}

void Control::PlaceWindow(const Rect& bounds) {
  layout_.bounds = bounds;
  if (hwnd_ && parent_) MoveWindow(hwnd_, bounds.left, bounds.top, bounds.Width(), bounds.Height(), TRUE);
}

Rect Control::TakeBounds(const Rect& wanted) {
  PlaceWindow(wanted);
  return wanted;
}

void Control::SetBounds(const Rect& bounds) {
  TakeBounds(bounds);
  RealignParent();
}

void Control::RealignParent() {
  if (parent_) parent_->Realign();
}

void Control::SetAlign(Align align) {
  layout_.align = align;
  if (parent_) parent_->Realign();
}

void Control::SetAnchors(Anchors anchors) { layout_.anchors = anchors; }

void Control::SetParent(Control& parent) {
  Control* old = parent_;
  if (old) std::erase(old->children_, this);
  parent_ = &parent;
  parent.children_.push_back(this);
  ::SetParent(hwnd_, parent.hwnd());
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (old) old->Realign();
  parent.Realign();
}

void Control::SetCaption(const std::string& cp936) { SetWindowTextW(hwnd_, Wide(cp936).c_str()); }

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string Control::Caption() const { return Narrow(WindowText(hwnd_)); }

void Control::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

Rect Control::ChildArea() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return {r.left, r.top, r.right, r.bottom};
}

void Control::Realign() {
  if (!hwnd_ || children_.empty() || owner_.loading() || aligning_) return;
  const Rect area = ChildArea();
  if (!laidOut_) lastChildArea_ = area;
  // A child taking other bounds than laid out would otherwise ask for this
  // layout again from inside it.
  aligning_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{aligning_};
  const std::vector<Control*> children = children_;
  std::vector<LayoutItem*> items;
  for (Control* child : children) items.push_back(&child->layout_);
  ArrangeChildren(items, lastChildArea_, area, [&](std::size_t i, const Rect& wanted) {
    Control& child = *children[i];
    if (child.hwnd_) return child.TakeBounds(wanted);
    child.layout_.bounds = wanted;  // still being made: its window starts there
    return wanted;
  });
  lastChildArea_ = area;
  laidOut_ = true;
}

void Control::ChangeScale(int from, int to) {
  lastChildArea_ = RescaleRect(lastChildArea_, from, to);
  if (parent_) PlaceWindow(RescaleRect(layout_.bounds, from, to));
  ScaleContents(from, to);
  for (Control* child : children_) child->ChangeScale(from, to);
}

bool Control::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (Control* child = FromWindow(reinterpret_cast<HWND>(lParam))) {
        Application::Instance().Guard([&] { child->OnCommand(HIWORD(wParam)); });
        return true;
      }
      return false;
    case WM_SIZE:
      Realign();
      return false;
    case WM_PAINT: {
      PaintScope scope(hwnd_);
      Paint(scope.dc());
      result = 0;
      return true;
    }
    case WM_LBUTTONDOWN:
      pressed_ = true;
      SetCapture(hwnd_);
      return false;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      if (GetCapture() == hwnd_) ReleaseCapture();
      RECT client{};
      GetClientRect(hwnd_, &client);
      const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (wasPressed && PtInRect(&client, p)) Click();
      return false;
    }
    default:
      return false;
  }
}

void Control::Click() {
  if (OnClick) Application::Instance().Guard(OnClick);
}

void Control::OnCommand(WORD) {}

void Control::Paint(HDC) {}

LRESULT CALLBACK Control::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<Control*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (Control* self = FromWindow(hwnd)) {
    LRESULT result = 0;
    if (self->HandleMessage(msg, wParam, lParam, result)) return result;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace zv::win
