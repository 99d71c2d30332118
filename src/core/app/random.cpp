#include "core/app/random.h"

namespace zv {

void Random::Reseed() {
  const auto counter = clock_.PerformanceCounter();
  seed_ = counter ? static_cast<std::uint32_t>(*counter) : clock_.TickCount();
}

void Random::NextSeeds(std::span<std::uint64_t> seeds) {
  if (clock_.PerformanceCounters(seeds)) return;
  for (auto& seed : seeds) seed = clock_.TickCount();
}

}  // namespace zv
