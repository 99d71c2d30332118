#include "core/frame/translucency.h"

#include <gtest/gtest.h>

#include <vector>

namespace zv {
namespace {

std::vector<int> Alphas(const Translucency& t, std::vector<bool>* opaque = nullptr) {
  FadeIn fade(t);
  std::vector<int> alphas;
  for (int i = 0; i < 100; ++i) {
    const FadeIn::Step step = fade.Next();
    alphas.push_back(step.alpha);
    if (opaque) opaque->push_back(step.opaque);
    if (step.done) break;
  }
  return alphas;
}

TEST(FadeInTest, StepsOfTenUpToTheTarget) {
  // Animation alone ends fully opaque, dropping the layered style at the end only.
  std::vector<bool> opaque;
  const std::vector<int> full = Alphas({false, 200, true}, &opaque);
  ASSERT_EQ(full.size(), 26u);
  EXPECT_EQ(full[0], 10);
  EXPECT_EQ(full[24], 250);
  EXPECT_EQ(full[25], 255);
  EXPECT_EQ(std::count(opaque.begin(), opaque.end(), true), 1);
  EXPECT_TRUE(opaque.back());
  // With AlphaBlend, to its value, staying layered.
  opaque.clear();
  const std::vector<int> translucent = Alphas({true, 205, true}, &opaque);
  EXPECT_EQ(translucent.size(), 21u);
  EXPECT_EQ(translucent.back(), 205);
  EXPECT_FALSE(opaque.back());
  // Without animation the value comes at once.
  EXPECT_EQ(Alphas({true, 120, false}), std::vector<int>{120});
  EXPECT_EQ(Alphas({true, 0, true}), std::vector<int>{0});
  EXPECT_FALSE(Translucency{}.FadesIn());
}

}  // namespace
}  // namespace zv
