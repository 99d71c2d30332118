#pragma once
// The process-wide polling and blinking lists of the status panes. Each list
// owns one shared 500 ms timer that exists from its first member to its last.
#include <cstddef>
#include <vector>

#include "core/platform/timer_host.h"

namespace zv {

class PollingClient {
 public:
  virtual bool ReceivesPolls() const = 0;  // visible panes only
  virtual void Poll() = 0;

 protected:
  ~PollingClient() = default;
};

class BlinkClient {
 public:
  virtual void BlinkStateChanged(bool on) = 0;

 protected:
  ~BlinkClient() = default;
};

// An ordered list whose members may leave (or join) while it is being walked.
template <class T>
class WalkableList {
 public:
  void Add(T& item) {
    items_.push_back(&item);
    ++count_;
  }
  // Returns whether the item was a member.
  bool Remove(T& item) {
    for (auto it = items_.begin(); it != items_.end(); ++it) {
      if (*it != &item) continue;
      if (walking_ > 0) {
        *it = nullptr;
      } else {
        items_.erase(it);
      }
      --count_;
      return true;
    }
    return false;
  }
  std::size_t Count() const { return count_; }
  // Visits the members present when the walk began, in joining order,
  // skipping those that have left since.
  template <class F>
  void ForEach(F visit) {
    ++walking_;
    const std::size_t n = items_.size();
    for (std::size_t i = 0; i < n; ++i) {
      if (items_[i] != nullptr) visit(*items_[i]);
    }
    if (--walking_ == 0) std::erase(items_, nullptr);
  }

 private:
  std::vector<T*> items_;
  std::size_t count_ = 0;
  int walking_ = 0;
};

class StatusLists {
 public:
  static constexpr int kPollingTimerId = 1;
  static constexpr int kBlinkTimerId = 2;
  static constexpr unsigned kDefaultInterval = 500;

  explicit StatusLists(TimerHost& timers) : timers_(timers) {}
  ~StatusLists();
  StatusLists(const StatusLists&) = delete;
  StatusLists& operator=(const StatusLists&) = delete;

  void AddPolling(PollingClient& pane);
  void RemovePolling(PollingClient& pane);
  void AddBlinking(BlinkClient& pane);
  void RemoveBlinking(BlinkClient& pane);

  // The shared polling timer's settings; they return to their defaults when
  // the timer is freed with the last polling pane.
  bool PollingActive() const { return pollingActive_; }
  void SetPollingActive(bool active);
  unsigned PollingInterval() const { return pollingInterval_; }
  void SetPollingInterval(unsigned milliseconds);

  bool BlinkOn() const { return blinkOn_; }
  bool PollingTimerExists() const { return polling_.Count() > 0; }
  bool BlinkTimerExists() const { return blinking_.Count() > 0; }

  // A tick of one of the two timers, forwarded by the shell.
  void OnTimer(int id);

 private:
  void RestartPolling();

  TimerHost& timers_;
  WalkableList<PollingClient> polling_;
  WalkableList<BlinkClient> blinking_;
  bool pollingActive_ = true;
  unsigned pollingInterval_ = kDefaultInterval;
  bool blinkOn_ = false;
};

}  // namespace zv
