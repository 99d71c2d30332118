#include "core/app/random.h"

namespace zv {

void Random::Reseed() {
  const auto counter = clock_.PerformanceCounter();
  seed_ = counter ? static_cast<std::uint32_t>(*counter) : clock_.TickCount();
}

}  // namespace zv
