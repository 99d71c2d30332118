#include "cli/command_line.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "cli/cli_error.h"
#include "cli/generate_command.h"
#include "cli/settings_command.h"
#include "cli/skin_command.h"
#include "cli/terminal_text.h"
#include "cli/version.h"
#include "core/base/nearest_name.h"

namespace zv {

namespace {

struct Command {
  const char* name;
  // Its usage lines without the leading "zorvane-cli "; continuation lines are indented.
  const char* usage;
  int (*run)(const std::vector<std::string>& args);
  // What a command's help adds for these arguments (the skin's names); may be null.
  std::string (*moreHelp)(const std::vector<std::string>& args) = nullptr;
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
     "skin keys\n"
     "skin unpack FILE|--embedded DIR\n"
     "skin info FILE|--embedded\n"
     "skin render FILE|--embedded --control NAME --size WxH [--dpi N] OUT.bmp|OUT.png\n"
     "skin render FILE|--embedded --frame WxH [--state S] [--icons LIST] [--inactive]\n"
     "            [--caption TEXT] [--hot NAME] [--down NAME] [--cell CWxCH] [--dpi N]\n"
     "            OUT.bmp|OUT.png\n"
     "skin render FILE|--embedded --states OUT.bmp|OUT.png [--cell CWxCH] [--dpi N]\n"
     "skin frame FILE|--embedded --size WxH [--state S] [--icons LIST] [--dpi N] [--json]\n"
     "skin hittest FILE|--embedded --size WxH [--state S] [--icons LIST] [--dpi N] X,Y [X,Y]...\n"
     "skin region FILE|--embedded --size WxH [--state S] [--dpi N]\n"
     "skin menu FILE|--embedded --item TEXT [--item TEXT]... [--at X,Y] [--work L,T,R,B]\n"
     "          [--max-items N] [--cell CWxCH] [--dpi N] [--json] [--render OUT]\n"
     "skin sysmenu FILE|--embedded|--program [--state normal|maximized|rolledup|minimized]\n"
     "             [--icons LIST] [--cell CWxCH] [--dpi N] [--json] [--render OUT]\n"
     "skin hint FILE|--embedded --text TEXT [--title TEXT] [--at X,Y] [--work L,T,R,B]\n"
     "          [--cell CWxCH] [--dpi N] [--json] [--render OUT]\n",
     SkinMain, SkinNamesHelp},
};

// Each option described once; a help lists those its usage lines name.
struct OptionHelp {
  std::string_view name;
  const char* text;
};
constexpr OptionHelp kOptions[] = {
    {"--keyword", "TEXT: a keyword woven into the articles; repeat it for more"},
    {"--keywords", "FILE: keywords, one a line (CP936, UTF-8 or UTF-16)"},
    {"--count", "N (1..1000000, default 1): how many articles"},
    {"--out", "the articles' folder (default: the current one); for settings make, the file"},
    {"--stdout", "the articles on standard output instead of in files"},
    {"--counter", "START[:STEP]: a synthetic clock, so articles repeat from run to run"},
    {"--encoding", "cp936|utf-8|utf-16: the articles' encoding (default: the library's)"},
    {"--product", "CODE: the product code the settings file is for"},
    {"--embedded", "the skin built into this program"},
    {"--force", "unpack into a folder that is not empty, overwriting its files"},
    {"--json", "the result as JSON"},
    {"--control", "NAME: a control record of the skin (names below)"},
    {"--size", "WxH (sides 1..8192): the size to lay out or render at"},
    {"--frame", "WxH: the window frame at this size; under the skin's minimum it renders at the minimum"},
    {"--states", "OUT: one labelled sheet of every caption button in every look, the caption bar and a menu"},
    {"--state", "normal|maximized|rolledup|minimized (default normal)"},
    {"--icons", "LIST: the caption buttons shown, from sysmenu,minimize,maximize,rollup,tray (default all)"},
    {"--inactive", "the window drawn inactive"},
    {"--caption", "TEXT: the caption text (default: the program's)"},
    {"--hot", "NAME: a caption object drawn under the mouse (names below)"},
    {"--down", "NAME: a caption object drawn pressed (names below)"},
    {"--cell", "CWxCH: text drawn as cells of this size instead of fonts, the same on every system"},
    {"--dpi", "N (48..480, default 96): geometry and pictures at that display scale"},
    {"--item", "TEXT: a menu item, \"-\" a separator; repeat it for more"},
    {"--at", "X,Y: where the popup opens"},
    {"--work", "L,T,R,B: the work area the popup must fit in"},
    {"--max-items", "N: the items shown before the menu scrolls"},
    {"--render", "OUT: its picture too"},
    {"--program", "the program's own window, with its Chinese texts"},
    {"--text", "TEXT: the hint's text"},
    {"--title", "TEXT: the hint's title"},
};

constexpr std::string_view kPictureNote = "pictures go out as PNG when the name ends in .png, as BMP otherwise\n";

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

// The usage lines of `command` whose first words are "COMMAND SUB" when
// args[1] is one of its subcommands, else all of them.
std::string UsageLines(const Command& command, const std::vector<std::string>& args) {
  std::string out;
  bool keep = false;
  const std::string sub = args.size() > 1 ? command.name + std::string(" ") + args[1] + " " : "";
  const bool known = !sub.empty() && std::string_view(command.usage).find(sub) != std::string_view::npos;
  std::string_view lines = command.usage;
  while (!lines.empty()) {
    const std::string_view line = lines.substr(0, lines.find('\n') + 1);
    if (!line.starts_with(' ')) keep = !known || line.starts_with(sub);
    if (keep) out += line;
    lines.remove_prefix(line.size());
  }
  return out;
}

// Usage lines, then the options they name with what each takes.
std::string Help(const Command& command, const std::vector<std::string>& args) {
  const std::string lines = UsageLines(command, args);
  std::string out;
  for (std::string_view rest = lines; !rest.empty();) {
    const std::string_view line = rest.substr(0, rest.find('\n') + 1);
    out += out.empty() ? "usage: " : "       ";
    out += line.starts_with(' ') ? std::string(12, ' ') : std::string("zorvane-cli ");
    out += line;
    rest.remove_prefix(line.size());
  }
  std::string options;
  for (const OptionHelp& option : kOptions) {
    const std::size_t at = lines.find(option.name);
    const char after = at == std::string::npos ? '-' : lines[at + option.name.size()];
    if (after == ' ' || after == ']' || after == '|' || after == '\n') {
      options += "  " + std::string(option.name) + " " + option.text + "\n";
    }
  }
  if (!options.empty()) out += "options:\n" + options;
  if (lines.find("OUT.png") != std::string::npos || lines.find("--render OUT") != std::string::npos) {
    out += "  " + std::string(kPictureNote);
  }
  return command.moreHelp == nullptr ? out : out + command.moreHelp(args);
}

// "; did you mean --x?" for the option of the command's usage nearest to `option`.
std::string NearestOption(const Command& command, const std::string& option) {
  std::vector<std::string_view> known;
  for (const OptionHelp& o : kOptions) {
    if (std::string_view(command.usage).find(o.name) != std::string_view::npos) known.push_back(o.name);
  }
  const std::string_view near = NearestName(option, known);
  return near.empty() ? "" : "; did you mean " + std::string(near) + "?";
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
  if (args.size() == 1 && args[0] == "--version") {
    out << "zorvane-cli " << kProgramVersion << "\n";
    return 0;
  }
  if (AsksForHelp(args)) {
    out << (known ? Help(*command, args) : Usage(nullptr));
    return 0;
  }
  if (!known) {
    err << "zorvane-cli: unknown command '" << args[0] << "'\n" << Usage(nullptr);
    return 2;
  }
  try {
    return command->run({args.begin() + 1, args.end()});
  } catch (const CliError& e) {
    const std::string near = e.unknownOption.empty() ? "" : NearestOption(*command, e.unknownOption);
    const std::string sub = args.size() > 1 && !args[1].starts_with("-") ? " " + args[1] : "";
    err << "zorvane-cli " << command->name << ": " << ToTerminal(e.what()) << near << " (see zorvane-cli "
        << command->name << sub << " --help)\n";
    return 2;
  } catch (const std::exception& e) {
    err << "zorvane-cli " << command->name << ": " << ToTerminal(e.what()) << '\n';
    return 1;
  }
}

}  // namespace zv
