#include "core/app/keywords.h"

#include <gtest/gtest.h>

#include "core/app/texts.h"
#include "fakes.h"

namespace zv {
namespace {

using test::FakeCodec;

std::vector<std::string> Woven(const KeywordLines& lines) {
  std::vector<std::string> out;
  for (std::uint32_t k = 0; k < lines.Count(); ++k) out.push_back(lines.Woven(k));
  return out;
}

// Each keyword reaches the article's encoding; CP936 into CP936 stays byte
// for byte, even bytes that are no character.
TEST(Keywords, ConvertedIntoTheArticlesEncoding) {
  FakeCodec codec;
  const std::vector<Keyword> keywords{{"\xE4\xB8\xAD", Encoding::kUtf8},
                                      {"\xD6\xD0\xFF", Encoding::kCp936},
                                      {"a\r\nb", Encoding::kUtf8},
                                      {std::string("p\0q", 3), Encoding::kUtf8}};
  EXPECT_EQ(Woven(ArticleKeywords(keywords, Encoding::kCp936, codec)),
            (std::vector<std::string>{"\xD6\xD0", "\xD6\xD0\xFF", "ab", "p"}));
  EXPECT_EQ(Woven(ArticleKeywords(keywords, Encoding::kUtf8, codec)),
            (std::vector<std::string>{"\xE4\xB8\xAD", "\xE4\xB8\xAD\xEF\xBF\xBD", "ab", "p"}));
  EXPECT_EQ(KeywordLines().Woven(0), "");
  // The box's cut falls before a character that would not fit whole.
  EXPECT_EQ(ArticleKeywords({{"a\xE4\xB8\xAD", Encoding::kUtf8}}, Encoding::kCp936, codec, 2).Woven(0), "a");
  EXPECT_EQ(ArticleKeywords({{"a\xE4\xB8\xAD", Encoding::kUtf8}}, Encoding::kUtf8, codec, 3).Woven(0), "a");
}

TEST(Keywords, AKeywordTheEncodingCannotHoldIsRefusedByName) {
  FakeCodec codec;
  const std::vector<Keyword> emoji{{"ok", Encoding::kUtf8}, {"\xE4\xB8\xAD\xF0\x9F\x98\x80", Encoding::kUtf8}};
  try {
    ArticleKeywords(emoji, Encoding::kCp936, codec);
    ADD_FAILURE() << "no refusal";
  } catch (const KeywordNotInEncoding& e) {
    EXPECT_EQ(e.what(),
              std::string(texts::kKeywordNotInEncodingBefore) + "\xD6\xD0U+1F600" + texts::kKeywordNotInEncodingAfter);
  }
  EXPECT_EQ(ArticleKeywords(emoji, Encoding::kUtf8, codec).Count(), 2u);
  // Bytes that are no UTF-8 are no keyword for a UTF-8 article either.
  EXPECT_THROW(ArticleKeywords({{"\xFF", Encoding::kUtf8}}, Encoding::kUtf8, codec), KeywordNotInEncoding);
}

}  // namespace
}  // namespace zv
