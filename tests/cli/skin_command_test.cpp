#include "cli/skin_command.h"

#include <gtest/gtest.h>

#include "core/skin/compression.h"
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
  UnpackNames used;
  EXPECT_EQ(used.Take("frame.bmp", "picture.bmp"), "frame.bmp");
  EXPECT_EQ(used.Take("FRAME.BMP", "mask.bmp"), "mask.bmp");  // taken, whatever the case
  EXPECT_EQ(used.Take("..\\evil.bmp", "a0.bmp"), "a0.bmp");
  EXPECT_EQ(used.Take("sub/evil.bmp", "a1.bmp"), "a1.bmp");
  EXPECT_EQ(used.Take("c:evil.bmp", "a2.bmp"), "a2.bmp");
  EXPECT_EQ(used.Take("..", "a3.bmp"), "a3.bmp");
  EXPECT_EQ(used.Take("", "a4.bmp"), "a4.bmp");
  EXPECT_EQ(used.Take("Skin.ini", "a5.bmp"), "a5.bmp");  // would be overwritten by the definition
  EXPECT_EQ(used.Take("a0.bmp", "a6.bmp"), "a6.bmp");    // a fallback name is taken too

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

TEST(SkinCommandTest, EveryUnpackedNameIsUniqueAsWindowsComparesNames) {
  UnpackNames used;
  EXPECT_EQ(used.Take("activepicture0.bmp", "picture.bmp"), "activepicture0.bmp");
  EXPECT_EQ(used.Take("", "activepicture0.bmp"), "activepicture0 (2).bmp");  // the fallback is taken
  EXPECT_EQ(used.Take("activepicture0 (3).bmp", "mask.bmp"), "activepicture0 (3).bmp");
  EXPECT_EQ(used.Take("", "activepicture0.bmp"), "activepicture0 (4).bmp");
  EXPECT_EQ(used.Take("Frame.bmp", "a.bmp"), "Frame.bmp");
  // The same file, or no file of its own, on Windows.
  for (const char* name :
       {"FRAME.BMP. ", "skin.ini.", " . ", "nul.bmp", "Com3", "FRAME~1.BMP", "a|b.bmp", "a?.bmp", "\x1B[2J.bmp"}) {
    EXPECT_EQ(used.Take(name, "other.bmp").substr(0, 5), "other") << name;
  }
  // A double-byte character whose second byte is "\\" or "|" is no separator.
  EXPECT_EQ(used.Take("\xD5\x5C\x81\x7C.bmp", "z.bmp"), "\xD5\x5C\x81\x7C.bmp");

  // Unpacked, no picture overwrites another.
  test::FakeFiles files;
  SkinPackage package = test::SamplePackage();
  package.definitionText = "[PICTURES]\r\npicture=activepicture0.bmp\r\nmask=ACTIVEPICTURE0.BMP.\r\n";
  files.files["blue.zsk"] = SkinFile(package);
  const auto written = RunSkinUnpack(files, "blue.zsk", "out");
  EXPECT_EQ(written, (std::vector<std::string>{"out/activepicture0.bmp", "out/mask.bmp", "out/activepicture0 (2).bmp",
                                               "out/activepicture1.bmp", "out/activepicture2.bmp",
                                               "out/activepicture3.bmp", "out/skin.ini"}));
  EXPECT_EQ(files.files["out/activepicture0.bmp"], FileOf(*package.picture));
  EXPECT_EQ(files.files["out/mask.bmp"], FileOf(*package.mask));
  EXPECT_EQ(files.files["out/activepicture0 (2).bmp"], FileOf(package.activePictures[0]));
}

TEST(SkinCommandTest, UnreadableNamesAndPicturesStillShowTheRest) {
  SkinPackage package = test::SamplePackage();
  package.definitionText = "[PICTURES]\r\npicture=frame.bmp\r\nactivepicturescount=70000\r\n";
  std::vector<std::uint8_t> bytes = WritePackage(package);
  // The first active picture gets a bit depth no BMP has.
  const std::size_t first = 4 + 1 + FileOf(*package.picture).size() + 1 + 1 + FileOf(*package.mask).size() + 4;
  bytes[first + 28] = 7;
  TzsCompressedStoredSkin skin;
  std::vector<std::uint8_t> compressed;
  CompressPackage(bytes, compressed);
  skin.SetCompressedData(std::move(compressed));
  std::vector<std::uint8_t> stream;
  ByteWriter writer(stream);
  skin.WriteSkinStream(writer);
  test::FakeFiles files;
  files.files["long.zsk"] = std::string(stream.begin(), stream.end());

  const std::string info = RunSkinInfo(files, "long.zsk");
  EXPECT_NE(info.find("picture names: cannot be read: The list \"activepicturescount\""), std::string::npos) << info;
  EXPECT_NE(info.find("  0: cannot be read: Bitmap image is not valid: unsupported bit depth 7"), std::string::npos)
      << info;
  EXPECT_NE(info.find("  3: 2 x 2, 32-bit"), std::string::npos) << info;
  EXPECT_NE(info.find("definition text: "), std::string::npos) << info;
  const auto written = RunSkinUnpack(files, "long.zsk", "out");
  EXPECT_EQ(written.size(), 7u);
  EXPECT_EQ(written[0], "out/picture.bmp");
}

TEST(SkinCommandTest, PackBuildsAFileInfoAndUnpackReadBack) {
  test::FakeFiles files;
  files.files["s/skin.ini"] =
      "[VERSION]\nskinname=Blue\nskinauthor=Me\n[PICTURES]\npicture=p.bmp\nactivepicturescount=1\n0=a.bmp\n"
      "[FORMINFO]\nbgpictureindex=0\n[SKINOBJECTS]\ncount=1\n0=closebutton:stdbutton\n[SKINCONTROLS]\ncount=1\n"
      "0=panel:panel\n[closebutton]\n[panel]\n";
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
    EXPECT_STREQ(e.what(), "t/skin.ini: [SKINCONTROLS] the section is missing (and 1 more; see `zorvane-cli skin check`)");
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
