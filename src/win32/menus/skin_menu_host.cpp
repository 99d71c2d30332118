#include "win32/menus/skin_menu_host.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "win32/gfx/regions.h"
#include "win32/menus/cursor_height.h"
#include "win32/platform/dib_surface.h"
#include "win32/platform/dpi.h"
#include "win32/platform/monitor.h"
#include "win32/platform/window_class.h"

namespace zv::win {

namespace {

constexpr wchar_t kPopupClass[] = L"ZvSkinPopupWindow";
constexpr wchar_t kHintClass[] = L"ZvSkinHintWindow";
constexpr wchar_t kTimerClass[] = L"ZvSkinMenuTimers";

SkinMenuHost* gActiveHost = nullptr;  // the host whose menu the hook serves

std::string ToCp936(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(std::max(n, 0)), '\0');
  WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

Point ScreenPointOf(HWND window, LPARAM lParam) {
  POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(window, &p);
  return {p.x, p.y};
}

// One top-level window showing a core window's picture.
template <typename Core>
class CoreWindowHost : public PopupHost {
 public:
  CoreWindowHost(Core& core, const wchar_t* className, DWORD fadeDelay, std::function<void(HWND, UINT, LPARAM)> mouse)
      : core_(core), fadeDelay_(fadeDelay), mouse_(std::move(mouse)) {
    RegisterWindowClassOnce({className, Proc, CS_SAVEBITS | CS_DROPSHADOW});
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, className, L"", WS_POPUP, 0, 0, 1, 1,
                              nullptr, nullptr, GetModuleHandleW(nullptr), this);
  }
  ~CoreWindowHost() override {
    if (window_) DestroyWindow(window_);
  }

  void Show(const Rect& b, const std::vector<Rect>& region, const std::vector<int>& fade) override {
    if (!window_) return;
    SetWindowPos(window_, HWND_TOPMOST, b.left, b.top, b.Width(), b.Height(), SWP_NOACTIVATE);
    SetWindowRgn(window_, RegionFromRects(region), FALSE);
    const LONG_PTR ex = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    SetWindowLongPtrW(window_, GWL_EXSTYLE, fade.empty() ? (ex & ~WS_EX_LAYERED) : (ex | WS_EX_LAYERED));
    if (!fade.empty()) SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(fade.front()), LWA_ALPHA);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    // The fade runs here, before the caller goes back to the message loop.
    for (std::size_t i = 1; i < fade.size(); ++i) {
      const DWORD start = GetTickCount();
      while (GetTickCount() - start <= fadeDelay_) Sleep(1);
      SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(fade[i]), LWA_ALPHA);
      UpdateWindow(window_);
    }
  }
  void Hide() override {
    if (window_) ShowWindow(window_, SW_HIDE);
  }
  void Invalidate() override {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
  }
  bool IsUnderCursor(Point screen) const override {
    HWND under = WindowFromPoint({screen.x, screen.y});
    return under == window_;
  }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<CoreWindowHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
      case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        if (self) {
          self->Paint();
          return 0;
        }
        break;
      case WM_LBUTTONUP:
      case WM_LBUTTONDOWN:
        if (self && self->mouse_) self->mouse_(window, message, lParam);
        return 0;
      case WM_NCDESTROY:
        if (self) self->window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client{};
    GetClientRect(window_, &client);
    if (client.right > 0 && client.bottom > 0) {
      surface_.Resize({client.right, client.bottom});
      GdiFlush();
      core_.Paint(surface_.view());
      BitBlt(dc, 0, 0, client.right, client.bottom, surface_.dc(), 0, 0, SRCCOPY);
    }
    EndPaint(window_, &ps);
  }

  Core& core_;
  DWORD fadeDelay_;
  std::function<void(HWND, UINT, LPARAM)> mouse_;
  HWND window_ = nullptr;
  DibSurface surface_;
};

LRESULT CALLBACK MenuMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && wParam == PM_REMOVE && gActiveHost) {
    MSG& msg = *reinterpret_cast<MSG*>(lParam);
    if (gActiveHost->FilterMessage(msg)) msg.message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Sent messages: another program taking the activation (a click in its
// window) ends the menu, as it ends a platform menu.
LRESULT CALLBACK MenuSentMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && gActiveHost) {
    const CWPSTRUCT& sent = *reinterpret_cast<CWPSTRUCT*>(lParam);
    if (sent.message == WM_ACTIVATEAPP && !sent.wParam && gActiveHost->Menu().Visible()) {
      gActiveHost->Menu().CloseAll();
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void WindowMenuClient::MenuClosed() { SendMessageW(window_, kMsgMenuClosed, 0, 0); }
void WindowMenuClient::MenuCommand() { SendMessageW(window_, kMsgMenuCommand, 0, 0); }

MenuNode MenuNodeFromHmenu(HMENU menu) {
  MenuNode root;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[512] = L"";
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text) - 1);
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    MenuNode node;
    if (info.fType & MFT_SEPARATOR) {
      node.caption = "-";
    } else {
      const std::string caption = ToCp936(text);
      const std::size_t tab = caption.find('\t');
      node.caption = caption.substr(0, tab);
      if (tab != std::string::npos) node.shortcut = caption.substr(tab + 1);
    }
    node.command = info.hSubMenu ? 0 : static_cast<int>(info.wID);
    node.enabled = !(info.fState & (MFS_DISABLED | MFS_GRAYED));
    node.checked = (info.fState & MFS_CHECKED) != 0;
    node.radioItem = (info.fType & MFT_RADIOCHECK) != 0;
    if (info.hSubMenu) node.children = MenuNodeFromHmenu(info.hSubMenu).children;
    root.children.push_back(std::move(node));
  }
  return root;
}

SkinMenuHost::SkinMenuHost(HWND owner, const MenuSkin& skin) : owner_(owner), skin_(skin), form_(owner) {
  RegisterWindowClassOnce({kTimerClass, TimerProc});
  timerWindow_ =
      CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  menu_ = std::make_unique<TzsSkinMenu>(*this, &form_);
  hint_ = std::make_unique<TzsSkinHint>(*this, skin_);
  hook_ = SetWindowsHookExW(WH_GETMESSAGE, MenuMessageHook, nullptr, GetCurrentThreadId());
  sentHook_ = SetWindowsHookExW(WH_CALLWNDPROC, MenuSentMessageHook, nullptr, GetCurrentThreadId());
}

void SkinMenuHost::SetSkinAtDpi(std::function<MenuSkin(int dpi)> skinAt, int dpi) {
  skinAt_ = std::move(skinAt);
  dpi_ = 0;
  SetDpi(dpi);
}

void SkinMenuHost::SetDpi(int dpi) {
  if (!skinAt_ || dpi == dpi_) return;
  dpi_ = dpi;
  skin_ = skinAt_(dpi);
}

const MenuSkin& SkinMenuHost::SkinAt(const Rect& anchor) {
  SetDpi(MonitorDpiAt({anchor.left, anchor.top}));
  return skin_;
}

SkinMenuHost::~SkinMenuHost() {
  if (gActiveHost == this) gActiveHost = nullptr;
  if (hook_) UnhookWindowsHookEx(hook_);
  if (sentHook_) UnhookWindowsHookEx(sentHook_);
  hint_.reset();
  menu_.reset();
  if (timerWindow_) DestroyWindow(timerWindow_);
}

LRESULT CALLBACK SkinMenuHost::TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    if (auto* self = reinterpret_cast<SkinMenuHost*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
      const int id = static_cast<int>(wParam);
      if (id >= TzsSkinHint::kShowTimerId) {
        self->hint_->TimerTick(id);
      } else {
        self->menu_->TimerTick(id);
      }
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void SkinMenuHost::Start(int id, unsigned milliseconds) {
  SetTimer(timerWindow_, static_cast<UINT_PTR>(id), milliseconds, nullptr);
}

void SkinMenuHost::Stop(int id) { KillTimer(timerWindow_, static_cast<UINT_PTR>(id)); }

Point SkinMenuHost::CursorPos() const {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

std::unique_ptr<PopupHost> SkinMenuHost::CreatePopupHost(TzsSkinPopupWindow& window) {
  gActiveHost = this;
  auto mouse = [&window](HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_LBUTTONUP) window.MouseUp(ScreenPointOf(hwnd, lParam));
  };
  return std::make_unique<CoreWindowHost<TzsSkinPopupWindow>>(window, kPopupClass, 5, mouse);
}

std::unique_ptr<PopupHost> SkinMenuHost::CreateHintHost(TzsSkinHintWindow& window) {
  return std::make_unique<CoreWindowHost<TzsSkinHintWindow>>(window, kHintClass, 3, nullptr);
}

Rect SkinMenuHost::WorkArea() const { return WorkAreaOf(GetActiveWindow() ? GetActiveWindow() : owner_, true); }

Rect SkinMenuHost::WorkAreaAt(Point screen) const { return win::WorkAreaAt(screen); }

bool SkinMenuHost::KeyboardCues() const {
  BOOL cues = FALSE;
  return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &cues, 0) && cues;
}

int SkinMenuHost::CursorHeight() const { return VisibleCursorHeight(); }

void SkinMenuHost::Execute(MenuNode& item) {
  if (item.command != 0) SendMessageW(owner_, WM_COMMAND, MAKEWPARAM(item.command, 0), 0);
}

void SkinMenuHost::ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
}

bool SkinMenuHost::FilterMessage(MSG& msg) {
  if (!menu_->Visible()) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      menu_->KeyDown(static_cast<int>(msg.wParam));
      return true;
    case WM_MOUSEWHEEL:
      menu_->MouseWheel({GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)}, GET_WHEEL_DELTA_WPARAM(msg.wParam));
      return true;
    case WM_CHAR:
    case WM_SYSCHAR:
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
      // Clicks in another window of this thread end the menu.
      POINT p{};
      GetCursorPos(&p);
      menu_->MouseDownAt({p.x, p.y});
      closingPress_ = menu_->Visible() ? MSG{} : msg;
      return false;
    }
    default:
      return false;
  }
}

bool SkinMenuHost::ClosedByPressOn(HWND window) const {
  return closingPress_.hwnd == window && static_cast<DWORD>(GetMessageTime()) == closingPress_.time;
}

void TzsSkinPopupMenu::Popup(int x, int y) { PopupFrom({x, y, x, y}, false); }

void TzsSkinPopupMenu::PopupFrom(const Rect& anchor, bool popupUp) {
  if (OnPopup) OnPopup();
  TzsSkinMenu& menu = host_.Menu();
  // An open menu's levels point into root_ and it tells control_ when it
  // closes: it closes before both are replaced.
  menu.CloseAll();
  root_ = MenuNodeFromHmenu(menu_);
  control_ = std::make_unique<WindowMenuClient>(host_.Owner());
  menu.Open(control_.get(), host_.SkinAt(anchor), root_, anchor, {.popupUp = popupUp});
  if (menu.Visible()) menu.OnMenuClose = OnMenuClose;
}

}  // namespace zv::win
