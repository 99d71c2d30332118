#pragma once
// A skinned form's link to a tray icon: minimising to the icon and coming
// back from it. Without a linked icon the tray commands minimise to the
// taskbar, so that a visible minimise-to-tray button never does nothing.
#include <functional>

#include "core/frame/window_state_machine.h"
#include "core/tray/tray_icon.h"

namespace zv {

class FormTrayLink {
 public:
  explicit FormTrayLink(WindowStateMachine& states) : states_(states) {}

  // Links `tray` (null unlinks). The icon is hidden unless it is to show
  // always, the tray stops hiding the application on every minimise, and a
  // double-click on it brings the window back unless it has its own.
  void Link(TzsTrayIcon* tray);
  TzsTrayIcon* Tray() const { return tray_; }
  bool alwaysShowInTray = false;

  std::function<void()> OnMinimizeToTray;
  std::function<void()> OnRestoreFromTray;

  void MinimizeToTray();
  void RestoreFromTray();

 private:
  WindowStateMachine& states_;
  TzsTrayIcon* tray_ = nullptr;
  bool ownDoubleClick_ = false;  // the double-click handler is ours
};

}  // namespace zv
