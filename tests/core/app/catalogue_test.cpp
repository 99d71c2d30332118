#include "core/app/catalogue.h"

#include <gtest/gtest.h>

#include "core/app/texts.h"
#include "fakes.h"

namespace zv {
namespace {

using test::FakeFiles;

const std::string kApp = "C:\\app\\";
const std::string kData = "C:\\app\\data\\";

class FakeList : public CatalogueView {
 public:
  std::vector<std::string> items;
  int selected = -1;
  std::string status = "unchanged";
  std::vector<std::string> messages;
  int ItemCount() override { return static_cast<int>(items.size()); }
  std::string Item(int index) override { return items.at(index); }
  bool Selected(int index) override { return index == selected; }
  void SetStatusCaption(const std::string& text) override { status = text; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
};

TEST(Catalogue, ScanKeepsEveryTxtEntryInEnumerationOrder) {
  FakeFiles files;
  files.folders[kData] = {".", "..", "b.txt", "A.TXT", "notes.txt.bak", "dir.txt", "x.text", "c.txt"};
  EXPECT_EQ(ScanWordLibraries(files, kApp), (std::vector<std::string>{"b.txt", "A.TXT", "dir.txt", "c.txt"}));
  EXPECT_TRUE(ScanWordLibraries(files, "D:\\nowhere\\").empty());
}

TEST(Catalogue, TwoOrMoreItemsLoadTheSelectedOneAndSaySo) {
  FakeFiles files;
  files.files[kData + "abc.txt"] = "one\r\ntwo\r\n";
  files.files[kData + "def.txt"] = "x";
  FakeList list;
  list.items = {"def.txt", "abc.txt"};
  list.selected = 1;
  std::vector<std::string> lines{"old"};
  ListBox1Click(list, files, kApp, lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(list.status, std::string(texts::kLibraryLoaded) + "abc.txt");
  EXPECT_EQ(list.messages, std::vector<std::string>{std::string(texts::kLibraryLoaded) + "abc.txt"});

  // No selection: the old library is dropped, nothing is said.
  list.selected = -1;
  list.messages.clear();
  ListBox1Click(list, files, kApp, lines);
  EXPECT_TRUE(lines.empty());
  EXPECT_TRUE(list.messages.empty());
}

TEST(Catalogue, OneItemLoadsSilentlyEvenUnselected) {
  FakeFiles files;
  files.files[kData + "only.txt"] = "a\r\n\r\nb";
  FakeList list;
  list.items = {"only.txt"};
  std::vector<std::string> lines;
  ListBox1Click(list, files, kApp, lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(list.status, "unchanged");
  EXPECT_TRUE(list.messages.empty());
}

TEST(Catalogue, EmptyListAsksForAScanAndDropsTheLibrary) {
  FakeFiles files;
  FakeList list;
  std::vector<std::string> lines{"old"};
  ListBox1Click(list, files, kApp, lines);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(list.messages, std::vector<std::string>{texts::kScanFirst});
}

TEST(Catalogue, UnreadableLibraryLeavesAnEmptyListAndSkipsTheRest) {
  FakeFiles files;
  FakeList list;
  list.items = {"gone.txt", "other.txt"};
  list.selected = 0;
  std::vector<std::string> lines{"old"};
  try {
    ListBox1Click(list, files, kApp, lines);
    ADD_FAILURE() << "no error";
  } catch (const FileOpenError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"C:\\app\\data\\gone.txt\". ", 0), 0u);
  }
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(list.status, "unchanged");
  EXPECT_TRUE(list.messages.empty());
}

}  // namespace
}  // namespace zv
