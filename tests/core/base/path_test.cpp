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

// Paths are UTF-8: 中 is E4 B8 AD, and a "\" right after it is a separator
// (a CP936 scan would take AD 5C for one character).
TEST(Path, SeparatorsAfterMultiByteCharacters) {
  const std::string zhong = "\xE4\xB8\xAD";
  EXPECT_EQ(AppDirFromExePath("C:\\" + zhong + "\\" + zhong + ".exe"), "C:\\" + zhong + "\\");
  EXPECT_EQ(AppDirFromExePath("C:" + zhong + ".exe"), "C:");
  EXPECT_FALSE(NamesOtherLocation(zhong + "\xE6\x96\x87"));
  EXPECT_TRUE(NamesOtherLocation(zhong + "\\x"));
  EXPECT_TRUE(NamesOtherLocation(zhong + "/x"));
  EXPECT_TRUE(NamesOtherLocation(zhong + ":x"));
  EXPECT_TRUE(EndsInSeparator("C:\\out\\" + zhong + "\\"));
  EXPECT_FALSE(EndsInSeparator("C:\\out\\" + zhong));
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
  EXPECT_EQ(ErrorDisplayText("what!"), "what!");         // '!' sorts before '.'
  EXPECT_EQ(ErrorDisplayText("\xa3\xa1"), "\xa3\xa1.");  // full-width "！"
  EXPECT_EQ(ErrorDisplayText(""), "");
}

}  // namespace
}  // namespace zv
