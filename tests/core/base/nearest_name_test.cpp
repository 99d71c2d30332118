#include "core/base/nearest_name.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(NearestName, TyposAndTheStartOfOneName) {
  constexpr std::string_view kKnown[] = {"closebutton", "maxbutton", "minbutton", "caption", "activefontcolor"};
  EXPECT_EQ(NearestName("captoin", kKnown), "caption");
  EXPECT_EQ(NearestName("ActiveFontColour", kKnown), "activefontcolor");
  EXPECT_EQ(NearestName("close", kKnown), "closebutton");
  EXPECT_EQ(NearestName("MAX", kKnown), "maxbutton");
  EXPECT_EQ(NearestName("mi", kKnown), "");      // too short to be meant
  EXPECT_EQ(NearestName("button", kKnown), "");  // the start of none
  constexpr std::string_view kTwo[] = {"rollupbutton", "rollupmenu"};
  EXPECT_EQ(NearestName("rollup", kTwo), "");  // the start of two
}

}  // namespace
}  // namespace zv
