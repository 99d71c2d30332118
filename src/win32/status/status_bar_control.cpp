#include "win32/status/status_bar_control.h"

#include "win32/forms/form.h"

namespace zv::win {
namespace {

constexpr wchar_t kBarClass[] = L"ZvStatusBar";

RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

TSbStatusBar::TSbStatusBar(Form& owner, Control& parent, std::string name, const Rect& bounds)
    : Control(owner, &parent, std::move(name)) {
  ReadSystemColours();
  StatusBarHost& host = *this;
  bar_ = std::make_unique<zv::TSbStatusBar>(host, text_, palette_, &theme_);
  // The window paints every pixel itself, so its class has no background.
  RegisterClassOnce(kBarClass, nullptr, nullptr);
  SetBounds(bounds);
  CreateWindowOf(kBarClass, WS_VISIBLE, 0);
  theme_.Open(hwnd_);
  ApplyClientSize();
}

// The panes leave the process-wide lists while the window still exists.
TSbStatusBar::~TSbStatusBar() { bar_.reset(); }

void TSbStatusBar::Loaded() {
  bar_->Loaded();
  const Rect b = bounds();
  if (bar_->Height() != b.Height()) SetBounds(Rect::FromSize(b.left, b.top, b.Width(), bar_->Height()));
}

// The bar keeps its standard height at the new scale: its place follows.
void TSbStatusBar::ScaleContents(int, int to) {
  bar_->SetDpi(to);
  const Rect b = bounds();
  PlaceWindow(Rect::FromSize(b.left, b.top, b.Width(), bar_->Height()));
}

void TSbStatusBar::ReadSystemColours() {
  for (std::size_t i = 0; i < palette_.colours.size(); ++i) palette_.colours[i] = GetSysColor(static_cast<int>(i));
}

void TSbStatusBar::ApplyClientSize() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  bar_->SetSize(client.right, client.bottom);
}

void TSbStatusBar::PaintTo(HDC dc) {
  if (bar_->Width() <= 0 || bar_->Height() <= 0) return;
  surface_.Resize({bar_->Width(), bar_->Height()});
  bar_->Paint(surface_.view());
  GdiFlush();
  BitBlt(dc, 0, 0, bar_->Width(), bar_->Height(), surface_.dc(), 0, 0, SRCCOPY);
}

HCURSOR TSbStatusBar::CursorAt(Point client) {
  return bar_->IsGripPoint(client) ? LoadCursorW(nullptr, IDC_SIZENWSE) : nullptr;
}

void TSbStatusBar::StartGripSizing(Point client) {
  POINT screen{client.x, client.y};
  ClientToScreen(hwnd_, &screen);
  ReleaseCapture();
  SendMessageW(GetAncestor(hwnd_, GA_ROOT), WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, MAKELPARAM(screen.x, screen.y));
}

bool TSbStatusBar::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const Point at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  switch (msg) {
    case WM_SIZE:
      ApplyClientSize();
      return false;
    case WM_SETFONT:
      bar_->SetFont(FontSpecOf(reinterpret_cast<HFONT>(wParam)));
      return false;
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PaintScope scope(hwnd_);
      PaintTo(scope.dc());
      return true;
    }
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wParam));
      return true;
    case WM_SETCURSOR: {
      POINT p{};
      GetCursorPos(&p);
      ScreenToClient(hwnd_, &p);
      HCURSOR cursor = reinterpret_cast<HWND>(wParam) == hwnd_ ? CursorAt({p.x, p.y}) : nullptr;
      if (!cursor) return false;
      SetCursor(cursor);
      result = TRUE;
      return true;
    }
    case WM_LBUTTONDOWN:
      if (!bar_->IsGripPoint(at)) return Control::HandleMessage(msg, wParam, lParam, result);
      StartGripSizing(at);
      return true;
    case WM_SYSCOLORCHANGE:
      ReadSystemColours();
      InvalidateRect(hwnd_, nullptr, FALSE);
      return false;
    case WM_THEMECHANGED:
      theme_.Open(hwnd_);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return false;
    default:
      return Control::HandleMessage(msg, wParam, lParam, result);
  }
}

void TSbStatusBar::Invalidate(const Rect& rect) {
  if (!hwnd_) return;  // the core lays out before the window exists
  const RECT r = ToRECT(rect);
  InvalidateRect(hwnd_, &r, FALSE);
}

void TSbStatusBar::RedrawNow(const Rect& rect) {
  if (!hwnd_) return;
  const RECT r = ToRECT(rect);
  RedrawWindow(hwnd_, &r, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool TSbStatusBar::WindowSizeable() {
  return hwnd_ && (GetWindowLongPtrW(GetAncestor(hwnd_, GA_ROOT), GWL_STYLE) & WS_THICKFRAME) != 0;
}

bool TSbStatusBar::WindowMaximised() { return hwnd_ && IsZoomed(GetAncestor(hwnd_, GA_ROOT)); }

bool TSbStatusBar::VisualStylesActive() { return theme_.Active(); }

}  // namespace zv::win
