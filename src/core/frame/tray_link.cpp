#include "core/frame/tray_link.h"

namespace zv {

void FormTrayLink::Link(TzsTrayIcon* tray) {
  if (tray_ && ownDoubleClick_) tray_->OnDblClick = nullptr;
  ownDoubleClick_ = false;
  tray_ = tray;
  if (!tray_) return;
  if (!alwaysShowInTray) tray_->SetIconVisible(false);
  tray_->MinimizeToTray = false;
  if (!tray_->OnDblClick) {
    tray_->OnDblClick = [this] { RestoreFromTray(); };
    ownDoubleClick_ = true;
  }
}

void FormTrayLink::MinimizeToTray() {
  if (!tray_) {
    states_.ChangeWindowState(WindowState::wsMinimized);
    return;
  }
  // Minimising the application lets the tray hide it once its icon is there.
  tray_->MinimizeToTray = true;
  states_.ChangeWindowState(WindowState::wsMinimized);
  if (OnMinimizeToTray) OnMinimizeToTray();
}

void FormTrayLink::RestoreFromTray() {
  if (!tray_) return;
  tray_->MinimizeToTray = false;
  tray_->ShowMainWindow();
  if (!alwaysShowInTray) tray_->SetIconVisible(false);
  if (OnRestoreFromTray) OnRestoreFromTray();
}

}  // namespace zv
