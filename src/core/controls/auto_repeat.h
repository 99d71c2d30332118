#pragma once
// Press-and-hold repetition through a message-loop timer: after a first
// pause the held action runs again every interval until released.
#include "core/platform/timer_host.h"

namespace zv {

class AutoRepeat {
 public:
  static constexpr unsigned kFirstPause = 400;
  // The platform's timers do not run faster than this.
  static constexpr unsigned kShortestInterval = 10;

  AutoRepeat(TimerHost& timers, int timerId) : timers_(timers), id_(timerId) {}
  AutoRepeat(const AutoRepeat&) = delete;
  AutoRepeat& operator=(const AutoRepeat&) = delete;
  ~AutoRepeat() { Stop(); }

  int TimerId() const { return id_; }
  bool Running() const { return running_; }
  void Start(unsigned interval);
  void Stop();
  // A tick of our timer; true when the held action should run again.
  bool Tick();

 private:
  TimerHost& timers_;
  int id_;
  unsigned interval_ = kShortestInterval;
  bool running_ = false;
  bool repeating_ = false;
};

}  // namespace zv
