#include "win32/forms/form.h"

#include <algorithm>
#include <cwchar>

#include "core/controls/skin_control.h"
#include "core/skin/skin_data.h"
#include "core/ui/scaled_layout.h"
#include "core/ui/tab_order.h"
#include "win32/forms/application.h"
#include "win32/forms/form_registry.h"
#include "win32/platform/dpi.h"
#include "win32/platform/readable_font.h"
#include "win32/platform/text.h"

namespace zv::win {

namespace {

constexpr wchar_t kFormClass[] = L"ZvForm";

// "MS Sans Serif" 8 pt as designed; asking for the GB2312 character set lets
// the font mapper pick a face with the Chinese glyphs on any Windows locale,
// and the system controls (the library list) draw Latin text with it too.
Font CreateFormFont(int dpi) {
  LOGFONTW font{};
  font.lfHeight = FontHeightAtDpi(-11, dpi);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::wcscpy(font.lfFaceName, L"MS Sans Serif");
  return CreateReadableFont(font);
}

std::vector<SkinControlTree> SkinTree(const std::vector<Control*>& controls) {
  std::vector<SkinControlTree> tree;
  for (Control* c : controls) tree.push_back({c->SkinControl(), SkinTree(c->children())});
  return tree;
}

void RealignTree(Control& control) {
  control.Realign();
  for (Control* child : control.children()) RealignTree(*child);
}

}  // namespace

Form::Form(const std::string& name) : Control(*this, nullptr, name), font_(CreateFormFont(kBaseDpi)) {}

Form::~Form() {
  WinFormRegistry::Instance().Remove(*this);
  isMainForm_ = false;  // destroying is not closing: no quit message
  // Reverse creation order: children go before their parents.
  while (!components_.empty()) components_.pop_back();
}

Form* Form::FromWindow(HWND hwnd) { return dynamic_cast<Form*>(Control::FromWindow(hwnd)); }

void Form::CreateForm(const FormDescription& d) {
  isMainForm_ = d.isMainForm;
  RegisterClassOnce(kFormClass, nullptr, GetSysColorBrush(COLOR_BTNFACE));
  constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  RECT frame{0, 0, d.clientSize.width, d.clientSize.height};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  SetBounds(Rect::FromSize(d.position.x, d.position.y, frame.right - frame.left, frame.bottom - frame.top));
  CreateWindowOf(kFormClass, kStyle, 0);
  SetCaption(d.caption);
  // Once it has a window the form hears skin changes, its own first.
  WinFormRegistry::Instance().Add(*this);
}

void Form::ReceiveSkinMessage(SkinMessage message, TzsSkinData& sender, long param) {
  if (hwnd_) SendMessageW(hwnd_, message, reinterpret_cast<WPARAM>(&sender), static_cast<LPARAM>(param));
}

void Form::Loaded() {
  loading_ = false;
  RealignTree(*this);
  Application::Instance().Guard([&] { FormCreate(); });
  AdoptDpi(WindowDpi(hwnd_), nullptr);
}

void Form::AdoptDpi(int dpi, const RECT* place) {
  if (dpi == dpi_ || !IsSupportedDpi(dpi)) return;
  RECT r{};
  GetWindowRect(hwnd_, &r);
  const int from = dpi_;
  const RECT target = place ? *place
                            : RECT{r.left, r.top, r.left + RescaleLength(r.right - r.left, from, dpi),
                                   r.top + RescaleLength(r.bottom - r.top, from, dpi)};
  // Turning redraw back on shows a window: only a shown one is held.
  const bool shown = IsWindowVisible(hwnd_);
  if (shown) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  loading_ = true;  // the controls take their new places before any layout
  ChangeDpi(from, dpi);
  loading_ = false;
  SetWindowPos(hwnd_, nullptr, target.left, target.top, target.right - target.left, target.bottom - target.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  RealignTree(*this);
  if (!shown) return;
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The new font first: a list box takes its item height from it, and its
// own height after.
void Form::ChangeDpi(int from, int to) {
  dpi_ = to;
  font_ = CreateFormFont(to);
  for (const auto& c : components_) SendMessageW(c->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  ChangeScale(from, to);
}

std::vector<Control*> Form::TabStops() const {
  std::vector<Control*> controls;
  std::vector<TabEntry> entries;
  for (const auto& c : components_) controls.push_back(c.get());
  for (Control* c : controls) {
    const auto parent = std::find(controls.begin(), controls.end(), c->parent());
    const bool usable = IsWindowVisible(c->hwnd()) && IsWindowEnabled(c->hwnd());
    entries.push_back({parent == controls.end() ? -1 : static_cast<int>(parent - controls.begin()), c->tabOrder(),
                       c->CanFocus() && usable});
  }
  std::vector<Control*> stops;
  for (int i : TabSequence(entries)) stops.push_back(controls[static_cast<std::size_t>(i)]);
  return stops;
}

void Form::FocusNext(bool forward) {
  const auto stops = TabStops();
  if (stops.empty()) return;
  const HWND focus = GetFocus();
  auto current = std::find_if(stops.begin(), stops.end(),
                              [&](Control* c) { return c->hwnd() == focus || IsChild(c->hwnd(), focus); });
  std::ptrdiff_t index = current == stops.end() ? -1 : current - stops.begin();
  const auto count = static_cast<std::ptrdiff_t>(stops.size());
  index = forward ? (index + 1) % count : (index <= 0 ? count - 1 : index - 1);
  SetFocus(stops[static_cast<std::size_t>(index)]->hwnd());
}

void Form::Show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
  const auto stops = TabStops();
  if (!stops.empty() && !IsChild(hwnd_, GetFocus())) SetFocus(stops.front()->hwnd());
}

void Form::Close() { SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

bool Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SHOWWINDOW:
      if (wParam) Application::Instance().Guard([&] { FormShow(); });
      return false;
    case WM_CLOSE:
      Application::Instance().Guard([&] { FormClose(); });
      if (isMainForm_) {
        DestroyWindow(hwnd_);
      } else {
        ShowWindow(hwnd_, SW_HIDE);
      }
      result = 0;
      return true;
    case WM_DESTROY:
      if (isMainForm_) PostQuitMessage(0);
      return false;
    case WM_DPICHANGED:
      AdoptDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      result = 0;
      return true;
    case WM_SYSCOLORCHANGE:
      // Only top-level windows hear of it; controls that keep colours need it too.
      for (const auto& c : components_) SendMessageW(c->hwnd(), WM_SYSCOLORCHANGE, wParam, lParam);
      return false;
    case ZSM_SKINCHANGING:
    case ZSM_SKINCHANGED:
      // The skinned controls drop their records before the change and look
      // them up again after it, parents before children.
      RelaySkinChange(msg, reinterpret_cast<TzsSkinData*>(wParam), SkinTree(children()));
      result = 0;
      return true;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        lastFocus_ = GetFocus();
      } else if (lastFocus_ && IsChild(hwnd_, lastFocus_)) {
        SetFocus(lastFocus_);
        result = 0;
        return true;
      }
      return false;
    default:
      return Control::HandleMessage(msg, wParam, lParam, result);
  }
}

}  // namespace zv::win
