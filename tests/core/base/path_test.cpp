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

// 誠 is D5 5C in CP936: its trail byte is a backslash.
TEST(Path, TrailBytesAreNoSeparators) {
  const std::string cheng = "\xd5\x5c";
  const std::string chengXinJingYing = cheng + "\xd0\xc5\xbd\x9b\xa0\x49";  // 誠信經營
  EXPECT_EQ(AppDirFromExePath("C:\\" + cheng + "\\" + cheng + ".exe"), "C:\\" + cheng + "\\");
  EXPECT_EQ(AppDirFromExePath("C:" + cheng + ".exe"), "C:");
  EXPECT_FALSE(NamesOtherLocation(chengXinJingYing));
  EXPECT_TRUE(NamesOtherLocation(cheng + "\\x"));
  EXPECT_TRUE(NamesOtherLocation("\xa5/x"));  // "/" and ":" are never trail bytes
  EXPECT_TRUE(NamesOtherLocation("\xa5:x"));
  EXPECT_FALSE(EndsInSeparator("C:\\out\\" + cheng));
  EXPECT_TRUE(EndsInSeparator("C:\\out\\" + cheng + "\\"));
  EXPECT_TRUE(EndsInSeparator("out/"));
  EXPECT_FALSE(EndsInSeparator(""));
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
