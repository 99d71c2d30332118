#pragma once
// Time sources the core reads: the generator seeds from them.
#include <cstdint>
#include <optional>

namespace zv {

class Clock {
 public:
  virtual ~Clock() = default;
  // The high-resolution performance counter, or nothing when unavailable.
  virtual std::optional<std::uint64_t> PerformanceCounter() = 0;
  // Milliseconds since system start, wrapping at 32 bits.
  virtual std::uint32_t TickCount() = 0;
};

}  // namespace zv
