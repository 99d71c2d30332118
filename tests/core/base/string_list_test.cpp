#include "core/base/string_list.h"

#include <gtest/gtest.h>

using zv::JoinLines;
using zv::SplitLines;
using zv::StripLineBreaks;
using Lines = std::vector<std::string>;

TEST(StringList, LineEndsAndEmptyLines) {
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("a"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});              // final line end adds nothing
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\rb\nc\r\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF CR is two line ends
  EXPECT_EQ(SplitLines("\n"), Lines{""});
  EXPECT_EQ(SplitLines("\r\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(SplitLines("a\r"), Lines{"a"});
}

TEST(StringList, NulEndsTheText) {
  EXPECT_EQ(SplitLines(std::string("a\nb\0c\nd", 7)), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines(std::string("\0abc", 4)), Lines{});
}

TEST(StringList, BytesAreKeptAsTheyAre) {
  // GBK double-byte characters whose trail bytes are ASCII letters.
  const std::string line = "\xb2\x41\x81\x5c \t ";
  EXPECT_EQ(SplitLines(line + "\r\n" + line), (Lines{line, line}));
}

TEST(StringList, TextIsEveryItemFollowedByCrLf) {
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  const Lines lines{"x", "", "yz"};
  EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
}

TEST(StringList, StripLineBreaksRemovesPairsUntilNoneIsLeft) {
  EXPECT_EQ(StripLineBreaks("a\r\nb\r\n"), "ab");
  EXPECT_EQ(StripLineBreaks("a\rb\nc"), "a\rb\nc");  // lone CR and LF stay
  EXPECT_EQ(StripLineBreaks("\r\r\n\n"), "");         // a deleted pair joins CR and LF
  EXPECT_EQ(StripLineBreaks("\n\r\r\n"), "\n\r");
  EXPECT_EQ(StripLineBreaks("\r\r\r\n\n"), "\r");
  EXPECT_EQ(StripLineBreaks(""), "");
}
