#pragma once
// The article generator behind "生成文章".
#include <cstddef>
#include <string>
#include <vector>

#include "core/app/random.h"
#include "core/base/error.h"
#include "core/platform/files.h"

namespace zv {

inline constexpr int kArticleDraws = 801;
inline constexpr int kKeywordEvery = 20;
// Far beyond any real article; keeps the article box, the text conversions
// and the file write well inside their 32-bit counts.
inline constexpr std::size_t kMaxArticleBytes = 64u * 1024 * 1024;

// Drawn lines and keywords that would make the article pass kMaxArticleBytes.
class ArticleTooLong : public Error {
 public:
  ArticleTooLong();
};

struct Article {
  std::string text;       // every drawn line and keyword piece, no separators
  std::string firstLine;  // the first drawn line: it names the file
};

// Keyword lines as the keyword box hands them out; a line past the end reads
// as empty.
struct KeywordLines {
  std::vector<std::string> lines;
  const std::string& Line(std::uint32_t k) const;
};

// Draws 801 library lines, re-seeding before each, and after draws 0, 20, ...,
// 800 one keyword without re-seeding. A keyword joins the article as the
// draw list would split it back: by its line ends, an empty one adding
// nothing. Same result as rebuilding the draw list from its text after every
// keyword, in linear time. `library` must not be empty. Throws ArticleTooLong
// before the article would pass kMaxArticleBytes.
Article DrawArticle(const std::vector<std::string>& library, const KeywordLines& keywords, Random& random);

// AppDir + first line + ".txt". Throws FileCreateError when the first line
// would name a file outside the folder (it holds "\", "/" or ":" outside a
// double-byte character).
std::string ArticleFilePath(const std::string& folder, const std::string& firstLine);

// What the window shows while generating; the core drives it in order.
class GeneratorView {
 public:
  virtual ~GeneratorView() = default;
  virtual void ClearArticle() = 0;
  virtual void SetArticle(const std::string& text) = 0;
  virtual KeywordLines ReadKeywordLines() = 0;
  virtual void ShowMessage(const std::string& text) = 0;
};

// btnGenClick: re-seed, empty the box, refuse without a library, draw, show,
// then save atomically. Errors propagate to the caller's error display with
// the article still shown.
void GenerateAndSave(GeneratorView& view, const std::vector<std::string>& library, Random& random, Files& files,
                     const std::string& appDir);

}  // namespace zv
