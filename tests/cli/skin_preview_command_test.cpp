#include "cli/skin_preview_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_error.h"
#include "cli/skin_command.h"
#include "core/base/bmp.h"
#include "embedded/default_skin.h"
#include "fakes.h"

namespace zv {
namespace {

struct SkinPreviewTest : ::testing::Test {
  void SetUp() override { SetEmbeddedSkin(DefaultSkinStream()); }
  test::FakeFiles files;
  std::string Run(std::vector<std::string> args) { return RunSkinPreview(files, args); }
};

TEST_F(SkinPreviewTest, MenuGeometryAsJsonInAnyOptionOrder) {
  const std::string json = Run({"menu", "--json", "--cell", "7x13", "--item", "Restore", "--embedded", "--item", "-",
                                "--item", "Close\tAlt+F4", "--at", "1900,1000"});
  // 13 bytes "Close  Alt+F4" * 7 + 2 + 19 + 19 = 131; the 93 x 55 frame adds 93 - 91 + 2 + 23 + 89 - 86.
  // Height: 2 items * 22 + 3 + 55 - 51. Passing the bottom right, it goes above and left of the point.
  EXPECT_NE(json.find("\"window\": [1738, 949, 1899, 1000]"), std::string::npos) << json;
  EXPECT_NE(json.find("\"itemsRect\": [2, 2, 159, 49]"), std::string::npos) << json;
  EXPECT_NE(json.find("{\"caption\": \"Close\", \"shortcut\": \"Alt+F4\", \"rect\": [2, 27, 159, 49], "
                      "\"visible\": true}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"shortcut\": null"), std::string::npos);
  EXPECT_EQ(json.find("\"region\": []"), std::string::npos);

  const std::string hint =
      Run({"hint", "--embedded", "--text", "ab@cd", "--cell", "6x10", "--json", "--at", "1915,10"});
  // 12 x 20 of text in the 25 x 20 frame, moved left by its width + 2 at the right edge.
  EXPECT_NE(hint.find("\"window\": [1891, 10, 1913, 35], \"client\": [4, 3, 21, 23]"), std::string::npos) << hint;
  Run({"menu", "--embedded", "--item", "A", "--cell", "6x10", "--render", "out.bmp"});
  EXPECT_EQ(files.files.count("out.bmp"), 1u);
}

TEST_F(SkinPreviewTest, RenderedMenusUnderlineTheirAccelerators) {
  const auto render = [&](const std::string& caption) {
    Run({"menu", "--embedded", "--item", caption, "--cell", "6x10", "--render", "menu.bmp"});
    const std::string& bytes = files.files.at("menu.bmp");
    return DecodeBmp({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  };
  const Bitmap marked = render("&Restore");
  const Bitmap plain = render("Restore");
  ASSERT_EQ(marked.width(), plain.width());
  // The same picture but for one cell-wide line under the "R".
  std::vector<Point> changed;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (ToColorRef(marked.At(x, y)) != ToColorRef(plain.At(x, y))) changed.push_back({x, y});
    }
  }
  ASSERT_EQ(changed.size(), 6u);
  EXPECT_EQ(changed.back().x - changed.front().x, 5);
  EXPECT_EQ(changed.back().y, changed.front().y);
}

// The names in the order the JSON lists them.
std::vector<std::string> NamesIn(const std::string& json) {
  std::vector<std::string> names;
  for (std::size_t at = json.find("\"name\": "); at != std::string::npos; at = json.find("\"name\": ", at + 1)) {
    const std::size_t start = at + 8;
    names.push_back(
        json.compare(start, 4, "null") == 0 ? "" : json.substr(start + 1, json.find('"', start + 1) - start - 1));
  }
  return names;
}

TEST_F(SkinPreviewTest, SystemMenuForEachState) {
  const std::string maximized = Run({"sysmenu", "--embedded", "--state", "maximized", "--json", "--cell", "7x13"});
  EXPECT_EQ(NamesIn(maximized),
            (std::vector<std::string>{"ZSF_MINITEM", "ZSF_RESTORE", "ZSF_ROLLUP", "ZSF_MINTOTRAY", "", "ZSF_CLOSE"}));
  // Close is the default item; every item says whether it is.
  EXPECT_NE(
      maximized.find("{\"caption\": \"&Close\", \"name\": \"ZSF_CLOSE\", \"default\": true, \"shortcut\": \"Alt+F4\""),
      std::string::npos)
      << maximized;
  EXPECT_NE(maximized.find("\"name\": \"ZSF_MINITEM\", \"default\": false"), std::string::npos);
  // Rolled up, with only the minimise button: Move but no Size, no roll-up
  // item, a restore item.
  const std::string rolledUp =
      Run({"sysmenu", "--embedded", "--state", "rolledup", "--icons", "minimize", "--json", "--cell", "7x13"});
  EXPECT_EQ(NamesIn(rolledUp), (std::vector<std::string>{"ZSF_MOVE", "ZSF_MINITEM", "ZSF_RESTORE", "", "ZSF_CLOSE"}));
  const std::string summary = Run({"sysmenu", "--embedded", "--cell", "7x13", "--render", "sys.bmp"});
  EXPECT_NE(summary.find("[Alt+F4]  ZSF_CLOSE (default)"), std::string::npos) << summary;
  EXPECT_NE(summary.find("&Move"), std::string::npos) << summary;
  EXPECT_EQ(files.files.count("sys.bmp"), 1u);

  EXPECT_THROW(Run({"sysmenu", "--embedded", "--state", "sideways"}), CliError);
  EXPECT_THROW(Run({"sysmenu", "--embedded", "--item", "A"}), CliError);
  EXPECT_THROW(Run({"sysmenu", "--embedded", "--at", "1,1"}), CliError);
}

// A skin file's menu keeps the engine's texts; the program's own is Chinese.
TEST_F(SkinPreviewTest, TheProgramsSystemMenuInItsOwnTexts) {
  const std::string program = Run({"sysmenu", "--program", "--json", "--cell", "7x13"});
  const std::string embedded = Run({"sysmenu", "--embedded", "--json", "--cell", "7x13"});
  EXPECT_EQ(NamesIn(program), NamesIn(embedded));
  // 关闭(&C), as UTF-8.
  EXPECT_NE(program.find("{\"caption\": \"\xe5\x85\xb3\xe9\x97\xad(&C)\", \"name\": \"ZSF_CLOSE\", \"default\": true, "
                         "\"shortcut\": \"Alt+F4\""),
            std::string::npos)
      << program;
  EXPECT_NE(embedded.find("\"&Close\""), std::string::npos);
  // 还原(&R) in the summary of a maximised window.
  const std::string maximized = Run({"sysmenu", "--program", "--state", "maximized", "--cell", "7x13"});
  EXPECT_NE(maximized.find("\xe8\xbf\x98\xe5\x8e\x9f(&R)"), std::string::npos) << maximized;

  EXPECT_THROW(Run({"sysmenu", "--program", "skin.zsk"}), CliError);  // the program's skin is the embedded one
  EXPECT_THROW(Run({"sysmenu", "--embedded", "--program"}), CliError);
  EXPECT_THROW(Run({"menu", "--program", "--item", "A"}), CliError);
}

TEST_F(SkinPreviewTest, RefusesBadArguments) {
  EXPECT_THROW(Run({"menu", "--embedded", "--cell", "6x10"}), CliError);  // no item
  EXPECT_THROW(Run({"menu", "--embedded", "--item", "A", "--at", "5"}), CliError);
  EXPECT_THROW(Run({"menu", "--embedded", "--item", "A", "--work", "0,0,0,0", "--cell", "6x10"}), CliError);
  EXPECT_THROW(Run({"menu", "--embedded", "--item", "\xe2\x98\x83", "--cell", "6x10"}), CliError);  // no CP936 snowman
  EXPECT_THROW(Run({"hint", "--embedded", "--cell", "6x10"}), CliError);
}

// At twice the DPI, with text cells twice as large (as a font of twice the
// height measures), the menu and the hint are the base ones doubled: the
// skin's pieces and the windows' own spacings scale alike.
TEST_F(SkinPreviewTest, TwiceTheDpiDoublesEveryFigure) {
  const auto figures = [&](const char* dpi, const char* cell) {
    return Run({"menu", "--embedded", "--item", "Restore", "--item", "-", "--item", "Close\tCtrl+Q", "--item", "&Sub",
                "--at", "100,100", "--work", "0,0,4000,4000", "--cell", cell, "--dpi", dpi}) +
           Run({"hint", "--embedded", "--text", "ab@cd", "--title", "T", "--at", "3990,100", "--work", "0,0,4000,4000",
                "--cell", cell, "--dpi", dpi});
  };
  // The numbers of every line but the windows' places and the regions' rectangle counts.
  const auto numbers = [](const std::string& text) {
    std::vector<int> out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("region")) continue;
      if (line.starts_with("window")) line = line.substr(line.find("), ") + 3);
      for (std::size_t i = 0; i < line.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) continue;
        std::size_t used = 0;
        out.push_back(std::stoi(line.substr(i), &used));
        i += used;
      }
    }
    return out;
  };
  std::vector<int> doubled = numbers(figures("96", "7x13"));
  for (int& n : doubled) n *= 2;
  EXPECT_EQ(numbers(figures("192", "14x26")), doubled);
  EXPECT_THROW(Run({"menu", "--embedded", "--item", "A", "--dpi", "500"}), CliError);
}

}  // namespace
}  // namespace zv
