#pragma once
// The window's translucency and its fade-in at show. The fade steps on a
// timer: raising the alpha in a loop on the window's thread would hold
// every message, painting included, until the window is opaque.
#include <cstdint>

namespace zv {

struct Translucency {
  bool alphaBlend = false;   // AlphaBlend
  std::uint8_t value = 200;  // AlphaBlendValue
  bool animation = false;    // AlphaBlendAnimation
  bool FadesIn() const { return alphaBlend || animation; }
};

// One fade-in, from alpha 0 at show to the window's alpha.
class FadeIn {
 public:
  static constexpr int kStep = 10;

  struct Step {
    std::uint8_t alpha = 0;
    bool done = false;    // stop the timer
    bool opaque = false;  // ended fully opaque: the layered style goes
  };

  explicit FadeIn(const Translucency& t);
  // With animation 10 more, up to the target; without, the target at once.
  Step Next();

 private:
  int target_;
  bool animation_;
  int alpha_ = 0;
};

}  // namespace zv
