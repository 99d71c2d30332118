#include "core/app/random.h"

namespace zv {

void Random::Reseed() {
  const auto counter = clock_.PerformanceCounter();
  seed_ = counter ? static_cast<std::uint32_t>(*counter) : clock_.TickCount();
}

std::uint32_t Random::Draw(std::uint32_t n) {
  seed_ = seed_ * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}

}  // namespace zv
