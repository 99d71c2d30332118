#include "cli/skin_frame_command.h"

#include <gtest/gtest.h>

#include "cli/cli_error.h"
#include "cli/skin_command.h"
#include "core/base/bmp.h"
#include "core/base/display_scale.h"
#include "core/platform/png_codec.h"
#include "embedded/default_skin.h"
#include "fakes.h"

namespace zv {
namespace {

struct SkinFrameCommandTest : ::testing::Test {
  test::FakeFiles files;
  void SetUp() override { SetEmbeddedSkin(DefaultSkinStream()); }
  void TearDown() override { SetEmbeddedSkin({}); }
  std::string Run(std::vector<std::string> args) { return RunFrameCommand(files, args); }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
};

TEST_F(SkinFrameCommandTest, FrameJsonOfTheEmbeddedSkin) {
  const std::string json = Run({"frame", "--embedded", "--size", "800x500", "--json"});
  EXPECT_TRUE(Has(json,
                  "{\"size\": [800, 500], \"client\": [4, 27, 796, 496], \"caption\": [3, 5, 797, 24], "
                  "\"captionText\": [21, 6, 683, 24], \"minSize\": [200, 31], \"objects\": ["))
      << json;
  EXPECT_TRUE(Has(json,
                  "{\"name\": \"closebutton\", \"kind\": \"stdbutton\", \"command\": \"cmclose\", "
                  "\"rect\": [776, 5, 797, 26], \"visible\": true, \"enabled\": true}"));
  EXPECT_TRUE(
      Has(json, "{\"name\": \"caption\", \"kind\": \"caption\", \"command\": null, \"rect\": [17, 4, 684, 24]"));
  const std::string fewer = Run({"frame", "--embedded", "--icons", "minimize", "--size", "800x500", "--json"});
  EXPECT_TRUE(Has(fewer, "\"command\": \"cmmaximize\", \"rect\": [50, 25, 71, 46], \"visible\": false"));
  EXPECT_TRUE(Has(Run({"frame", "--embedded", "--size", "800x500"}), "client: 4 27 796 496\n"));
}

TEST_F(SkinFrameCommandTest, HitTestAndRegion) {
  EXPECT_EQ(Run({"hittest", "--embedded", "--size", "800x500", "400,12", "400,250", "1,250", "785,15"}),
            "400,12 2\n400,250 1\n1,250 10\n785,15 20\n");
  EXPECT_EQ(Run({"hittest", "--embedded", "--size", "800x500", "--state", "maximized", "1,250", "799,0"}),
            "1,250 19\n799,0 20\n");
  EXPECT_EQ(Run({"region", "--embedded", "--size", "800x500", "--state", "maximized"}), "none\n");
  // The rolled-up strip keeps its rounded corners.
  const std::string strip = Run({"region", "--embedded", "--size", "300x31", "--state", "rolledup"});
  EXPECT_EQ(strip.substr(0, strip.find('\n')), "4 0 296 1");
  EXPECT_TRUE(Has(strip, "\n4 30 296 31\n"));
  EXPECT_THROW(Run({"region", "--embedded", "--size", "300x31", "--state", "upside"}), CliError);
  EXPECT_THROW(Run({"hittest", "--embedded", "--size", "300x31", "4;5"}), CliError);
  EXPECT_THROW(Run({"frame", "--embedded"}), CliError);
}

TEST_F(SkinFrameCommandTest, RenderDrawsTheWholeWindow) {
  const std::string line = Run({"render", "--embedded", "--frame", "400x300", "--hot", "closebutton", "--cell", "7x13",
                                "--caption", "Zorvane", "out.bmp"});
  EXPECT_EQ(line, "out.bmp: 400 x 300, 32-bit\n");
  const std::string& bytes = files.files.at("out.bmp");
  const Bitmap b = DecodeBmp({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  EXPECT_EQ(b.At(0, 0).a, 0);  // outside the rounded corner
  EXPECT_EQ(b.At(200, 150).a, 255);
  // The caption text in cells of the active colour 11168318 (0xAA6A3E).
  EXPECT_EQ(ToColorRef(b.At(22, 12)), 11168318u);
  EXPECT_THROW(Run({"render", "--embedded", "--frame", "400x300", "--hot", "nosuch", "out.bmp"}), CliError);
  // A maximised window has no shape: every pixel of it shows.
  Run({"render", "--embedded", "--frame", "400x300", "--state", "maximized", "max.bmp"});
  const std::string& max = files.files.at("max.bmp");
  EXPECT_EQ(DecodeBmp({reinterpret_cast<const std::uint8_t*>(max.data()), max.size()}).At(0, 0).a, 255);
}

TEST_F(SkinFrameCommandTest, RenderWithoutCellsDrawsTheCaptionInAFont) {
  auto render = [&](const std::string& caption) {
    Run({"render", "--embedded", "--frame", "400x300", "--caption", caption, "out.bmp"});
    const std::string& bytes = files.files.at("out.bmp");
    return DecodeBmp({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  };
  const Bitmap bare = render("");
  const Bitmap written = render("Zorvane");
  // Text in the caption's active colour where the caption object lies, nowhere else.
  int inked = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 400; ++x) {
      if (written.At(x, y) == bare.At(x, y)) continue;
      EXPECT_TRUE((Rect{17, 4, 284, 24}.Contains({x, y}))) << x << "," << y;
      inked += ToColorRef(written.At(x, y)) == 11168318u ? 1 : 0;
    }
  }
  EXPECT_GT(inked, 20);
}

// "client: L T R B" of a frame summary.
Rect ClientOf(const std::string& summary) {
  Rect r;
  const std::size_t at = summary.find("client: ");
  EXPECT_NE(at, std::string::npos) << summary;
  std::sscanf(summary.c_str() + at, "client: %d %d %d %d", &r.left, &r.top, &r.right, &r.bottom);
  return r;
}

// A window of the scaled size at --dpi has the 96-DPI figures scaled, and
// its close button answers where it is drawn.
TEST_F(SkinFrameCommandTest, DpiGivesTheGeometryAtThatScale) {
  const Rect base = ClientOf(Run({"frame", "--embedded", "--size", "800x500"}));
  for (const int dpi : {120, 144, 192}) {
    const Size size = ScaleSize({800, 500}, dpi);
    const std::string sizeText = std::to_string(size.width) + "x" + std::to_string(size.height);
    const Rect client = ClientOf(Run({"frame", "--embedded", "--size", sizeText, "--dpi", std::to_string(dpi)}));
    const Rect want = ScaleRect(base, dpi);
    EXPECT_LE(std::abs(client.left - want.left) + std::abs(client.top - want.top), 2) << dpi;
    EXPECT_LE(std::abs(client.right - want.right) + std::abs(client.bottom - want.bottom), 2) << dpi;
    // The close button of 776..797 x 5..26 at 96 DPI.
    const Point close = ScalePoint({786, 15}, dpi);
    EXPECT_EQ(Run({"hittest", "--embedded", "--size", sizeText, "--dpi", std::to_string(dpi),
                   std::to_string(close.x) + "," + std::to_string(close.y)}),
              std::to_string(close.x) + "," + std::to_string(close.y) + " 20\n");
  }
  EXPECT_THROW(Run({"frame", "--embedded", "--size", "800x500", "--dpi", "12"}), CliError);
}

// A .png name gets PNG with the same pixels as the BMP the other name gets.
TEST_F(SkinFrameCommandTest, PngHoldsTheBmpsPixels) {
  for (const char* dpi : {"96", "144"}) {
    for (const char* name : {"out.bmp", "out.PNG"}) {
      EXPECT_EQ(Run({"render", "--embedded", "--frame", "300x200", "--cell", "7x13", "--dpi", dpi, name}),
                std::string(name) + ": 300 x 200, 32-bit\n");
    }
    const std::string& bmp = files.files.at("out.bmp");
    const std::string& png = files.files.at("out.PNG");
    EXPECT_EQ(png.substr(1, 3), "PNG");
    const Bitmap fromBmp = DecodeBmp({reinterpret_cast<const std::uint8_t*>(bmp.data()), bmp.size()});
    const PngImage fromPng = DecodePng({reinterpret_cast<const std::uint8_t*>(png.data()), png.size()});
    EXPECT_TRUE(fromPng.alpha);
    EXPECT_EQ(fromPng.bitmap.pixels(), fromBmp.pixels()) << dpi;
  }
}

}  // namespace
}  // namespace zv

namespace zv {
namespace {

TEST_F(SkinFrameCommandTest, FrameUnderTheMinimumRendersAtTheMinimumWithAWarning) {
  std::string warnings;
  EXPECT_EQ(RunFrameCommand(files, {"render", "--embedded", "--frame", "10x40", "small.bmp"}, &warnings),
            "small.bmp: 200 x 40, 32-bit\n");
  EXPECT_EQ(warnings,
            "warning: 10x40 is under the skin's minimum 200x31; rendered at 200x40, as the window would be\n");
  const std::string& bytes = files.files["small.bmp"];
  const BmpInfo info = ReadBmpInfo({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  EXPECT_EQ(info.width, 200);
  EXPECT_EQ(info.height, 40);
}

// Whether `part` lies somewhere in `whole`, pixel for pixel (colour only).
bool Contains(const Bitmap& whole, const Bitmap& part) {
  auto same = [&](int left, int top) {
    for (int y = 0; y < part.height(); ++y) {
      for (int x = 0; x < part.width(); ++x) {
        const Pixel a = whole.At(left + x, top + y), b = part.At(x, y);
        if (a.r != b.r || a.g != b.g || a.b != b.b) return false;
      }
    }
    return true;
  };
  for (int top = 0; top + part.height() <= whole.height(); ++top) {
    for (int left = 0; left + part.width() <= whole.width(); ++left) {
      if (same(left, top)) return true;
    }
  }
  return false;
}

TEST_F(SkinFrameCommandTest, TheStatesSheetShowsEveryButtonLookTheFrameDraws) {
  EXPECT_EQ(Run({"render", "--embedded", "--states", "sheet.bmp", "--cell", "7x13"}).substr(0, 11), "sheet.bmp: ");
  const std::string& bytes = files.files.at("sheet.bmp");
  const Bitmap sheet = DecodeBmp({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  // Each look as the frame renders it, cut at the button's place in a frame
  // 400 wide. This skin's inactive close button looks like the normal one.
  struct Look {
    std::vector<std::string> options;
    Rect at;
    bool isNew = true;  // unlike the looks before it
  };
  const std::vector<Look> looks = {
      {{}, {376, 5, 397, 26}},
      {{"--hot", "closebutton"}, {376, 5, 397, 26}},
      {{"--down", "closebutton"}, {376, 5, 397, 26}},
      {{"--inactive"}, {376, 5, 397, 26}, false},
      {{"--state", "maximized", "--hot", "maxbutton"}, {353, 5, 374, 26}},
  };
  std::vector<Bitmap> cells;
  for (const auto& [options, at, isNew] : looks) {
    std::vector<std::string> args{"render", "--embedded", "--frame", "400x200", "--cell", "7x13"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back("look.bmp");
    Run(args);
    const Rect& cut = at;
    const std::string& look = files.files.at("look.bmp");
    const Bitmap window = DecodeBmp({reinterpret_cast<const std::uint8_t*>(look.data()), look.size()});
    Bitmap cell(cut.Width(), cut.Height());
    for (int y = 0; y < cut.Height(); ++y) {
      for (int x = 0; x < cut.Width(); ++x) cell.At(x, y) = window.At(cut.left + x, cut.top + y);
    }
    EXPECT_TRUE(Contains(sheet, cell)) << "look " << cells.size();
    for (const Bitmap& other : cells) {
      if (isNew) {
        EXPECT_NE(other.pixels(), cell.pixels()) << "look " << cells.size();
      }
    }
    cells.push_back(std::move(cell));
  }
  // Every look is drawn, so none is chosen.
  EXPECT_THROW(Run({"render", "--embedded", "--states", "s.bmp", "--hot", "closebutton"}), CliError);
  EXPECT_THROW(Run({"render", "--embedded", "--states", "s.bmp", "extra.bmp"}), CliError);
}

}  // namespace
}  // namespace zv
