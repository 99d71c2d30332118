#include "cli/terminal_text.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(TerminalTextTest, ControlCharactersAreShownNotObeyed) {
  EXPECT_EQ(ToTerminal("skin\x1B]0;title\x07\r\x7F\x01 end\tx\n"), "skin\\x1B]0;title\\x07\\x0D\\x7F\\x01 end\tx\n");
  // 誠 ends in 5C and 亅 in 7C: trail bytes are characters, not escapes.
  EXPECT_EQ(ToTerminal("\xD5\x5C\x81\x7C\x1B"), "\xE8\xAA\xA0\xE4\xBA\x85\\x1B");
  // In UTF-8 the C1 control CSI (U+009B) is escaped too; 中 and é are not.
  EXPECT_EQ(Utf8ToTerminal("\xE4\xB8\xAD\xC2\x9B"
                           "2J\xC3\xA9\r"),
            "\xE4\xB8\xAD\\xC2\\x9B2J\xC3\xA9\\x0D");
}

}  // namespace
}  // namespace zv
