#pragma once
// The tray icon on Windows. A hidden top-level window (it must hear the
// shell's "TaskbarCreated" broadcast, which message-only windows do not)
// receives the icon's notifications and timer ticks; Shell_NotifyIconW
// shows the icon; the owner form, subclassed, tells when the application was
// minimised, gets its focused control back at activation and comes back
// restored and in front when a program shows it. Every decision about the
// icon is TzsTrayIcon's.
#include <windows.h>

#include <functional>
#include <vector>

#include "core/tray/tray_icon.h"
#include "win32/platform/handles.h"

namespace zv::win {

class TrayIconWindow : public TrayHost, public TimerHost {
 public:
  // The notification the icon sends to our window.
  static constexpr UINT kCallbackMessage = WM_USER + 1024;

  // Lets `message` from any process through to `window`.
  using MessageFilter = std::function<void(HWND window, UINT message)>;
  static void AllowFromAnyProcess(HWND window, UINT message);

  // `owner` is the application's main form; `icon` is copied, and none means
  // the application's icon. `allow` opens the message filter for the shell's
  // TaskbarCreated.
  TrayIconWindow(HWND owner, HICON icon, const MessageFilter& allow = AllowFromAnyProcess);
  ~TrayIconWindow() override;
  TrayIconWindow(const TrayIconWindow&) = delete;
  TrayIconWindow& operator=(const TrayIconWindow&) = delete;

  TzsTrayIcon& tray() { return tray_; }
  HWND hwnd() const { return hwnd_; }
  HICON icon() const { return icon_.get(); }
  // Copies `icon` and shows it.
  void SetIcon(HICON icon);
  // Call once the properties are set, before showing the owner. False when
  // the owner must stay hidden: it starts in the tray (MinimizedOnStart),
  // which it only does when the icon could be added.
  bool Loaded();
  // Icons for cycling, copied; the list's size becomes the tray's IconCount.
  void SetIconList(const std::vector<HICON>& icons);
  // The popup menu: shown at a screen point, and its default item run.
  std::function<void(POINT)> showMenu;
  std::function<void()> runDefaultItem;

  // TrayHost
  bool AddIcon(std::string_view tip) override;
  bool RemoveIcon() override;
  bool UpdateIcon(std::string_view tip) override;
  void ShowListImage(int index) override;
  bool HasAutoPopupMenu() const override { return static_cast<bool>(showMenu); }
  void ShowPopupMenu() override;
  void RunDefaultMenuItem() override;
  void HideMainWindow() override;
  void ShowMainWindow() override;
  // TimerHost
  void Start(int id, unsigned milliseconds) override;
  void Stop(int id) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void HandleCallback(LPARAM lParam);
  bool Notify(DWORD operation, std::string_view tip);
  void RestoreOwnerFocus(HWND deactivated);
  void OwnerShown();

  HWND owner_;
  HWND hwnd_ = nullptr;
  HWND ownerFocus_ = nullptr;  // the owner's focused control when it was deactivated
  UINT taskbarCreated_;
  Icon icon_;
  std::vector<Icon> iconList_;
  TzsTrayIcon tray_;
};

}  // namespace zv::win
