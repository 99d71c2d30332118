#include "cli/generate_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "cli/cli_codec.h"
#include "cli/cli_error.h"
#include "cli/std_platform.h"
#include "core/app/generator.h"
#include "core/base/error.h"
#include "core/base/string_list.h"

namespace zv {
namespace {

namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir()
      : path_(fs::temp_directory_path() /
              ("zv-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  std::string str() const { return path_.string(); }

 private:
  fs::path path_;
};

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// What the command wrote, or a reader that goes away after `open` writes.
class StringOutput : public Output {
 public:
  std::string text;
  int writes = 0;
  int open = 1 << 30;
  bool Write(std::string_view bytes) override {
    if (++writes > open) return false;
    text += bytes;
    return true;
  }
};

std::vector<std::string> OutputLines(const StringOutput& out) { return SplitLines(out.text); }
std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The algorithm as documented: re-seed, then 801 draws each after a re-seed,
// the draw list rebuilt from its text after every keyword, every CR LF removed.
// The counter reads `reading`, then `reading + step`, ...
std::string DocumentedArticle(const std::vector<std::string>& lib, const std::vector<std::string>& keywords,
                              std::uint64_t& reading, std::uint64_t step) {
  auto next = [&] {
    const auto value = static_cast<std::uint32_t>(reading);
    reading += step;
    return value;
  };
  std::uint32_t seed = next();  // the re-seed before the generation
  auto draw = [&](std::uint32_t n) {
    seed = seed * 0x8088405u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
  };
  std::vector<std::string> list;
  for (int i = 0; i <= 800; ++i) {
    seed = next();
    list.push_back(lib[draw(static_cast<std::uint32_t>(lib.size()))]);
    if (i % 20 == 0) {
      const std::uint32_t k = draw(static_cast<std::uint32_t>(keywords.size()));
      list = SplitLines(JoinLines(list) + (k < keywords.size() ? keywords[k] : ""));
    }
  }
  return StripLineBreaks(JoinLines(list));
}

TEST(GenerateCommand, CounterOutputIsTheDocumentedAlgorithm) {
  TempDir dir;
  const std::vector<std::string> lib{"first", "second", "\xb5\xda\xc8\xfd", "", "fifth"};
  WriteFile(dir / "lib.txt", JoinLines(lib));
  WriteFile(dir / "kw.txt", "k1\r\n\r\nk3");
  StdFiles files;
  for (const std::uint64_t step : {1ull, 3ull, 0x100000001ull}) {
    const auto options = ParseGenerateOptions({dir / "lib.txt", "--keyword", "solo", "--keywords", dir / "kw.txt",
                                               "--count", "3", "--counter", "500:" + std::to_string(step), "--stdout"},
                                              files);
    std::vector<std::string> keywords;
    for (const auto& keyword : options.keywords) keywords.push_back(keyword.text);
    EXPECT_EQ(keywords, (std::vector<std::string>{"solo", "k1", "", "k3"}));
    SyntheticClock clock(options.counterStart, options.counterStep);
    Random random(clock);
    StringOutput out;
    RunGenerate(options, files, CliCodec(), random, out, false);

    std::string expected;
    std::uint64_t reading = 500;  // the readings go on from one article to the next
    for (int i = 0; i < 3; ++i) expected += DocumentedArticle(lib, keywords, reading, step) + "\n";
    EXPECT_EQ(out.text, expected) << "step " << step;
  }
}

TEST(GenerateCommand, BatchNeverOverwritesItsOwnArticles) {
  TempDir dir;
  WriteFile(dir / "lib.txt", "only\r\n");
  WriteFile(dir / "only.txt", "from before the batch");
  StdFiles files;
  const auto options =
      ParseGenerateOptions({dir / "lib.txt", "--count", "3", "--out", dir.str(), "--counter", "7"}, files);
  SyntheticClock clock(7, 1);
  Random random(clock);
  StringOutput out;
  RunGenerate(options, files, CliCodec(), random, out, false);
  const auto saved = OutputLines(out);
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_EQ(saved[0], dir / "only.txt");
  EXPECT_EQ(saved[1], dir / "only (2).txt");
  EXPECT_EQ(saved[2], dir / "only (3).txt");
  std::string lines;
  for (int i = 0; i < 801; ++i) lines += "only";
  for (const auto& path : saved) EXPECT_EQ(ReadFile(path), lines);  // the old file was replaced
}

TEST(GenerateCommand, SavesUnderTheLongestNameIntoTheFolderAsGiven) {
  TempDir dir;
  StdFiles files;
  const std::string longest(255 - 4, 'n');  // with ".txt", as long as a name may be
  WriteFile(dir / "lib.txt", longest);
  // A folder named in GBK on a system that does not read it so: "\\" is a
  // plain byte there, and 誠 (D5 5C) is the folder's whole name.
  const std::string gbkFolder = dir / "\xd5\x5c";
  fs::create_directory(gbkFolder);
  SyntheticClock clock(0, 1);
  Random random(clock);
  StringOutput out;
  RunGenerate(ParseGenerateOptions({dir / "lib.txt", "--out", gbkFolder}, files), files, CliCodec(), random, out,
              false);
  const auto saved = OutputLines(out);
  ASSERT_EQ(saved, (std::vector<std::string>{gbkFolder + "/" + longest + ".txt"}));
  EXPECT_EQ(ReadFile(saved[0]).size(), 801 * longest.size());
  EXPECT_EQ(std::distance(fs::directory_iterator(gbkFolder), fs::directory_iterator()), 1);  // no temporary left
}

TEST(GenerateCommand, ClearErrors) {
  TempDir dir;
  StdFiles files;
  WriteFile(dir / "empty.txt", "");
  WriteFile(dir / "bad.txt", "a/b\r\n");
  SyntheticClock clock(0, 1);
  Random random(clock);
  auto run = [&](std::vector<std::string> args) {
    StringOutput out;
    RunGenerate(ParseGenerateOptions(args, files), files, CliCodec(), random, out, false);
  };
  EXPECT_THROW(run({dir / "missing.txt", "--out", dir.str()}), FileOpenError);
  EXPECT_THROW(run({dir / "empty.txt", "--out", dir.str()}), Error);
  EXPECT_THROW(run({dir / "bad.txt", "--out", dir.str()}), FileCreateError);  // never outside the folder
  EXPECT_THROW(run({dir / "empty.txt", "--out", dir / "no-such-dir"}), Error);
  EXPECT_THROW(ParseGenerateOptions({}, files), CliError);
  EXPECT_THROW(ParseGenerateOptions({"lib", "--count", "0"}, files), CliError);
  EXPECT_THROW(ParseGenerateOptions({"lib", "--counter", "x"}, files), CliError);
  EXPECT_THROW(ParseGenerateOptions({"lib", "--bogus"}, files), CliError);
  EXPECT_THROW(ParseGenerateOptions({"lib", "--out"}, files), CliError);
  EXPECT_THROW(ParseGenerateOptions({"lib", "--encoding", "latin1"}, files), CliError);
}

// Runs a batch with the counter at 0, 1, 2, ...
StringOutput Generate(const std::vector<std::string>& args) {
  StdFiles files;
  SyntheticClock clock(0, 1);
  Random random(clock);
  StringOutput out;
  RunGenerate(ParseGenerateOptions(args, files), files, CliCodec(), random, out, false);
  return out;
}

std::string Utf8(std::string_view cp936) { return CliCodec().Utf8FromCp936(cp936); }

// The same lines as CP936, UTF-8 with a mark and UTF-16 BE give the same
// articles, each in its library's encoding, and the same file name: UTF-8 on
// Linux, whatever the library's encoding.
TEST(GenerateCommand, EveryEncodingGivesTheSameArticlesAndNames) {
  TempDir dir;
  const std::string gbk = "\xD6\xD0\xCE\xC4 one\r\n\xD1\xA7\xCF\xB0\r\n\xD5\x5C\r\n";  // 中文 one, 学习, 誠
  WriteFile(dir / "gbk.txt", gbk);
  WriteFile(dir / "utf8.txt", "\xEF\xBB\xBF" + Utf8(gbk));
  WriteFile(dir / "utf16.txt", EncodeTextFile(Utf8(gbk), FileEncoding::kUtf16Be));
  auto run = [&](const std::string& library, const std::vector<std::string>& more) {
    std::vector<std::string> args{dir / library, "--keyword", "\xE6\x96\x87"};  // 文, as the terminal types it
    args.insert(args.end(), more.begin(), more.end());
    return Generate(args);
  };
  const std::string articles = run("gbk.txt", {"--count", "3", "--stdout"}).text;
  for (const auto& article : SplitLines(articles)) EXPECT_TRUE(article.ends_with("\xCE\xC4"));  // 文 in CP936
  EXPECT_EQ(run("utf8.txt", {"--count", "3", "--stdout"}).text, "\xEF\xBB\xBF" + Utf8(articles));
  // One mark for the whole stream, lines ending in 0A 00.
  EXPECT_EQ(run("utf16.txt", {"--count", "3", "--stdout"}).text,
            EncodeTextFile(Utf8(articles), FileEncoding::kUtf16Le));

  const std::string first = SplitLines(articles)[0];
  const std::vector<std::pair<std::string, std::string>> files{
      {"gbk.txt", first},
      {"utf8.txt", "\xEF\xBB\xBF" + Utf8(first)},
      {"utf16.txt", EncodeTextFile(Utf8(first), FileEncoding::kUtf16Le)}};
  std::set<std::string> names;
  for (const auto& [library, bytes] : files) {
    const std::string folder = dir / (library + ".out");
    fs::create_directory(folder);
    const auto saved = OutputLines(run(library, {"--out", folder}));
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(ReadFile(saved[0]), bytes) << library;
    names.insert(fs::path(saved[0]).filename().string());
  }
  const std::string name = Utf8(SplitLines(gbk)[0]) + ".txt";  // the first line drawn at these readings
  EXPECT_EQ(names, std::set<std::string>{name});
}

// Keywords reach the article in its encoding: a keyword file by the detection
// rule, the terminal's UTF-8 as characters; one CP936 cannot hold is refused
// before anything is written.
TEST(GenerateCommand, KeywordsInTheArticlesEncoding) {
  TempDir dir;
  WriteFile(dir / "lib.txt", "x");
  WriteFile(dir / "kw.txt", "\xE4\xB8\xAD\xE6\x96\x87");  // 中文 in UTF-8
  const std::string article = Generate({dir / "lib.txt", "--keywords", dir / "kw.txt", "--stdout"}).text;
  EXPECT_EQ(article.substr(0, 5), "x\xD6\xD0\xCE\xC4");
  EXPECT_THROW(Generate({dir / "lib.txt", "--keyword", "\xF0\x9F\x98\x80", "--stdout"}), KeywordNotInEncoding);
  // Forced to UTF-8, the same library takes the emoji.
  const std::string forced =
      Generate({dir / "lib.txt", "--encoding", "utf-8", "--keyword", "\xF0\x9F\x98\x80", "--stdout"}).text;
  EXPECT_EQ(forced.substr(0, 5), "x\xF0\x9F\x98\x80");
}

// A reader that goes away stops the batch at once: no further article is drawn.
TEST(GenerateCommand, StreamStopsWhenTheReaderGoes) {
  TempDir dir;
  WriteFile(dir / "lib.txt", "a\r\nb");
  StdFiles files;
  SyntheticClock clock(0, 1);
  Random random(clock);
  StringOutput out;
  out.open = 3;  // the mark (empty for CP936) and two articles
  RunGenerate(ParseGenerateOptions({dir / "lib.txt", "--stdout", "--count", "1000"}, files), files, CliCodec(), random,
              out, false);
  EXPECT_EQ(SplitLines(out.text).size(), 2u);
  EXPECT_EQ(clock.PerformanceCounter(), 3u * 802);  // three articles drawn, the third never written
}

}  // namespace
}  // namespace zv
