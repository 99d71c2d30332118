#pragma once
// The article generator behind "生成文章".
#include <cstddef>
#include <string>
#include <vector>

#include "core/app/article_file.h"
#include "core/app/keywords.h"
#include "core/app/random.h"
#include "core/base/error.h"
#include "core/base/text_file.h"

namespace zv {

inline constexpr int kArticleDraws = 801;
inline constexpr int kKeywordEvery = 20;
inline constexpr int kKeywordDraws = (kArticleDraws - 1) / kKeywordEvery + 1;
// Far beyond any real article; keeps the article box, the text conversions
// and the file write well inside their 32-bit counts.
inline constexpr std::size_t kMaxArticleBytes = 64u * 1024 * 1024;
// The keyword box hands out each displayed line cut to this many bytes.
inline constexpr std::size_t kMaxKeywordLineBytes = 4096;

// Drawn lines and keywords that would make the article pass kMaxArticleBytes.
class ArticleTooLong : public Error {
 public:
  ArticleTooLong();
};

struct Article {
  std::string text;       // every drawn line and keyword, no separators
  std::string firstLine;  // the first drawn line: it names the file
};

// Draws 801 library lines, re-seeding before each, and after draws 0, 20, ...,
// 800 one keyword without re-seeding. The same result as rebuilding the draw
// list from its text after every keyword: the keyword lines already hold each
// keyword as the list would split it back. Lines and keywords are in one
// encoding, which the article keeps. `library` must not be empty. Throws
// ArticleTooLong, with `article` unchanged, when it would pass
// kMaxArticleBytes. Reuses the article's buffers, so a batch allocates once.
void DrawArticle(const std::vector<std::string>& library, const KeywordLines& keywords, Random& random,
                 Article& article);
Article DrawArticle(const std::vector<std::string>& library, const KeywordLines& keywords, Random& random);

// What the window shows while generating; the core drives it in order.
class GeneratorView {
 public:
  virtual ~GeneratorView() = default;
  virtual void ClearArticle() = 0;
  virtual void SetArticle(const std::string& text, Encoding encoding) = 0;
  // The keyword box's lines as displayed, in UTF-8.
  virtual std::vector<std::string> ReadKeywordLines() = 0;
  virtual void ShowMessage(const std::string& text) = 0;
};

// btnGenClick: re-seed, empty the box, refuse without a library or with a
// keyword the library's encoding cannot hold, draw, show, then save
// atomically in the library's encoding. Errors propagate to the caller's
// error display with the article still shown.
void GenerateAndSave(GeneratorView& view, const TextLines& library, Random& random, const AppFolder& folder);

}  // namespace zv
