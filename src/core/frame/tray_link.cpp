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

// Whichever form asks, the application is minimised; once the icon is there
// the tray hides it.
void FormTrayLink::MinimizeToTray() {
  if (tray_) tray_->MinimizeToTray = true;
  states_.MinimizeApplication();
  if (tray_ && OnMinimizeToTray) OnMinimizeToTray();
}

void FormTrayLink::RestoreFromTray() {
  if (!tray_) return;
  tray_->MinimizeToTray = false;
  tray_->ShowMainWindow();
  if (!alwaysShowInTray) tray_->SetIconVisible(false);
  if (OnRestoreFromTray) OnRestoreFromTray();
}

}  // namespace zv
