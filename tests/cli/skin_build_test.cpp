#include <gtest/gtest.h>

#include "core/base/bmp.h"
#include "core/skin/stored_skin.h"
#include "fakes.h"
#include "skin_test_pictures.h"

namespace zv {
namespace {

std::string BmpFile(int bits, int width, int height, int seed) {
  const auto bytes = EncodeBmp(test::SamplePicture(bits, width, height, seed));
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

const char kIni[] =
    "[VERSION]\nskinname=Built\n[PICTURES]\npicture=main.bmp\ninactivepicture=\nmask=pics\\mask.bmp\n"
    "activepicturescount=2\n0=\xD6\xD0.bmp\n1=pics\\b.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n";

struct BuildTest : ::testing::Test {
  test::FakeFiles files;
  test::FakeCodec codec;
  TzsCompressedStoredSkin skin;

  void SetUp() override {
    files.files["skins\\blue\\skin.ini"] = kIni;
    files.files["skins\\blue\\main.bmp"] = BmpFile(24, 6, 5, 1);
    files.files["skins\\blue\\pics\\mask.bmp"] = BmpFile(8, 6, 5, 2);
    files.files["skins\\blue\\\xE4\xB8\xAD.bmp"] = BmpFile(4, 3, 3, 3);  // 中.bmp: CP936 in skin.ini, UTF-8 on disk
    files.files["skins\\blue\\pics\\b.bmp"] = BmpFile(1, 9, 2, 4);
  }
  SkinPackage Unpacked() const {
    std::vector<std::uint8_t> bytes;
    skin.Unpack(bytes);
    return ReadPackage(bytes);
  }
};

TEST_F(BuildTest, PacksThePicturesBesideTheIniAndItsLines) {
  ASSERT_TRUE(skin.BuildFromSkinIni(files, codec, "skins\\blue\\skin.ini"));
  ASSERT_GE(skin.CompressedData().size(), 2u);
  EXPECT_EQ(skin.CompressedData()[0], 0x78);
  EXPECT_EQ(skin.CompressedData()[1], 0xDA);
  const SkinPackage package = Unpacked();
  EXPECT_EQ(package.version, 3);
  ASSERT_TRUE(package.picture && package.mask);
  EXPECT_FALSE(package.inactivePicture);  // empty name: flag 1, nothing after it
  EXPECT_TRUE(SameImage(*package.picture, test::SamplePicture(24, 6, 5, 1)));
  EXPECT_TRUE(SameImage(*package.mask, test::SamplePicture(8, 6, 5, 2)));
  ASSERT_EQ(package.activePictures.size(), 2u);
  EXPECT_TRUE(SameImage(package.activePictures[0], test::SamplePicture(4, 3, 3, 3)));
  EXPECT_TRUE(SameImage(package.activePictures[1], test::SamplePicture(1, 9, 2, 4)));
  // The lines as loaded, each closed by CR LF.
  EXPECT_EQ(package.definitionText.substr(0, 30), "[VERSION]\r\nskinname=Built\r\n[PI");
  EXPECT_EQ(package.definitionText.substr(package.definitionText.size() - 16), "[SKINCONTROLS]\r\n");
}

TEST_F(BuildTest, IniWithoutFolderReadsPicturesFromTheCurrentFolder) {
  files.files["skin.ini"] = "[VERSION]\n[PICTURES]\npicture=main.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n";
  files.files["main.bmp"] = BmpFile(24, 2, 2, 7);
  ASSERT_TRUE(skin.BuildFromSkinIni(files, codec, "skin.ini"));
  const SkinPackage package = Unpacked();
  ASSERT_TRUE(package.picture);
  EXPECT_EQ(package.picture->bitmap.width(), 2);
  EXPECT_TRUE(package.activePictures.empty());
}

TEST_F(BuildTest, FailuresKeepThePreviousPackage) {
  ASSERT_TRUE(skin.BuildFromSkinIni(files, codec, "skins\\blue\\skin.ini"));
  const auto before = skin.CompressedData();

  for (const char* section : {"[VERSION]", "[PICTURES]", "[FORMINFO]", "[SKINOBJECTS]", "[SKINCONTROLS]"}) {
    std::string ini = kIni;
    ini.replace(ini.find(section), std::string(section).size(), "[OTHER]");
    files.files["other\\skin.ini"] = ini;
    EXPECT_FALSE(skin.BuildFromSkinIni(files, codec, "other\\skin.ini")) << section;
    EXPECT_EQ(skin.CompressedData(), before) << section;
  }

  files.files.erase("skins\\blue\\pics\\b.bmp");
  EXPECT_THROW(skin.BuildFromSkinIni(files, codec, "skins\\blue\\skin.ini"), FileOpenError);
  EXPECT_EQ(skin.CompressedData(), before);
  files.files["skins\\blue\\pics\\b.bmp"] = "not a picture";
  EXPECT_THROW(skin.BuildFromSkinIni(files, codec, "skins\\blue\\skin.ini"), EInvalidGraphic);
  EXPECT_EQ(skin.CompressedData(), before);
  EXPECT_THROW(skin.BuildFromSkinIni(files, codec, "missing\\skin.ini"), FileOpenError);
  EXPECT_EQ(skin.CompressedData(), before);
}

TEST_F(BuildTest, FileNamePropertiesOnlyStoreTheirValue) {
  skin.SetFileName("skins\\blue\\skin.ini");
  skin.SetCompressedFileName("skins\\blue\\skin.zvs");
  EXPECT_TRUE(skin.IsEmpty());
  EXPECT_EQ(skin.FileName(), "skins\\blue\\skin.ini");
}

}  // namespace
}  // namespace zv
