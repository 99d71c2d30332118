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

TEST(SkinCommandTest, UnpackUsesDefinedNamesOnlyWhenTheyAreSafe) {
  std::vector<std::string> used;
  EXPECT_EQ(UnpackName("frame.bmp", "picture.bmp", used), "frame.bmp");
  EXPECT_EQ(UnpackName("FRAME.BMP", "mask.bmp", used), "mask.bmp");  // taken, whatever the case
  EXPECT_EQ(UnpackName("..\\evil.bmp", "a0.bmp", used), "a0.bmp");
  EXPECT_EQ(UnpackName("sub/evil.bmp", "a1.bmp", used), "a1.bmp");
  EXPECT_EQ(UnpackName("c:evil.bmp", "a2.bmp", used), "a2.bmp");
  EXPECT_EQ(UnpackName("..", "a3.bmp", used), "a3.bmp");
  EXPECT_EQ(UnpackName("", "a4.bmp", used), "a4.bmp");
  EXPECT_EQ(UnpackName("Skin.ini", "a5.bmp", used), "a5.bmp");  // would be overwritten by the definition
  EXPECT_EQ(UnpackName("a0.bmp", "a6.bmp", used), "a6.bmp");    // a fallback name is taken too

  test::FakeFiles files;
  SkinPackage package = test::SamplePackage();
  package.definitionText =
      "[PICTURES]\r\npicture=frame.bmp\r\nmask=../up.bmp\r\nactivepicturescount=2\r\n0=buttons.bmp\r\n"
      "1=frame.bmp\r\n";
  files.files["blue.zsk"] = SkinFile(package);
  const auto written = RunSkinUnpack(files, "blue.zsk", "out");
  EXPECT_EQ(written, (std::vector<std::string>{"out/frame.bmp", "out/mask.bmp", "out/buttons.bmp",
                                               "out/activepicture1.bmp", "out/activepicture2.bmp",
                                               "out/activepicture3.bmp", "out/skin.ini"}));
  EXPECT_EQ(files.files["out/buttons.bmp"], FileOf(package.activePictures[0]));
  const std::string info = RunSkinInfo(files, "blue.zsk");
  EXPECT_NE(info.find("picture: flag 0, 13 x 7, 24-bit, " + std::to_string(FileOf(*package.picture).size()) +
                      " bytes (frame.bmp)"),
            std::string::npos)
      << info;
}

TEST(SkinCommandTest, PackBuildsAFileInfoAndUnpackReadBack) {
  test::FakeFiles files;
  files.files["s/skin.ini"] =
      "[VERSION]\nskinname=Blue\nskinauthor=Me\n[PICTURES]\npicture=p.bmp\nactivepicturescount=1\n0=a.bmp\n"
      "[FORMINFO]\n[SKINOBJECTS]\ncount=2\n0=closebutton:stdbutton\n1=bad:nosuchtype\n[SKINCONTROLS]\ncount=1\n"
      "0=panel:panel\n";
  files.files["s/p.bmp"] = FileOf(test::SamplePicture(24, 4, 3, 1));
  files.files["s/a.bmp"] = FileOf(test::SamplePicture(4, 2, 2, 2));
  RunSkinPack(files, "s/skin.ini", "out.zsk");
  const std::string info = RunSkinInfo(files, "out.zsk");
  EXPECT_NE(info.find("skinname: Blue\nskinauthor: Me\n"), std::string::npos) << info;
  EXPECT_NE(info.find("objects: 1\n  0: closebutton (stdbutton)\n"), std::string::npos) << info;
  EXPECT_NE(info.find("controls: 1\n  0: panel (panel)\n"), std::string::npos) << info;
  EXPECT_NE(info.find("  0: 2 x 2, 4-bit"), std::string::npos) << info;
  RunSkinUnpack(files, "out.zsk", "x");
  EXPECT_EQ(files.files["x/p.bmp"], files.files["s/p.bmp"]);
  EXPECT_EQ(files.files["x/skin.ini"].substr(0, 11), "[VERSION]\r\n");

  files.files["t/skin.ini"] = "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n";
  try {
    RunSkinPack(files, "t/skin.ini", "t.zsk");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "t/skin.ini has no section [SKINCONTROLS]");
  }
  EXPECT_EQ(files.files.count("t.zsk"), 0u);
}

TEST(SkinCommandTest, UnreadableDefinitionIsReportedNotFatal) {
  test::FakeFiles files;
  SkinPackage package = test::SamplePackage();
  package.definitionText = "[FORMINFO]\r\nclientrect=1,2\r\n";
  files.files["bad.zsk"] = SkinFile(package);
  const std::string info = RunSkinInfo(files, "bad.zsk");
  EXPECT_NE(info.find("definition: cannot be read: '' is not a valid integer value"), std::string::npos) << info;
}

TEST(SkinCommandTest, EmbeddedSkinNeedsAStream) {
  SetEmbeddedSkin({});
  EXPECT_THROW(EmbeddedSkinBytes(), Error);
  const std::uint8_t bytes[] = {3, 0, 0, 0, 0, 0, 0, 0};
  SetEmbeddedSkin(bytes);
  EXPECT_EQ(EmbeddedSkinBytes(), std::string(8, '\0').replace(0, 1, "\3"));
  SetEmbeddedSkin({});
}

}  // namespace
}  // namespace zv
