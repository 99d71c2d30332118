#include "cli/generate_command.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <set>

#include "cli/cli_error.h"
#include "cli/std_platform.h"
#include "cli/terminal_text.h"
#include "core/app/generator.h"
#include "core/base/path.h"
#include "core/base/string_list.h"

#ifdef _WIN32
#include <io.h>
#define ZV_ISATTY _isatty
#else
#include <unistd.h>
#define ZV_ISATTY isatty
#endif

namespace zv {

namespace {

std::uint64_t ParseNumber(std::string_view text, const char* what) {
  std::uint64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
    throw CliError(std::string("not a number for ") + what + ": " + std::string(text));
  }
  return value;
}

void ParseCounter(std::string_view text, GenerateOptions& options) {
  const auto colon = text.find(':');
  options.useCounter = true;
  options.counterStart = ParseNumber(text.substr(0, colon), "--counter");
  if (colon != std::string_view::npos) options.counterStep = ParseNumber(text.substr(colon + 1), "--counter");
}

// The folder is the system's own text. On Windows it is taken for CP936 (a
// trail byte "\" is no separator); when the code page differs, the worst is
// a doubled separator, which Windows ignores. On other systems only "/"
// separates and the bytes are never read as CP936.
// outDir + first line + ".txt", or with " (k)" before ".txt" when this batch
// wrote that name already.
std::string UnusedPath(const std::string& outDir, const std::string& firstLine, std::set<std::string>& used) {
  const std::string base = ArticleFilePath(outDir, firstLine);
  std::string path = base;
  for (int k = 2; used.count(path) != 0; ++k) {
    path = base.substr(0, base.size() - 4) + " (" + std::to_string(k) + ").txt";
  }
  used.insert(path);
  return path;
}

}  // namespace

GenerateOptions ParseGenerateOptions(const std::vector<std::string>& args, Files& files) {
  GenerateOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw CliError(arg + " needs a value");
      return args[++i];
    };
    if (arg == "--keyword") {
      options.keywords.push_back(value());
    } else if (arg == "--keywords") {
      for (auto& line : SplitLines(files.ReadAll(value()))) options.keywords.push_back(std::move(line));
    } else if (arg == "--count") {
      const auto count = ParseNumber(value(), "--count");
      if (count < 1 || count > 1000000) throw CliError("--count takes a number from 1 to 1000000");
      options.count = static_cast<int>(count);
    } else if (arg == "--out") {
      options.outDir = value();
    } else if (arg == "--stdout") {
      options.toStdout = true;
    } else if (arg == "--counter") {
      ParseCounter(value(), options);
    } else if (!arg.empty() && arg[0] == '-') {
      throw CliError("unknown option " + arg);
    } else if (options.library.empty()) {
      options.library = arg;
    } else {
      throw CliError("more than one library given: " + arg);
    }
  }
  if (options.library.empty()) throw CliError("no word library given");
  return options;
}

std::vector<std::string> RunGenerate(const GenerateOptions& options, Files& files, Random& random,
                                     std::string* stdoutText, bool showProgress) {
  const std::vector<std::string> library = SplitLines(files.ReadAll(options.library));
  if (library.empty()) throw Error("the word library " + options.library + " has no lines");
  const KeywordLines keywords{options.keywords};
  const std::string outDir = FolderWithSeparator(options.outDir);
  std::set<std::string> used;
  std::vector<std::string> saved;
  for (int i = 0; i < options.count; ++i) {
    random.Reseed();  // the window re-seeds once before drawing, too
    const Article article = DrawArticle(library, keywords, random);
    if (options.toStdout) {
      *stdoutText += article.text;
      *stdoutText += '\n';
    } else {
      const std::string path = UnusedPath(outDir, article.firstLine, used);
      files.WriteAtomic(path, article.text);
      saved.push_back(path);
    }
    if (showProgress) std::fprintf(stderr, "\r%d/%d", i + 1, options.count);
  }
  if (showProgress) std::fprintf(stderr, "\n");
  return saved;
}

int GenerateMain(const std::vector<std::string>& args) {
  StdFiles files;
  const GenerateOptions options = ParseGenerateOptions(args, files);
  if (!options.toStdout && !options.outDir.empty() && !files.IsFolder(options.outDir)) {
    throw Error("the output folder " + options.outDir + " does not exist");
  }
  StdClock realClock;
  SyntheticClock syntheticClock(options.counterStart, options.counterStep);
  Clock& clock = options.useCounter ? static_cast<Clock&>(syntheticClock) : realClock;
  Random random(clock);
  std::string text;
  const bool progress = options.count > 1 && ZV_ISATTY(2);
  for (const auto& path : RunGenerate(options, files, random, &text, progress)) {
    std::cout << ToTerminal(path) << '\n';
  }
  std::cout << text;
  return 0;
}

}  // namespace zv
