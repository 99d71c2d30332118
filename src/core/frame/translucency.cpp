#include "core/frame/translucency.h"

#include <algorithm>

namespace zv {

// Animation alone fades in to opaque; with AlphaBlend, to its value.
FadeIn::FadeIn(const Translucency& t)
    : target_(t.animation && !t.alphaBlend ? 255 : t.value), animation_(t.animation) {}

FadeIn::Step FadeIn::Next() {
  alpha_ = animation_ ? std::min(alpha_ + kStep, target_) : target_;
  const bool done = alpha_ >= target_;
  return {static_cast<std::uint8_t>(alpha_), done, done && target_ == 255};
}

}  // namespace zv
