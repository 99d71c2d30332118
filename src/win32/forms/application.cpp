#include "win32/forms/application.h"

#include <iterator>

#include "core/base/error.h"
#include "win32/forms/form.h"
#include "win32/platform/text.h"

namespace zv::win {

void MessageBoxDialogs::ShowMessage(const std::string& text) {
  MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(Application::Instance().title()).c_str(), MB_OK);
}

void MessageBoxDialogs::ShowError(const std::string& text) {
  MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(Application::Instance().title()).c_str(),
              MB_OK | MB_ICONERROR);
}

Application& Application::Instance() {
  static Application app;
  return app;
}

void Application::ShowException(const std::exception& e) { dialogs().ShowError(ErrorDisplayText(e.what())); }

namespace {

bool IsPushButton(HWND hwnd) {
  wchar_t className[8];
  if (!GetClassNameW(hwnd, className, static_cast<int>(std::size(className)))) return false;
  if (lstrcmpiW(className, L"Button") != 0) return false;
  const LONG type = GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

bool Application::PreTranslate(MSG& msg) {
  if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  if (msg.wParam == VK_TAB) {
    Form* form = Form::FromWindow(GetAncestor(msg.hwnd, GA_ROOT));
    if (!form) return false;
    form->FocusNext(GetKeyState(VK_SHIFT) >= 0);
    return true;
  }
  // Enter presses the focused push button, as in dialog boxes; the button
  // itself only answers Space.
  if (msg.wParam == VK_RETURN && GetKeyState(VK_SHIFT) >= 0 && IsPushButton(msg.hwnd)) {
    SendMessageW(msg.hwnd, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

int Application::Run() {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace zv::win
