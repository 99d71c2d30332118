#include "win32/platform/window_class.h"

namespace zv::win {

void RegisterWindowClassOnce(const WindowClass& windowClass) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{sizeof existing};
  if (GetClassInfoExW(instance, windowClass.name, &existing)) return;
  WNDCLASSEXW wc{sizeof wc};
  wc.style = windowClass.style;
  wc.lpfnWndProc = windowClass.procedure;
  wc.hInstance = instance;
  wc.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = windowClass.background;
  wc.lpszClassName = windowClass.name;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  RegisterClassExW(&wc);
}

}  // namespace zv::win
