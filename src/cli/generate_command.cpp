#include "cli/generate_command.h"

#include <charconv>
#include <cstdio>
#include <set>

#include "cli/cli_codec.h"
#include "cli/cli_error.h"
#include "cli/std_platform.h"
#include "cli/terminal_text.h"
#include "core/app/article_file.h"
#include "core/app/generator.h"

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

Charset ParseCharset(const std::string& name) {
  if (name == "cp936") return Charset::kCp936;
  if (name == "utf-8") return Charset::kUtf8;
  if (name == "utf-16") return Charset::kUtf16;
  throw CliError("--encoding takes cp936, utf-8 or utf-16, not " + name);
}

// A keyword file is read by the libraries' detection rule.
void AddKeywordFile(const std::string& bytes, std::vector<Keyword>& keywords) {
  TextLines file = ReadTextLines(bytes);
  for (auto& line : file.lines) keywords.push_back({std::move(line), InMemory(file.encoding)});
}

// Only a terminal gets progress, and not for every article of a long batch.
class Progress {
 public:
  Progress(bool shown, int count) : shown_(shown), count_(count) {}
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  void Done(int done) {
    if (shown_ && (done % 100 == 0 || done == count_)) std::fprintf(stderr, "\r%d/%d", done, count_);
  }
  ~Progress() {
    if (shown_) std::fprintf(stderr, "\n");
  }

 private:
  bool shown_;
  int count_;
};

// The article as one line of the stream: CP936 and UTF-8 get their line
// feed in place, UTF-16 is encoded into `buffer`.
std::string_view StreamLine(Article& article, FileEncoding encoding, std::string& buffer) {
  if (encoding != FileEncoding::kUtf16Le) {
    article.text += '\n';
    return article.text;
  }
  buffer.clear();
  AppendEncoded(buffer, article.text, encoding);
  AppendEncoded(buffer, "\n", encoding);
  return buffer;
}

// The saved file's bytes: the article itself unless a mark or UTF-16 is due.
std::string_view FileBytes(const Article& article, FileEncoding encoding, std::string& buffer) {
  if (encoding == FileEncoding::kCp936 || encoding == FileEncoding::kUtf8) return article.text;
  buffer.assign(ByteOrderMark(encoding));
  AppendEncoded(buffer, article.text, encoding);
  return buffer;
}

// The article's path, or with " (k)" before ".txt" when this batch wrote that
// name already.
std::string UnusedPath(const std::string& outDir, const Article& article, Encoding encoding, TextCodec& codec,
                       std::set<std::string>& used) {
  const std::string base = ArticleFilePath(outDir, article.firstLine, encoding, codec);
  std::string path = base;
  for (int k = 2; used.count(path) != 0; ++k) {
    path = base.substr(0, base.size() - 4) + " (" + std::to_string(k) + ").txt";
  }
  used.insert(path);
  return path;
}

struct Batch {
  const GenerateOptions& options;
  const TextLines& library;
  const KeywordLines& keywords;
  Random& random;
  Output& out;
  Progress progress;
};

void StreamArticles(Batch& batch) {
  const FileEncoding encoding = ArticleFileEncoding(batch.library.encoding);
  if (!batch.out.Write(ByteOrderMark(encoding))) return;  // one mark for the whole stream
  Article article;
  std::string buffer;
  for (int i = 1; i <= batch.options.count; ++i) {
    batch.random.Reseed();  // the window re-seeds once before drawing, too
    DrawArticle(batch.library.lines, batch.keywords, batch.random, article);
    if (!batch.out.Write(StreamLine(article, encoding, buffer))) return;
    batch.progress.Done(i);
  }
}

void SaveArticles(Batch& batch, Files& files, TextCodec& codec) {
  const FileEncoding encoding = ArticleFileEncoding(batch.library.encoding);
  const std::string outDir = FolderWithSeparator(batch.options.outDir);
  std::set<std::string> used;
  Article article;
  std::string buffer;
  for (int i = 1; i <= batch.options.count; ++i) {
    batch.random.Reseed();
    DrawArticle(batch.library.lines, batch.keywords, batch.random, article);
    const std::string path = UnusedPath(outDir, article, InMemory(encoding), codec, used);
    files.WriteAtomic(path, FileBytes(article, encoding, buffer));
    if (!batch.out.Write(Utf8ToTerminal(path) + '\n')) return;
    batch.progress.Done(i);
  }
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
      options.keywords.push_back({value(), Encoding::kUtf8});
    } else if (arg == "--keywords") {
      AddKeywordFile(files.ReadAll(value()), options.keywords);
    } else if (arg == "--encoding") {
      options.encoding = ParseCharset(value());
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
      throw CliError::UnknownOption(arg);
    } else if (options.library.empty()) {
      options.library = arg;
    } else {
      throw CliError("more than one library given: " + arg);
    }
  }
  if (options.library.empty()) throw CliError("no word library given");
  return options;
}

void RunGenerate(const GenerateOptions& options, Files& files, TextCodec& codec, Random& random, Output& out,
                 bool showProgress) {
  const TextLines library = ReadTextLines(files.ReadAll(options.library), options.encoding);
  if (library.lines.empty()) {
    throw Error("the word library " + Cp936ForDisplay(codec, options.library) + " has no lines");
  }
  const KeywordLines keywords = ArticleKeywords(options.keywords, InMemory(library.encoding), codec);
  Batch batch{options, library, keywords, random, out, Progress(showProgress && options.count > 1, options.count)};
  if (options.toStdout) {
    StreamArticles(batch);
  } else {
    SaveArticles(batch, files, codec);
  }
}

int GenerateMain(const std::vector<std::string>& args) {
  StdFiles files;
  TextCodec& codec = CliCodec();
  const GenerateOptions options = ParseGenerateOptions(args, files);
  if (!options.toStdout && !options.outDir.empty() && !files.IsFolder(options.outDir)) {
    throw Error("the output folder " + Cp936ForDisplay(codec, options.outDir) + " does not exist");
  }
  StdClock realClock;
  SyntheticClock syntheticClock(options.counterStart, options.counterStep);
  Clock& clock = options.useCounter ? static_cast<Clock&>(syntheticClock) : realClock;
  Random random(clock);
  FdOutput out(1);
  RunGenerate(options, files, codec, random, out, ZV_ISATTY(2) != 0);
  return 0;
}

}  // namespace zv
