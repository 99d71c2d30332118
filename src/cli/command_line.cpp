#include "cli/command_line.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "cli/cli_error.h"
#include "cli/generate_command.h"
#include "cli/settings_command.h"
#include "cli/skin_command.h"
#include "cli/terminal_text.h"

namespace zv {

namespace {

struct Command {
  const char* name;
  // Its usage lines without the leading "zorvane-cli "; continuation lines are indented.
  const char* usage;
  int (*run)(const std::vector<std::string>& args);
};

constexpr Command kCommands[] = {
    {"generate",
     "generate LIBRARY [--keyword TEXT]... [--keywords FILE] [--count N]\n"
     "         [--out DIR] [--stdout] [--counter START[:STEP]] [--encoding cp936|utf-8|utf-16]\n",
     GenerateMain},
    {"settings",
     "settings encode TEXT\n"
     "settings decode HEX\n"
     "settings make --out FILE [--product CODE] --picture1 URL --link1 URL\n"
     "              --picture2 URL --link2 URL\n",
     SettingsMain},
    {"skin",
     "skin pack SKIN.INI|FOLDER OUT\n"
     "skin check SKIN.INI|FOLDER|FILE|--embedded [--json]\n"
     "skin unpack FILE|--embedded DIR\n"
     "skin info FILE|--embedded\n"
     "skin render FILE|--embedded --control NAME --size WxH [--dpi N] OUT.bmp|OUT.png\n"
     "skin render FILE|--embedded --frame WxH [--state S] [--icons LIST] [--inactive]\n"
     "            [--caption TEXT] [--hot NAME] [--down NAME] [--cell CWxCH] [--dpi N]\n"
     "            OUT.bmp|OUT.png\n"
     "skin frame FILE|--embedded --size WxH [--state S] [--icons LIST] [--dpi N] [--json]\n"
     "skin hittest FILE|--embedded --size WxH [--state S] [--icons LIST] [--dpi N] X,Y [X,Y]...\n"
     "skin region FILE|--embedded --size WxH [--state S] [--dpi N]\n"
     "skin menu FILE|--embedded --item TEXT [--item TEXT]... [--at X,Y] [--work L,T,R,B]\n"
     "          [--max-items N] [--cell CWxCH] [--dpi N] [--json] [--render OUT]\n"
     "skin sysmenu FILE|--embedded|--program [--state normal|maximized|rolledup|minimized]\n"
     "             [--icons LIST] [--cell CWxCH] [--dpi N] [--json] [--render OUT]\n"
     "skin hint FILE|--embedded --text TEXT [--title TEXT] [--at X,Y] [--work L,T,R,B]\n"
     "          [--cell CWxCH] [--dpi N] [--json] [--render OUT]\n"
     "  --dpi N (48..480, default 96): geometry and pictures at that display scale;\n"
     "  a picture goes out as PNG when its name ends in .png, as BMP otherwise\n",
     SkinMain},
};

// "usage: " before the first line, its width of blanks before the others.
std::string Usage(const Command* only) {
  std::string out;
  for (const Command& command : kCommands) {
    if (only != nullptr && only != &command) continue;
    std::string_view lines = command.usage;
    while (!lines.empty()) {
      const std::size_t end = lines.find('\n') + 1;
      const std::string_view line = lines.substr(0, end);
      out += out.empty() ? "usage: " : "       ";
      out += line.starts_with(' ') ? std::string(12, ' ') : std::string("zorvane-cli ");
      out += line;
      lines.remove_prefix(end);
    }
  }
  return out;
}

bool AsksForHelp(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << Usage(nullptr);
    return 2;
  }
  const auto command =
      std::find_if(std::begin(kCommands), std::end(kCommands), [&](const Command& c) { return args[0] == c.name; });
  const bool known = command != std::end(kCommands);
  if (AsksForHelp(args)) {
    out << Usage(known ? command : nullptr);
    return 0;
  }
  if (!known) {
    err << "zorvane-cli: unknown command '" << args[0] << "'\n" << Usage(nullptr);
    return 2;
  }
  try {
    return command->run({args.begin() + 1, args.end()});
  } catch (const CliError& e) {
    err << "zorvane-cli " << command->name << ": " << ToTerminal(e.what()) << '\n' << Usage(command);
    return 2;
  } catch (const std::exception& e) {
    err << "zorvane-cli " << command->name << ": " << ToTerminal(e.what()) << '\n';
    return 1;
  }
}

}  // namespace zv
