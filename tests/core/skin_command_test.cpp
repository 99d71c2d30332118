#include "cli/skin_command.h"

#include <gtest/gtest.h>

#include "core/skin/stored_skin.h"
#include "fakes.h"
#include "skin_test_pictures.h"

namespace zv {
namespace {

std::string SkinFile(const SkinPackage& package) {
  TzsCompressedStoredSkin skin;
  skin.Pack(package);
  std::vector<std::uint8_t> bytes;
  ByteWriter writer(bytes);
  skin.WriteSkinStream(writer);
  return {bytes.begin(), bytes.end()};
}

std::string FileOf(const BmpPicture& picture) {
  const auto bytes = EncodeBmp(picture);
  return {bytes.begin(), bytes.end()};
}

TEST(SkinCommandTest, UnpackWritesEveryPictureAndTheDefinition) {
  test::FakeFiles files;
  const SkinPackage package = test::SamplePackage();
  files.files["blue.zsk"] = SkinFile(package);
  const auto written = RunSkinUnpack(files, "blue.zsk", "out");
  EXPECT_EQ(written, (std::vector<std::string>{"out/picture.bmp", "out/mask.bmp", "out/activepicture0.bmp",
                                               "out/activepicture1.bmp", "out/activepicture2.bmp",
                                               "out/activepicture3.bmp", "out/skin.ini"}));
  EXPECT_EQ(files.files["out/picture.bmp"], FileOf(*package.picture));
  EXPECT_EQ(files.files["out/mask.bmp"], FileOf(*package.mask));
  EXPECT_EQ(files.files["out/activepicture2.bmp"], FileOf(package.activePictures[2]));
  EXPECT_EQ(files.files["out/skin.ini"], package.definitionText);
  EXPECT_EQ(files.files.count("out/inactivepicture.bmp"), 0u);
}

TEST(SkinCommandTest, InfoListsFlagsSizesDepthsAndCounts) {
  test::FakeFiles files;
  files.files["blue.zsk"] = SkinFile(test::SamplePackage());
  const std::string info = RunSkinInfo(files, "blue.zsk");
  EXPECT_NE(info.find("stored-skin stream version 3, " + std::to_string(files.files["blue.zsk"].size() - 8) +
                      " compressed bytes"),
            std::string::npos)
      << info;
  EXPECT_NE(info.find("package: version 3,"), std::string::npos) << info;
  EXPECT_NE(info.find("picture: flag 0, 13 x 7, 24-bit"), std::string::npos) << info;
  EXPECT_NE(info.find("inactivepicture: flag 1, none"), std::string::npos) << info;
  EXPECT_NE(info.find("mask: flag 0, 13 x 7, 8-bit"), std::string::npos) << info;
  EXPECT_NE(info.find("active pictures: 4\n  0: 5 x 3, 24-bit"), std::string::npos) << info;
  EXPECT_NE(info.find("  2: 17 x 3, 1-bit"), std::string::npos) << info;
  const std::string text = test::SamplePackage().definitionText;
  EXPECT_NE(info.find("definition text: " + std::to_string(text.size()) + " bytes in 4 lines"), std::string::npos)
      << info;
}

TEST(SkinCommandTest, FilesWithoutAUsablePackageAreReported) {
  test::FakeFiles files;
  files.files["empty.zsk"] = std::string("\x03\0\0\0\0\0\0\0", 8);
  files.files["future.zsk"] = std::string("\x04\0\0\0\0\0\0\0", 8);
  files.files["short.zsk"] = std::string("\x03\0", 2);
  EXPECT_THROW(RunSkinInfo(files, "empty.zsk"), Error);
  EXPECT_THROW(RunSkinInfo(files, "future.zsk"), Error);
  EXPECT_THROW(RunSkinUnpack(files, "short.zsk", "out"), Error);
  EXPECT_THROW(RunSkinInfo(files, "missing.zsk"), FileOpenError);
  EXPECT_EQ(files.files.size(), 3u);  // nothing was written
}

}  // namespace
}  // namespace zv
