#include "core/app/links.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(Links, OnlyWebLinksAreOpened) {
  EXPECT_TRUE(IsWebLink("http://example.invalid/"));
  EXPECT_TRUE(IsWebLink("HTTPS://example.invalid/a?b"));
  EXPECT_FALSE(IsWebLink(""));
  EXPECT_FALSE(IsWebLink("http://"));  // nothing after the scheme
  EXPECT_FALSE(IsWebLink("file:///C:/Windows/System32/calc.exe"));
  EXPECT_FALSE(IsWebLink("C:\\Windows\\notepad.exe"));
  EXPECT_FALSE(IsWebLink("calc"));
  EXPECT_FALSE(IsWebLink("javascript:alert(1)"));
  EXPECT_FALSE(IsWebLink(" http://example.invalid/"));
}

}  // namespace
}  // namespace zv
