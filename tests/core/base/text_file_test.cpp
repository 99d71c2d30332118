#include "core/base/text_file.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

using Lines = std::vector<std::string>;

const std::string kZhongWen = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文 in UTF-8

std::string Utf16Le(std::string_view ascii) {
  std::string out;
  for (char c : ascii) out += std::string{c, '\0'};
  return out;
}

TEST(TextFile, DetectionRule) {
  EXPECT_EQ(DetectFileEncoding("\xEF\xBB\xBF"
                               "abc"),
            FileEncoding::kUtf8Bom);
  EXPECT_EQ(DetectFileEncoding(std::string("\xFF\xFE"
                                           "a\0",
                                           4)),
            FileEncoding::kUtf16Le);
  EXPECT_EQ(DetectFileEncoding(std::string("\xFE\xFF\0a", 4)), FileEncoding::kUtf16Be);
  EXPECT_EQ(DetectFileEncoding("a\r\n" + kZhongWen), FileEncoding::kUtf8);
  EXPECT_EQ(DetectFileEncoding("\xF0\x9F\x98\x80"), FileEncoding::kUtf8);  // a four-byte sequence
  // GBK that happens to be valid two-byte UTF-8: 学习, 为什么.
  EXPECT_EQ(DetectFileEncoding("\xD1\xA7\xCF\xB0\r\n\xCE\xAA\xCA\xB2\xC3\xB4"), FileEncoding::kCp936);
  // Damaged UTF-8 (a cut character, an overlong "/", a surrogate) is CP936.
  EXPECT_EQ(DetectFileEncoding(kZhongWen + "\xE4\xB8"), FileEncoding::kCp936);
  EXPECT_EQ(DetectFileEncoding(kZhongWen + "\xC0\xAF"), FileEncoding::kCp936);
  EXPECT_EQ(DetectFileEncoding(kZhongWen + "\xED\xA0\x80"), FileEncoding::kCp936);
  EXPECT_EQ(DetectFileEncoding("\xD6\xD0\xCE\xC4"), FileEncoding::kCp936);  // 中文 in GBK
  EXPECT_EQ(DetectFileEncoding(""), FileEncoding::kCp936);
}

// The mark is no part of the first line; after decoding, a NUL still ends the
// text and every line end still splits.
TEST(TextFile, LinesAfterDecoding) {
  const TextLines bom = ReadTextLines("\xEF\xBB\xBF" + kZhongWen + "\r\nb");
  EXPECT_EQ(bom.lines, (Lines{kZhongWen, "b"}));
  EXPECT_EQ(bom.encoding, FileEncoding::kUtf8Bom);

  const std::string le = "\xFF\xFE" + Utf16Le("a\r\n\nb") + std::string("\x2D\x4E", 2) + Utf16Le(std::string("\0c", 2));
  const TextLines utf16 = ReadTextLines(le);
  EXPECT_EQ(utf16.lines, (Lines{"a", "", "b\xE4\xB8\xAD"}));  // U+4E2D, then the NUL ends the text
  EXPECT_EQ(utf16.encoding, FileEncoding::kUtf16Le);

  const TextLines be = ReadTextLines(std::string("\xFE\xFF\xD8\x3D\xDE\x00\x00x\xDC\x00", 10));
  EXPECT_EQ(be.lines, Lines{"\xF0\x9F\x98\x80x\xEF\xBF\xBD"});  // a pair, then an unpaired low surrogate

  const TextLines odd =
      ReadTextLines(std::string("\xFF\xFE"
                                "a\0b",
                                5));
  EXPECT_EQ(odd.lines, Lines{"a\xEF\xBF\xBD"});  // a last odd byte is no character

  EXPECT_EQ(ReadTextLines("").lines, Lines{});
  // Forced, a mark still tells its kind; unmarked UTF-16 is little-endian.
  EXPECT_EQ(ReadTextLines("\xD1\xA7", Charset::kUtf8).encoding, FileEncoding::kUtf8);
  EXPECT_EQ(ReadTextLines("\xEF\xBB\xBF"
                          "a",
                          Charset::kUtf8)
                .lines,
            Lines{"a"});
  EXPECT_EQ(ReadTextLines(std::string("a\0", 2), Charset::kUtf16).lines, Lines{"a"});
  EXPECT_EQ(ReadTextLines("\xFE\xFF", Charset::kUtf16).encoding, FileEncoding::kUtf16Be);
}

TEST(TextFile, EncodingBackToFiles) {
  EXPECT_EQ(EncodeTextFile(kZhongWen, FileEncoding::kUtf8Bom), "\xEF\xBB\xBF" + kZhongWen);
  EXPECT_EQ(EncodeTextFile("a\xF0\x9F\x98\x80", FileEncoding::kUtf16Le), std::string("\xFF\xFE"
                                                                                     "a\0\x3D\xD8\x00\xDE",
                                                                                     8));
  EXPECT_EQ(EncodeTextFile("a\xE4\xB8\xAD", FileEncoding::kUtf16Be), std::string("\xFE\xFF\0a\x4E\x2D", 6));
  EXPECT_EQ(ArticleFileEncoding(FileEncoding::kUtf16Be), FileEncoding::kUtf16Le);
}

TEST(TextFile, CutsNeverSplitACharacter) {
  const std::string utf8 = "ab" + kZhongWen;  // a b 中(3) 文(3)
  EXPECT_EQ(CutAtCharacter(utf8, 5, Encoding::kUtf8), 5u);
  EXPECT_EQ(CutAtCharacter(utf8, 4, Encoding::kUtf8), 2u);
  EXPECT_EQ(CutAtCharacter(utf8, 7, Encoding::kUtf8), 5u);
  EXPECT_EQ(CutAtCharacter("a\x80\x80\x80\x80", 3, Encoding::kUtf8), 3u);  // stray bytes cut anywhere
  const std::string gbk = "a\xD6\xD0\xD5\x5C";                             // a 中 誠
  EXPECT_EQ(CutAtCharacter(gbk, 2, Encoding::kCp936), 1u);
  EXPECT_EQ(CutAtCharacter(gbk, 4, Encoding::kCp936), 3u);  // 5C is 誠's trail byte, not a character
}

}  // namespace
}  // namespace zv
