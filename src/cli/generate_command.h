#pragma once
// zorvane-cli generate: the window's generator, headless and in batches.
#include <optional>
#include <string>
#include <vector>

#include "cli/output.h"
#include "core/app/keywords.h"
#include "core/app/random.h"
#include "core/base/text_file.h"
#include "core/platform/files.h"
#include "core/platform/text_codec.h"

namespace zv {

struct GenerateOptions {
  std::string library;
  std::vector<Keyword> keywords;    // in command-line order
  std::optional<Charset> encoding;  // forced; otherwise detected
  int count = 1;
  std::string outDir;  // empty: the current folder
  bool toStdout = false;
  bool useCounter = false;
  std::uint64_t counterStart = 0;
  std::uint64_t counterStep = 1;
};

// Parses the arguments after "generate" (UTF-8). Throws CliError on a bad one.
GenerateOptions ParseGenerateOptions(const std::vector<std::string>& args, Files& files);

// Generates options.count articles in the library's encoding, refusing a
// keyword that encoding cannot hold before drawing. With --stdout each
// article goes to `out` as soon as it is drawn, one a line; otherwise each is
// saved in outDir as the window saves it (a name this batch already used
// gets " (2)", " (3)", ... before ".txt") and its path goes to `out`. Stops
// quietly when the reader of `out` has gone.
void RunGenerate(const GenerateOptions& options, Files& files, TextCodec& codec, Random& random, Output& out,
                 bool showProgress);

int GenerateMain(const std::vector<std::string>& args);

}  // namespace zv
