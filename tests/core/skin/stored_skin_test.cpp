#include "core/skin/stored_skin.h"

#include <gtest/gtest.h>

#include "core/skin/compression.h"
#include "core/skin/ini_text.h"
#include "core/skin/skin_list.h"
#include "fakes.h"
#include "skin_test_pictures.h"

namespace zv {
namespace {

std::vector<std::uint8_t> StreamOf(const TzsCompressedStoredSkin& skin) {
  std::vector<std::uint8_t> bytes;
  ByteWriter writer(bytes);
  skin.WriteSkinStream(writer);
  return bytes;
}

TzsCompressedStoredSkin Filled() {
  TzsCompressedStoredSkin skin;
  skin.Pack(test::SamplePackage());
  return skin;
}

TEST(StoredSkinTest, EmptySkinWritesEightBytesAndReadsBackEmpty) {
  const TzsCompressedStoredSkin empty;
  EXPECT_TRUE(empty.IsEmpty());
  const auto bytes = StreamOf(empty);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{3, 0, 0, 0, 0, 0, 0, 0}));
  TzsCompressedStoredSkin back = Filled();
  ByteReader reader(bytes);
  back.ReadSkinStream(reader);
  EXPECT_TRUE(back.IsEmpty());
  EXPECT_EQ(reader.remaining(), 0u);
}

TEST(StoredSkinTest, PackedSkinSurvivesStreamAndUnpack) {
  const TzsCompressedStoredSkin skin = Filled();
  ASSERT_FALSE(skin.IsEmpty());
  EXPECT_EQ(skin.CompressedData()[0], 0x78);
  EXPECT_EQ(skin.CompressedData()[1], 0xDA);
  auto bytes = StreamOf(skin);
  EXPECT_EQ(LoadI32(bytes, 0), 3);
  EXPECT_EQ(static_cast<std::size_t>(LoadI32(bytes, 4)), skin.CompressedData().size());
  bytes.push_back(0x55);  // the next property of the form description
  TzsCompressedStoredSkin back;
  ByteReader reader(bytes);
  back.ReadSkinStream(reader);
  EXPECT_EQ(back.CompressedData(), skin.CompressedData());
  EXPECT_EQ(reader.ReadU8(), 0x55);  // exactly `length` bytes were taken
  std::vector<std::uint8_t> unpacked;
  back.Unpack(unpacked);
  EXPECT_EQ(unpacked, WritePackage(test::SamplePackage()));
}

TEST(StoredSkinTest, StreamsThatCannotBeUsed) {
  TzsCompressedStoredSkin skin = Filled();
  // A newer version: empty, no error, the length is not read.
  const std::vector<std::uint8_t> v4 = {4, 0, 0, 0, 9, 0, 0, 0};
  ByteReader r4(v4);
  EXPECT_NO_THROW(skin.ReadSkinStream(r4));
  EXPECT_TRUE(skin.IsEmpty());
  EXPECT_EQ(r4.position(), 4u);
  // Shorter than its length, a negative length, no length at all: stream read errors.
  for (const auto& bad : {std::vector<std::uint8_t>{3, 0, 0, 0, 5, 0, 0, 0, 1, 2},
                          std::vector<std::uint8_t>{3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF},
                          std::vector<std::uint8_t>{1, 0, 0, 0}, std::vector<std::uint8_t>{3, 0}}) {
    ByteReader reader(bad);
    EXPECT_THROW(skin.ReadSkinStream(reader), EReadError);
  }
  // The main window's replacement item: version 3, eight bytes that are no zlib stream.
  const std::vector<std::uint8_t> replacement = {3, 0, 0, 0, 8, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0};
  ByteReader reader(replacement);
  skin.ReadSkinStream(reader);
  EXPECT_EQ(skin.CompressedData().size(), 8u);
  std::vector<std::uint8_t> target;
  try {
    skin.Unpack(target);
    ADD_FAILURE() << "no error";
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "compression error");
  }
}

TEST(StoredSkinTest, CompressedSkinFiles) {
  test::FakeFiles files;
  const auto stream = StreamOf(Filled());
  files.files["skins/blue.zsk"] = std::string(stream.begin(), stream.end());
  files.files["skins/future.zsk"] = std::string("\x05\0\0\0\x08\0\0\0", 8);
  TzsCompressedStoredSkin skin;
  skin.ReadCompressedSkinFile(files, "skins/blue.zsk");
  EXPECT_EQ(skin.CompressedData(), Filled().CompressedData());
  skin.ReadCompressedSkinFile(files, "skins/future.zsk");
  EXPECT_TRUE(skin.IsEmpty());
  skin = Filled();
  EXPECT_THROW(skin.ReadCompressedSkinFile(files, "skins/missing.zsk"), FileOpenError);
  EXPECT_TRUE(skin.IsEmpty());
}

TEST(StoredSkinTest, FailedPackKeepsThePreviousSkin) {
  TzsCompressedStoredSkin skin = Filled();
  const auto before = skin.CompressedData();
  SkinPackage bad = test::SamplePackage();
  bad.activePictures[1].indices.clear();  // cannot be written
  EXPECT_THROW(skin.Pack(bad), Error);
  EXPECT_EQ(skin.CompressedData(), before);
  // A skin.ini too long to be a definition is refused before it is split.
  test::FakeFiles files;
  test::FakeCodec codec;
  files.files["skin.ini"] = std::string(kMaxIniTextLines + 1, '\n');
  EXPECT_THROW(skin.BuildFromSkinIni(files, codec, "skin.ini"), Error);
  EXPECT_EQ(skin.CompressedData(), before);
}

TEST(StoredSkinTest, FileNameSettersOnlyStoreTheirValue) {
  TzsCompressedStoredSkin skin = Filled();
  const auto before = skin.CompressedData();
  skin.SetFileName("C:\\skins\\default\\skin.ini");
  skin.SetCompressedFileName("C:\\skins\\other.zsk");
  skin.SetDescription("blue");
  EXPECT_EQ(skin.FileName(), "C:\\skins\\default\\skin.ini");  // not cut to the file-name part
  EXPECT_EQ(skin.CompressedFileName(), "C:\\skins\\other.zsk");
  EXPECT_EQ(skin.Description(), "blue");
  EXPECT_EQ(skin.CompressedData(), before);
}

TEST(SkinListTest, ItemsAreNamedAfterTheirIndexAtCreation) {
  TzsCompressedSkinList list;
  TzsSkinListItems& items = list.Skins();
  EXPECT_EQ(items.Owner(), &list);
  EXPECT_EQ(items.Add().Name(), "zsSkin0");
  EXPECT_EQ(items.Add().Name(), "zsSkin1");
  items.Delete(0);
  EXPECT_EQ(items.Item(0).Name(), "zsSkin1");
  TzsSkinListItem& added = items.Add();
  EXPECT_EQ(added.Name(), "zsSkin1");  // the count at that moment, so names can repeat
  added.SetName("blue");
  EXPECT_EQ(items.Item(1).DisplayName(), "blue");
  EXPECT_EQ(items.Count(), 2);
  try {
    items.Item(2);
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (2)");
  }
  EXPECT_THROW(items.Item(-1), Error);
  EXPECT_THROW(items.Delete(5), Error);
  items.Clear();
  EXPECT_EQ(items.Count(), 0);
}

TEST(SkinListTest, ItemSkinPropertyIsTheStoredSkinStream) {
  TzsCompressedSkinList list;
  TzsSkinListItem& item = list.Skins().Add();
  item.StoredSkin().Pack(test::SamplePackage());
  std::vector<std::uint8_t> bytes;
  ByteWriter writer(bytes);
  item.WriteSkin(writer);
  EXPECT_EQ(bytes, StreamOf(item.StoredSkin()));
  TzsSkinListItem& copy = list.Skins().Add();
  ByteReader reader(bytes);
  copy.ReadSkin(reader);
  EXPECT_EQ(copy.StoredSkin().CompressedData(), item.StoredSkin().CompressedData());
  EXPECT_EQ(&list.Skins().Item(0), &item);  // adding does not move earlier items
}

}  // namespace
}  // namespace zv
