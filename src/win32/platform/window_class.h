#pragma once
// Registering a window class of this program once per process.
#include <windows.h>

namespace zv::win {

struct WindowClass {
  const wchar_t* name;
  WNDPROC procedure;
  UINT style = 0;
  HCURSOR cursor = nullptr;  // nullptr: the arrow
  HBRUSH background = nullptr;
};

// Registers the class unless it exists; the program's icon goes with it.
void RegisterWindowClassOnce(const WindowClass& windowClass);

}  // namespace zv::win
