#include "cli/skin_input.h"

#include <gtest/gtest.h>

#include "cli/skin_command.h"
#include "cli/skin_render.h"
#include "core/platform/png_codec.h"
#include "fakes.h"
#include "skin_test_pictures.h"

namespace zv {
namespace {

std::string FileOf(const BmpPicture& picture) {
  const auto bytes = EncodeBmp(picture);
  return {bytes.begin(), bytes.end()};
}

// A skin folder the check passes without a finding.
void AddSkinFolder(test::FakeFiles& files, const std::string& folder) {
  files.files[folder + "/skin.ini"] =
      "[VERSION]\nskinname=Blue\n[PICTURES]\npicture=p.bmp\nactivepicturescount=1\n0=a.bmp\n[FORMINFO]\n"
      "clientrect=1,1,12,6\nlefttoppoint=3,1\nrighttoppoint=10,1\nleftbottompoint=3,6\nrightbottompoint=10,6\n"
      "[SKINOBJECTS]\n[SKINCONTROLS]\ncount=1\n0=panel:panel\n[panel]\npictureindex=0\n"
      "skinrect=0,0,5,3\n";
  files.files[folder + "/p.bmp"] = FileOf(test::SamplePicture(24, 13, 7, 1));
  files.files[folder + "/a.bmp"] = FileOf(test::SamplePicture(24, 5, 3, 3));
  files.folders[folder] = {"skin.ini", "p.bmp", "a.bmp"};
}

using test::ErrorOf;

TEST(SkinInput, FolderAndDefinitionRenderAsTheirPackedFile) {
  test::FakeFiles files;
  AddSkinFolder(files, "s");
  EXPECT_TRUE(RunSkinPack(files, "s", "s.zsk").empty());
  for (const char* source : {"s.zsk", "s", "s/skin.ini"}) {
    RunSkinRender(files, {source, "--control", "panel", "--size", "9x5", std::string(source) + ".bmp"});
    EXPECT_EQ(files.files[std::string(source) + ".bmp"], files.files["s.zsk.bmp"]) << source;
    EXPECT_EQ(ReadSkinSource(files, source), files.files["s.zsk"]) << source;
  }
}

TEST(SkinInput, MisplacedFilesAreNamedWithWhatWouldWork) {
  test::FakeFiles files;
  AddSkinFolder(files, "s");
  RunSkinPack(files, "s", "s.zsk");
  files.files["png.bmp"] = "\x89PNG\r\n\x1A\n....";
  files.files["v9.zsk"] = std::string("\x09\0\0\0\x02\0\0\0xx", 10);
  files.files["text.txt"] = "hello";
  files.files["empty.zsk"] = std::string("\x03\0\0\0\0\0\0\0", 8);
  files.folders["pics"] = {"p.bmp"};
  files.folders["new"] = {};
  const std::string kPack = "make a skin file with `zorvane-cli skin pack SKIN.INI OUT`, or give the skin folder";
  EXPECT_EQ(ErrorOf([&] { RunSkinInfo(files, "s/p.bmp"); }), "s/p.bmp is a BMP picture, not a skin file; " + kPack);
  EXPECT_EQ(ErrorOf([&] { LoadSkinFile(files, "png.bmp"); }), "png.bmp is a PNG picture, not a skin file; " + kPack);
  EXPECT_EQ(ErrorOf([&] { RunSkinUnpack(files, "v9.zsk", "out"); }),
            "v9.zsk is a skin file of version 9, newer than this program reads (3)");
  EXPECT_EQ(ErrorOf([&] { RunSkinInfo(files, "text.txt"); }), "text.txt is not a skin file; " + kPack);
  EXPECT_EQ(ErrorOf([&] { RunSkinInfo(files, "empty.zsk"); }), "empty.zsk holds no package");
  EXPECT_EQ(ErrorOf([&] { LoadSkinFile(files, "pics"); }),
            "pics is a folder without a skin.ini; give a skin folder or a skin file");
  EXPECT_EQ(ErrorOf([&] { RunSkinInfo(files, "new"); }),
            "new is a folder without a skin.ini; give a skin folder or a skin file");

  // A picture of another format under a .bmp name, and a value the reader cannot take.
  files.files["s/a.bmp"] = files.files["png.bmp"];
  EXPECT_EQ(ErrorOf([&] { RunSkinPack(files, "s", "t.zsk"); }).substr(0, 20), "s/a.bmp: PNG error: ");
  files.files["s/a.bmp"] = "GIF89a";
  EXPECT_EQ(ErrorOf([&] { RunSkinPack(files, "s", "t.zsk"); }),
            "s/a.bmp: the file is a GIF picture, but a skin's pictures are BMP or PNG files: save it as one");
  files.files["s/a.bmp"] = FileOf(test::SamplePicture(24, 5, 3, 3));
  std::string& ini = files.files["s/skin.ini"];
  ini.replace(ini.rfind("0,0,5,3"), 7, "0,0,5");
  EXPECT_EQ(ErrorOf([&] { LoadSkinFile(files, "s"); }),
            "s/skin.ini:19: [panel] skinrect: '0,0,5' is not a rectangle: four numbers LEFT,TOP,RIGHT,BOTTOM");
  EXPECT_EQ(files.files.count("t.zsk"), 0u);
}

TEST(SkinInput, PngPicturesPackAsTheirBmpTwins) {
  test::FakeFiles files;
  AddSkinFolder(files, "s");
  BmpPicture twin = test::SamplePicture(24, 5, 3, 3);
  const auto png = EncodePng(twin.bitmap.view(), false);
  files.files["s/a.png"] = std::string(png.begin(), png.end());
  std::string& ini = files.files["s/skin.ini"];
  ini.replace(ini.find("0=a.bmp"), 7, "0=a.png");
  EXPECT_TRUE(RunSkinPack(files, "s", "s.zsk").empty());
  const SkinPackage package = ReadSkinPackage(files, "s.zsk");
  EXPECT_EQ(EncodeBmp(package.activePictures[0]), EncodeBmp(twin));

  // The same bytes under a .bmp name pack too, with a word about the name.
  files.files["s/a.bmp"] = files.files["s/a.png"];
  ini.replace(ini.find("0=a.png"), 7, "0=a.bmp");
  const auto findings = RunSkinPack(files, "s", "t.zsk");
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(FindingText(findings[0]),
            "warning: s/a.bmp: the file is a PNG picture under another name; it is packed as BMP all the same");
  EXPECT_EQ(EncodeBmp(ReadSkinPackage(files, "t.zsk").activePictures[0]), EncodeBmp(twin));
}

TEST(SkinInput, DefinitionWithAByteOrderMarkIsReadAsUtf8) {
  test::FakeFiles files;
  AddSkinFolder(files, "s");
  std::string& ini = files.files["s/skin.ini"];
  ini = "\xEF\xBB\xBF" + ini.replace(ini.find("Blue"), 4, "\xE4\xB8\xAD\xE6\x96\x87");  // 中文
  RunSkinPack(files, "s", "s.zsk");
  EXPECT_NE(RunSkinInfo(files, "s.zsk").find("skinname: \xD6\xD0\xCE\xC4\n"), std::string::npos);

  ini.replace(ini.find("\xE4\xB8\xAD"), 3, "\xF0\x9F\x98\x80");  // an emoji CP936 lacks
  EXPECT_EQ(ErrorOf([&] { RunSkinPack(files, "s", "t.zsk"); }),
            "s/skin.ini:2: the line (skinname) holds text that CP936 cannot hold");
}

TEST(SkinInput, UnpackRefusesAFolderThatIsNotEmpty) {
  test::FakeFiles files;
  AddSkinFolder(files, "s");
  RunSkinPack(files, "s", "s.zsk");
  files.folders["edited"] = {"skin.ini"};
  files.files["edited/skin.ini"] = "mine";
  EXPECT_NE(ErrorOf([&] { RunSkinUnpack(files, "s.zsk", "edited"); }).find("is not empty"), std::string::npos);
  EXPECT_EQ(files.files["edited/skin.ini"], "mine");
  RunSkinUnpack(files, "s.zsk", "edited", true);
  EXPECT_EQ(files.files["edited/skin.ini"].substr(0, 9), "[VERSION]");
}

}  // namespace
}  // namespace zv
