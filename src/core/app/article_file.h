#pragma once
// Where an article is saved: named after its first line in any encoding.
#include <string>
#include <string_view>

#include "core/base/text_file.h"
#include "core/platform/files.h"
#include "core/platform/text_codec.h"

namespace zv {

// The program's folder and how its files are reached and named. `path` is
// UTF-8 and ends in a separator.
struct AppFolder {
  Files& files;
  TextCodec& codec;
  std::string path;
};

// The first line's characters as a UTF-8 file name: CP936 decoded as the
// platform decodes it, UTF-8 with each invalid byte as U+FFFD.
std::string ArticleFileName(std::string_view firstLine, Encoding encoding, TextCodec& codec);

// folder + name + ".txt". Throws FileCreateError when the name would reach
// outside the folder or into a file stream: its decoded characters hold "\",
// "/" or ":" (no byte inside a multi-byte character is one of them).
std::string ArticleFilePath(const std::string& folder, std::string_view firstLine, Encoding encoding, TextCodec& codec);

}  // namespace zv
