#include "cli/generate_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
  TempDir() : path_(fs::temp_directory_path() / ("zv-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
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
    EXPECT_EQ(options.keywords, (std::vector<std::string>{"solo", "k1", "", "k3"}));
    SyntheticClock clock(options.counterStart, options.counterStep);
    Random random(clock);
    std::string out;
    EXPECT_TRUE(RunGenerate(options, files, random, &out, false).empty());

    std::string expected;
    std::uint64_t reading = 500;  // the readings go on from one article to the next
    for (int i = 0; i < 3; ++i) expected += DocumentedArticle(lib, options.keywords, reading, step) + "\n";
    EXPECT_EQ(out, expected) << "step " << step;
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
  const auto saved = RunGenerate(options, files, random, nullptr, false);
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
  const auto saved =
      RunGenerate(ParseGenerateOptions({dir / "lib.txt", "--out", gbkFolder}, files), files, random, nullptr, false);
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
    RunGenerate(ParseGenerateOptions(args, files), files, random, nullptr, false);
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
}

}  // namespace
}  // namespace zv
