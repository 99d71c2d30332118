#include "core/app/article_file.h"

#include "core/base/error.h"
#include "core/base/path.h"
#include "core/base/unicode.h"

namespace zv {

std::string ArticleFileName(std::string_view firstLine, Encoding encoding, TextCodec& codec) {
  return encoding == Encoding::kCp936 ? codec.Utf8FromCp936(firstLine) : ValidUtf8(firstLine);
}

std::string ArticleFilePath(const std::string& folder, std::string_view firstLine, Encoding encoding,
                            TextCodec& codec) {
  const std::string name = ArticleFileName(firstLine, encoding, codec);
  std::string path = folder + name + ".txt";
  if (NamesOtherLocation(name)) {
    throw FileCreateError(Cp936ForDisplay(codec, path),
                          "The filename, directory name, or volume label syntax is incorrect");
  }
  return path;
}

}  // namespace zv
