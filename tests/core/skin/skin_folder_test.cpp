#include "core/skin/skin_folder.h"

#include <gtest/gtest.h>

#include "core/skin/stored_skin.h"
#include "fakes.h"
#include "skin_test_pictures.h"

namespace zv {
namespace {

std::string FileOf(const BmpPicture& picture) {
  const auto bytes = EncodeBmp(picture);
  return {bytes.begin(), bytes.end()};
}

TEST(SkinFolderTest, FolderPartKeepsTheSeparator) {
  EXPECT_EQ(FolderPart("C:\\skins\\blue\\skin.ini"), "C:\\skins\\blue\\");
  EXPECT_EQ(FolderPart("skins/blue/skin.ini"), "skins/blue/");
  EXPECT_EQ(FolderPart("C:skin.ini"), "C:");
  EXPECT_EQ(FolderPart("skin.ini"), "");
  // Paths are UTF-8: a "\" right after 中 (E4 B8 AD) is a separator.
  EXPECT_EQ(FolderPart("C:\\\xE4\xB8\xAD\\skin.ini"), "C:\\\xE4\xB8\xAD\\");
  EXPECT_EQ(FolderPart("\xE4\xB8\xAD/skin.ini"), "\xE4\xB8\xAD/");
}

TEST(SkinFolderTest, PicturesAreLoadedFromTheFolderInPackageOrder) {
  test::FakeFiles files;
  const BmpPicture main = test::SamplePicture(24, 6, 4, 1);
  const BmpPicture mask = test::SamplePicture(8, 6, 4, 2);
  const BmpPicture button = test::SamplePicture(4, 3, 3, 3);
  const BmpPicture check = test::SamplePicture(1, 9, 1, 4);
  files.files["s\\main.bmp"] = FileOf(main);
  files.files["s\\mask.bmp"] = FileOf(mask);
  files.files["s\\sub\\button.bmp"] = FileOf(button);
  // A file whose length field is wrong still packs correctly: it is re-encoded.
  std::string sloppy = FileOf(check);
  sloppy[2] = sloppy[3] = sloppy[4] = sloppy[5] = 0;
  files.files["s\\check.bmp"] = sloppy;
  const PackagePictureNames names{"main.bmp", "", "mask.bmp", {"sub\\button.bmp", "check.bmp"}};
  const std::vector<std::string> lines = {"[VERSION]", "skinname=Blue", "", "[PICTURES]"};

  const SkinPackage package = LoadSkinFolder(files, "s\\", names, lines);
  EXPECT_EQ(package.definitionText, "[VERSION]\r\nskinname=Blue\r\n\r\n[PICTURES]\r\n");
  EXPECT_FALSE(package.inactivePicture.has_value());
  TzsCompressedStoredSkin skin;
  skin.Pack(package);
  std::vector<std::uint8_t> unpacked;
  skin.Unpack(unpacked);
  EXPECT_EQ(unpacked[4 + 1 + EncodeBmp(main).size()], 1);  // the empty inactive picture's flag
  const SkinPackage back = ReadPackage(unpacked);
  EXPECT_TRUE(SameImage(*back.picture, main));
  EXPECT_TRUE(SameImage(*back.mask, mask));
  ASSERT_EQ(back.activePictures.size(), 2u);
  EXPECT_TRUE(SameImage(back.activePictures[0], button));
  EXPECT_TRUE(SameImage(back.activePictures[1], check));
  EXPECT_EQ(back.definitionText, package.definitionText);
}

TEST(SkinFolderTest, MissingOrBadPicturesStopTheBuild) {
  test::FakeFiles files;
  files.files["main.bmp"] = FileOf(test::SamplePicture(24, 2, 2, 1));
  files.files["notes.bmp"] = "GIF89a";
  EXPECT_THROW(LoadSkinFolder(files, "", {"main.bmp", "gone.bmp", "", {}}, {}), FileOpenError);
  EXPECT_THROW(LoadSkinFolder(files, "", {"main.bmp", "", "", {"notes.bmp"}}, {}), EInvalidGraphic);
  EXPECT_THROW(LoadSkinFolder(files, "", {"", "", "", {""}}, {}), FileOpenError);  // a missing list item
}

TEST(SkinFolderTest, PicturesBeyondAPackageBudgetStopTheBuild) {
  // 2 MB on disk, the whole budget of pixels decoded: with one more pixel
  // beside it the package would not read back.
  test::FakeFiles files;
  const auto full = test::BlankBmp(4096, 4096);
  const auto dot = test::BlankBmp(1, 1);
  files.files["full.bmp"] = std::string(full.begin(), full.end());
  files.files["dot.bmp"] = std::string(dot.begin(), dot.end());
  EXPECT_THROW(LoadSkinFolder(files, "", {"dot.bmp", "", "", {"full.bmp"}}, {}), Error);
}

}  // namespace
}  // namespace zv
