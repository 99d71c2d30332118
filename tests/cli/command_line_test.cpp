#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

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
  EXPECT_NE(all.out.find("\n       zorvane-cli skin render FILE|--embedded --control NAME --size WxH [--dpi N] OUT.bmp|OUT.png\n"),
            std::string::npos);
  EXPECT_EQ(RunWith({"-h"}).out, all.out);

  // A command's help shows that command alone, wherever the option stands.
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"skin", "--help"}, {"skin", "render", "--help"}, {"generate", "lib.txt", "-h"}, {"settings", "--help"}}) {
    const Outcome one = RunWith(args);
    EXPECT_EQ(one.code, 0) << args[0];
    EXPECT_EQ(one.out.substr(0, 19 + args[0].size()), "usage: zorvane-cli " + args[0]) << one.out;
    EXPECT_LT(one.out.size(), all.out.size()) << one.out;
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
  EXPECT_NE(wrong.err.find("usage: zorvane-cli skin pack"), std::string::npos) << wrong.err;
  EXPECT_EQ(wrong.err.find("generate"), std::string::npos) << wrong.err;
  EXPECT_EQ(wrong.out, "");
  for (const char* dpi : {"47", "481", "1e2", "", "-96"}) {
    const Outcome bad = RunWith({"skin", "frame", "--embedded", "--size", "800x500", "--dpi", dpi});
    EXPECT_EQ(bad.code, 2) << dpi;
    EXPECT_NE(bad.err.find("--dpi takes a whole number from 48 to 480"), std::string::npos) << bad.err;
  }
}

}  // namespace
}  // namespace zv
