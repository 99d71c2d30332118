#include "core/base/path.h"

#include <gtest/gtest.h>

#include "core/base/error.h"

namespace zv {
namespace {

TEST(Path, AppDirEndsAtTheLastSeparator) {
  EXPECT_EQ(AppDirFromExePath("C:\\Tools\\Zorvane\\Zorvane.exe"), "C:\\Tools\\Zorvane\\");
  EXPECT_EQ(AppDirFromExePath("C:Zorvane.exe"), "C:");
  EXPECT_EQ(AppDirFromExePath("Zorvane.exe"), "");
}

TEST(Path, WildcardMatchesLikeLongFileNames) {
  EXPECT_TRUE(WildcardMatch("a.txt", "*.txt"));
  EXPECT_TRUE(WildcardMatch("A.TxT", "*.txt"));
  EXPECT_TRUE(WildcardMatch(".txt", "*.txt"));
  EXPECT_TRUE(WildcardMatch("a.b.txt", "*.txt"));
  EXPECT_FALSE(WildcardMatch("a.txt.bak", "*.txt"));
  EXPECT_FALSE(WildcardMatch("a.txtx", "*.txt"));
  EXPECT_FALSE(WildcardMatch("txt", "*.txt"));
  EXPECT_TRUE(WildcardMatch("ab", "a?"));
  EXPECT_FALSE(WildcardMatch("abc", "a?"));
}

TEST(ErrorDisplay, AppendsAFullStopAfterCharactersSortingAfterIt) {
  EXPECT_EQ(ErrorDisplayText("Access is denied"), "Access is denied.");
  EXPECT_EQ(ErrorDisplayText("done."), "done.");
  EXPECT_EQ(ErrorDisplayText("what!"), "what!");  // '!' sorts before '.'
  EXPECT_EQ(ErrorDisplayText("\xa3\xa1"), "\xa3\xa1.");  // full-width "！"
  EXPECT_EQ(ErrorDisplayText(""), "");
}

}  // namespace
}  // namespace zv
