#pragma once
// Time sources the core reads: the generator seeds from them.
#include <cstdint>
#include <optional>
#include <span>

namespace zv {

class Clock {
 public:
  virtual ~Clock() = default;
  // The high-resolution performance counter, or nothing when unavailable.
  virtual std::optional<std::uint64_t> PerformanceCounter() = 0;
  // Milliseconds since system start, wrapping at 32 bits.
  virtual std::uint32_t TickCount() = 0;
  // As many readings in a row as `readings` holds, as that many
  // PerformanceCounter calls give them; false when the counter cannot be
  // read. A clock that can say them at once saves a call per reading.
  virtual bool PerformanceCounters(std::span<std::uint64_t> readings) {
    for (auto& reading : readings) {
      const auto counter = PerformanceCounter();
      if (!counter) return false;
      reading = *counter;
    }
    return true;
  }
};

}  // namespace zv
