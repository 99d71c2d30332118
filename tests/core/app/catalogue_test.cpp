#include "core/app/catalogue.h"

#include <gtest/gtest.h>

#include "core/app/texts.h"
#include "fakes.h"

namespace zv {
namespace {

using test::FakeCodec;
using test::FakeFiles;
using Lines = std::vector<std::string>;

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

class CatalogueTest : public ::testing::Test {
 protected:
  FakeFiles files;
  FakeCodec codec;
  AppFolder folder{files, codec, kApp};
  FakeList list;
};

TEST(Catalogue, ScanKeepsEveryTxtEntryInEnumerationOrder) {
  FakeFiles files;
  files.folders[kData] = {".", "..", "b.txt", "A.TXT", "notes.txt.bak", "dir.txt", "x.text", "c.txt"};
  EXPECT_EQ(ScanWordLibraries(files, kApp), (std::vector<std::string>{"b.txt", "A.TXT", "dir.txt", "c.txt"}));
  EXPECT_TRUE(ScanWordLibraries(files, "D:\\nowhere\\").empty());
}

TEST_F(CatalogueTest, TwoOrMoreItemsLoadTheSelectedOneAndSaySo) {
  files.files[kData + "abc.txt"] = "one\r\ntwo\r\n";
  files.files[kData + "def.txt"] = "x";
  list.items = {"def.txt", "abc.txt"};
  list.selected = 1;
  TextLines library{{"old"}, FileEncoding::kUtf8};
  ListBox1Click(list, folder, library);
  EXPECT_EQ(library.lines, (Lines{"one", "two"}));
  EXPECT_EQ(library.encoding, FileEncoding::kCp936);
  EXPECT_EQ(list.status, std::string(texts::kLibraryLoaded) + "abc.txt");
  EXPECT_EQ(list.messages, std::vector<std::string>{std::string(texts::kLibraryLoaded) + "abc.txt"});

  // No selection: the old library is dropped, nothing is said.
  list.selected = -1;
  list.messages.clear();
  ListBox1Click(list, folder, library);
  EXPECT_TRUE(library.lines.empty());
  EXPECT_TRUE(list.messages.empty());
}

// A library named with a character outside CP936 (한, U+D55C) is read by its
// UTF-8 name; the CP936 caption spells that character out.
TEST_F(CatalogueTest, NamesAndEncodingsAsTheFilesHaveThem) {
  const std::string name = "\xED\x95\x9C\xE4\xB8\xAD.txt";  // 한中.txt
  files.files[kData + name] = "\xEF\xBB\xBF\xE4\xB8\xAD\r\n\xE6\x96\x87";
  files.files[kData + "gbk.txt"] = "\xD1\xA7\xCF\xB0";  // 学习: stays CP936
  list.items = {name, "gbk.txt"};
  list.selected = 0;
  TextLines library;
  ListBox1Click(list, folder, library);
  EXPECT_EQ(library.lines, (Lines{"\xE4\xB8\xAD", "\xE6\x96\x87"}));  // no mark in the first line
  EXPECT_EQ(library.encoding, FileEncoding::kUtf8Bom);
  EXPECT_EQ(list.status, std::string(texts::kLibraryLoaded) + "U+D55C\xD6\xD0.txt");

  list.selected = 1;
  ListBox1Click(list, folder, library);
  EXPECT_EQ(library.lines, Lines{"\xD1\xA7\xCF\xB0"});
  EXPECT_EQ(library.encoding, FileEncoding::kCp936);
}

TEST_F(CatalogueTest, OneItemLoadsSilentlyEvenUnselected) {
  files.files[kData + "only.txt"] = "a\r\n\r\nb";
  list.items = {"only.txt"};
  TextLines library;
  ListBox1Click(list, folder, library);
  EXPECT_EQ(library.lines, (Lines{"a", "", "b"}));
  EXPECT_EQ(list.status, "unchanged");
  EXPECT_TRUE(list.messages.empty());
}

TEST_F(CatalogueTest, EmptyListAsksForAScanAndDropsTheLibrary) {
  TextLines library{{"old"}};
  ListBox1Click(list, folder, library);
  EXPECT_TRUE(library.lines.empty());
  EXPECT_EQ(list.messages, std::vector<std::string>{texts::kScanFirst});
}

TEST_F(CatalogueTest, UnreadableLibraryLeavesAnEmptyListAndSkipsTheRest) {
  list.items = {"gone.txt", "other.txt"};
  list.selected = 0;
  TextLines library{{"old"}};
  try {
    ListBox1Click(list, folder, library);
    ADD_FAILURE() << "no error";
  } catch (const FileOpenError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"C:\\app\\data\\gone.txt\". ", 0), 0u);
  }
  EXPECT_TRUE(library.lines.empty());
  EXPECT_EQ(list.status, "unchanged");
  EXPECT_TRUE(list.messages.empty());
}

}  // namespace
}  // namespace zv
