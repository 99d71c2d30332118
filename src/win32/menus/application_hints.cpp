#include "win32/menus/application_hints.h"

#include <windows.h>

#include "win32/menus/cursor_height.h"
#include "win32/platform/window_class.h"

namespace zv::win {
namespace {

constexpr wchar_t kHintTimerClass[] = L"ZvApplicationHintTimers";

class WindowTimers : public TimerHost {
 public:
  WindowTimers() {
    RegisterWindowClassOnce({kHintTimerClass, Proc});
    window_ = CreateWindowExW(0, kHintTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
  }
  void Start(int id, unsigned milliseconds) override {
    SetTimer(window_, static_cast<UINT_PTR>(id), milliseconds, nullptr);
  }
  void Stop(int id) override { KillTimer(window_, static_cast<UINT_PTR>(id)); }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) return DefWindowProcW(window, message, wParam, lParam);
    ApplicationHints().TimerTick(static_cast<int>(wParam));
    return 0;
  }

  HWND window_ = nullptr;
};

Point BelowCursor() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y + VisibleCursorHeight()};
}

}  // namespace

TzsApplicationHints& ApplicationHints() {
  static WindowTimers timers;
  static TzsApplicationHints hints(timers, BelowCursor);
  return hints;
}

}  // namespace zv::win
