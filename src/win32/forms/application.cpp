#include "win32/forms/application.h"

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

bool Application::PreTranslate(MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  Form* form = Form::FromWindow(GetAncestor(msg.hwnd, GA_ROOT));
  if (!form) return false;
  form->FocusNext(GetKeyState(VK_SHIFT) >= 0);
  return true;
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
