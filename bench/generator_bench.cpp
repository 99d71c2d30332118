// One article from a 10,000-line library, next to copying as many bytes as
// the article holds: the ratio of the two is the figure we track.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "cli/std_platform.h"
#include "core/app/generator.h"

namespace {

std::vector<std::string> Library() {
  std::vector<std::string> lines;
  for (int i = 0; i < 10000; ++i) {
    lines.push_back("\xb5\xda" + std::to_string(i) + " line of a word library, a sentence of some length.");
  }
  return lines;
}

const zv::KeywordLines kKeywords{{"keyword one", "keyword two", "", "keyword four"}};

void BM_GenerateArticle(benchmark::State& state) {
  const auto library = Library();
  zv::SyntheticClock clock(12345, 7);
  zv::Random random(clock);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto article = zv::DrawArticle(library, kKeywords, random);
    bytes = article.text.size();
    benchmark::DoNotOptimize(article.text.data());
  }
  state.counters["article_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_GenerateArticle);

void BM_CopyArticleBytes(benchmark::State& state) {
  const auto library = Library();
  zv::SyntheticClock clock(12345, 7);
  zv::Random random(clock);
  const std::string source = zv::DrawArticle(library, kKeywords, random).text;
  std::string target;
  for (auto _ : state) {
    target.assign(source.data(), source.size());  // a fresh string per article, as the generator makes
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
    target = std::string();
  }
}
BENCHMARK(BM_CopyArticleBytes);

}  // namespace

BENCHMARK_MAIN();
