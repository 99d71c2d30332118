#include "core/app/generator.h"

#include <array>
#include <cstring>

#include "core/app/texts.h"

namespace zv {

ArticleTooLong::ArticleTooLong() : Error(texts::kArticleTooLong) {}

void DrawArticle(const std::vector<std::string>& library, const KeywordLines& keywords, Random& random,
                 Article& article) {
  const auto n = static_cast<std::uint32_t>(library.size());
  const std::uint32_t m = keywords.Count();
  // Every seed is a counter reading, so the counter is read for all draws at
  // once; then the draws; then one copy into a buffer of the right size.
  std::array<std::uint64_t, kArticleDraws> seeds;
  random.NextSeeds(seeds);
  std::array<const std::string*, kArticleDraws + kKeywordDraws> pieces;
  std::size_t count = 0;
  std::size_t bytes = 0;
  for (int i = 0; i < kArticleDraws; ++i) {
    random.set_seed(static_cast<std::uint32_t>(seeds[i]));
    pieces[count] = &library[random.Draw(n)];
    bytes += pieces[count++]->size();
    if (i % kKeywordEvery == 0) {
      pieces[count] = &keywords.Woven(random.Draw(m));  // no re-seed before a keyword
      bytes += pieces[count++]->size();
    }
  }
  if (bytes > kMaxArticleBytes) throw ArticleTooLong();
  article.firstLine.assign(*pieces[0]);
  // A reused buffer only fills what it grows by; every byte is then written.
  article.text.resize(bytes);
  char* out = article.text.data();
  for (std::size_t i = 0; i < count; ++i) {
    std::memcpy(out, pieces[i]->data(), pieces[i]->size());
    out += pieces[i]->size();
  }
}

Article DrawArticle(const std::vector<std::string>& library, const KeywordLines& keywords, Random& random) {
  Article article;
  DrawArticle(library, keywords, random, article);
  return article;
}

void GenerateAndSave(GeneratorView& view, const TextLines& library, Random& random, const AppFolder& folder) {
  random.Reseed();
  view.ClearArticle();
  if (library.lines.empty()) {
    view.ShowMessage(texts::kLoadLibraryFirst);
    return;
  }
  const Encoding encoding = InMemory(library.encoding);
  std::vector<Keyword> typed;
  for (auto& line : view.ReadKeywordLines()) typed.push_back({std::move(line), Encoding::kUtf8});
  KeywordLines keywords;
  try {
    keywords = ArticleKeywords(typed, encoding, folder.codec, kMaxKeywordLineBytes);
  } catch (const KeywordNotInEncoding& e) {
    view.ShowMessage(e.what());
    return;
  }
  const Article article = DrawArticle(library.lines, keywords, random);
  view.SetArticle(article.text, encoding);
  folder.files.WriteAtomic(ArticleFilePath(folder.path, article.firstLine, encoding, folder.codec),
                           EncodeTextFile(article.text, ArticleFileEncoding(library.encoding)));
}

}  // namespace zv
