#pragma once
// The panes' shared timers: SetTimer on a hidden message-only window whose
// ticks go to the process-wide polling and blinking lists.
#include <windows.h>

#include "core/platform/timer_host.h"
#include "core/status/timer_lists.h"

namespace zv::win {

class WindowTimerHost : public TimerHost {
 public:
  // Ticks go to the lists named with SetLists.
  WindowTimerHost();
  ~WindowTimerHost() override;
  WindowTimerHost(const WindowTimerHost&) = delete;
  WindowTimerHost& operator=(const WindowTimerHost&) = delete;

  void Start(int id, unsigned milliseconds) override;
  void Stop(int id) override;
  void SetLists(StatusLists* lists) { lists_ = lists; }
  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  StatusLists* lists_ = nullptr;
};

// The one pair of lists of this process, made on first use. Panes must be
// created and destroyed on the thread that runs the message loop.
StatusLists& ProcessStatusLists();

}  // namespace zv::win
