#include "cli/skin_render.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "cli/cli_error.h"
#include "core/base/byte_stream.h"
#include "core/gfx/regions.h"
#include "core/skin/stored_skin.h"
#include "fakes.h"

namespace zv {
namespace {

constexpr Pixel kEdge{120, 40, 20, 0};
constexpr Pixel kBand{200, 140, 60, 0};
constexpr Pixel kInside{230, 230, 230, 0};
constexpr Pixel kWhite{255, 255, 255, 0};

// A bordered picture: `edge` wide rim, the rest `inside`, and a dot pattern
// in the top band so repeats show.
BmpPicture Framed(int width, int height, int edge, int band) {
  Bitmap b(width, height, kInside);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (y < band) b.At(x, y) = (x % 4 == 0) ? kWhite : kBand;
      if (x < edge || y < edge || x >= width - edge || y >= height - edge) b.At(x, y) = kEdge;
    }
  }
  return PictureFromBitmap(b, 24);
}

BmpPicture RoundedMask(int width, int height) {
  Bitmap m(width, height, Pixel{0, 0, 0, 0});
  for (const Point p : {Point{0, 0}, Point{1, 0}, Point{0, 1}, Point{width - 1, 0}, Point{width - 2, 0},
                        Point{width - 1, 1}}) {
    m.At(p.x, p.y) = kWhite;
  }
  return PictureFromBitmap(m, 24);
}

SkinPackage SampleSkin() {
  SkinPackage package;
  package.picture = Framed(60, 40, 3, 12);
  package.mask = RoundedMask(60, 40);
  package.activePictures = {Framed(30, 20, 2, 6)};
  package.definitionText =
      "[FORMINFO]\r\nlefttoppoint=10,12\r\nrighttoppoint=50,12\r\nleftbottompoint=10,36\r\n"
      "rightbottompoint=50,36\r\nclientrect=4,12,56,36\r\n"
      "[SKINCOLORS]\r\ncbtnface=12632256\r\n"
      "[SKINCONTROLS]\r\ncount=6\r\n0=panel:panel\r\n1=bar:panel\r\n2=fixed:panel\r\n3=label:stdlabel\r\n"
      "4=giant:panel\r\n5=tall:panel\r\n"
      "[panel]\r\npictureindex=0\r\nskinrect=0,0,30,20\r\nlefttoppoint=5,5\r\nrighttoppoint=25,5\r\n"
      "leftbottompoint=5,15\r\nrightbottompoint=25,15\r\nclientrect=2,2,28,18\r\n"
      "[bar]\r\npictureindex=0\r\nskinrect=0,0,30,20\r\nlefttoppoint=5,0\r\nrighttoppoint=25,0\r\n"
      "clientrect=2,2,28,18\r\n"
      "[fixed]\r\npictureindex=0\r\nskinrect=0,0,30,20\r\nclientrect=2,2,28,18\r\n"
      "[giant]\r\npictureindex=0\r\nskinrect=0,0,8193,20\r\n"
      "[tall]\r\npictureindex=0\r\nskinrect=0,0,30,200000\r\nlefttoppoint=5,0\r\nrighttoppoint=25,0\r\n";
  return package;
}

std::string SkinFileBytes(const SkinPackage& package) {
  TzsCompressedStoredSkin skin;
  skin.Pack(package);
  std::vector<std::uint8_t> bytes;
  ByteWriter writer(bytes);
  skin.WriteSkinStream(writer);
  return {bytes.begin(), bytes.end()};
}

Bitmap ReadOut(test::FakeFiles& files, const std::string& path) {
  const std::string& bytes = files.files.at(path);
  return ReadBmp({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}).bitmap;
}

TEST(SkinRenderTest, ControlsAreComposedByTheirSizingMode) {
  test::FakeFiles files;
  files.files["sample.zsk"] = SkinFileBytes(SampleSkin());
  // Set ZV_SAMPLE_SKIN to keep the sample skin for looking at renders.
  if (const char* keep = std::getenv("ZV_SAMPLE_SKIN")) std::ofstream(keep, std::ios::binary) << files.files["sample.zsk"];

  EXPECT_EQ(RunSkinRender(files, {"sample.zsk", "--control", "panel", "--size", "97x45", "p.bmp"}),
            "p.bmp: 97 x 45, 24-bit\n");
  const Bitmap panel = ReadOut(files, "p.bmp");
  ASSERT_EQ(panel.width(), 97);
  ASSERT_EQ(panel.height(), 45);
  EXPECT_EQ(panel.At(0, 0).r, kEdge.r);
  EXPECT_EQ(panel.At(96, 44).b, kEdge.b);
  EXPECT_EQ(panel.At(50, 1).g, kEdge.g);  // rim repeated along the top
  EXPECT_EQ(panel.At(50, 30).b, kInside.b);  // client piece drawn
  EXPECT_EQ(panel.At(95, 30).b, kEdge.b);  // right band
  EXPECT_EQ(panel.At(94, 30).b, kInside.b);

  RunSkinRender(files, {"sample.zsk", "--control", "bar", "--size", "80x99", "b.bmp"});
  const Bitmap bar = ReadOut(files, "b.bmp");
  EXPECT_EQ(bar.width(), 80);
  EXPECT_EQ(bar.height(), 20);  // one-way skin keeps its height

  RunSkinRender(files, {"sample.zsk", "--control", "fixed", "--size", "80x99", "f.bmp"});
  EXPECT_EQ(ReadOut(files, "f.bmp").width(), 30);

  // A misspelt name or option is answered with the nearest one.
  try {
    RunSkinRender(files, {"sample.zsk", "--control", "panle", "--size", "8x8", "x.bmp"});
    ADD_FAILURE();
  } catch (const CliError& e) {
    EXPECT_EQ(std::string(e.what()), "the skin has no control record named panle; did you mean panel?");
  }
  try {
    RunSkinRender(files, {"sample.zsk", "--contrl", "panel", "--size", "8x8", "x.bmp"});
    ADD_FAILURE();
  } catch (const CliError& e) {
    EXPECT_EQ(e.unknownOption, "--contrl");
  }
  EXPECT_THROW(RunSkinRender(files, {"sample.zsk", "--control", "label", "--size", "8x8", "x.bmp"}), Error);
  EXPECT_THROW(RunSkinRender(files, {"sample.zsk", "--control", "panel", "--size", "0x8", "x.bmp"}), CliError);
  EXPECT_THROW(RunSkinRender(files, {"sample.zsk", "--control", "panel", "--size", "9x", "x.bmp"}), CliError);
  EXPECT_THROW(RunSkinRender(files, {"sample.zsk", "--size", "9x9"}), CliError);
  // Records that set their own size keep to the same cap: a fixed one, and
  // a horizontal one whose height is its skin rectangle's.
  EXPECT_THROW(RunSkinRender(files, {"sample.zsk", "--control", "giant", "--size", "8x8", "x.bmp"}), Error);
  EXPECT_THROW(RunSkinRender(files, {"sample.zsk", "--control", "tall", "--size", "8x8", "x.bmp"}), Error);
  EXPECT_EQ(files.files.count("x.bmp"), 0u);
}

TEST(SkinRenderTest, FrameIsTransparentOutsideTheMaskRegion) {
  test::FakeFiles files;
  files.files["sample.zsk"] = SkinFileBytes(SampleSkin());
  EXPECT_EQ(RunSkinRender(files, {"sample.zsk", "--frame", "150x90", "w.bmp"}), "w.bmp: 150 x 90, 32-bit\n");
  const Bitmap window = ReadOut(files, "w.bmp");
  ASSERT_EQ(window.width(), 150);
  EXPECT_EQ(window.At(0, 0).a, 0);
  EXPECT_EQ(window.At(149, 0).a, 0);
  EXPECT_EQ(window.At(148, 0).a, 0);
  EXPECT_EQ(window.At(147, 0).a, 255);
  EXPECT_EQ(window.At(2, 0).a, 255);
  EXPECT_EQ(window.At(2, 0).r, kEdge.r);
  EXPECT_EQ(window.At(149, 89).r, kEdge.r);
  EXPECT_EQ(window.At(75, 50), (Pixel{192, 192, 192, 255}));  // client in the skin's button face
  EXPECT_EQ(window.At(75, 88).a, 255);
}

}  // namespace
}  // namespace zv
