#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/skin_command.h"
#include "embedded/default_skin.h"

namespace zv {
namespace {

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome RunWith(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunCommandLine(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(CommandLineTest, HelpPrintsTheUsageOnStdoutAndSucceeds) {
  const Outcome all = RunWith({"--help"});
  EXPECT_EQ(all.code, 0);
  EXPECT_EQ(all.err, "");
  EXPECT_EQ(all.out.substr(0, 36), "usage: zorvane-cli generate LIBRARY ");
  EXPECT_NE(all.out.find("\n                            [--out DIR]"), std::string::npos) << all.out;
  EXPECT_NE(all.out.find("\n       zorvane-cli settings make --out FILE"), std::string::npos) << all.out;
  EXPECT_NE(
      all.out.find(
          "\n       zorvane-cli skin render FILE|--embedded --control NAME --size WxH [--dpi N] OUT.bmp|OUT.png\n"),
      std::string::npos);
  EXPECT_EQ(RunWith({"-h"}).out, all.out);

  // A command's help shows that command alone, wherever the option stands.
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"skin", "--help"}, {"skin", "render", "--help"}, {"generate", "lib.txt", "-h"}, {"settings", "--help"}}) {
    const Outcome one = RunWith(args);
    EXPECT_EQ(one.code, 0) << args[0];
    EXPECT_EQ(one.out.substr(0, 19 + args[0].size()), "usage: zorvane-cli " + args[0]) << one.out;
    EXPECT_EQ(one.out.find("usage: zorvane-cli", 1), std::string::npos) << one.out;
    EXPECT_EQ(one.out.find(args[0] == "skin" ? "zorvane-cli generate" : "zorvane-cli skin"), std::string::npos);
  }
}

TEST(CommandLineTest, MistakesShowTheUsageOnStderrAndExitTwo) {
  const Outcome none = RunWith({});
  EXPECT_EQ(none.code, 2);
  EXPECT_EQ(none.err, RunWith({"--help"}).out);
  const Outcome unknown = RunWith({"paint"});
  EXPECT_EQ(unknown.code, 2);
  EXPECT_EQ(unknown.err.substr(0, 38), "zorvane-cli: unknown command 'paint'\nu");
  const Outcome wrong = RunWith({"skin"});
  EXPECT_EQ(wrong.code, 2);
  EXPECT_EQ(wrong.err.substr(0, 27), "zorvane-cli skin: expected ");
  EXPECT_NE(wrong.err.find("(see zorvane-cli skin --help)\n"), std::string::npos) << wrong.err;
  EXPECT_EQ(wrong.err.find("usage"), std::string::npos) << wrong.err;
  EXPECT_EQ(wrong.out, "");
  for (const char* dpi : {"47", "481", "1e2", "", "-96"}) {
    const Outcome bad = RunWith({"skin", "frame", "--embedded", "--size", "800x500", "--dpi", dpi});
    EXPECT_EQ(bad.code, 2) << dpi;
    EXPECT_NE(bad.err.find("--dpi takes a whole number from 48 to 480"), std::string::npos) << bad.err;
  }
}

TEST(CommandLineTest, HelpDescribesTheCommandsOptionsAndAMistypedOneGetsOneLine) {
  SetEmbeddedSkin(DefaultSkinStream());
  const Outcome render = RunWith({"skin", "render", "--help"});
  EXPECT_EQ(render.code, 0);
  EXPECT_EQ(render.out.find("skin menu"), std::string::npos) << render.out;
  EXPECT_NE(render.out.find("\n  --state normal|maximized|rolledup|minimized (default normal)\n"), std::string::npos);
  EXPECT_NE(render.out.find("\n  --hot, --down: closebutton, maxbutton, minbutton, rollupbutton, sysmenubutton, "
                            "caption, traybutton\n"),
            std::string::npos)
      << render.out;
  EXPECT_EQ(render.out.find("--item"), std::string::npos) << render.out;

  const Outcome typo = RunWith({"skin", "render", "--embedded", "--frame", "300x100", "--hott", "close", "x.bmp"});
  EXPECT_EQ(typo.code, 2);
  EXPECT_EQ(typo.err,
            "zorvane-cli skin: unknown option --hott; did you mean --hot? (see zorvane-cli skin render --help)\n");
  const Outcome name = RunWith({"skin", "render", "--embedded", "--frame", "300x100", "--hot", "closebuton", "x.bmp"});
  EXPECT_NE(name.err.find("did you mean closebutton? Its caption objects are closebutton, maxbutton,"),
            std::string::npos)
      << name.err;
  SetEmbeddedSkin({});

  const Outcome version = RunWith({"--version"});
  EXPECT_EQ(version.code, 0);
  EXPECT_EQ(version.out.substr(0, 12), "zorvane-cli ");
}

}  // namespace
}  // namespace zv
