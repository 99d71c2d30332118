#include "core/status/timer_lists.h"

namespace zv {

StatusLists::~StatusLists() {
  if (polling_.Count() > 0) timers_.Stop(kPollingTimerId);
  if (blinking_.Count() > 0) timers_.Stop(kBlinkTimerId);
}

void StatusLists::AddPolling(PollingClient& pane) {
  polling_.Add(pane);
  if (polling_.Count() == 1) RestartPolling();
}

void StatusLists::RemovePolling(PollingClient& pane) {
  if (!polling_.Remove(pane) || polling_.Count() > 0) return;
  timers_.Stop(kPollingTimerId);
  pollingActive_ = true;
  pollingInterval_ = kDefaultInterval;
}

void StatusLists::AddBlinking(BlinkClient& pane) {
  blinking_.Add(pane);
  if (blinking_.Count() == 1) {
    blinkOn_ = false;
    timers_.Start(kBlinkTimerId, kDefaultInterval);
  }
}

void StatusLists::RemoveBlinking(BlinkClient& pane) {
  if (blinking_.Remove(pane) && blinking_.Count() == 0) timers_.Stop(kBlinkTimerId);
}

void StatusLists::SetPollingActive(bool active) {
  if (active == pollingActive_) return;
  pollingActive_ = active;
  if (polling_.Count() > 0) RestartPolling();
}

void StatusLists::SetPollingInterval(unsigned milliseconds) {
  if (milliseconds == pollingInterval_) return;
  pollingInterval_ = milliseconds;
  if (polling_.Count() > 0) RestartPolling();
}

void StatusLists::RestartPolling() {
  if (pollingActive_) {
    timers_.Start(kPollingTimerId, pollingInterval_);
  } else {
    timers_.Stop(kPollingTimerId);
  }
}

void StatusLists::OnTimer(int id) {
  if (id == kPollingTimerId) {
    if (!pollingActive_) return;
    polling_.ForEach([](PollingClient& pane) {
      if (pane.ReceivesPolls()) pane.Poll();
    });
  } else if (id == kBlinkTimerId) {
    if (blinking_.Count() == 0) return;
    blinkOn_ = !blinkOn_;
    const bool on = blinkOn_;
    blinking_.ForEach([on](BlinkClient& pane) { pane.BlinkStateChanged(on); });
  }
}

}  // namespace zv
