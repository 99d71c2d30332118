#include "win32/forms/controls.h"

#include "core/base/display_scale.h"
#include "win32/forms/application.h"
#include "win32/forms/form.h"
#include "win32/platform/handles.h"
#include "win32/platform/text.h"

namespace zv::win {

namespace {

void FillSysColor(HDC dc, const RECT& r, int sysColor) { FillRect(dc, &r, GetSysColorBrush(sysColor)); }

// Highlight on the top and left, shadow on the bottom and right (or the
// reverse when sunken).
void DrawBevel(HDC dc, RECT r, bool raised) {
  const int light = raised ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW;
  const int dark = raised ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
  FillSysColor(dc, {r.left, r.top, r.right, r.top + 1}, light);
  FillSysColor(dc, {r.left, r.top, r.left + 1, r.bottom}, light);
  FillSysColor(dc, {r.left, r.bottom - 1, r.right, r.bottom}, dark);
  FillSysColor(dc, {r.right - 1, r.top, r.right, r.bottom}, dark);
}

void DrawCaption(HDC dc, HFONT font, const std::string& cp936, RECT r, UINT format) {
  ScopedSelect select(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  const std::wstring text = Wide(cp936);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

Panel::Panel(Form& owner, Control& parent, std::string name, const Rect& bounds, bool raisedBevel)
    : Control(owner, &parent, std::move(name)), bevelWidth_(raisedBevel ? 1 : 0) {
  // The bevel follows the edges: a new size repaints the whole panel, or
  // the old edges' lines stay behind.
  RegisterClassOnce(L"ZvPanel", nullptr, GetSysColorBrush(COLOR_BTNFACE), CS_HREDRAW | CS_VREDRAW);
  SetBounds(bounds);
  CreateWindowOf(L"ZvPanel", WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

Rect Panel::ChildArea() const { return Control::ChildArea().Inflate(-bevelWidth_, -bevelWidth_); }

void Panel::Paint(HDC dc) {
  RECT r{};
  GetClientRect(hwnd_, &r);
  if (bevelWidth_ > 0) DrawBevel(dc, r, true);
  DrawCaption(dc, owner().font(), Caption(), r, DT_CENTER | DT_VCENTER);
}

Button::Button(Form& owner, Control& parent, std::string name, const Rect& bounds, const std::string& caption)
    : Control(owner, &parent, std::move(name)) {
  SetBounds(bounds);
  CreateWindowOf(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0);
  SetCaption(caption);
}

void Button::OnCommand(WORD code) {
  if (code == BN_CLICKED) Click();
}

Memo::Memo(Form& owner, Control& parent, std::string name, const Rect& bounds, bool verticalScrollBar)
    : Control(owner, &parent, std::move(name)) {
  SetBounds(bounds);
  CreateWindowOf(
      L"EDIT",
      WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (verticalScrollBar ? WS_VSCROLL : 0),
      WS_EX_CLIENTEDGE);
  SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);  // no 30,000-character cap on articles
}

void Memo::SetTextUtf8(std::string_view utf8) { SetWindowTextW(hwnd_, WideFromUtf8(utf8).c_str()); }

std::string Memo::TextUtf8() const { return Utf8FromWide(WindowText(hwnd_)); }

std::vector<std::string> Memo::DisplayedLines() const {
  int count = static_cast<int>(SendMessageW(hwnd_, EM_GETLINECOUNT, 0, 0));
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    const auto start = SendMessageW(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(i), 0);
    const auto length = static_cast<std::size_t>(SendMessageW(hwnd_, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
    std::wstring text(std::max<std::size_t>(length, 1), L'\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(std::min<std::size_t>(text.size(), 0xFFFF));
    const auto copied = SendMessageW(hwnd_, EM_GETLINE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    lines.push_back(Utf8FromWide(text));
  }
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

ListBox::ListBox(Form& owner, Control& parent, std::string name, const Rect& bounds, int itemHeight)
    : Control(owner, &parent, std::move(name)), itemHeight_(itemHeight) {
  SetBounds(bounds);
  CreateWindowOf(L"LISTBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_CLIPCHILDREN | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                 WS_EX_CLIENTEDGE);
  SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, itemHeight);
}

// After the form's new font, which resets the height to the font's.
void ListBox::ScaleContents(int from, int to) {
  itemHeight_ = RescaleLength(itemHeight_, from, to);
  SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, itemHeight_);
}

void ListBox::Clear() { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }

void ListBox::Add(const std::string& utf8) {
  SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(utf8).c_str()));
}

int ListBox::Count() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }

std::string ListBox::Item(int index) const {
  const auto length = SendMessageW(hwnd_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(hwnd_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()))));
  return Utf8FromWide(text);
}

bool ListBox::Selected(int index) const { return SendMessageW(hwnd_, LB_GETCURSEL, 0, 0) == index; }

void ListBox::Select(int index) { SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void ListBox::OnCommand(WORD code) {
  if (code == LBN_SELCHANGE) Click();
}

Label::Label(Form& owner, Control& parent, std::string name, const Rect& bounds, const std::string& caption)
    : Control(owner, &parent, std::move(name)) {
  SetBounds(bounds);
  CreateWindowOf(L"STATIC", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0);
  SetCaption(caption);
}

}  // namespace zv::win
