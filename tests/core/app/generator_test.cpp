#include "core/app/generator.h"

#include <gtest/gtest.h>

#include "core/app/texts.h"
#include "core/base/string_list.h"
#include "fakes.h"

namespace zv {
namespace {

using test::FakeClock;
using test::FakeFiles;

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
std::string ReferenceArticle(const std::vector<std::string>& library, const KeywordLines& keywords,
                             Random& random) {
  std::vector<std::string> drawList;
  for (int i = 0; i <= 800; ++i) {
    random.Reseed();
    drawList.push_back(library[random.Draw(static_cast<std::uint32_t>(library.size()))]);
    if (i % 20 == 0) {
      const std::string text =
          JoinLines(drawList) + keywords.Line(random.Draw(static_cast<std::uint32_t>(keywords.lines.size())));
      drawList = SplitLines(text);
    }
  }
  return StripLineBreaks(JoinLines(drawList));
}

TEST(Generator, MatchesTheRebuildingAlgorithm) {
  const std::vector<std::string> library{"alpha", "", "\xb4\xca\xbf\xe2", "delta", "e"};
  const std::vector<KeywordLines> keywordSets{
      {}, {{"kw"}}, {{"a", "", "b"}}, {{"x\ry", "\r\n", "z\n"}}, {{std::string("p\0q", 3)}}};
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
  KeywordLines keywords;
  void ClearArticle() override {
    events.push_back("clear");
    article.clear();
  }
  void SetArticle(const std::string& text) override {
    events.push_back("set");
    article = text;
  }
  KeywordLines ReadKeywordLines() override { return keywords; }
  void ShowMessage(const std::string& text) override { events.push_back("message:" + text); }
};

TEST(GenerateAndSave, RefusesWithoutLibrary) {
  FakeClock clock;
  Random random(clock);
  FakeFiles files;
  RecordingView view;
  view.article = "old";
  GenerateAndSave(view, {}, random, files, "C:\\app\\");
  EXPECT_EQ(view.events, (std::vector<std::string>{"clear", std::string("message:") + texts::kLoadLibraryFirst}));
  EXPECT_EQ(view.article, "");
  EXPECT_TRUE(files.files.empty());
  EXPECT_EQ(clock.readings, 1);  // re-seeded first all the same
}

TEST(GenerateAndSave, SavesTheShownArticleUnderTheFirstLine) {
  FakeClock clock;
  Random random(clock);
  FakeFiles files;
  files.files["C:\\app\\one.txt"] = "an older article";
  RecordingView view;
  GenerateAndSave(view, {"one"}, random, files, "C:\\app\\");
  EXPECT_EQ(files.files.at("C:\\app\\one.txt"), view.article);
  EXPECT_EQ(view.article.size(), 3u * 801);
  EXPECT_EQ(clock.readings, 802);

  // An empty first line names the file ".txt".
  GenerateAndSave(view, {""}, random, files, "C:\\app\\");
  EXPECT_EQ(files.files.count("C:\\app\\.txt"), 1u);

  // 誠信經營: the trail byte of 誠 is "\", which names no folder.
  const std::string chengXinJingYing = "\xd5\x5c\xd0\xc5\xbd\x9b\xa0\x49";
  GenerateAndSave(view, {chengXinJingYing}, random, files, "C:\\app\\");
  EXPECT_EQ(files.files.count("C:\\app\\" + chengXinJingYing + ".txt"), 1u);
}

TEST(GenerateAndSave, RefusesAnArticlePastTheBound) {
  FakeClock clock;
  Random random(clock);
  FakeFiles files;
  RecordingView view;
  const std::string fits(kMaxArticleBytes / kArticleDraws, 'x');
  GenerateAndSave(view, {fits}, random, files, "C:\\app\\");
  EXPECT_EQ(files.files.size(), 1u);

  files.files.clear();
  view.events.clear();
  EXPECT_THROW(GenerateAndSave(view, {fits + "x"}, random, files, "C:\\app\\"), ArticleTooLong);
  EXPECT_EQ(view.events, (std::vector<std::string>{"clear"}));
  EXPECT_TRUE(files.files.empty());
}

TEST(GenerateAndSave, FirstLineNamingAnotherPlaceFailsAfterShowing) {
  for (const std::string line : {"..\\..\\evil", "sub/x", "a:stream", "\\abs"}) {
    FakeClock clock;
    Random random(clock);
    FakeFiles files;
    RecordingView view;
    try {
      GenerateAndSave(view, {line}, random, files, "C:\\app\\");
      ADD_FAILURE() << "saved " << line;
    } catch (const FileCreateError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"C:\\app\\" + line + ".txt\". ", 0), 0u);
    }
    EXPECT_FALSE(view.article.empty());  // the article stays shown
    EXPECT_TRUE(files.files.empty());
  }
}

TEST(GenerateAndSave, FailedSaveKeepsTheArticleShown) {
  FakeClock clock;
  Random random(clock);
  FakeFiles files;
  files.unwritable.push_back("C:\\app\\a?b.txt");
  RecordingView view;
  EXPECT_THROW(GenerateAndSave(view, {"a?b"}, random, files, "C:\\app\\"), FileCreateError);
  EXPECT_EQ(view.events, (std::vector<std::string>{"clear", "set"}));
  EXPECT_EQ(view.article.size(), 3u * 801);
}

}  // namespace
}  // namespace zv
