// One article from a 10,000-line library, next to two baselines: copying as
// many bytes in one piece (which no generator drawing 801 scattered lines can
// approach) and copying the same 801 lines from the same drawn positions into
// a buffer, the honest floor.
#include <benchmark/benchmark.h>

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

// The benchmark's fixed counter, as --counter gives it.
zv::SyntheticClock FixedCounter() { return zv::SyntheticClock(12345, 7); }

void BM_GenerateArticle(benchmark::State& state) {
  const auto library = Library();
  zv::SyntheticClock clock = FixedCounter();
  zv::Random random(clock);
  zv::Article article;
  for (auto _ : state) {
    zv::DrawArticle(library, kKeywords, random, article);
    benchmark::DoNotOptimize(article.text.data());
  }
  state.counters["article_bytes"] = static_cast<double>(article.text.size());
}
BENCHMARK(BM_GenerateArticle);

void BM_CopyArticleBytes(benchmark::State& state) {
  const auto library = Library();
  zv::SyntheticClock clock = FixedCounter();
  zv::Random random(clock);
  const std::string source = zv::DrawArticle(library, kKeywords, random).text;
  std::string target;
  for (auto _ : state) {
    target.assign(source.data(), source.size());  // a fresh string per article
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
    target = std::string();
  }
}
BENCHMARK(BM_CopyArticleBytes);

// The positions the generator draws for its first article, copied line by
// line into a reused buffer as the generator copies them.
void BM_CopyDrawnLines(benchmark::State& state) {
  const auto library = Library();
  zv::SyntheticClock clock = FixedCounter();
  zv::Random random(clock);
  std::vector<const std::string*> drawn;
  for (int i = 0; i < zv::kArticleDraws; ++i) {
    random.Reseed();
    drawn.push_back(&library[random.Draw(static_cast<std::uint32_t>(library.size()))]);
  }
  std::string buffer;
  for (auto _ : state) {
    buffer.clear();
    for (const std::string* line : drawn) buffer.append(*line);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopyDrawnLines);

}  // namespace

BENCHMARK_MAIN();
