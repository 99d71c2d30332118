#include "win32/status/status_timers.h"

#include <stdexcept>

#include "win32/forms/application.h"
#include "win32/platform/window_class.h"

namespace zv::win {
namespace {

constexpr wchar_t kTimerClass[] = L"ZvStatusTimers";

}  // namespace

WindowTimerHost::WindowTimerHost() {
  RegisterWindowClassOnce({kTimerClass, WindowProc});
  hwnd_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                          nullptr);
  if (!hwnd_) throw std::runtime_error("Cannot create the status bar's timer window");
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WindowTimerHost::~WindowTimerHost() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void WindowTimerHost::Start(int id, unsigned milliseconds) {
  SetTimer(hwnd_, static_cast<UINT_PTR>(id), milliseconds, nullptr);
}

void WindowTimerHost::Stop(int id) { KillTimer(hwnd_, static_cast<UINT_PTR>(id)); }

LRESULT CALLBACK WindowTimerHost::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto* self = reinterpret_cast<WindowTimerHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->lists_) {
      Application::Instance().Guard([&] { self->lists_->OnTimer(static_cast<int>(wParam)); });
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

StatusLists& ProcessStatusLists() {
  // Declared in this order so the lists, which stop their timers when they
  // go, are destroyed before the window that owns the timers.
  static WindowTimerHost host;
  static StatusLists lists(host);
  host.SetLists(&lists);
  return lists;
}

}  // namespace zv::win
