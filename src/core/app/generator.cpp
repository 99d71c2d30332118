#include "core/app/generator.h"

#include "core/app/texts.h"
#include "core/base/error.h"
#include "core/base/path.h"
#include "core/base/string_list.h"

namespace zv {

const std::string& KeywordLines::Line(std::uint32_t k) const {
  static const std::string empty;
  return k < lines.size() ? lines[k] : empty;
}

ArticleTooLong::ArticleTooLong() : Error(texts::kArticleTooLong) {}

namespace {

void Append(std::string& article, std::string_view piece) {
  if (piece.size() > kMaxArticleBytes - article.size()) throw ArticleTooLong();
  article += piece;
}

}  // namespace

Article DrawArticle(const std::vector<std::string>& library, const KeywordLines& keywords, Random& random) {
  const auto n = static_cast<std::uint32_t>(library.size());
  const auto m = static_cast<std::uint32_t>(keywords.lines.size());
  Article article;
  for (int i = 0; i < kArticleDraws; ++i) {
    random.Reseed();
    const std::string& line = library[random.Draw(n)];
    if (i == 0) article.firstLine = line;
    Append(article.text, line);
    if (i % kKeywordEvery == 0) {
      ForEachLine(keywords.Line(random.Draw(m)), [&](std::string_view piece) { Append(article.text, piece); });
    }
  }
  return article;
}

std::string ArticleFilePath(const std::string& folder, const std::string& firstLine) {
  std::string path = folder + firstLine + ".txt";
  if (NamesOtherLocation(firstLine)) {
    throw FileCreateError(path, "The filename, directory name, or volume label syntax is incorrect");
  }
  return path;
}

void GenerateAndSave(GeneratorView& view, const std::vector<std::string>& library, Random& random, Files& files,
                     const std::string& appDir) {
  random.Reseed();
  view.ClearArticle();
  if (library.empty()) {
    view.ShowMessage(texts::kLoadLibraryFirst);
    return;
  }
  const Article article = DrawArticle(library, view.ReadKeywordLines(), random);
  view.SetArticle(article.text);
  files.WriteAtomic(ArticleFilePath(appDir, article.firstLine), article.text);
}

}  // namespace zv
