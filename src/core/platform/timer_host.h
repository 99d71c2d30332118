#pragma once
// Message-loop timers the core asks for; the shell forwards each tick back.
namespace zv {

class TimerHost {
 public:
  virtual ~TimerHost() = default;
  // Starts or restarts timer `id` with the given period.
  virtual void Start(int id, unsigned milliseconds) = 0;
  virtual void Stop(int id) = 0;
};

}  // namespace zv
