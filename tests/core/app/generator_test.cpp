#include "core/app/generator.h"

#include <gtest/gtest.h>

#include "core/app/texts.h"
#include "core/base/string_list.h"
#include "fakes.h"

namespace zv {
namespace {

using test::FakeClock;
using test::FakeCodec;
using test::FakeFiles;
using Lines = std::vector<std::string>;

TEST(Random, DrawsFollowTheRecurrence) {
  FakeClock clock;
  Random random(clock);
  random.set_seed(0xFFFFFFFFu);
  EXPECT_EQ(random.Draw(100), 96u);  // seed 4160191484
  EXPECT_EQ(random.seed(), 4160191484u);
  random.set_seed(12345);
  EXPECT_EQ(random.Draw(801), 308u);  // seed 1655067934
  EXPECT_EQ(random.Draw(3), 0u);      // seed 1242767767
  EXPECT_EQ(random.Draw(0), 0u);
  EXPECT_EQ(random.Draw(1), 0u);
}

TEST(Random, ReseedTakesTheCounterOrFallsBackToTheTick) {
  FakeClock clock;
  clock.next = 0x1234567890ull;
  Random random(clock);
  random.Reseed();
  EXPECT_EQ(random.seed(), 0x34567890u);  // low 32 bits
  clock.hasCounter = false;
  clock.tick = 777;
  random.Reseed();
  EXPECT_EQ(random.seed(), 777u);
}

// The algorithm as first written: the draw list rebuilt from its text after
// every keyword, then every CR LF removed.
std::string ReferenceArticle(const Lines& library, const Lines& keywords, Random& random) {
  Lines drawList;
  for (int i = 0; i <= 800; ++i) {
    random.Reseed();
    drawList.push_back(library[random.Draw(static_cast<std::uint32_t>(library.size()))]);
    if (i % 20 == 0) {
      const std::uint32_t k = random.Draw(static_cast<std::uint32_t>(keywords.size()));
      drawList = SplitLines(JoinLines(drawList) + (k < keywords.size() ? keywords[k] : ""));
    }
  }
  return StripLineBreaks(JoinLines(drawList));
}

TEST(Generator, MatchesTheRebuildingAlgorithm) {
  const std::vector<std::string> library{"alpha", "", "\xb4\xca\xbf\xe2", "delta", "e"};
  const std::vector<Lines> keywordSets{{}, {"kw"}, {"a", "", "b"}, {"x\ry", "\r\n", "z\n"}, {std::string("p\0q", 3)}};
  for (const auto& keywords : keywordSets) {
    for (std::uint64_t step : {1ull, 7ull, 1000003ull}) {
      FakeClock a, b;
      a.step = b.step = step;
      Random ra(a), rb(b);
      EXPECT_EQ(DrawArticle(library, keywords, ra).text, ReferenceArticle(library, keywords, rb));
      EXPECT_EQ(a.readings, 801);
    }
  }
}

TEST(Generator, ArticleShapeWithAndWithoutKeywords) {
  // Counter readings 0, 1, 2, ...: every seed is known, so the draws are too.
  const std::vector<std::string> library{"L0", "L1", "L2", "L3"};
  auto drawnLine = [](std::uint32_t reading) {
    return (static_cast<std::uint64_t>(reading * 134775813u + 1u) * 4u) >> 32;
  };
  std::string expectedBare;
  for (std::uint32_t i = 0; i <= 800; ++i) expectedBare += library[drawnLine(i)];

  FakeClock clock;
  Random random(clock);
  const Article bare = DrawArticle(library, {}, random);
  EXPECT_EQ(bare.text, expectedBare);
  EXPECT_EQ(bare.firstLine, library[drawnLine(0)]);

  FakeClock clock2;
  Random random2(clock2);
  const Article woven = DrawArticle(library, {{"K"}}, random2);
  EXPECT_EQ(woven.text.size(), expectedBare.size() + 41);  // k0 .. k40
  EXPECT_EQ(woven.text.substr(0, 3), library[drawnLine(0)] + "K");
  EXPECT_EQ(woven.text.back(), 'K');  // the article ends with the keyword of draw 800
}

TEST(Generator, OneLineLibraryRepeatsThatLine) {
  FakeClock clock;
  Random random(clock);
  const Article article = DrawArticle({"ab"}, {{"", "k"}}, random);
  EXPECT_EQ(article.firstLine, "ab");
  std::string lines;
  for (char c : article.text) {
    if (c != 'k') lines += c;
  }
  std::string expected;
  for (int i = 0; i < 801; ++i) expected += "ab";
  EXPECT_EQ(lines, expected);
  EXPECT_LE(article.text.size() - expected.size(), 41u);  // the empty keyword adds nothing
  EXPECT_GT(article.text.size() - expected.size(), 0u);
}

TEST(Generator, WithoutCounterDrawsInOneTickRepeat) {
  FakeClock clock;
  clock.hasCounter = false;
  clock.tick = 99;
  Random random(clock);
  const Article article = DrawArticle({"a", "b", "c", "d", "e", "f", "g"}, {}, random);
  EXPECT_EQ(article.text, std::string(801, article.text[0]));
}

class RecordingView : public GeneratorView {
 public:
  std::vector<std::string> events;
  std::string article;
  Lines keywords;
  Encoding encoding = Encoding::kCp936;
  void ClearArticle() override {
    events.push_back("clear");
    article.clear();
  }
  void SetArticle(const std::string& text, Encoding shownAs) override {
    events.push_back("set");
    article = text;
    encoding = shownAs;
  }
  Lines ReadKeywordLines() override { return keywords; }
  void ShowMessage(const std::string& text) override { events.push_back("message:" + text); }
};

class GenerateAndSaveTest : public ::testing::Test {
 protected:
  void Generate(const Lines& lines, FileEncoding encoding = FileEncoding::kCp936) {
    GenerateAndSave(view, {lines, encoding}, random, folder);
  }

  FakeClock clock;
  Random random{clock};
  FakeFiles files;
  FakeCodec codec;
  AppFolder folder{files, codec, "C:\\app\\"};
  RecordingView view;
};

TEST_F(GenerateAndSaveTest, RefusesWithoutLibrary) {
  view.article = "old";
  Generate({});
  EXPECT_EQ(view.events, (Lines{"clear", std::string("message:") + texts::kLoadLibraryFirst}));
  EXPECT_EQ(view.article, "");
  EXPECT_TRUE(files.files.empty());
  EXPECT_EQ(clock.readings, 1);  // re-seeded first all the same
}

TEST_F(GenerateAndSaveTest, SavesTheShownArticleUnderTheFirstLine) {
  files.files["C:\\app\\one.txt"] = "an older article";
  Generate({"one"});
  EXPECT_EQ(files.files.at("C:\\app\\one.txt"), view.article);
  EXPECT_EQ(view.article.size(), 3u * 801);
  EXPECT_EQ(clock.readings, 802);

  // An empty first line names the file ".txt".
  Generate({""});
  EXPECT_EQ(files.files.count("C:\\app\\.txt"), 1u);

  // 誠中: the trail byte of 誠 (D5 5C) is "\", which names no folder; the
  // name is the line's characters, in UTF-8 as paths are.
  Generate({"\xd5\x5c\xd6\xd0"});
  EXPECT_EQ(files.files.count("C:\\app\\\xE8\xAA\xA0\xE4\xB8\xAD.txt"), 1u);
}

// Articles are built and saved in their library's encoding: UTF-8 keeps its
// mark, UTF-16 is saved as little-endian with a mark; the box is told which.
TEST_F(GenerateAndSaveTest, SavesInTheLibrarysEncoding) {
  const std::string zhong = "\xE4\xB8\xAD";
  Generate({zhong}, FileEncoding::kUtf8Bom);
  std::string article;
  for (int i = 0; i < 801; ++i) article += zhong;
  EXPECT_EQ(view.article.substr(0, 3 * 801), article);
  EXPECT_EQ(view.encoding, Encoding::kUtf8);
  EXPECT_EQ(files.files.at("C:\\app\\" + zhong + ".txt"), "\xEF\xBB\xBF" + view.article);

  Generate({"a"}, FileEncoding::kUtf16Be);
  std::string utf16 = "\xFF\xFE";
  for (int i = 0; i < 801; ++i) utf16 += std::string("a\0", 2);
  EXPECT_EQ(files.files.at("C:\\app\\a.txt"), utf16);
}

// An emoji cannot be written in CP936: refused before any draw, nothing shown
// or saved; a UTF-8 library takes it.
TEST_F(GenerateAndSaveTest, RefusesAKeywordTheEncodingCannotHold) {
  const std::string emoji = "\xF0\x9F\x98\x80";
  view.keywords = {"ok", emoji};
  Generate({"x"});
  EXPECT_EQ(view.events, (Lines{"clear", "message:" + std::string(texts::kKeywordNotInEncodingBefore) + "U+1F600" +
                                             texts::kKeywordNotInEncodingAfter}));
  EXPECT_TRUE(files.files.empty());
  EXPECT_EQ(clock.readings, 1);

  Generate({"x"}, FileEncoding::kUtf8);
  EXPECT_NE(view.article.find(emoji), std::string::npos);
}

TEST_F(GenerateAndSaveTest, RefusesAnArticlePastTheBound) {
  const std::string fits(kMaxArticleBytes / kArticleDraws, 'x');
  Generate({fits});
  EXPECT_EQ(files.files.size(), 1u);

  files.files.clear();
  view.events.clear();
  EXPECT_THROW(Generate({fits + "x"}), ArticleTooLong);
  EXPECT_EQ(view.events, Lines{"clear"});
  EXPECT_TRUE(files.files.empty());
}

// A "\" right after a UTF-8 character is a separator (a CP936 scan would take
// AD 5C in 中\ for one character).
TEST_F(GenerateAndSaveTest, FirstLineNamingAnotherPlaceFailsAfterShowing) {
  const std::vector<std::pair<std::string, FileEncoding>> lines{{"..\\..\\evil", FileEncoding::kCp936},
                                                                {"sub/x", FileEncoding::kCp936},
                                                                {"a:stream", FileEncoding::kCp936},
                                                                {"\\abs", FileEncoding::kCp936},
                                                                {"\xE4\xB8\xAD\\x", FileEncoding::kUtf8}};
  for (const auto& [line, encoding] : lines) {
    view.article.clear();
    try {
      Generate({line}, encoding);
      ADD_FAILURE() << "saved " << line;
    } catch (const FileCreateError& e) {
      const std::string shown = encoding == FileEncoding::kUtf8 ? "\xD6\xD0\\x" : line;
      EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"C:\\app\\" + shown + ".txt\". ", 0), 0u);
    }
    EXPECT_FALSE(view.article.empty());  // the article stays shown
    EXPECT_TRUE(files.files.empty());
  }
}

TEST_F(GenerateAndSaveTest, FailedSaveKeepsTheArticleShown) {
  files.unwritable.push_back("C:\\app\\a?b.txt");
  EXPECT_THROW(Generate({"a?b"}), FileCreateError);
  EXPECT_EQ(view.events, (Lines{"clear", "set"}));
  EXPECT_EQ(view.article.size(), 3u * 801);
}

}  // namespace
}  // namespace zv
