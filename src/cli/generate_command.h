#pragma once
// zorvane-cli generate: the window's generator, headless and in batches.
#include <string>
#include <vector>

#include "core/app/random.h"
#include "core/platform/files.h"

namespace zv {

struct GenerateOptions {
  std::string library;
  std::vector<std::string> keywords;
  int count = 1;
  std::string outDir;  // empty: the current folder
  bool toStdout = false;
  bool useCounter = false;
  std::uint64_t counterStart = 0;
  std::uint64_t counterStep = 1;
};

// Parses the arguments after "generate". Throws CliError on a bad one.
GenerateOptions ParseGenerateOptions(const std::vector<std::string>& args, Files& files);

// Generates options.count articles. Each is saved in outDir as the window
// saves it, except that a name this batch already used gets " (2)", " (3)",
// ... before ".txt". Returns the saved paths (none with --stdout).
std::vector<std::string> RunGenerate(const GenerateOptions& options, Files& files, Random& random,
                                     std::string* stdoutText, bool showProgress);

int GenerateMain(const std::vector<std::string>& args);

}  // namespace zv
