// zorvane-cli: the engine of Zorvane.exe, driven from a terminal.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/cli_error.h"
#include "cli/generate_command.h"
#include "cli/settings_command.h"
#include "cli/skin_command.h"
#include "cli/terminal_text.h"
#include "embedded/default_skin.h"

namespace {

constexpr const char* kUsage =
    "usage: zorvane-cli generate LIBRARY [--keyword TEXT]... [--keywords FILE] [--count N]\n"
    "                            [--out DIR] [--stdout] [--counter START[:STEP]]\n"
    "       zorvane-cli settings encode TEXT\n"
    "       zorvane-cli settings decode HEX\n"
    "       zorvane-cli settings make --out FILE [--product CODE] --picture1 URL --link1 URL\n"
    "                                 --picture2 URL --link2 URL\n"
    "       zorvane-cli skin pack SKIN.INI OUT\n"
    "       zorvane-cli skin unpack FILE|--embedded DIR\n"
    "       zorvane-cli skin info FILE|--embedded\n"
    "       zorvane-cli skin render FILE|--embedded --control NAME --size WxH OUT.bmp\n"
    "       zorvane-cli skin render FILE|--embedded --frame WxH [--state S] [--icons LIST] [--inactive]\n"
    "                               [--caption TEXT] [--hot NAME] [--down NAME] [--cell CWxCH] OUT.bmp\n"
    "       zorvane-cli skin frame FILE|--embedded --size WxH [--state S] [--icons LIST] [--json]\n"
    "       zorvane-cli skin hittest FILE|--embedded --size WxH [--state S] [--icons LIST] X,Y [X,Y]...\n"
    "       zorvane-cli skin region FILE|--embedded --size WxH [--state S]\n";

struct Command {
  const char* name;
  int (*run)(const std::vector<std::string>& args);
};

constexpr Command kCommands[] = {
    {"generate", zv::GenerateMain},
    {"settings", zv::SettingsMain},
    {"skin", zv::SkinMain},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  zv::SetEmbeddedSkin(zv::DefaultSkinStream());
  const std::string name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const auto& command : kCommands) {
    if (name != command.name) continue;
    try {
      return command.run(args);
    } catch (const zv::CliError& e) {
      std::fprintf(stderr, "zorvane-cli %s: %s\n%s", command.name, zv::ToTerminal(e.what()).c_str(), kUsage);
      return 2;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "zorvane-cli %s: %s\n", command.name, zv::ToTerminal(e.what()).c_str());
      return 1;
    }
  }
  std::fprintf(stderr, "zorvane-cli: unknown command '%s'\n%s", name.c_str(), kUsage);
  return 2;
}
